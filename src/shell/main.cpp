#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ROTAVEX_VERSION));
    rotavex::prepareApplication(app);

    // `rotavex FILE`, as the desktop opens a data file: the file is loaded
    // once the main window shows.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Calculadora de costes de empresas de transporte de viajeros "
                                                    "en autobús."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FICHERO"), QStringLiteral("Fichero de datos que se carga al empezar."),
                                 QStringLiteral("[FICHERO]"));
    if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty() ? QStringLiteral("solo se puede cargar un fichero")
                                                           : parser.errorText();
        std::fprintf(stderr, "rotavex: %s\n", qUtf8Printable(error));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    rotavex::SplashWindow splash(rotavex::buildMainWindow);
    if (!parser.positionalArguments().isEmpty())
        rotavex::loadWhenShown(splash, parser.positionalArguments().constFirst());
    splash.show();
    return app.exec();
}
