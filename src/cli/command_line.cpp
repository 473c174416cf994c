#include "command_line.h"

#include "entry/field_check.h"
#include "price_files.h"
#include "price_lot.h"
#include "reference/reference_file.h"
#include "revise_prices.h"
#include "storage/failure_causes.h"
#include "storage/valid_utf8.h"
#include "usage.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace rotavex {

namespace {

// What the command line asks for.
struct Command {
    enum Request { Price, PriceLot, Revise, Help, Version, UsageError } request = Price;
    OutputRequest output;
    std::vector<std::string> files;
    std::string lotFile;        // for PriceLot
    std::string revisionFile;   // for Revise
    std::string error;          // for a usage error
};

Command usageError(const std::string &error)
{
    Command command;
    command.request = Command::UsageError;
    command.error = error;
    return command;
}

// Arguments are handed to the parser byte for byte as Latin-1, so that file
// names come back as the very bytes the system gave, whatever their encoding.
QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
}

std::string bytesOf(const QString &argument) { return argument.toLatin1().toStdString(); }

// Why the parser does not take the command line: the first option as typed
// that it does not know as it stands ("--xml", "-x", "--json=1"), or an
// option that lacks its value.
std::string parseFailure(const QList<QCommandLineOption> &options, const QStringList &arguments)
{
    QStringList known, valued;
    for (const QCommandLineOption &option : options)
        for (const QString &name : option.names())
            (option.valueName().isEmpty() ? known : valued) << (name.size() == 1 ? "-" : "--") + name;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (valued.contains(argument)) {
            if (i + 1 == arguments.size())
                return "falta el valor de la opción " + bytesOf(argument);
            ++i;
            continue;
        }
        const bool valuedWithEquals = std::any_of(valued.begin(), valued.end(),
                                                  [&](const QString &name) { return argument.startsWith(name + '='); });
        if (argument.size() > 1 && argument.startsWith('-') && !known.contains(argument) && !valuedWithEquals)
            return "opción no válida: " + bytesOf(argument);
    }
    return "opción no válida: " + bytesOf(arguments.value(1));
}

Command readCommandLine(const QStringList &arguments)
{
    const QCommandLineOption tolerance("tolerance", QString(), "P"), reference("reference", QString(), "R"),
        lot("lot", QString(), "LOTE"), revise("revise", QString(), "REVISION");
    const QList<QCommandLineOption> options{QCommandLineOption(QStringList{"h", "help"}),
                                            QCommandLineOption("version"),
                                            QCommandLineOption("json"),
                                            QCommandLineOption("csv"),
                                            QCommandLineOption("spreadsheet"),
                                            QCommandLineOption("compare"),
                                            tolerance,
                                            reference,
                                            lot,
                                            revise};
    QCommandLineParser parser;
    parser.addOptions(options);
    if (!parser.parse(arguments))
        return usageError(parseFailure(options, arguments));
    // The options act in the order given: what comes first answers first.
    Command command;
    for (const QString &name : parser.optionNames()) {
        if (name == "h" || name == "help") {
            command.request = Command::Help;
            return command;
        }
        if (name == "version") {
            command.request = Command::Version;
            return command;
        }
        if (name == "compare")
            command.output.compare = true;
        command.output.spreadsheet = command.output.spreadsheet || name == "spreadsheet";
        if (name != "json" && name != "csv")
            continue;
        const OutputFormat chosen = name == "json" ? OutputFormat::Json : OutputFormat::Csv;
        if (command.output.format != OutputFormat::Text && command.output.format != chosen)
            return usageError("las opciones --json y --csv se excluyen mutuamente");
        command.output.format = chosen;
    }
    if (command.output.spreadsheet && command.output.format != OutputFormat::Csv)
        return usageError("la opción --spreadsheet solo sirve con --csv");
    if (parser.isSet(lot) && parser.isSet(revise))
        return usageError("las opciones --lot y --revise se excluyen mutuamente");
    if (parser.isSet(lot)) {
        if (command.output.compare)
            return usageError("las opciones --lot y --compare se excluyen mutuamente");
        if (!parser.positionalArguments().isEmpty())
            return usageError("con --lot no se dan ficheros de datos: cada servicio del lote nombra el suyo");
        command.request = Command::PriceLot;
        command.lotFile = bytesOf(parser.values(lot).constLast());
    }
    if (parser.isSet(tolerance)) {
        if (!command.output.compare && !parser.isSet(lot))
            return usageError("la opción --tolerance solo sirve con --compare o --lot");
        // Given more than once, the last value counts.
        const std::string text = bytesOf(parser.values(tolerance).constLast());
        const std::optional<double> pct = checkedFieldValue(text);
        if (!pct)
            return usageError("el valor de --tolerance debe ser un porcentaje, un número finito mayor o igual que "
                              "cero (como 20 o 7,5): "
                              + shownValue(text));
        command.output.tolerancePct = *pct;
    }
    if (parser.isSet(reference)) {
        const std::string path = bytesOf(parser.values(reference).constLast());
        ReferenceFileReading read = loadReferenceFile(path);
        if (!read.set)
            return usageError("no se pueden leer los valores de referencia de " + path + ": " + read.refusal);
        command.output.reference = std::make_shared<const ReferenceSet>(std::move(*read.set));
    }
    for (const QString &file : parser.positionalArguments())
        command.files.push_back(bytesOf(file));
    if (parser.isSet(revise)) {
        // The revision is written in a form of its own, not beside the data files' records.
        if (command.output.compare)
            return usageError("la opción --compare no sirve con --revise");
        if (parser.isSet(reference) && command.files.empty())
            return usageError("con --revise, la opción --reference solo sirve con ficheros de datos");
        command.request = Command::Revise;
        command.revisionFile = bytesOf(parser.values(revise).constLast());
        return command;
    }
    if (command.files.empty() && command.request != Command::PriceLot)
        return usageError("falta el nombre de algún fichero de datos");
    return command;
}

// The error quotes what was typed, which may hold any byte.
int usageFailure(std::ostream &err, const std::string &error)
{
    err << "rotavex-calc: " << printableText(validUtf8(error)) << "\n\n" << usage();
    return 2;
}

}   // namespace

int runCalculator(int argc, char **argv, std::ostream &out, std::ostream &err, const NumberLocale &locale)
{
    const Command command = readCommandLine(argumentList(argc, argv));
    switch (command.request) {
    case Command::Help: return writeOutput(out, err, usage()) ? 0 : OutputFailed;
    case Command::Version: return writeOutput(out, err, "rotavex-calc " ROTAVEX_VERSION "\n") ? 0 : OutputFailed;
    case Command::UsageError: return usageFailure(err, command.error);
    case Command::PriceLot: return priceLotFile(command.lotFile, command.output, out, err, locale);
    case Command::Revise: {
        const RevisionRunEnd end = revisePrices(command.revisionFile, command.files, command.output, out, err, locale);
        return end.usageError.empty() ? end.status : usageFailure(err, end.usageError);
    }
    case Command::Price: break;
    }
    return priceFiles(command.files, command.output, out, err, locale);
}

}   // namespace rotavex
