#include "regional/number_locale.h"

#include <QtTest>

#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run calc(const QStringList &args, const QString &lang = "C")
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.remove("LC_NUMERIC");
    env.insert("LANG", lang);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(ROTAVEX_SOURCE_DIR);
    process.start(ROTAVEX_CALC, args);
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
RawRun calcWithinSeconds(const QStringList &args)
{
    QProcess process;
    process.setProcessEnvironment(pointLocale());
    process.start(ROTAVEX_CALC, args);
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

bool isStrictUtf8(const QByteArray &bytes) { return QString::fromUtf8(bytes).toUtf8() == bytes; }

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
                                             << "      Coste total del trayecto:   279,03 euros   (100%)";
        QTest::newRow("full service, point") << "examples/worked-example"
                                             << "C"
                                             << "      Coste total del trayecto:   279.03 euros   (100%)";
        QTest::newRow("unit costs, comma") << "examples/worked-example-unit-costs"
                                           << "es_ES.UTF-8"
                                           << "            TOTAL:            279,03  euros";
        QTest::newRow("observatory") << "examples/worked-example-observatory"
                                     << "de_DE"
                                     << "      Coste total del trayecto:   248,18 euros   (100%)";
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

    // Every example priced in each output form, byte for byte as kept in
    // tests/cli/expected/<example>.<txt|json|csv> (text in the C locale).
    void examplesGiveTheirExpectedOutput_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        const QStringList examples = QDir(ROTAVEX_SOURCE_DIR "/examples").entryList(QDir::Files, QDir::Name);
        QVERIFY(!examples.isEmpty());
        for (const QString &example : examples) {
            for (const auto &[option, suffix] :
                 {std::pair<QString, QString>{"", "txt"}, {"--json", "json"}, {"--csv", "csv"}}) {
                const QString tag = example + '.' + suffix;
                QTest::newRow(qPrintable(tag))
                    << example << option << QStringLiteral(ROTAVEX_SOURCE_DIR "/tests/cli/expected/") + tag;
            }
        }
    }
    void examplesGiveTheirExpectedOutput()
    {
        QFETCH(QString, example);
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QFile file(expected);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(expected));
        QProcess process;
        QProcessEnvironment env;
        env.insert("LANG", "C");
        env.insert("LC_ALL", "C");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(ROTAVEX_SOURCE_DIR);
        QStringList args{"examples/" + example};
        if (!option.isEmpty())
            args.prepend(option);
        process.start(ROTAVEX_CALC, args);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.readAllStandardOutput(), file.readAll());
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
        QCOMPARE(worked["ServiceTotal"].toDouble(), 279.026886);
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
        QVERIFY(lines[1].contains(",279.026886,"));
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

    void whatIsNotAPlainFileIsRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pipe with no writer") << "tuberia";
        QTest::newRow("folder") << "carpeta";
        QTest::newRow("missing") << "no-existe";
        QTest::newRow("/dev/null") << "/dev/null";
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("/dev/tty") << "/dev/tty";
    }
    void whatIsNotAPlainFileIsRefusedAtOnce()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("tuberia")).constData(), 0644), 0);
        QVERIFY(QDir(dir.path()).mkdir("carpeta"));
        const QString path = name.startsWith('/') ? name : dir.filePath(name);
        const RawRun run = calcWithinSeconds({path});
        QVERIFY2(run.finished, "the calculator did not finish");
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromUtf8(run.err), path + ": El fichero que intenta cargar no es de ROTAVEX\n");
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
        QCOMPARE(lines.size(), 3);   // two objects and the end of the last line
        QCOMPARE(QJsonDocument::fromJson(lines[0]).object()["file"].toString(), dir.filePath("a-empresa"));
        QCOMPARE(QJsonDocument::fromJson(lines[1]).object()["file"].toString(), dir.filePath("d-empresa"));
        const QString refused = ": El fichero que intenta cargar no es de ROTAVEX\n";
        QCOMPARE(QString::fromUtf8(run.err), dir.filePath("b-tuberia") + refused + dir.filePath("c-carpeta") + refused);
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList{} << 2 << "falta";
        QTest::newRow("unknown option") << QStringList{"--xml", "examples/worked-example"} << 2 << "opción no válida";
        QTest::newRow("missing file") << QStringList{"examples/nonexistent"} << 2
                                      << "El fichero que intenta cargar no es de ROTAVEX";
        QTest::newRow("foreign file") << QStringList{"README.md"} << 2
                                      << "El fichero que intenta cargar no es de ROTAVEX";
        QTest::newRow("folder") << QStringList{"examples"} << 2 << "El fichero que intenta cargar no es de ROTAVEX";
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
};

QTEST_GUILESS_MAIN(RotavexCalcTest)
#include "tst_rotavex_calc.moc"
