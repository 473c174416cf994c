#pragma once
// What every start of the program does, for the program itself and for the
// measure of its start-up: one place, so the two cannot drift apart.

class QApplication;
class QString;
class QWidget;

namespace rotavex {

// The application's name and icon, and the standard buttons of the message
// boxes in Spanish (Sí, No, Cancelar, Aceptar) whatever the system's
// language; numbers and dates keep following the system's locale.
void prepareApplication(QApplication &app);

// The main window with its commands, freed when it closes; the splash builds
// it hidden and shows it when the user clicks or presses a key.
QWidget *buildMainWindow();

class SplashWindow;

// `rotavex FILE`: once the splash has shown the main window, the data file
// at path is loaded into it as "Cargar Datos Personalizados" loads a file,
// with the same refusal of a file that is not a data file.
void loadWhenShown(SplashWindow &splash, const QString &path);

}   // namespace rotavex
