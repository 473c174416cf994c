// The program's own start-up, measured against the bare skeleton: the windows
// are created as the program creates them, the splash hands over at once, and
// the program quits as soon as the main window is shown.

#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    rotavex::prepareApplication(app);
    rotavex::SplashWindow splash(rotavex::buildMainWindow);
    // exit, not quit: quitting would first ask the main window to close, and
    // the program asks whether to save before it closes
    QObject::connect(&splash, &rotavex::SplashWindow::mainWindowShown, &app,
                     [&app] { QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); }); });
    splash.show();
    // as if the user pressed a key on the splash as soon as it appeared
    QTimer::singleShot(0, &splash, [&splash] { splash.close(); });
    return app.exec();
}
