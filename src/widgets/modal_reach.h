#pragma once
// While a modal window is open it is the only way on, and the program's
// other windows wait for it. Reduced to an icon from its title bar (a window
// manager may offer that even where the window asks for no such button), it
// would take the whole program out of sight, and a desktop without a task
// bar would give no way back. So while a modal window is open, any window of
// the program that goes to an icon is brought back at once.

class QApplication;

namespace rotavex {

void keepModalWindowsInReach(QApplication &app);

}   // namespace rotavex
