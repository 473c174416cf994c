#pragma once
// The files built into the program (resources/rotavex.qrc): its pictures and
// its help document.

#include <QString>

namespace rotavex {

// The whole of a built-in text file, such as ":/help/ayuda.html".
QString builtInText(const QString &path);

// Makes the built-in files reachable under ":/". The program's windows live in
// a static library, whose resources the linker would otherwise leave out.
void registerBuiltInFiles();

}   // namespace rotavex
