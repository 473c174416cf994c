#pragma once
// The help document shown by the help window. It is built into the program
// (resources/help/ayuda.html) and never read from the disk.

#include <QFont>
#include <QString>

namespace rotavex {

// The document as rich text (HTML).
QString helpDocumentHtml();

// Times New Roman, 12 point, or the closest serif font the system has.
QFont helpDocumentFont();

}   // namespace rotavex
