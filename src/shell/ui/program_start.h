#pragma once
// What every start of the program does, for the program itself and for the
// measure of its start-up: one place, so the two cannot drift apart.

class QApplication;
class QWidget;

namespace rotavex {

// The application's name and icon, and the standard buttons of the message
// boxes in Spanish (Sí, No, Cancelar, Aceptar) whatever the system's
// language; numbers and dates keep following the system's locale.
void prepareApplication(QApplication &app);

// The main window with its commands, freed when it closes; the splash builds
// it hidden and shows it when the user clicks or presses a key.
QWidget *buildMainWindow();

}   // namespace rotavex
