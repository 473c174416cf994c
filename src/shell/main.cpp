#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

constexpr const char *Description = "ROTAVEX 2018: calculadora de costes de empresas de transporte de viajeros en "
                                    "autobús.\n";
constexpr const char *Usage = "Uso: rotavex [FICHERO]\n"
                              "  FICHERO        fichero de datos que se carga al mostrarse la ventana principal\n"
                              "  -h, --help     muestra esta ayuda\n"
                              "  -v, --version  muestra la versión del programa\n";

// What the command line asks for: the help, the version, or the program with
// an optional data file to load once the main window shows (as the desktop
// opens a data file).
struct CommandLine {
    int exitStatus = -1;   // set when the program ends without its windows
    QString dataFile;
};

// An option's name as it is typed: -v, --version.
QString dashed(const QString &name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

// Read before the windows exist, so that --help and --version answer with no
// display, from a terminal or a packaging script.
CommandLine readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    CommandLine line;
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.unknownOptionNames().isEmpty()
                                  ? QStringLiteral("solo se puede cargar un fichero")
                                  : QStringLiteral("opción desconocida: %1")
                                        .arg(dashed(parser.unknownOptionNames().constFirst()));
        std::fprintf(stderr, "rotavex: %s\n%s", qUtf8Printable(error), Usage);
        line.exitStatus = 2;
    } else if (parser.isSet(help)) {
        std::printf("%s\n%s", Description, Usage);
        line.exitStatus = 0;
    } else if (parser.isSet(version)) {
        std::printf("rotavex %s\n", ROTAVEX_VERSION);
        line.exitStatus = 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        line.dataFile = parser.positionalArguments().constFirst();
    }
    if (line.exitStatus >= 0 && std::fflush(stdout) != 0)
        line.exitStatus = 2;
    return line;
}

}   // namespace

int main(int argc, char *argv[])
{
    const CommandLine line = readCommandLine(argc, argv);
    if (line.exitStatus >= 0)
        return line.exitStatus;

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ROTAVEX_VERSION));
    rotavex::prepareApplication(app);

    rotavex::SplashWindow splash(rotavex::buildMainWindow);
    if (!line.dataFile.isEmpty())
        rotavex::loadWhenShown(splash, line.dataFile);
    splash.show();
    return app.exec();
}
