#include "../../ui_support/either_data_file_window.h"
#include "../../ui_support/scripted_prompter.h"
#include "fixtures/full_volume.h"
#include "fixtures/worked_example.h"
#include "storage/ui/file_name_text.h"
#include "study/cost_study.h"
#include "study/ui/data_file_actions.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>
#include <QtTest>

#include <cstdio>

using namespace rotavex;

namespace {

// A window with its action recorded and answered.
struct OpenWindow {
    explicit OpenWindow(Mode mode, bool succeeds = false)
        : window(makeDataFileWindow(mode, [this, succeeds](const QString &path) {
              paths << path;
              return succeeds;
          }))
    {
        window->show();
    }
    QLineEdit *nameField() { return window->nameField(); }
    QListView *fileList() { return window->fileList(); }

    QStringList paths;
    const std::unique_ptr<DataFileWindow> window;
};

// The names the file list shows.
QStringList listed(const QListView *list)
{
    QStringList names;
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row)
        names << model->index(row, 0, list->rootIndex()).data().toString();
    return names;
}

}   // namespace

class DataFileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        folder_ = QDir::cleanPath(dir_.path());
        QVERIFY(QDir(folder_).mkdir("sub"));
        for (const char *name : {"empresa1", "sub/dentro"}) {
            QFile file(folder_ + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir::setCurrent(folder_));
    }
    void init() { prompter_.shown.clear(); }

    void modes_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::newRow("save") << Mode::Save;
        QTest::newRow("load") << Mode::Load;
    }

    void nameFieldOnOpening_data() { modes_data(); }
    void nameFieldOnOpening()
    {
        QFETCH(Mode, mode);
        OpenWindow open(mode);
        QCOMPARE(open.window->folder(), QDir::toNativeSeparators(folder_));
        QCOMPARE(open.nameField()->text(), mode == Mode::Save ? QString() : QDir::toNativeSeparators(folder_));
    }

    void clickingAFileNamesIt_data() { modes_data(); }
    void clickingAFileNamesIt()
    {
        QFETCH(Mode, mode);
        OpenWindow open(mode);
        QVERIFY(QTest::qWaitForWindowExposed(open.window.get()));
        QListView *list = open.fileList();
        QTRY_COMPARE(listed(list), QStringList{"empresa1"});
        const QModelIndex file = list->model()->index(0, 0, list->rootIndex());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(file).center());
        QCOMPARE(open.nameField()->text(), QString("empresa1"));
        QCOMPARE(open.window->fullPath(), QDir::toNativeSeparators(folder_ + "/empresa1"));
    }

    void changingFolder_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("volumeRoot");
        QTest::addColumn<bool>("rootTextOffered");
        QTest::newRow("save, folder") << Mode::Save << false << false;
        QTest::newRow("save, volume root") << Mode::Save << true << true;
        QTest::newRow("load, folder") << Mode::Load << false << false;
        QTest::newRow("load, volume root") << Mode::Load << true << false;
    }
    void changingFolder()
    {
        QFETCH(Mode, mode);
        QFETCH(bool, volumeRoot);
        QFETCH(bool, rootTextOffered);
        OpenWindow open(mode);
        open.nameField()->setText("empresa1");
        const QString target = volumeRoot ? QStorageInfo(folder_).rootPath() : folder_ + "/sub";
        QVERIFY(open.window->openFolder(target));
        QCOMPARE(open.window->folder(), QDir::toNativeSeparators(QDir::cleanPath(target)));
        QCOMPARE(open.nameField()->text(), rootTextOffered ? open.window->folder() : QString());
        QVERIFY(open.fileList()->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(QDir::currentPath(), folder_);
        // Files only: never the folder just left, nor any other folder.
        if (!volumeRoot)
            QTRY_COMPARE(listed(open.fileList()), QStringList{"dentro"});
        for (const QString &name : listed(open.fileList()))
            QVERIFY2(!QFileInfo(QDir(target).filePath(name)).isDir(), qPrintable(name));
    }

    // A file copied from an old Windows share: "año" in Latin-1.
    void aNameNotInUtf8IsListedAndUsed_data() { modes_data(); }
    void aNameNotInUtf8IsListedAndUsed()
    {
        QFETCH(Mode, mode);
        QTemporaryDir share;
        const QByteArray latin1 = "a\xf1o";
        std::FILE *file = std::fopen((QFile::encodeName(share.path()) + '/' + latin1).constData(), "wb");
        QVERIFY(file);
        std::fclose(file);
        OpenWindow open(mode);
        QVERIFY(open.window->openFolder(share.path()));
        QCOMPARE(listed(open.fileList()), QStringList{"año"});
        open.fileList()->setCurrentIndex(open.fileList()->model()->index(0, 0));
        QCOMPARE(open.nameField()->text(), QString("año"));
        open.window->actionButton()->click();
        QCOMPARE(open.paths.size(), 1);
        QCOMPARE(fileNameBytes(open.paths.first()), QFile::encodeName(share.path()) + '/' + latin1);
    }

    void unreadableFolderChangesNothing()
    {
        OpenWindow open(Mode::Save);
        open.nameField()->setText("empresa1");
        QVERIFY(!open.window->openFolder(folder_ + "/empresa1"));
        QVERIFY(!open.window->openFolder(folder_ + "/no-existe"));
        QCOMPARE(open.window->folder(), QDir::toNativeSeparators(folder_));
        QCOMPARE(open.nameField()->text(), QString("empresa1"));
    }

    void mainButton_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("save written") << Mode::Save << true << true << QStringList();
        QTest::newRow("save failed") << Mode::Save << false << false << QStringList();
        QTest::newRow("load accepted") << Mode::Load << true << true << QStringList();
        QTest::newRow("load refused") << Mode::Load << false << false << QStringList();
    }
    void mainButton()
    {
        QFETCH(Mode, mode);
        QFETCH(bool, succeeds);
        QFETCH(bool, closes);
        QFETCH(QStringList, told);
        OpenWindow open(mode, succeeds);
        const QString name = open.nameField()->text();
        open.window->actionButton()->click();
        // The load window opens with the folder's own text as name, which names no file.
        QCOMPARE(open.paths, QStringList{QDir::toNativeSeparators(folder_ + "/" + name)});
        QCOMPARE(open.window->isVisible(), !closes);
        QCOMPARE(prompter_.shown, told);
        QCOMPARE(open.nameField()->text(), name);
    }

    void tabOrder_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("save") << Mode::Save << QStringList{"filGuardarD", "drvGuardarD", "DirGuardarD",
                                                           "txtGuardarD", "cmdGuardarD", "cmdCancel"};
        QTest::newRow("load") << Mode::Load << QStringList{"cmdCancel",  "cmdGuardarD", "txtCargarD",
                                                           "DirCargarD", "drvCargarD",  "filCargarD"};
    }
    void tabOrder()
    {
        QFETCH(Mode, mode);
        QFETCH(QStringList, order);
        OpenWindow open(mode);
        QVERIFY(QTest::qWaitForWindowActive(open.window.get()));
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            visited << open.window->focusWidget()->objectName();
            QTest::keyClick(open.window->focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
    }

    void onlyCancelCloses_data() { modes_data(); }
    void onlyCancelCloses()
    {
        QFETCH(Mode, mode);
        OpenWindow open(mode, true);
        QVERIFY(QTest::qWaitForWindowExposed(open.window.get()));
        QTest::keyClick(open.window.get(), Qt::Key_Escape);
        QTest::keyClick(open.nameField(), Qt::Key_Return);
        QVERIFY(open.window->isVisible());
        // The title bar's close button and Alt+F4 ask the window to close.
        QVERIFY(!open.window->close());
        QCloseEvent request;
        QCoreApplication::sendEvent(open.window.get(), &request);
        QVERIFY(!request.isAccepted());
        QVERIFY(open.window->isVisible());
        open.window->cancelButton()->click();
        QVERIFY(!open.window->isVisible());
        QCOMPARE(open.window->result(), int(QDialog::Rejected));
        QVERIFY(open.paths.isEmpty());
    }

    void savingOntoAFullDiskSaysSoAndKeepsTheOldFile()
    {
        fixtures::FullVolume volume;
        if (!volume.mounted())
            QSKIP(qPrintable(volume.reason()));
        Workspace ws = fixtures::classThree();
        CostStudy study(ws);
        study.texts = fixtures::workedExampleTexts();
        QVERIFY(saveStudy(volume.filePath("empresa"), study));
        QFile saved(volume.filePath("empresa"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray before = saved.readAll();
        saved.close();
        QVERIFY(volume.fill());

        ws.DataSaved = false;
        study.texts[Input::Km] = "250";
        {
            SaveDataWindow window([&](const QString &path) { return saveStudy(path, study); });
            window.show();
            QVERIFY(window.openFolder(volume.path()));
            window.nameField()->setText("empresa");
            window.actionButton()->click();
            QVERIFY(window.isVisible());
        }
        QCOMPARE(prompter_.shown, QStringList{"No se han podido guardar los datos en el fichero «"
                                              + volume.filePath("empresa") + "»: no queda espacio en el dispositivo."});
        QVERIFY(!ws.DataSaved);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), before);
        QCOMPARE(volume.entries(), QStringList({"empresa", fixtures::FullVolume::FillerName}));
    }

private:
    QTemporaryDir dir_;
    QString folder_;
    ScriptedPrompter prompter_;
};

QTEST_MAIN(DataFileWindowTest)
#include "tst_data_file_window.moc"
