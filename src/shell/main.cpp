#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"
#include "storage/ui/file_name_text.h"

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
    enum Request { Program, Help, Version, UsageError } request = Program;
    QString error;   // for a usage error
    QString dataFile;
};

// The option as the user typed it: "-style" for "-style=Fusion".
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option.startsWith(QLatin1Char('-')) && option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1) == name)
            return option;
    }
    return QLatin1Char('-') + name;
}

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // One dash or two name one option: "-style" is not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);
    CommandLine line;
    if (parser.isSet(help)) {
        line.request = CommandLine::Help;
    } else if (parser.isSet(version)) {
        line.request = CommandLine::Version;
    } else if (!parsed) {
        line.request = CommandLine::UsageError;
        line.error = QStringLiteral("opción desconocida: %1")
                         .arg(typedOption(arguments, parser.unknownOptionNames().value(0)));
    } else if (parser.positionalArguments().size() > 1) {
        line.request = CommandLine::UsageError;
        line.error = QStringLiteral("solo se puede cargar un fichero");
    } else if (!parser.positionalArguments().isEmpty()) {
        line.dataFile = parser.positionalArguments().constFirst();
    }
    return line;
}

// The arguments as file names are kept: by their bytes, whatever their
// encoding (a name copied from an old Windows share is Latin-1).
QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << rotavex::fileNameFromBytes(QByteArray(argv[i]));
    return arguments;
}

// The exit status of a command line that ends the program before its
// windows, or -1.
int answer(const CommandLine &line)
{
    switch (line.request) {
    case CommandLine::Program: return -1;
    case CommandLine::Help: std::printf("%s\n%s", Description, Usage); break;
    case CommandLine::Version: std::printf("rotavex %s\n", ROTAVEX_VERSION); break;
    case CommandLine::UsageError: std::fprintf(stderr, "rotavex: %s\n%s", qUtf8Printable(line.error), Usage); return 2;
    }
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}   // namespace

int main(int argc, char *argv[])
{
    // The help and the version answer before any window system is reached,
    // so they work with no display, from a terminal or a packaging script.
    // Qt's own options (-style, -platform, ...) are not known yet, so only
    // these two are looked for.
    CommandLine line = readCommandLine(argumentList(argc, argv));
    if (line.request == CommandLine::Help || line.request == CommandLine::Version)
        return answer(line);

    // QApplication takes its own options out of the arguments; the rest are ours.
    QApplication app(argc, argv);
    line = readCommandLine(argumentList(argc, argv));
    if (const int status = answer(line); status >= 0)
        return status;
    QApplication::setApplicationVersion(QStringLiteral(ROTAVEX_VERSION));
    rotavex::prepareApplication(app);

    rotavex::SplashWindow splash(rotavex::buildMainWindow);
    if (!line.dataFile.isEmpty())
        rotavex::loadWhenShown(splash, line.dataFile);
    splash.show();
    return app.exec();
}
