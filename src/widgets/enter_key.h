#pragma once
// Enter, on the main keyboard or the keypad, presses the push button that
// has the focus, as Space does. No button becomes the window's default, so
// Enter in a text field or a list presses none.

class QWidget;

namespace rotavex {

// For every push button the window holds when this is called.
void pressFocusedButtonOnEnter(QWidget *window);

}   // namespace rotavex
