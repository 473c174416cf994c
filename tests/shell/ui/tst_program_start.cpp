// `rotavex FILE`: the program starts with its splash as always, and the data
// file named on the command line is loaded into the main window when it
// shows, as "Cargar Datos Personalizados" would load it. Qt's own options
// (-style, -platform, ...) are Qt's; the help and the version answer with no
// display at all.

#include "shell/ui/main_window.h"
#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"
#include "storage/ui/file_name_text.h"

#include "../../fixtures/worked_example.h"
#include "../../ui_support/scripted_prompter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace rotavex;

namespace {

struct Run {
    bool finished;   // false: still running after a while, as the windows wait for the user
    int status;
    QString out;
    QString err;
};

// Runs the program with no display of any kind unless an argument names one.
Run runProgram(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    process.setProcessEnvironment(env);
    process.start(ROTAVEX_PROGRAM, args);
    const bool finished = process.waitForFinished(3000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return {finished, process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}   // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void dataFileOnCommandLine_data();
    void dataFileOnCommandLine();
    void commandLine_data();
    void commandLine();
    void qtOptionsStartTheWindows();
    void startLoadsOnlyWhatItShows_data();
    void startLoadsOnlyWhatItShows();
};

void ProgramStartTest::dataFileOnCommandLine_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("told");

    QVERIFY(dir.isValid());
    const QString foreign = dir.filePath("notas");
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"rotavex\"\r\n3\r\n");   // the mark is compared letter for letter
    file.close();

    // A name copied from an old Windows share, "año" in Latin-1.
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/a\xf1o";
    QFile example(ROTAVEX_SOURCE_DIR "/examples/worked-example");
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QByteArray bytes = example.readAll();
    std::FILE *copy = std::fopen(latin1.constData(), "wb");
    QVERIFY(copy);
    QCOMPARE(std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), copy), std::size_t(bytes.size()));
    std::fclose(copy);

    const QString cantLoad = "No se ha podido cargar el fichero «%1»: %2.";
    QTest::newRow("data file, no extension") << ROTAVEX_SOURCE_DIR "/examples/worked-example" << QString();
    QTest::newRow("name not in UTF-8") << fileNameFromBytes(latin1) << QString();
    QTest::newRow("foreign file") << foreign << "El fichero que intenta cargar no es de ROTAVEX";
    QTest::newRow("missing file") << dir.filePath("no-existe")
                                  << cantLoad.arg(dir.filePath("no-existe"), "el fichero no existe");
    QTest::newRow("folder") << dir.path() << cantLoad.arg(dir.path(), "es una carpeta, no un fichero de datos");
}

void ProgramStartTest::dataFileOnCommandLine()
{
    QFETCH(QString, path);
    QFETCH(QString, told);
    const bool accepted = told.isEmpty();
    ScriptedPrompter prompts;
    SplashWindow splash(buildMainWindow);
    loadWhenShown(splash, path);
    splash.show();
    QVERIFY(QTest::qWaitForWindowActive(&splash));
    auto *main = qobject_cast<MainWindow *>(splash.mainWindow());
    QVERIFY(main);
    QVERIFY(prompts.shown.isEmpty());   // nothing happens behind the splash
    QTest::keyClick(&splash, Qt::Key_Return);
    QVERIFY(main->isVisible());

    const Workspace &ws = main->workspace();
    if (accepted) {
        QTRY_COMPARE(ws.BusClass, int16_t(3));
        QVERIFY(main->inputWindows().fieldTexts().texts == fixtures::workedExampleTexts().texts);
        QVERIFY(ws.ServiceMode);
        QVERIFY(prompts.shown.isEmpty());
    } else {
        QTRY_COMPARE(prompts.shown, QStringList{told});
        QVERIFY(main->inputWindows().fieldTexts().texts == FieldTexts().texts);
        QCOMPARE(ws.BusClass, int16_t(0));
    }
    QVERIFY(!ws.DataSaved);
    delete main;
}

