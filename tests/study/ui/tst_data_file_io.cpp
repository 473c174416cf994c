#include "../../ui_support/scripted_prompter.h"
#include "fixtures/file_contents.h"
#include "fixtures/full_volume.h"
#include "fixtures/worked_example.h"
#include "storage/data_file.h"
#include "storage/ui/file_name_text.h"
#include "study/cost_study.h"
#include "study/ui/data_file_actions.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rotavex;
using rotavex::fixtures::contents;
using rotavex::fixtures::writeFile;

namespace {

const QString Foreign = "El fichero que intenta cargar no es de ROTAVEX";

// Saves as the windows save their study.
bool saveWorkspace(const QString &path, Workspace &ws, const FieldTexts &texts)
{
    CostStudy study(ws);
    study.texts = texts;
    return saveStudy(path, study);
}

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

    void secondSaveReplacesTheFirst()
    {
        const QString path = dir_->filePath("anterior");
        Workspace ws;
        FieldTexts texts;
        texts[Input::Km] = "cami\xc3\xb3n";
        QVERIFY(saveWorkspace(path, ws, texts));
        texts[Input::Km] = "120";
        QVERIFY(saveWorkspace(path, ws, texts));
        QCOMPARE(contents(path), QByteArray::fromStdString(writeDataFile(ws, texts)));
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
        Workspace ws;
        QVERIFY(!saveWorkspace(dir_->path() + name, ws, FieldTexts{}));
        QCOMPARE(prompter_.shown.size(), 1);
        QCOMPARE(contents(dir_->filePath("anterior")), QByteArray("datos anteriores"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"anterior", "carpeta"}));
    }

    void loadingRefusesWhatIsNotADataFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("foreign") << "ajeno" << QByteArray("\"rotavex\"\r\n");
        QTest::newRow("empty") << "vacio" << QByteArray("");
        QTest::newRow("marked but too big") << "grande" << ("\"ROTAVEX\"\r\n" + QByteArray(int(MaxDataFileBytes), ' '));
    }
    void loadingRefusesWhatIsNotADataFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        writeFile(dir_->filePath(name), bytes);
        Workspace ws;
        CostStudy study(ws);
        QVERIFY(!loadStudy(dir_->filePath(name), study));
        QCOMPARE(prompter_.shown, QStringList{Foreign});
    }

    void loadingNamesWhyAFileCannotBeRead_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << "no-existe"
                                 << "el fichero no existe";
        QTest::newRow("a folder") << "carpeta"
                                  << "es una carpeta, no un fichero de datos";
        QTest::newRow("a pipe") << "tuberia"
                                << "no es un fichero normal (es una tubería)";
        QTest::newRow("a link loop") << "bucle"
                                     << "no se puede leer: demasiados niveles de enlaces simbólicos";
        QTest::newRow("a name too long") << QString(300, 'x') << "no se puede leer: el nombre es demasiado largo";
        QTest::newRow("/dev/zero") << "/dev/zero"
                                   << "no es un fichero normal (es un dispositivo)";
    }
    void loadingNamesWhyAFileCannotBeRead()
    {
        QFETCH(QString, path);
        QFETCH(QString, cause);
        if (!path.startsWith('/'))
            path = dir_->filePath(path);
        QCOMPARE(::mkfifo(QFile::encodeName(dir_->filePath("tuberia")).constData(), 0644), 0);
        QVERIFY(QFile::link(dir_->filePath("bucle"), dir_->filePath("bucle")));
        Workspace ws;
        CostStudy study(ws);
        QVERIFY(!loadStudy(path, study));
        QCOMPARE(prompter_.shown, QStringList{"No se ha podido cargar el fichero «" + path + "»: " + cause + "."});
    }

    void aNameNotInUtf8IsSavedAndLoaded()
    {
        // "compañía" as an old Windows share writes it, in Latin-1.
        const QByteArray latin1 = QFile::encodeName(dir_->path())
                                  + "/compa\xf1\xed"
                                    "a";
        Workspace ws;
        FieldTexts texts;
        texts[Input::Km] = "120";
        const QString path = fileNameFromBytes(latin1);
        QVERIFY(saveWorkspace(path, ws, texts));
        QCOMPARE(::access(latin1.constData(), R_OK), 0);
        CostStudy loaded(ws);
        QVERIFY(loadStudy(path, loaded));
        QCOMPARE(loaded.texts[Input::Km], "120");
        QVERIFY(prompter_.shown.isEmpty());
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

        Workspace loadedWs;
        CostStudy loaded(loadedWs);
        loaded.texts[Input::Cosgas] = "1.1";
        QVERIFY(loadStudy(path, loaded));
        QCOMPARE(loadedWs.BusClass, int16_t(3));
        QCOMPARE(loaded.texts[Input::Salacon], "32000");
        QCOMPARE(loaded.texts[Input::Cosgas], "");   // saved as "Observatorio"
        QCOMPARE(loaded.texts[Input::Km], "120");
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
        QCOMPARE(prompter_.shown, QStringList{"No se han podido guardar los datos en el fichero «" + path
                                              + "»: no queda espacio en el dispositivo."});
    }

    void saveIntoAFolderThatTakesNoNewFilesSaysSo()
    {
        // A shared folder where only the file was opened to the user.
        if (::geteuid() != 0)
            QSKIP("giving a folder and a file to different users needs root");
        constexpr uid_t Nobody = 65534;
        const QString path = dir_->filePath("anterior");
        QCOMPARE(::chmod(QFile::encodeName(dir_->path()).constData(), 0755), 0);
        QCOMPARE(::chown(QFile::encodeName(path).constData(), Nobody, Nobody), 0);
        int told[2];
        QCOMPARE(::pipe(told), 0);
        const pid_t user = ::fork();
        if (user == 0) {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(1);
            Workspace ws;
            const bool saved = saveWorkspace(path, ws, FieldTexts{});
            const QByteArray shown = prompter_.shown.join('\n').toUtf8();
            (void)::write(told[1], shown.constData(), std::size_t(shown.size()));
            ::_exit(saved ? 2 : 0);
        }
        ::close(told[1]);
        QByteArray shown;
        char chunk[512];
        for (ssize_t got; (got = ::read(told[0], chunk, sizeof chunk)) > 0;)
            shown.append(chunk, got);
        ::close(told[0]);
        int status = -1;
        ::waitpid(user, &status, 0);
        QCOMPARE(status, 0);
        QCOMPARE(QString::fromUtf8(shown),
                 "No se han podido guardar los datos en el fichero «" + path
                     + "»: la carpeta no permite crear ficheros nuevos, y los datos se escriben primero en un fichero "
                       "nuevo para no dejar el anterior a medias. Guárdelos en otra carpeta.");
        QCOMPARE(contents(path), QByteArray("datos anteriores"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPrompter prompter_;
};

QTEST_GUILESS_MAIN(DataFileIoTest)
#include "tst_data_file_io.moc"
