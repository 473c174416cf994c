#include "shell/ui/main_window.h"
#include "shell/ui/prompter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(rotavex::ApplicationTitle);

    // The standard buttons of the message boxes read Sí, No, Cancelar and
    // Aceptar whatever the system's language; numbers and dates keep
    // following the system's locale.
    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    rotavex::MainWindow window;
    window.show();
    return app.exec();
}