void ProgramStartTest::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");   // the start of standard output
    QTest::addColumn<QString>("err");   // the program's message on standard error

    const QString version = "rotavex " ROTAVEX_VERSION "\n";
    const QString help = "ROTAVEX 2018: calculadora de costes";
    const QString offscreen = "-platform offscreen";
    const auto args = [](const QString &line) { return line.split(' '); };
    QTest::newRow("--version") << args("--version") << 0 << version << "";
    QTest::newRow("-v") << args("-v") << 0 << version << "";
    QTest::newRow("--help") << args("--help") << 0 << help << "";
    QTest::newRow("-h") << args("-h") << 0 << help << "";
    QTest::newRow("-style Fusion --version") << args("-style Fusion --version") << 0 << version << "";
    QTest::newRow("-style=Fusion -reverse --help") << args("-style=Fusion -reverse --help") << 0 << help << "";
    QTest::newRow("-platform xcb -v") << args("-platform xcb -v") << 0 << version << "";

    QTest::newRow("-bogus") << args(offscreen + " -bogus") << 2 << ""
                            << "rotavex: opción desconocida: -bogus";
    QTest::newRow("--bogus") << args(offscreen + " --bogus") << 2 << ""
                             << "rotavex: opción desconocida: --bogus";
    QTest::newRow("-x=1") << args(offscreen + " -x=1") << 2 << ""
                          << "rotavex: opción desconocida: -x";
    QTest::newRow("two files") << args(offscreen + " uno dos") << 2 << ""
                               << "rotavex: solo se puede cargar un fichero";
    // Had Qt left any of its options, the first would be reported unknown.
    QTest::newRow("Qt's options, two files")
        << args(offscreen + " -style Fusion -style=Windows -reverse -stylesheet=no.qss --style Fusion uno dos") << 2
        << ""
        << "rotavex: solo se puede cargar un fichero";
}

void ProgramStartTest::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = runProgram(args);
    QVERIFY(run.finished);
    QCOMPARE(run.status, status);
    if (out.isEmpty())
        QCOMPARE(run.out, QString());
    else
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
    if (err.isEmpty()) {
        QCOMPARE(run.err, QString());
    } else {
        // Qt may have a word of its own to say before.
        QCOMPARE(run.err.split('\n').filter(QRegularExpression("^rotavex: ")), QStringList{err});
    }
    if (status == 2)   // the usage follows the error
        QVERIFY2(run.err.contains("Uso: rotavex [FICHERO]"), qPrintable(run.err));
}

void ProgramStartTest::qtOptionsStartTheWindows()
{
    // The splash waits for the user: the program is still running.
    const Run run = runProgram({"-platform", "offscreen", "-style", "Fusion", "-reverse", "-stylesheet=no.qss",
                                ROTAVEX_SOURCE_DIR "/examples/worked-example"});
    QVERIFY2(!run.finished, qPrintable(run.err));
    QVERIFY2(!run.err.contains("rotavex:"), qPrintable(run.err));
}

void ProgramStartTest::startLoadsOnlyWhatItShows_data()
{
    QTest::addColumn<QString>("library");
    QTest::newRow("print system") << "/libcups.so";
}

void ProgramStartTest::startLoadsOnlyWhatItShows()
{
    // What only printing needs is loaded by the first printout: every start
    // would otherwise pay for it in time and memory.
    QFETCH(QString, library);
    QProcess process;
    process.start(ROTAVEX_PROGRAM, {"-platform", "offscreen"});
    QVERIFY(process.waitForStarted());
    QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
    if (!maps.exists())
        QSKIP("no /proc to read the program's libraries from");
    // Once the window system's plugin is in, every library the program is
    // linked with is too.
    QString loaded;
    QTRY_VERIFY_WITH_TIMEOUT((maps.open(QIODevice::ReadOnly), loaded = QString::fromUtf8(maps.readAll()), maps.close(),
                              loaded.contains("libqoffscreen.so")),
                             5000);
    process.kill();
    process.waitForFinished();
    QVERIFY2(!loaded.contains(library), qPrintable(library));
}

QTEST_MAIN(ProgramStartTest)
#include "tst_program_start.moc"
