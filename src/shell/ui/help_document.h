#pragma once
// The help document shown by the help window. It is part of the program and
// never read from a file.

#include <QFont>
#include <QString>

namespace rotavex {

// The document as rich text (HTML).
QString helpDocumentHtml();

// Times New Roman, 12 point, or the closest serif font the system has.
QFont helpDocumentFont();

} // namespace rotavex
