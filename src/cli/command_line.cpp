#include "command_line.h"

#include "entry/field_check.h"
#include "price_files.h"
#include "reference/reference_file.h"
#include "revise_prices.h"
#include "storage/failure_causes.h"
#include "storage/valid_utf8.h"
#include "study/record_fields.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace rotavex {

namespace {

constexpr const char *Usage =
    "Uso: rotavex-calc [--json | --csv [--spreadsheet]] [--compare [--tolerance P]] [--reference R] FICHERO...\n"
    "     rotavex-calc --revise REVISION [--json | --csv [--spreadsheet]] [--reference R] [FICHERO...]\n"
    "     rotavex-calc --help | --version\n"
    "\n"
    "Calcula los costes de cada fichero de datos de ROTAVEX 2018 sin abrir las ventanas.\n"
    "Cada fichero se carga como en \"Cargar Datos Personalizados\", con la misma comprobación\n"
    "y el mismo cálculo; un grupo guardado como \"Observatorio\" se calcula con los datos del\n"
    "Observatorio, como si se hubiera pulsado el botón del Observatorio de ese grupo (al\n"
    "cargarlo en las ventanas, el grupo queda vacío hasta que se pulsa). Antes del cálculo se\n"
    "comprueban los datos: un fichero con datos que faltan o con ceros que impiden el\n"
    "cálculo no se calcula, y su comprobación se escribe en la salida de errores.\n"
    "El FICHERO \"-\" es la entrada estándar.\n"
    "\n"
    "Sin opción se escribe el informe de resultados de cada fichero, con el separador\n"
    "decimal de la configuración regional (LC_ALL, LC_NUMERIC, LANG).\n"
    "  --json     un objeto JSON por fichero y línea\n"
    "  --csv      una fila de cabecera y una fila por fichero, con los mismos campos\n"
    "  --spreadsheet\n"
    "             con --csv, el CSV que abre una hoja de cálculo: separador decimal de la\n"
    "             configuración regional, ';' entre campos si ese separador es la coma,\n"
    "             UTF-8 con marca de orden de bytes y fin de línea CR LF\n"
    "  --compare  añade a cada fichero calculado la comparación con el Observatorio: el\n"
    "             mismo servicio (la misma clase, los mismos km y horas) calculado con\n"
    "             los datos del Observatorio en los nueve grupos, cuánto se aparta de\n"
    "             él cada cifra y cuánto cambia el coste total con cada dato suyo un\n"
    "             10 % mayor; sin --json ni --csv, tras el informe de resultados se\n"
    "             escribe el informe de la comparación, como en su ventana\n"
    "  --tolerance P\n"
    "             con --compare, la diferencia (en %, por encima o por debajo) a\n"
    "             partir de la cual se marca una cifra: un número mayor o igual que\n"
    "             cero, escrito como en los campos de datos: con punto o coma decimal,\n"
    "             signo + y espacios alrededor admitidos (si no se da, 20)\n"
    "  --reference R  los grupos \"Observatorio\" y la comparación, con los valores de referencia\n"
    "             del fichero R (ventana \"Valores de referencia\"); añade el campo reference\n"
    "  --revise REVISION\n"
    "             revisa el precio de un contrato con la revisión de precios del fichero\n"
    "             REVISION (ventana \"Revisión de precios\"): una revisión sobre la estructura\n"
    "             del cálculo de cada FICHERO de datos, con el Precio de REVISION si lo da\n"
    "             (y sin pesos); sin FICHERO, una sobre los pesos escritos en REVISION. Sin\n"
    "             --json ni --csv, el informe de cada revisión. No sirve con --compare\n"
    "  --help     muestra esta ayuda\n"
    "  --version  muestra el nombre y la versión del programa\n"
    "\n"
    "Campos de --json y --csv (números con punto decimal, tan cortos como se pueda sin\n"
    "cambiar su valor). Cada fichero nombrado tiene su línea o su fila, también el que\n"
    "no se puede leer o no es de ROTAVEX:\n"
    "  file                  el nombre del fichero, tal como se dio\n"
    "  accepted              true si el fichero se calculó; false si no se leyó, no superó\n"
    "                        la comprobación o no pudo calcularse\n"
    "  error                 por qué no se calculó (texto): no se leyó, la comprobación lo\n"
    "                        impidió (con las palabras de su resultado) o falló el cálculo;\n"
    "                        con --compare, también por qué no se pudo comparar\n"
    "  BusClass              clase de vehículo: 1 menos de 22 plazas, 2 de 22 a 35 plazas,\n"
    "                        3 de 36 a 55 plazas, 4 más de 55 plazas; 0 (u otro número):\n"
    "                        ninguna elegida\n"
    "  ServiceMode           true: coste del servicio descrito; false: solo costes unitarios\n"
    "  check                 la comprobación (en CSV, sus cuatro columnas):\n"
    "    missing             faltan datos\n"
    "    blockingZero        algún dato que debe ser positivo vale cero\n"
    "    allowedZero         algún dato vale cero sin impedir el cálculo\n"
    "    negative            algún dato es negativo\n"
    "  Resultados, solo de un fichero calculado (en CSV, vacíos si no):\n";

constexpr const char
    *UsageEnd = "  Con --compare, solo de un fichero calculado y comparado (en CSV, vacíos si no;\n"
                "  deviationPct y sensitivity, en doble precisión, también tan cortos como se pueda):\n"
                "  observatory           los mismos campos de resultados, del mismo servicio con los\n"
                "                        datos del Observatorio (en CSV, con el prefijo Obs:\n"
                "                        ObsTotalKm ... ObsInsurancePct)\n"
                "  deviationPct          de cada campo de resultados, (suyo - Observatorio) /\n"
                "                        Observatorio * 100; null si la cifra del Observatorio es 0\n"
                "                        (en CSV, con el prefijo Dev: DevTotalKm ... DevInsurancePct)\n"
                "  sensitivity           cuánto cambia ServiceTotal (euros) con cada dato un 10 %\n"
                "                        mayor, por el nombre del dato: Salacon, Htraba, Cosgen,\n"
                "                        Cosaut, Vidaut, Kmaut, Cosman, Cosfin, Plafin, Cosgas,\n"
                "                        Cosneu, Vidneu, Cosseg, Km, Vacio, Horas; solo los datos que\n"
                "                        da el fichero (no del Observatorio) y no son cero; null si la\n"
                "                        comprobación no admite el valor mayor o no puede calcularse\n"
                "                        (en CSV, con el prefijo Sens: SensSalacon ... SensHoras)\n"
                "  flagged               solo en JSON, la lista de los campos de resultados cuya\n"
                "                        diferencia pasa de la tolerancia (--tolerance)\n"
                "  En CSV estas columnas van tras la columna error.\n"
                "\n"
                "Campos de --revise con --json y --csv (números en doble precisión, tan cortos como\n"
                "se pueda), una revisión por línea o fila:\n"
                "  file                  el fichero de datos, tal como se dio; null (en CSV, vacío)\n"
                "                        para los pesos escritos en la revisión\n"
                "  accepted, error       si se revisó el precio, y por qué no: el fichero de datos no\n"
                "                        se leyó o no se calculó, o la revisión no cabe en su cálculo\n"
                "  price                 el precio del contrato, P0 (euros)\n"
                "  Kt                    el coeficiente de revisión, F + suma de peso × ratio\n"
                "  revisedPrice          el precio revisado, Pt = P0 × Kt (euros)\n"
                "  fixedShare            la parte fija, F = 1 - suma de los pesos revisados\n"
                "  items                 las partidas: Driver, Fuel, Tyres, Maintenance, Insurance,\n"
                "                        Amortisation, Financing, General; en CSV, una columna por\n"
                "                        partida y campo (DriverWeight ... GeneralWhy), cada una con:\n"
                "    weight              su peso en la fórmula, en tanto por uno del precio (el del\n"
                "                        combustible, reducido por el factor de eficiencia)\n"
                "    revised             true si se revisa\n"
                "    ratio               índice final / índice inicial, el de la mano de obra con su\n"
                "                        límite; null si no se revisa\n"
                "    capped              true si el límite recortó el ratio de la mano de obra\n"
                "    why                 por qué no se revisa (texto); null si se revisa\n"
                "\n"
                "Estado de salida: 0 si se calcularon todos los ficheros; 1 si alguno no superó la\n"
                "comprobación o no pudo calcularse (o, con --compare, compararse; con --revise,\n"
                "revisarse); 2 si la orden es incorrecta, algún fichero no se puede leer o no es de\n"
                "ROTAVEX, o no se puede escribir la salida. Con --revise, también es incorrecta la\n"
                "orden con un fichero de revisión que no se puede leer o se rechaza, o que revisa la\n"
                "mano de obra sin su límite.\n";

const std::string &usage()
{
    static const std::string text = Usage + resultFieldList() + UsageEnd;
    return text;
}

// What the command line asks for.
struct Command {
    enum Request { Price, Revise, Help, Version, UsageError } request = Price;
    OutputRequest output;
    std::vector<std::string> files;
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
    const QCommandLineOption tolerance("tolerance", QString(), "P"), reference("reference", QString(), "R");
    const QCommandLineOption revise("revise", QString(), "F");
    const QList<QCommandLineOption> options{QCommandLineOption(QStringList{"h", "help"}),
                                            QCommandLineOption("version"),
                                            QCommandLineOption("json"),
                                            QCommandLineOption("csv"),
                                            QCommandLineOption("spreadsheet"),
                                            QCommandLineOption("compare"),
                                            tolerance,
                                            reference,
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
    if (parser.isSet(tolerance)) {
        if (!command.output.compare)
            return usageError("la opción --tolerance solo sirve con --compare");
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
    if (command.files.empty())
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
    case Command::Revise: {
        const RevisionRunEnd end = revisePrices(command.revisionFile, command.files, command.output, out, err, locale);
        return end.usageError.empty() ? end.status : usageFailure(err, end.usageError);
    }
    case Command::Price: break;
    }
    return priceFiles(command.files, command.output, out, err, locale);
}

}   // namespace rotavex
