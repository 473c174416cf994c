#include "../../ui_support/scripted_prompter.h"
#include "fixtures/file_contents.h"
#include "fixtures/full_volume.h"
#include "fixtures/worked_example.h"
#include "storage/data_file.h"
#include "storage/ui/data_file_actions.h"
#include "storage/ui/data_file_io.h"

#include <QtTest>

using namespace rotavex;
using rotavex::fixtures::contents;
using rotavex::fixtures::writeFile;

namespace {

const QString Foreign = "El fichero que intenta cargar no es de ROTAVEX";

}   // namespace

class DataFileIoTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        writeFile(dir_->filePath("anterior"), "datos anteriores");
        QVERIFY(QDir(dir_->path()).mkdir("carpeta"));
        prompter_.shown.clear();
    }

    void savesTheBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("line ends and Windows-1252") << QByteArray("\"ROTAVEX\"\r\n\"cami\xf3n\"\r\n");
        QTest::newRow("nothing") << QByteArray();
    }
    void savesTheBytes()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir_->filePath("nuevo");
        QVERIFY(saveDataFile(path, bytes.toStdString()));
        QCOMPARE(contents(path), bytes);
    }

    void secondSaveReplacesTheFirst()
    {
        const QString path = dir_->filePath("anterior");
        QVERIFY(saveDataFile(path, "primero"));
        QVERIFY(saveDataFile(path, "segundo"));
        QCOMPARE(contents(path), QByteArray("segundo"));
    }

    void failedSaveLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty name") << "/";
        QTest::newRow("a folder as name") << "/carpeta";
        QTest::newRow("missing folder") << "/no-existe/datos";
        QTest::newRow("a file as folder") << "/anterior/datos";
    }
    void failedSaveLeavesEverythingAsItWas()
    {
        QFETCH(QString, name);
        QString error;
        QVERIFY(!saveDataFile(dir_->path() + name, "nuevo", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(contents(dir_->filePath("anterior")), QByteArray("datos anteriores"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"anterior", "carpeta"}));
    }

    void loadingRefusesWhatIsNotADataFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << "no-existe" << QByteArray();
        QTest::newRow("a folder") << "carpeta" << QByteArray();
        QTest::newRow("foreign") << "ajeno" << QByteArray("\"rotavex\"\r\n");
        QTest::newRow("marked but too big") << "grande" << ("\"ROTAVEX\"\r\n" + QByteArray(int(MaxDataFileBytes), ' '));
    }
    void loadingRefusesWhatIsNotADataFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (!bytes.isEmpty())
            writeFile(dir_->filePath(name), bytes);
        QVERIFY(!readWorkspaceFile(dir_->filePath(name)));
        QCOMPARE(prompter_.shown, QStringList{Foreign});
    }

    void savedWorkspaceLoadsBack()
    {
        Workspace ws;
        ws.BusClass = 3;
        ws.switches[Switch::Fuel] = true;
        FieldTexts texts;
        texts[Input::Salacon] = "32000";
        texts[Input::Km] = "120";
        const QString path = dir_->filePath("empresa");
        QVERIFY(saveWorkspace(path, ws, texts));
        QVERIFY(ws.DataSaved);

        const auto content = readWorkspaceFile(path);
        QVERIFY(content);
        QCOMPARE(content->busClass, std::optional<int16_t>(3));
        QCOMPARE(content->groups[0][0], std::optional<std::string>("32000"));
        QCOMPARE(content->groups[2][0], std::optional<std::string>("Observatorio"));
        QCOMPARE(content->km, std::optional<std::string>("120"));
        QVERIFY(prompter_.shown.isEmpty());
    }

    void failedSaveLeavesDataUnsaved()
    {
        Workspace ws;
        QVERIFY(!saveWorkspace(dir_->filePath("no-existe/empresa"), ws, FieldTexts{}));
        QVERIFY(!ws.DataSaved);
    }

    void saveOntoAFullDiskKeepsTheOldFile()
    {
        fixtures::FullVolume volume;
        if (!volume.mounted())
            QSKIP(qPrintable(volume.reason()));
        Workspace ws = fixtures::classThree();
        FieldTexts texts = fixtures::workedExampleTexts();
        const QString path = volume.filePath("empresa");
        QVERIFY(saveWorkspace(path, ws, texts));
        const QByteArray before = contents(path);
        QVERIFY(volume.fill());

        ws.DataSaved = false;
        texts[Input::Salacon] = "45000";
        QVERIFY(!saveWorkspace(path, ws, texts));
        QVERIFY(!ws.DataSaved);
        QCOMPARE(contents(path), before);
        QCOMPARE(volume.entries(), QStringList({"empresa", fixtures::FullVolume::FillerName}));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPrompter prompter_;
};

QTEST_GUILESS_MAIN(DataFileIoTest)
#include "tst_data_file_io.moc"
