#include "report/ui/number_locale.h"

#include <QtTest>

#include <set>

#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run calc(const QStringList &args, const QString &lang = "C", const QByteArray &input = {},
         const QString &folder = ROTAVEX_SOURCE_DIR)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.remove("LC_NUMERIC");
    env.insert("LANG", lang);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(ROTAVEX_CALC, args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString writeTemp(QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray example(const char *name)
{
    QFile file(QStringLiteral(ROTAVEX_SOURCE_DIR "/examples/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A file whose name is the given bytes, which need not be UTF-8.
void writeRawNamed(const QTemporaryDir &dir, const QByteArray &name, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
}

struct RawRun {
    bool finished;
    int status;
    QByteArray out;
    QByteArray err;
};

// Runs the calculator on every entry of the folder, named by the shell so
// that names reach it as raw bytes. A run that has not ended within five
// seconds is stopped and counts as unfinished.
RawRun finish(QProcess &process)
{
    const bool finished = process.waitForFinished(5000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return {finished, process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QProcessEnvironment pointLocale()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", "C");
    env.remove("LC_ALL");
    env.remove("LC_NUMERIC");
    return env;
}

// Runs the calculator; a run that has not ended within five seconds is
// stopped and counts as unfinished.
RawRun calcWithinSeconds(const QStringList &args, const QString &program = ROTAVEX_CALC)
{
    QProcess process;
    process.setProcessEnvironment(pointLocale());
    process.start(program, args);
    return finish(process);
}

// Runs the calculator on every entry of the folder, named by the shell so
// that names reach it as raw bytes.
RawRun calcOnFolder(const QStringList &options, const QString &folder)
{
    QProcess process;
    QProcessEnvironment env = pointLocale();
    env.insert("FOLDER", folder);
    process.setProcessEnvironment(env);
    process.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" \"$FOLDER\"/*", ROTAVEX_CALC} + options);
    return finish(process);
}

// The keys of a JSON line and of its check and sensitivity objects.
QStringList keysOf(const QString &line)
{
    const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
    return object.keys() + object["check"].toObject().keys() + object["sensitivity"].toObject().keys();
}

// The figures of the first file a run writes by their CSV names, those of
// the comparison with their prefix (ObsServiceTotal, DevServiceTotal,
// SensSalacon); a JSON null is an empty text, as its CSV column.
QMap<QString, QString> firstFileFigures(const QStringList &args)
{
    const Run run = calc(args);
    QMap<QString, QString> figures;
    if (args.contains("--csv")) {
        const QStringList names = run.out.section('\n', 0, 0).split(',');
        const QStringList values = run.out.section('\n', 1, 1).split(',');
        for (qsizetype i = 0; i < names.size(); ++i)
            figures[names[i]] = values.value(i);
        return figures;
    }
    const auto text = [](const QJsonValue &value) {
        return value.isDouble() ? QString::number(value.toDouble(), 'g', 17) : QString();
    };
    const QJsonObject object = QJsonDocument::fromJson(run.out.section('\n', 0, 0).toUtf8()).object();
    const QMap<QString, QString> prefixes{{"observatory", "Obs"}, {"deviationPct", "Dev"}, {"sensitivity", "Sens"}};
    for (auto field = object.begin(); field != object.end(); ++field) {
        figures[field.key()] = text(field.value());
        const QJsonObject inner = field.value().toObject();
        for (auto figure = inner.begin(); figure != inner.end(); ++figure)
            figures[prefixes.value(field.key()) + figure.key()] = text(figure.value());
    }
    return figures;
}

QStringList comparisonFieldsOf(const QMap<QString, QString> &figures)
{
    return figures.keys().filter(QRegularExpression("^(Obs|Dev|Sens)[A-Z]"));
}

// The number texts of a JSON line.
QStringList numbersOf(const QString &line)
{
    QStringList numbers;
    QRegularExpressionMatchIterator it = QRegularExpression(":(-?[0-9][0-9.eE+-]*)").globalMatch(line);
    while (it.hasNext())
        numbers << it.next().captured(1);
    return numbers;
}

// The number of significant digits a number text writes.
int significantDigits(const QString &number)
{
    QString digits = number.section(QRegularExpression("[eE]"), 0, 0).remove('-').remove('.');
    while (digits.startsWith('0'))
        digits.remove(0, 1);
    while (digits.endsWith('0'))
        digits.chop(1);
    return qMax(1, int(digits.size()));
}

// A Unix socket bound at path, or -1.
int listeningSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isStrictUtf8(const QByteArray &bytes) { return QString::fromUtf8(bytes).toUtf8() == bytes; }

// A lot of a service on a data file, one on the reference values and one
// refused, on lines 6 to 8.
const QString LotFixture = "tests/fixtures/lot/tres-rutas.csv";

// A JSON line's value of key as written: a number, true, false, null or a string.
QString rawValue(const QString &line, const QString &key)
{
    return QRegularExpression("\"" + key + "\":(\"(?:[^\"\\\\]|\\\\.)*\"|[^,}]*)").match(line).captured(1);
}

QStringList csvFields(const QString &row, QChar separator)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row[i] == '"' && quoted && row.mid(i + 1, 1) == "\"")
            fields.last() += row[++i];
        else if (row[i] == '"')
            quoted = !quoted;
        else if (row[i] == separator && !quoted)
            fields << QString();
        else
            fields.last() += row[i];
    }
    return fields;
}

// The worked example with 6 % profit, labour up 3.4 % under a 2.5 % cap,
// fuel down 9.5 % with X = 0.1, tyres up 4 % and maintenance 2 %.
const QByteArray WorkedRevision = "ROTAVEX revisión de precios\nBeneficio;6\nLímite mano de obra;2,5\n"
                                  "Factor de eficiencia;0,1\nPartida;Peso;Índice inicial;Índice final\n"
                                  "Conductor;;100;103,4\nCombustible;;131,2;118,7\nNeumáticos;;100;104\n"
                                  "Mantenimiento;;100;102\n";
// 1000 euros: labour 40 % up 10 % under a 12 % cap, fuel 0.5 % doubled.
const QByteArray TypedRevision = "ROTAVEX revisión de precios\nPrecio;1000\nLímite mano de obra;12\n"
                                 "Partida;Peso;Índice inicial;Índice final\nConductor;40;100;110\n"
                                 "Combustible;0,5;100;200\nAmortización;20\nGenerales;10\n";

// The first revision's fields by their CSV names (DriverWeight), a JSON
// item's field under its item's key and its own name capitalised; null is
// an empty text.
using Fields = QMap<QString, QString>;
Fields firstRevisionFields(const QString &output, bool csv)
{
    Fields fields;
    if (csv) {
        const QStringList names = output.section('\n', 0, 0).split(','), values = output.section('\n', 1, 1).split(',');
        for (qsizetype i = 0; i < names.size(); ++i)
            fields[names[i]] = values.value(i);
        return fields;
    }
    const auto text = [](const QJsonValue &value) {
        return value.isDouble() ? QString::number(value.toDouble(), 'g', 17)
               : value.isBool() ? QString(value.toBool() ? "true" : "false")
                                : value.toString();
    };
    const QJsonObject object = QJsonDocument::fromJson(output.section('\n', 0, 0).toUtf8()).object();
    for (auto field = object.begin(); field != object.end(); ++field)
        fields[field.key()] = text(field.value());
    const QJsonObject items = object["items"].toObject();
    for (auto item = items.begin(); item != items.end(); ++item)
        for (const QString &name : item.value().toObject().keys())
            fields[item.key() + name.left(1).toUpper() + name.mid(1)] = text(item.value()[name]);
    return fields;
}

}   // namespace

class RotavexCalcTest : public QObject {
    Q_OBJECT
private slots:
    void textReportFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("line");
        QTest::newRow("full service, comma") << "examples/worked-example"
                                             << "es_ES.UTF-8"
                                             << "      Coste total del trayecto:        279,03 euros   (100%)";
        QTest::newRow("full service, point") << "examples/worked-example"
                                             << "C"
                                             << "      Coste total del trayecto:        279.03 euros   (100%)";
        QTest::newRow("unit costs, comma") << "examples/worked-example-unit-costs"
                                           << "es_ES.UTF-8"
                                           << "            TOTAL:              279,03  euros";
        QTest::newRow("observatory") << "examples/worked-example-observatory"
                                     << "de_DE"
                                     << "      Coste total del trayecto:          248,18 euros   (100%)";
    }
    void textReportFollowsTheLocale()
    {
        QFETCH(QString, file);
        QFETCH(QString, lang);
        QFETCH(QString, line);
        const Run run = calc({file}, lang);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.split('\n').contains(line), qPrintable(run.out));
    }

    // The windows write numbers with systemNumberLocale(); under the same
    // environment the calculator must write the same decimal separator, for
    // every locale Qt knows (where a table of languages once disagreed, as
    // for es_419, es_CU and ast_ES).
    void textReportUsesTheWindowsSeparatorInEveryLocale()
    {
        std::set<QString> names;
        for (const QLocale &locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            names.insert(locale.name());
        QStringList disagreements;
        for (const QString &name : names) {
            const QString separator = QString::fromStdString(rotavex::numberLocaleOf(QLocale(name)).decimalSeparator);
            const Run run = calc({"examples/worked-example"}, name + ".UTF-8");
            if (run.status != 0 || !run.out.contains("279" + separator + "03 euros"))
                disagreements << name;
        }
        QVERIFY(names.size() > 100);
        QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(' ')));
    }

    // Every example priced in each output form, with and without the
    // comparison, byte for byte as kept in tests/cli/expected/
    // <example>[.compare].<txt|json|csv> (text in the C locale).
    void examplesGiveTheirExpectedOutput_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        const QStringList examples = QDir(ROTAVEX_SOURCE_DIR "/examples").entryList(QDir::Files, QDir::Name);
        QVERIFY(!examples.isEmpty());
        for (const QString &example : examples)
            for (const char *compare : {"", ".compare"})
                for (const auto &[option, suffix] :
                     {std::pair<QString, QString>{"", "txt"}, {"--json", "json"}, {"--csv", "csv"}}) {
                    QStringList options;
                    if (!option.isEmpty())
                        options << option;
                    if (*compare)
                        options << "--compare";
                    const QString tag = example + compare + '.' + suffix;
                    QTest::newRow(qPrintable(tag))
                        << example << options << QStringLiteral(ROTAVEX_SOURCE_DIR "/tests/cli/expected/") + tag;
                }
    }
    void examplesGiveTheirExpectedOutput()
    {
        QFETCH(QString, example);
        QFETCH(QStringList, options);
        QFETCH(QString, expected);
        QFile file(expected);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(expected));
        QProcess process;
        QProcessEnvironment env;
        env.insert("LANG", "C");
        env.insert("LC_ALL", "C");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(ROTAVEX_SOURCE_DIR);
        process.start(ROTAVEX_CALC, options << "examples/" + example);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.readAllStandardOutput(), file.readAll());
    }

    // The worked example beside the same service on the observatory's
    // averages (class 3, 100 + 20 km, 4 hours), and its total with each of
    // its inputs 10 % higher, worked out by hand.
    void comparisonOfTheWorkedExample_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("within");
        const QList<std::tuple<const char *, double, double>> figures = {
            {"ObsServiceTotal", 248.18, 0.005},
            {"DevServiceTotal", 12.43, 0.005},   // 279.03 against 248.18
            {"ObsGeneralCosts", 31.02, 0.005},
            {"ObsEffectiveAnnualHours", 1474.875, 1e-4},
            {"ObsDriverPerHour", 24.2669, 5e-5},
            {"ObsAmortisationPerHour", 10.3094, 5e-5},
            {"ObsFinancingPerHour", 1.4626, 5e-5},
            {"ObsInsurancePerHour", 3.3219, 5e-5},
            {"ObsFuelPerKm", 0.3129844, 5e-8},
            {"ObsMaintenancePerKm", 0.1461038, 5e-8},
            {"ObsTyresPerKm", 0.0385619, 5e-8},
            {"ObsTotalKm", 120, 0},
            {"DevTotalKm", 0, 0},
            {"DevFinancingPerHour", 199.87, 0.005},   // 4.385965 against 1.462640
            {"DevGeneralPct", -20, 1e-4},             // 10 % against 12.5 %
            // 4.4 hours: 1172 effective hours, direct costs 264.56, total 293.96
            {"SensHoras", 14.93, 0.005},
            // 12 km more at 0.492 euros a km, 10 % of general costs on top
            {"SensKm", 5.47, 0.005},
            // the direct costs 251.12 with 11 % of general costs: 282.16
            {"SensCosgen", 3.135, 0.005},
        };
        for (const char *option : {"--json", "--csv"})
            for (const auto &[field, value, within] : figures)
                QTest::newRow(qPrintable(QString(option) + ' ' + field)) << option << field << value << within;
    }
    void comparisonOfTheWorkedExample()
    {
        QFETCH(QString, option);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(double, within);
        const QMap<QString, QString> figures = firstFileFigures({option, "--compare", "examples/worked-example"});
        bool isNumber = false;
        const double figure = figures.value(field).toDouble(&isNumber);
        QVERIFY2(isNumber, qPrintable(field + ": " + figures.value(field)));
        QVERIFY2(qAbs(figure - value) <= within, qPrintable(figures.value(field)));
    }

    // The fields that lie further from the observatory than the tolerance:
    // listed in JSON, marked "<<" in the text. The worked example's
    // deviations: financing +199.87 %, amortisation +33.96 %, maintenance
    // per km -31.56 %, effective hours -22.71 %, tyres -17.02 %, fuel
    // +15.02 %, total +12.43 %, general costs -10.06 %, driver +8.44 %,
    // insurance +5.63 %; the shares of maintenance -39.11 %, tyres -26.19 %,
    // general costs -20 % exactly (not beyond 20).
    void toleranceSetsWhatIsFlagged_data()
    {
        QTest::addColumn<QStringList>("tolerance");
        QTest::addColumn<QStringList>("flagged");
        QTest::addColumn<int>("markedRows");
        QTest::newRow("20 by default") << QStringList{} << QStringList{"EffectiveAnnualHours", "AmortisationPerHour",
                                                                       "FinancingPerHour",     "MaintenancePerKm",
                                                                       "AmortisationTotal",    "FinancingTotal",
                                                                       "MaintenanceTotal",     "FinancingPct",
                                                                       "MaintenancePct",       "TyresPct"}
                                       << 7;
        const QStringList financing{"FinancingPerHour", "FinancingTotal"};
        QTest::newRow("199.5") << QStringList{"--tolerance", "199.5"} << financing << 2;
        QTest::newRow("decimal comma") << QStringList{"--tolerance", "199,5"} << financing << 2;
        QTest::newRow("as a field reads it") << QStringList{"--tolerance", " +199,5"} << financing << 2;
        QTest::newRow("200") << QStringList{"--tolerance", "200"} << QStringList{} << 0;
        QTest::newRow("last given counts") << QStringList{"--tolerance", "5", "--tolerance=200"} << QStringList{} << 0;
        QTest::newRow("5")
            << QStringList{"--tolerance", "5"}
            << QStringList{"EffectiveAnnualHours", "DriverPerHour", "AmortisationPerHour", "FinancingPerHour",
                           "InsurancePerHour",     "FuelPerKm",     "MaintenancePerKm",    "TyresPerKm",
                           "DriverTotal",          "FuelTotal",     "AmortisationTotal",   "FinancingTotal",
                           "MaintenanceTotal",     "TyresTotal",    "InsuranceTotal",      "GeneralCosts",
                           "ServiceTotal",         "GeneralPct",    "AmortisationPct",     "FinancingPct",
                           "MaintenancePct",       "TyresPct",      "InsurancePct"}
            << 17;
    }
    void toleranceSetsWhatIsFlagged()
    {
        QFETCH(QStringList, tolerance);
        QFETCH(QStringList, flagged);
        QFETCH(int, markedRows);
        const QStringList args = QStringList{"--compare"} + tolerance + QStringList{"examples/worked-example"};
        const Run json = calc(QStringList{"--json"} + args);
        QCOMPARE(json.status, 0);
        QStringList listed;
        for (const QJsonValue &field : QJsonDocument::fromJson(json.out.toUtf8()).object()["flagged"].toArray())
            listed << field.toString();
        QCOMPARE(listed, flagged);
        const Run text = calc(args);
        QCOMPARE(text.status, 0);
        QCOMPARE(text.out.split('\n').filter(QRegularExpression("\\d %  *<<$")).size(), markedRows);
    }

    void badToleranceIsAUsageError_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString notAPercentage = "el valor de --tolerance debe ser un porcentaje, un número finito mayor o "
                                       "igual que cero (como 20 o 7,5): ";
        for (const char *value : {"-1", "abc", "", "5%", "inf", "nan", "1e400", "2,5,0"})
            QTest::newRow(qPrintable(QString("'%1'").arg(value)))
                << QStringList{"--compare", "--tolerance", value, "examples/worked-example"} << notAPercentage + value;
        QTest::newRow("a long value is cut") << QStringList{"--compare", "--tolerance=" + QString(100000, '9'), "x"}
                                             << notAPercentage + QString(40, '9') + "…";
        QTest::newRow("no value") << QStringList{"examples/worked-example", "--compare", "--tolerance"}
                                  << "falta el valor de la opción --tolerance";
        QTest::newRow("without --compare") << QStringList{"--json", "--tolerance", "5", "examples/worked-example"}
                                           << "la opción --tolerance solo sirve con --compare o --lot";
    }
    void badToleranceIsAUsageError()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run run = calc(args);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.section('\n', 0, 0), "rotavex-calc: " + message);
        QVERIFY(run.err.contains("--tolerance P"));
    }

    // The worked example's service with every group saved as "Observatorio",
    // priced on the test set: class 3 costs 338.16 there, 248.18 on the
    // built-in averages. Each form names the set; without it nothing changes.
    void pricesOnASetOfReferenceValues()
    {
        const QString set = "tests/fixtures/reference/prueba-2025.csv";
        const QString file = "examples/worked-example-observatory";
        const Run json = calc({"--json", "--compare", "--reference", set, file});
        QCOMPARE(json.status, 0);
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(qRound(object["ServiceTotal"].toDouble() * 100), 33816);
        QCOMPARE(object["reference"].toString(), "Prueba 2025");
        const Run csv = calc({"--csv", "--reference", set, file});
        QVERIFY(csv.out.startsWith("file,") && csv.out.section('\n', 0, 0).endsWith(",error,reference"));
        QVERIFY(csv.out.section('\n', 1, 1).endsWith(",Prueba 2025"));
        QVERIFY(calc({"--reference", set, file}).out.contains("\n        Valores de referencia: Prueba 2025\n"));
        const Run refused = calc({"--json", "--reference", "no-existe.csv", file});
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QString());
        QCOMPARE(refused.err.section('\n', 0, 0),
                 "rotavex-calc: no se pueden leer los valores de referencia de no-existe.csv: el fichero no existe");
    }

    // Cosgen 85 a tenth higher is 93.5, beyond the 90 the check allows: that
    // input has no figure, the others have theirs.
    void refusedHigherValueHasNoFigure_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("json") << "--json";
        QTest::newRow("csv") << "--csv";
    }
    void refusedHigherValueHasNoFigure()
    {
        QFETCH(QString, option);
        QTemporaryDir dir;
        const QString file = writeTemp(dir, "cosgen85",
                                       example("worked-example").replace("\"10\",\"10\"", "\"85\",\"85\""));
        const QMap<QString, QString> figures = firstFileFigures({option, "--compare", file});
        QVERIFY(figures.contains("SensCosgen"));
        QCOMPARE(figures["SensCosgen"], QString());
        QVERIFY2(!figures.value("SensSalacon").isEmpty(), qPrintable(figures.value("SensSalacon")));
        QVERIFY(figures.value("GeneralPct").startsWith("85"));
    }

    // A file that was not read or not priced has no comparison, nor one whose
    // service the observatory's averages cannot price (2e37 hours at their
    // cost per hour are beyond what a result holds, at the file's own not).
    void fileWithoutComparison_data()
    {
        QTest::addColumn<QByteArray>("content");   // none: the file does not exist
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("unread") << QByteArray() << 2 << false << "el fichero no existe";
        QTest::newRow("refused") << example("worked-example").replace("\"1800\"", "\"0\"") << 1 << false
                                 << "Algunos datos con valor cero impiden realizar los cálculos";
        QTest::newRow("observatory cannot price it") << example("worked-example")
                                                            .replace("\"30000\"", "\"1000\"")
                                                            .replace("\"200000\"", "\"10000\"")
                                                            .replace("\r\n\"4\"\r\n", "\r\n\"2e37\"\r\n")
                                                     << 1 << true << "no se puede comparar con el Observatorio";
    }
    void fileWithoutComparison()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString file = content.isEmpty() ? dir.filePath("no-existe") : writeTemp(dir, "da\x1btos", content);
        const Run json = calc({"--json", "--compare", file});
        QCOMPARE(json.status, status);
        QVERIFY2(json.err.contains(message) && !json.err.contains('\x1b'), qPrintable(json.err));
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(object["accepted"].toBool(), accepted);
        QVERIFY2(object["error"].toString().startsWith(message.section(':', 0, 0)), qPrintable(json.out));
        for (const char *key : {"observatory", "deviationPct", "sensitivity", "flagged"})
            QVERIFY2(!object.contains(key), key);
        const QMap<QString, QString> csv = firstFileFigures({"--csv", "--compare", file});
        QVERIFY2(csv["error"].contains(message.section(':', 0, 0)), qPrintable(csv["error"]));
        const QStringList compared = comparisonFieldsOf(csv);
        QCOMPARE(compared.size(), 2 * 27 + 16);
        for (const QString &field : compared)
            QVERIFY2(csv[field].isEmpty(), qPrintable(field + ": " + csv[field]));
    }

    void jsonCarriesEveryResult()
    {
        const Run run = calc({"--json", "examples/worked-example", "examples/worked-example-observatory"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QJsonObject worked = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(worked["accepted"].toBool(), true);
        QCOMPARE(worked["BusClass"].toInt(), 3);
        QCOMPARE(worked["TotalKm"].toInt(), 120);
        QCOMPARE(float(worked["ServiceTotal"].toDouble()), 279.026886f);
        QCOMPARE(worked["check"].toObject()["missing"].toBool(), false);
        QVERIFY(worked["check"].toObject().contains("negative"));
        for (const char *field : {"EffectiveAnnualHours", "InsurancePct", "GeneralCosts", "TyresPerKm"})
            QVERIFY2(worked.contains(field), field);
        const QJsonObject observatory = QJsonDocument::fromJson(lines[1].toUtf8()).object();
        QCOMPARE(observatory["EffectiveAnnualHours"].toDouble(), 1474.875);
    }

    void csvHasAHeaderAndARowPerFile()
    {
        QTemporaryDir dir;
        const QString refused = writeTemp(dir, "sin, clase",
                                          example("worked-example").replace("\r\n3\r\n", "\r\n0\r\n"));
        const Run run = calc({"--csv", "examples/worked-example", refused});
        QCOMPARE(run.status, 1);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(
            "file,accepted,BusClass,ServiceMode,missing,blockingZero,allowedZero,negative,TotalKm,"));
        QVERIFY(lines[1].contains(",279.0269,"));
        QVERIFY(lines[2].startsWith('"' + refused + "\",false,0,"));
        QCOMPARE(lines[2].count(','), lines[0].count(',') + 1);   // one comma is inside the quoted name
    }

    void refusedFilePrintsItsCheckOnStandardError()
    {
        QTemporaryDir dir;
        const QString zeroHours = writeTemp(dir, "zero", example("worked-example").replace("\"1800\"", "\"0\""));
        const Run run = calc({zeroHours, "examples/worked-example"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("   -> Las horas de trabajo del conductor son cero."));
        QVERIFY(run.err.contains("  Algunos datos con valor cero impiden realizar los cálculos"));
        QVERIFY(run.out.contains("279.03"));   // the next file is still priced
    }

    void namesThatAreNotUtf8GiveValidUtf8_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("byte 0xff") << QByteArray("a\xff"
                                                 "b")
                                   << QString("a\uFFFD"
                                              "b");
        QTest::newRow("truncated at the end") << QByteArray("cami\xc3") << QString("cami\uFFFD");
        QTest::newRow("truncated before a letter") << QByteArray("e\xe2\x82z") << QString("e\uFFFDz");
        QTest::newRow("overlong slash") << QByteArray("over\xc0\xafx") << QString("over\uFFFD\uFFFDx");
        QTest::newRow("encoded surrogate") << QByteArray("s\xed\xa0\x80t") << QString("s\uFFFD\uFFFD\uFFFDt");
        QTest::newRow("valid accents and a comma") << QByteArray("a\xc3\xb1o, \xe2\x82\xac") << QString("año, €");
    }
    void namesThatAreNotUtf8GiveValidUtf8()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        writeRawNamed(dir, name, example("worked-example"));
        const QString expectedFile = dir.path() + '/' + shown;

        const RawRun json = calcOnFolder({"--json"}, dir.path());
        QVERIFY(json.finished);
        QCOMPARE(json.status, 0);
        QVERIFY2(isStrictUtf8(json.out), qPrintable(QString::fromUtf8(json.out)));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(document.object()["file"].toString(), expectedFile);

        const RawRun csv = calcOnFolder({"--csv"}, dir.path());
        QVERIFY(csv.finished);
        QCOMPARE(csv.status, 0);
        QVERIFY2(isStrictUtf8(csv.out), qPrintable(QString::fromUtf8(csv.out)));
        const QString row = QString::fromUtf8(csv.out).split('\n').value(1);
        QVERIFY2(row.startsWith(expectedFile + ',') || row.startsWith('"' + expectedFile + "\","), qPrintable(row));
    }

    void aFolderWithAPipePricesItsDataFiles()
    {
        QTemporaryDir dir;
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("b-tuberia")).constData(), 0644), 0);
        QVERIFY(QDir(dir.path()).mkdir("c-carpeta"));
        writeTemp(dir, "a-empresa", example("worked-example"));
        writeTemp(dir, "d-empresa", example("worked-example-observatory"));
        const RawRun run = calcOnFolder({"--json"}, dir.path());
        QVERIFY2(run.finished, "the calculator did not finish");
        QCOMPARE(run.status, 2);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 5);   // four objects and the end of the last line
        const QStringList names{"a-empresa", "b-tuberia", "c-carpeta", "d-empresa"};
        for (int i = 0; i < names.size(); ++i) {
            const QJsonObject line = QJsonDocument::fromJson(lines[i]).object();
            QCOMPARE(line["file"].toString(), dir.filePath(names[i]));
            QCOMPARE(line["accepted"].toBool(), names[i].endsWith("empresa"));
        }
        QCOMPARE(QString::fromUtf8(run.err), dir.filePath("b-tuberia") + ": no es un fichero normal (es una tubería)\n"
                                                 + dir.filePath("c-carpeta")
                                                 + ": es una carpeta, no un fichero de datos\n");
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList{} << 2 << "falta";
        QTest::newRow("unknown option") << QStringList{"--xml", "examples/worked-example"} << 2 << "opción no válida";
        QTest::newRow("missing file") << QStringList{"examples/nonexistent"} << 2 << "el fichero no existe";
        QTest::newRow("foreign file") << QStringList{"README.md"} << 2
                                      << "El fichero que intenta cargar no es de ROTAVEX";
        QTest::newRow("folder") << QStringList{"examples"} << 2 << "es una carpeta";
        for (const QStringList &both : {QStringList{"--json", "--csv"}, QStringList{"--csv", "--json"}})
            QTest::newRow(qPrintable(both.join(' '))) << both + QStringList{"examples/worked-example"} << 2
                                                      << "rotavex-calc: las opciones --json y --csv se excluyen";
        QTest::newRow("--spreadsheet without --csv") << QStringList{"--spreadsheet", "examples/worked-example"} << 2
                                                     << "rotavex-calc: la opción --spreadsheet solo sirve con --csv";
        QTest::newRow("all priced") << QStringList{"--json", "examples/complete-example"} << 0 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "";
    }
    void exitStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = calc(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void vehicleOnTheObservatoryAlsoFinancesFromIt()
    {
        // The vehicle button switches both the vehicle and the financing group.
        QTemporaryDir dir;
        QByteArray bytes = example("worked-example");
        bytes.replace("\"200000\",\"10\"", "\"Observatorio\",\"Observatorio\"");
        const Run run = calc({"--json", writeTemp(dir, "vehicle", bytes)});
        QCOMPARE(run.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const double expected = (194304.497732 - 3200) * 0.0227 * 5 / 10 / 1140;
        QVERIFY(qAbs(result["FinancingPerHour"].toDouble() - expected) < 1e-4);
    }

    void arithmeticFaultIsReportedNotPrinted()
    {
        QTemporaryDir dir;
        QByteArray bytes = example("worked-example");
        bytes.replace("\"30000\"", "\"1e45\"");
        const Run run = calc({"--json", writeTemp(dir, "huge", bytes)});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("No se ha podido realizar el cálculo con estos datos"));
        QVERIFY(!run.out.contains("inf") && !run.out.contains("nan"));
    }

    // A file is accepted when it was priced; one that was not says why, a
    // refused one as the check's verdict does.
    void acceptedOnlyWhenPriced_data()
    {
        QTest::addColumn<QByteArray>("salaryAndHours");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("error");
        QTest::newRow("priced") << QByteArray("\"30000\",\"1800\"") << true << "";
        QTest::newRow("arithmetic fault")
            << QByteArray("\"30000\",\"1e45\"") << false
            << "No se ha podido realizar el cálculo con estos datos. El fallo se produce en: horas anuales efectivas. "
               "Revise los datos introducidos.";
        QTest::newRow("blocking zero") << QByteArray("\"30000\",\"0\"") << false
                                       << "Algunos datos con valor cero impiden realizar los cálculos";
        QTest::newRow("missing") << QByteArray("\"30000\",\"\"") << false << "Faltan datos por introducir";
        QTest::newRow("both") << QByteArray("\"\",\"0\"") << false
                              << "Algunos datos con valor cero impiden realizar los cálculos. Faltan datos por "
                                 "introducir";
    }
    void acceptedOnlyWhenPriced()
    {
        QFETCH(QByteArray, salaryAndHours);
        QFETCH(bool, accepted);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = writeTemp(dir, "datos",
                                       example("worked-example").replace("\"30000\",\"1800\"", salaryAndHours));
        const QJsonObject json = QJsonDocument::fromJson(calc({"--json", path}).out.toUtf8()).object();
        QCOMPARE(json["accepted"].toBool(), accepted);
        QCOMPARE(json["error"].toString(), error);
        const QString row = calc({"--csv", path}).out.section('\n', 1, 1);
        QVERIFY2(row.startsWith(path + (accepted ? ",true," : ",false,")), qPrintable(row));
        const QString csvError = error.contains(',') ? '"' + error + '"' : error;
        QVERIFY2(row.endsWith(',' + csvError), qPrintable(row));
    }

    // 3e38 euros of fuel and 3e38 of maintenance per km, on a trip without
    // kilometres: every result holds, but their sum per km does not.
    void overflowedReportSumIsAFault()
    {
        QTemporaryDir dir;
        QByteArray bytes = example("worked-example-unit-costs");
        bytes.replace("\"1.2\"", "\"1e39\"").replace("\"6000\"", "\"3e38\"").replace("\"60000\"", "\"1\"");
        bytes.replace("\"100\"\r\n", "\"0\"\r\n").replace("\"20\"\r\n", "\"0\"\r\n");
        const Run run = calc({writeTemp(dir, "overflow", bytes)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("El fallo se produce en: suma de costes por km."), qPrintable(run.err));
        QVERIFY2(!run.out.contains("Costes por km"), qPrintable(run.out));
    }

    void versionNamesTheProgramAndItsVersion()
    {
        const Run run = calc({"--version"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("rotavex-calc " ROTAVEX_VERSION "\n"));
    }

    void dashReadsTheDataFileFromStandardInput_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("a data file") << example("worked-example") << 0 << "";
        QTest::newRow("nothing") << QByteArray() << 2 << "la entrada está vacía";
        QTest::newRow("not a data file") << QByteArray("\"ROTAVEx\"\r\n") << 2
                                         << "El fichero que intenta cargar no es de ROTAVEX";
    }
    void dashReadsTheDataFileFromStandardInput()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, error);
        const Run fromInput = calc({"--json", "-"}, "C", input);
        const Run fromFile = calc({"--json", "examples/worked-example"});
        QCOMPARE(fromInput.status, status);
        const QJsonObject line = QJsonDocument::fromJson(fromInput.out.toUtf8()).object();
        QCOMPARE(line["file"].toString(), "-");
        QCOMPARE(line["error"].toString(), error);
        if (status == 0)
            QCOMPARE(fromInput.out, QString(fromFile.out).replace("examples/worked-example", "-"));
    }

    // A standard input left in non-blocking mode by whoever started the
    // calculator is waited on, not taken for an unreadable file.
    void dashWaitsOnANonBlockingStandardInput()
    {
        QProcess process;
        process.setProcessEnvironment(pointLocale());
        process.setChildProcessModifier([] { ::fcntl(STDIN_FILENO, F_SETFL, O_NONBLOCK); });
        process.start(ROTAVEX_CALC, {"--json", "-"});
        QVERIFY(process.waitForStarted());
        QTest::qWait(300);
        process.write(example("worked-example"));
        process.closeWriteChannel();
        process.waitForFinished(5000);   // false too when it has already ended
        QCOMPARE(process.state(), QProcess::NotRunning);
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    }

    // The message names the file and why it was not priced; nothing waits.
    void messagesNameTheFileAndTheCause_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cause");
        const QString device = "no es un fichero normal (es un dispositivo)";
        QTest::newRow("pipe with no writer") << "tuberia"
                                             << "no es un fichero normal (es una tubería)";
        QTest::newRow("socket") << "socket"
                                << "no es un fichero normal (es un socket)";
        QTest::newRow("folder") << "carpeta"
                                << "es una carpeta, no un fichero de datos";
        QTest::newRow("missing") << "no-existe"
                                 << "el fichero no existe";
        QTest::newRow("in a missing folder") << "no-existe/datos"
                                             << "el fichero no existe";
        QTest::newRow("/dev/null") << "/dev/null" << device;
        QTest::newRow("/dev/zero") << "/dev/zero" << device;
        QTest::newRow("/dev/tty") << "/dev/tty" << device;
        QTest::newRow("no permission") << "privado"
                                       << "no se puede leer: permiso denegado";
        // A regular file whose first bytes cannot be read: the process's
        // memory at address 0.
        QTest::newRow("read error") << "/proc/self/mem"
                                    << "no se puede leer: error de entrada/salida";
        QTest::newRow("not a data file") << "ajeno"
                                         << "El fichero que intenta cargar no es de ROTAVEX";
        QTest::newRow("empty") << "vacio"
                               << "el fichero está vacío";
    }
    void messagesNameTheFileAndTheCause()
    {
        QFETCH(QString, name);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("tuberia")).constData(), 0644), 0);
        const int socket = listeningSocket(dir.filePath("socket"));
        QVERIFY(socket >= 0);
        const auto closeSocket = qScopeGuard([socket] { ::close(socket); });
        QVERIFY(QDir(dir.path()).mkdir("carpeta"));
        writeTemp(dir, "ajeno", "\"ROTAVEx\"\r\n");
        writeTemp(dir, "vacio", "");
        const QString privado = writeTemp(dir, "privado", example("worked-example"));
        QVERIFY(QFile::setPermissions(privado, {}));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther));
        const QString path = name.startsWith('/') ? name : dir.filePath(name);
        // Root reads any file: the calculator then runs as nobody.
        const RawRun run = ::geteuid() == 0 ? calcWithinSeconds(
                               {"--reuid=65534", "--regid=65534", "--clear-groups", ROTAVEX_CALC, path}, "setpriv")
                                            : calcWithinSeconds({path});
        QVERIFY2(run.finished, "the calculator did not finish");
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromUtf8(run.err), path + ": " + cause + "\n");
    }

    void descriptorFailuresAreInSpanish_data()
    {
        QTest::addColumn<QString>("redirection");
        QTest::addColumn<QString>("message");
        QTest::newRow("standard input closed") << "- <&-"
                                               << "-: no se puede leer: el descriptor no está abierto\n";
        QTest::newRow("a folder as standard input") << "- </"
                                                    << "-: es una carpeta, no un fichero de datos\n";
        QTest::newRow("standard output closed")
            << "examples/worked-example >&-"
            << "rotavex-calc: no se puede escribir en la salida estándar: el descriptor no está abierto\n";
    }
    void descriptorFailuresAreInSpanish()
    {
        QFETCH(QString, redirection);
        QFETCH(QString, message);
        QProcess process;
        process.setProcessEnvironment(pointLocale());
        process.setWorkingDirectory(ROTAVEX_SOURCE_DIR);
        process.start("/bin/sh", QStringList{"-c", "exec \"$0\" " + redirection, ROTAVEX_CALC});
        const RawRun run = finish(process);
        QVERIFY(run.finished);
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromUtf8(run.err), message);
    }

    // A name made to hold a terminal's commands must not reach the terminal.
    void controlCharactersInNamesAreShownEscaped()
    {
        QTemporaryDir dir;
        writeRawNamed(dir, "uno\n\x1b[2J", example("worked-example"));
        const QByteArray folder = QFile::encodeName(dir.path());
        const RawRun run = calcWithinSeconds(
            {QFile::decodeName(folder + "/uno\n\x1b[2J"), QFile::decodeName(folder + "/dos\x1b]0;\xc2\x9b\\")});
        QVERIFY(run.finished);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.out.startsWith("==> " + folder + "/uno\\n\\033[2J <==\n"), run.out.constData());
        QCOMPARE(run.err, folder + "/dos\\033]0;\\302\\233\\\\: el fichero no existe\n");
    }

    // A name never brings a terminal's commands or a spreadsheet's formula.
    void namesAreWrittenSafely_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("csv, escape") << "--csv" << QByteArray("esc\x1b[2Jname") << "\nesc\\033[2Jname,true,";
        QTest::newRow("csv, formula") << "--csv" << QByteArray("@SUM(1+1)") << "\n'@SUM(1+1),true,";
        QTest::newRow("json, C1 control") << "--json" << QByteArray("c1\xc2\x9bx") << "{\"file\":\"c1\\u009bx\",";
    }
    void namesAreWrittenSafely()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, name);
        QFETCH(QString, written);
        QTemporaryDir dir;
        writeRawNamed(dir, name, example("worked-example"));
        const Run run = calc({option, QString::fromUtf8(name)}, "C", {}, dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(written), qPrintable(run.out));
    }

    // A consumer pricing many files sees a line or a row for every one.
    void everyNamedFileHasItsLine_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("json") << "--json"
                              << "every-file-named.json";
        QTest::newRow("csv") << "--csv"
                             << "every-file-named.csv";
    }
    void everyNamedFileHasItsLine()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QFile file(QStringLiteral(ROTAVEX_SOURCE_DIR "/tests/cli/expected/") + expected);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Run run = calc({option, "examples/worked-example", "examples/no-existe", "examples", "README.md"});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString::fromUtf8(file.readAll()));
    }

    void writeErrorOnStandardOutputEndsTheRun_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("text") << QStringList{"examples/worked-example", "examples/complete-example"};
        QTest::newRow("json") << QStringList{"--json", "examples/worked-example"};
        QTest::newRow("csv") << QStringList{"--csv", "examples/worked-example"};
        QTest::newRow("help") << QStringList{"--help"};
        QTest::newRow("version") << QStringList{"--version"};
        QTest::newRow("lot") << QStringList{"--lot", LotFixture};
    }
    void writeErrorOnStandardOutputEndsTheRun()
    {
        QFETCH(QStringList, args);
        QProcess process;
        process.setProcessEnvironment(pointLocale());
        process.setWorkingDirectory(ROTAVEX_SOURCE_DIR);
        process.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" >/dev/full", ROTAVEX_CALC} + args);
        const RawRun run = finish(process);
        QVERIFY(run.finished);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromUtf8(run.err),
                 "rotavex-calc: no se puede escribir en la salida estándar: no queda espacio en el dispositivo\n");
    }

    // Numbers read back to the same single-precision value, and no text with
    // fewer significant digits would.
    void numbersAreTheShortestThatReadBack_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("json") << "--json";
        QTest::newRow("csv") << "--csv";
    }
    void numbersAreTheShortestThatReadBack()
    {
        QFETCH(QString, option);
        const Run run = calc(
            {option, "examples/worked-example", "examples/worked-example-observatory", "examples/complete-example"});
        QCOMPARE(run.status, 0);
        QStringList numbers;
        for (const QString &line : run.out.split('\n', Qt::SkipEmptyParts))
            numbers += option == "--json" ? numbersOf(line) : line.split(',').filter(QRegularExpression("^[-0-9]"));
        QVERIFY(numbers.size() > 60);
        for (const QString &number : numbers) {
            const float value = std::strtof(qPrintable(number), nullptr);
            const int digits = significantDigits(number);
            if (digits > 1) {
                const QByteArray shorter = QByteArray::number(double(value), 'g', digits - 1);
                QVERIFY2(std::strtof(shorter.constData(), nullptr) != value, qPrintable(number + " " + shorter));
            }
        }
    }

    // In every report and locale the figures after the labels of a block
    // start in one column, counted in characters.
    void figuresStartInOneColumn_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("lang");
        for (const char *file : {"worked-example", "worked-example-unit-costs", "complete-example"})
            for (const char *lang : {"C", "es_ES.UTF-8"})
                QTest::newRow(qPrintable(QString(file) + ' ' + lang)) << QString("examples/") + file << lang;
    }
    void figuresStartInOneColumn()
    {
        QFETCH(QString, file);
        QFETCH(QString, lang);
        const Run run = calc({file}, lang);
        QCOMPARE(run.status, 0);
        std::set<qsizetype> starts;
        const QRegularExpression figure("[0-9,.]+ +euros");
        for (const QString &line : run.out.split('\n'))
            if (const QRegularExpressionMatch match = figure.match(line); match.hasMatch())
                starts.insert(match.capturedStart());
        QVERIFY2(starts.size() == 1, qPrintable(run.out));
    }

    // Figures worked by hand: P0 = 279.03 × 1.06 = 295.77; labour weighs
    // 105.25 ÷ 295.77 = 35.59 %, fuel 43.20 ÷ 295.77 × 0.9 = 13.15 %; Kt =
    // 1 + 0.3559 × 0.025 − 0.1315 × 0.0953 + 0.0130 × 0.04 + 0.0406 × 0.02
    // = 0.9977, Pt = 295.09. Typed: F = 0.6, Kt = 0.6 + 0.4 × 1.1 = 1.04.
    void revisesPrices_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("revision");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");   // name=value|..., a figure to the decimals it is written with
        const QString worked = "file=examples/worked-example|accepted=true|price=295.77|Kt=0.9977|revisedPrice=295.09|"
                               "fixedShare=0.4591|DriverWeight=0.3559|DriverRatio=1.025|DriverCapped=true|DriverWhy=|"
                               "FuelWeight=0.1315|FuelRatio=0.9047|InsuranceRevised=false|InsuranceRatio=|"
                               "InsuranceWhy=no tiene índices";
        const QString typed = "file=|Kt=1.04|revisedPrice=1040|fixedShare=0.6|DriverCapped=false|FuelWeight=0.005|"
                              "FuelRevised=false|FuelWhy=pesa menos del 1 % del precio: solo se revisan las partidas "
                              "significativas (Real Decreto 55/2017)";
        const QString unread = "accepted=false|error=el fichero no existe";
        const QString belowCost = "accepted=false|error=los costes de las partidas pasan del precio del contrato";
        for (const char *option : {"--json", "--csv"}) {
            const auto row = [&](const char *name) { return &QTest::newRow(qPrintable(option + QString(' ') + name)); };
            *row("worked example") << option << WorkedRevision << "examples/worked-example" << 0 << worked;
            *row("typed weights") << option << TypedRevision << "" << 0 << typed;
            *row("unread data file") << option << WorkedRevision << "examples/no-existe" << 2 << unread;
            *row("price below the costs") << option << QByteArray(WorkedRevision).replace("Beneficio;6", "Precio;100")
                                          << "examples/worked-example" << 1 << belowCost;
        }
    }
    void revisesPrices()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, revision);
        QFETCH(QString, dataFile);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QStringList args{"--revise", writeTemp(dir, "revision.csv", revision), option, dataFile};
        const Run run = calc(dataFile.isEmpty() ? args.mid(0, 3) : args);
        QCOMPARE(run.status, status);
        const Fields fields = firstRevisionFields(run.out, option == "--csv");
        for (const QString &field : expected.split('|')) {
            const QString name = field.section('=', 0, 0), want = field.section('=', 1), value = fields[name];
            QVERIFY2(fields.contains(name), qPrintable(name));
            const qsizetype point = want.indexOf('.');
            QCOMPARE(point < 0 ? value : QString::number(value.toDouble(), 'f', int(want.size() - point - 1)), want);
        }
        if (option == "--csv")
            QVERIFY(run.out.startsWith("file,accepted,price,Kt,revisedPrice,fixedShare,DriverWeight,DriverRevised,"
                                       "DriverRatio,DriverCapped,DriverWhy,FuelWeight")
                    && run.out.section('\n', 0, 0).endsWith(",GeneralWhy,error"));
    }

    void revisionThatCannotBeMadeIsAUsageError_data()
    {
        QTest::addColumn<QByteArray>("revision");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString data = "examples/worked-example", noCap = "la mano de obra necesita su límite: escriba el "
                                                                "Límite mano de obra (en %)";
        QTest::newRow("refused file") << QByteArray(WorkedRevision).replace("0,1", "1") << QStringList{data}
                                      << "no se puede leer la revisión de precios de R: línea 4: Factor de "
                                         "eficiencia: «1» debe ser menor que 1";
        QTest::newRow("labour without its cap")
            << QByteArray(WorkedRevision).replace("2,5", "") << QStringList{data}
            << "no se puede revisar el precio con R sobre el cálculo de " + data + ": " + noCap;
        QTest::newRow("typed labour without its cap") << QByteArray(TypedRevision).replace("12", "") << QStringList{}
                                                      << "no se puede revisar el precio con R: " + noCap;
        QTest::newRow("no weights") << WorkedRevision << QStringList{}
                                    << "no se puede revisar el precio con R: no hay pesos: escriba el peso de las "
                                       "partidas o revise la estructura de un cálculo";
        QTest::newRow("typed weights and data files")
            << TypedRevision << QStringList{data}
            << "la revisión de precios de R tiene pesos escritos, y con ficheros de datos los pesos salen del "
               "cálculo de cada uno: quite los pesos del fichero o los ficheros de datos de la orden";
        QTest::newRow("--compare") << WorkedRevision << QStringList{"--compare", data}
                                   << "la opción --compare no sirve con --revise";
    }
    void revisionThatCannotBeMadeIsAUsageError()
    {
        QFETCH(QByteArray, revision);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeTemp(dir, "R", revision);
        QFile::link(ROTAVEX_SOURCE_DIR "/examples", dir.filePath("examples"));
        const Run run = calc(QStringList{"--json", "--revise", "R"} + args, "C", {}, dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.section('\n', 0, 0), "rotavex-calc: " + message);
    }

    // Every field the program writes is explained in --help and the manual.
    void everyOutputFieldIsDocumented()
    {
        QTemporaryDir dir;
        const QString huge = writeTemp(dir, "huge", example("worked-example").replace("\"30000\"", "\"1e45\""));
        const Run json = calc({"--json", "--compare", "examples/worked-example", "examples/no-existe", huge});
        const Run csv = calc({"--csv", "--compare", "examples/worked-example"});
        QStringList fields;
        // A comparison's column is its prefix and the name of a result field
        // or an input.
        for (const QString &column : csv.out.section('\n', 0, 0).split(','))
            fields += column.split(QRegularExpression("(?<=^Obs|^Dev|^Sens)(?=[A-Z])"));
        for (const QString &line : json.out.split('\n', Qt::SkipEmptyParts))
            fields += keysOf(line);
        const Run lotJson = calc({"--lot", LotFixture, "--json"});
        for (const QString &line : lotJson.out.split('\n', Qt::SkipEmptyParts))
            fields += keysOf(line) + QJsonDocument::fromJson(line.toUtf8()).object()["annual"].toObject().keys();
        for (const QString &column : calc({"--lot", LotFixture, "--csv"}).out.section('\n', 0, 0).split(','))
            fields += column.split(QRegularExpression("(?<=^Annual)(?=[A-Z]\\w*(Total|Costs)$)"));
        QVERIFY(fields.size() > 170);
        // A revision's, with its items and their fields; in CSV each item's key before its field's.
        QTemporaryDir revisions;
        const QString revision = writeTemp(revisions, "r", WorkedRevision);
        for (const QString &line :
             calc({"--json", "--revise", revision, "examples/worked-example", "x"}).out.split('\n'))
            fields += keysOf(line) + QJsonDocument::fromJson(line.toUtf8())["items"].toObject().keys()
                      + QJsonDocument::fromJson(line.toUtf8())["items"]["Fuel"].toObject().keys();
        const QRegularExpression itemColumn("^(Driver|Fuel|Tyres|Maintenance|Insurance|Amortisation|Financing|General)"
                                            "(Weight|Revised|Ratio|Capped|Why)$");
        const QString header = calc({"--csv", "--revise", revision, "examples/worked-example"}).out.section('\n', 0, 0);
        for (const QString &column : header.split(',')) {
            const QRegularExpressionMatch item = itemColumn.match(column);
            fields += item.hasMatch() ? QStringList{item.captured(1), item.captured(2).toLower()} : QStringList{column};
        }
        const QString help = calc({"--help"}).out;
        QFile manual(ROTAVEX_SOURCE_DIR "/resources/man/rotavex-calc.1");
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString manualText = QString::fromUtf8(manual.readAll());
        for (const QString &field : fields) {
            const QRegularExpression word("\\b" + field + "\\b");
            QVERIFY2(help.contains(word), qPrintable(field + " not in --help"));
            QVERIFY2(manualText.contains(word), qPrintable(field + " not in the manual"));
        }
    }

    // A lot's records: Ruta A is the worked example, 200 times a year with an
    // offer of 350 and the lot's 10 % profit; Ruta B, the same trip on the
    // observatory, 100 times a year.
    void lotJsonRecords_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("field");   // the object's number, its key, the value as written
        const QStringList fields{"0 BusClass 3",
                                 "0 ServiceTotal 279.0269",
                                 "0 AnnualCost 55805.377197265625",
                                 "0 OfferDeviationPct 14.032673610316019",
                                 "0 flagged false",
                                 "1 ServiceTotal 248.18408",
                                 "1 OfferedPrice null",
                                 "1 OfferDeviationPct null",
                                 "2 error \"Km: «abc» no es un número\"",
                                 "3 lot \"Lote \\\"prueba\\\", uno\"",
                                 "3 services 2",
                                 "3 refused 1",
                                 "3 VatPct 10",
                                 "3 AnnualCost 80623.78540039062",
                                 "3 AnnualHours 1200",
                                 "3 TermTotal 390219.1213378906",
                                 "3 OfferedAnnual 70000"};
        for (const QString &field : fields)
            QTest::newRow(qPrintable(field.section(' ', 0, 1))) << QStringList{} << field;
        QTest::newRow("beyond the tolerance") << QStringList{"--tolerance", "14"} << "0 flagged true";
    }
    void lotJsonRecords()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, field);
        const Run run = calc(QStringList{"--lot", LotFixture, "--json"} + options);
        QCOMPARE(run.status, 1);
        const int object = field.section(' ', 0, 0).toInt();
        QCOMPARE(rawValue(run.out.section('\n', object, object), field.section(' ', 1, 1)), field.section(' ', 2));
    }

    // Each kind of object holds the fields listed, and no other.
    void lotJsonKeys_data()
    {
        QTest::addColumn<int>("object");
        QTest::addColumn<QString>("keys");
        const QString annual = "AmortisationTotal DriverTotal FinancingTotal FuelTotal GeneralCosts InsuranceTotal "
                               "MaintenanceTotal TyresTotal";
        QTest::newRow("a service") << 0
                                   << "AnnualCost AnnualHours AnnualKm BusClass OfferDeviationPct OfferedPrice "
                                      "ServiceHours ServiceTotal ServicesPerYear TotalKm accepted annual flagged line "
                                      "service "
                                          + annual;
        QTest::newRow("a refused service") << 2 << "accepted error line service";
        QTest::newRow("the lot") << 3
                                 << "AnnualBase AnnualCost AnnualHours AnnualKm AnnualProfit AnnualTotal AnnualVat "
                                    "Drivers OfferDeviationPct OfferedAnnual ProfitPct TermTotal VatPct annual lot "
                                    "refused services years "
                                        + annual;
    }
    void lotJsonKeys()
    {
        QFETCH(int, object);
        QFETCH(QString, keys);
        const QString line = calc({"--lot", LotFixture, "--json"}).out.section('\n', object, object);
        const QJsonObject record = QJsonDocument::fromJson(line.toUtf8()).object();
        QCOMPARE((record.keys() + record["annual"].toObject().keys()).join(' '), keys);
    }

    // Each CSV row holds its JSON object's fields, the annual items with
    // "Annual" before their names, and nothing else.
    void lotCsvHoldsTheJsonFields_data()
    {
        QTest::addColumn<bool>("spreadsheet");
        QTest::newRow("for programs") << false;
        QTest::newRow("for a spreadsheet") << true;
    }
    void lotCsvHoldsTheJsonFields()
    {
        QFETCH(bool, spreadsheet);
        const QChar separator = spreadsheet ? ';' : ',';
        const QStringList json = calc({"--lot", LotFixture, "--json"}).out.split('\n', Qt::SkipEmptyParts);
        const Run csv = calc(QStringList{"--lot", LotFixture, "--csv"} + QStringList(spreadsheet, "--spreadsheet"),
                             "es_ES.UTF-8");
        QCOMPARE(csv.status, 1);
        QStringList rows = csv.out.split(spreadsheet ? "\r\n" : "\n", Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 1 + json.size());
        const QStringList columns = csvFields(rows.takeFirst(), separator);
        for (qsizetype row = 0; row < json.size(); ++row) {
            const QJsonObject object = QJsonDocument::fromJson(json[row].toUtf8()).object();
            const QStringList cells = csvFields(rows[row], separator);
            QCOMPARE(cells.size(), columns.size());
            for (qsizetype i = 0; i < columns.size(); ++i) {
                QString key = columns[i];
                const bool annual = !object.contains(key) && object["annual"].toObject().contains(key.mid(6));
                if (annual)
                    key = key.mid(6);
                QString value = object.contains(key) || annual ? rawValue(json[row], key) : QString();
                value = value.startsWith('"') ? QJsonValue(object.value(key)).toString()
                                              : value.replace("null", "").replace('.', spreadsheet ? ',' : '.');
                QCOMPARE(columns[i] + ' ' + cells[i], columns[i] + ' ' + value);
            }
        }
    }

    void lotExitStatus_data()
    {
        QTest::addColumn<QByteArray>("lot");   // written in a temporary folder; the fixture when empty
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QFile file(ROTAVEX_SOURCE_DIR "/" + LotFixture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray fixture = file.readAll();
        QByteArray priced = fixture;
        priced.replace("Ruta C;2;abc;0;1;10;;\n", "").replace("../../..", ROTAVEX_SOURCE_DIR);
        QTest::newRow("all priced") << priced << QStringList{} << 0 << "";
        QTest::newRow("one refused") << QByteArray() << QStringList{} << 1
                                     << LotFixture + ": línea 8 (Ruta C): Km: «abc» no es un número\n";
        QTest::newRow("its data file missing")
            << fixture << QStringList{} << 1 << "línea 6 (Ruta A): Datos: no se ha podido cargar";
        QTest::newRow("years wrong") << QByteArray(fixture).replace("Años;4", "Años;cuatro") << QStringList{} << 2
                                     << "lote.csv: línea 3: Años: «cuatro» no es un número\n";
        QTest::newRow("a data file") << example("worked-example") << QStringList{} << 2
                                     << "no empieza por «ROTAVEX lote de servicios»";
        QTest::newRow("missing") << QByteArray() << QStringList{"--lot", "no-existe"} << 2
                                 << "no-existe: el fichero no existe";
        QTest::newRow("--compare") << QByteArray() << QStringList{"--compare"} << 2
                                   << "las opciones --lot y --compare se excluyen";
        QTest::newRow("a data file named")
            << QByteArray() << QStringList{"examples/worked-example"} << 2 << "con --lot no se dan ficheros de datos";
    }
    void lotExitStatus()
    {
        QFETCH(QByteArray, lot);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const Run run = calc(QStringList{"--lot", lot.isEmpty() ? LotFixture : writeTemp(dir, "lote.csv", lot)}
                             + options);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void manualRendersWithoutWarnings()
    {
        QProcess groff;
        groff.start("groff", {"-man", "-ww", "-z", ROTAVEX_SOURCE_DIR "/resources/man/rotavex-calc.1"});
        QVERIFY(groff.waitForFinished(30000));
        QCOMPARE(groff.exitCode(), 0);
        QCOMPARE(groff.readAllStandardError(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(RotavexCalcTest)
#include "tst_rotavex_calc.moc"
