// `rotavex FILE`: the program starts with its splash as always, and the data
// file named on the command line is loaded into the main window when it
// shows, as "Cargar Datos Personalizados" would load it.

#include "shell/ui/main_window.h"
#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"
#include "storage/data_file.h"

#include "../../fixtures/worked_example.h"
#include "../../ui_support/scripted_prompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rotavex;

class ProgramStartTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void dataFileOnCommandLine_data();
    void dataFileOnCommandLine();
};

void ProgramStartTest::dataFileOnCommandLine_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");

    QVERIFY(dir.isValid());
    const QString foreign = dir.filePath("notas");
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"rotavex\"\r\n3\r\n");   // the mark is compared letter for letter
    file.close();

    QTest::newRow("data file, no extension") << ROTAVEX_SOURCE_DIR "/examples/worked-example" << true;
    QTest::newRow("foreign file") << foreign << false;
    QTest::newRow("missing file") << dir.filePath("no-existe") << false;
    QTest::newRow("folder") << dir.path() << false;
}

void ProgramStartTest::dataFileOnCommandLine()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
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

    const QStringList refusal{QString::fromUtf8(ForeignFileMessage.data(), qsizetype(ForeignFileMessage.size()))};
    const Workspace &ws = main->workspace();
    if (accepted) {
        QTRY_COMPARE(ws.BusClass, int16_t(3));
        QVERIFY(main->inputWindows().fieldTexts().texts == fixtures::workedExampleTexts().texts);
        QVERIFY(ws.ServiceMode);
        QVERIFY(prompts.shown.isEmpty());
    } else {
        QTRY_COMPARE(prompts.shown, refusal);
        QVERIFY(main->inputWindows().fieldTexts().texts == FieldTexts().texts);
        QCOMPARE(ws.BusClass, int16_t(0));
    }
    QVERIFY(!ws.DataSaved);
    delete main;
}

QTEST_MAIN(ProgramStartTest)
#include "tst_program_start.moc"
