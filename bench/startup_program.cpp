// The program's own start-up, measured against the bare skeleton: the windows
// are created as the program creates them, the splash hands over at once, and
// the program quits as soon as the main window is shown.

#include "shell/ui/main_window.h"
#include "shell/ui/program_commands.h"
#include "shell/ui/splash_window.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(rotavex::ApplicationTitle);
    QApplication::setWindowIcon(rotavex::applicationIcon());

    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    rotavex::SplashWindow splash([] {
        auto *main = new rotavex::MainWindow;
        main->setAttribute(Qt::WA_DeleteOnClose);
        new rotavex::ProgramCommands(*main);
        return main;
    });
    // exit, not quit: quitting would first ask the main window to close, and
    // the program asks whether to save before it closes
    QObject::connect(&splash, &rotavex::SplashWindow::mainWindowShown, &app,
                     [&app] { QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); }); });
    splash.show();
    // as if the user pressed a key on the splash as soon as it appeared
    QTimer::singleShot(0, &splash, [&splash] { splash.close(); });
    return app.exec();
}
