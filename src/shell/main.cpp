#include "shell/ui/main_window.h"
#include "shell/ui/program_commands.h"
#include "shell/ui/splash_window.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(rotavex::ApplicationTitle);
    QApplication::setWindowIcon(rotavex::applicationIcon());

    // The standard buttons of the message boxes read Sí, No, Cancelar and
    // Aceptar whatever the system's language; numbers and dates keep
    // following the system's locale.
    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    // The splash builds the main window, hidden, and shows it when the user
    // clicks it or presses a key.
    rotavex::SplashWindow splash([] {
        auto *main = new rotavex::MainWindow;
        main->setAttribute(Qt::WA_DeleteOnClose);
        new rotavex::ProgramCommands(*main);
        return main;
    });
    splash.show();
    return app.exec();
}
