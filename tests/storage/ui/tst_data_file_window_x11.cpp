// The save and load windows under a real X server and window manager, with
// the pointer clicking as a user does: the folder list opens the folder
// under the pointer and stays where it is, and it shows the current folder
// as soon as the window opens. Run by tests/ui_support/on_x_server.sh.

#include "../../ui_support/either_data_file_window.h"
#include "../../ui_support/scripted_prompter.h"
#include "../../ui_support/x_input.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QtTest>

using namespace rotavex;

namespace {

// More sibling folders than the folder list shows at once, so that bringing
// one of them to the middle of the list scrolls it.
constexpr int Siblings = 40;

QString siblingName(int i) { return QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0')); }

QString nameAt(const QModelIndex &index) { return index.data(Qt::DisplayRole).toString(); }

}   // namespace

class DataFileWindowX11Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        base_ = QDir::cleanPath(dir_.path());
        for (int i = 0; i < Siblings; ++i)
            QVERIFY(QDir(base_).mkdir(siblingName(i)));
    }
    void init() { QVERIFY(QDir::setCurrent(base_ + "/" + siblingName(30))); }

    void clickOpensTheFolderUnderThePointer_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("clicks");
        QTest::newRow("save, click") << Mode::Save << 1;
        QTest::newRow("save, double click") << Mode::Save << 2;
        QTest::newRow("load, click") << Mode::Load << 1;
        QTest::newRow("load, double click") << Mode::Load << 2;
    }
    void clickOpensTheFolderUnderThePointer()
    {
        QFETCH(Mode, mode);
        QFETCH(int, clicks);
        const auto window = makeDataFileWindow(mode, [](const QString &) { return false; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTreeView *tree = window->folderList();
        QWidget *viewport = tree->viewport();

        // As soon as the window is there, the current folder is chosen and
        // in view, among all its sibling folders.
        const QModelIndex current = tree->currentIndex();
        QCOMPARE(nameAt(current), siblingName(30));
        QVERIFY(viewport->rect().contains(tree->visualRect(current)));
        QCOMPARE(tree->model()->rowCount(current.parent()), Siblings);

        // The uppermost sibling wholly in view, at once, the way a user
        // goes for a folder the moment the window shows.
        QModelIndex target;
        for (int row = 0; row < Siblings && !target.isValid(); ++row) {
            const QModelIndex sibling = current.sibling(row, 0);
            if (viewport->rect().contains(tree->visualRect(sibling)))
                target = sibling;
        }
        QVERIFY(target.isValid() && target != current);
        const QString name = nameAt(target);
        const QPoint pointer = tree->visualRect(target).center();
        QVERIFY(x_input::click(viewport, pointer, clicks));

        QCOMPARE(window->folder(), QDir::toNativeSeparators(base_ + "/" + name));
        // The list did not move under the pointer, then or later.
        QCOMPARE(nameAt(tree->indexAt(pointer)), name);
        QTest::qWait(1000);
        QCOMPARE(nameAt(tree->indexAt(pointer)), name);
        QCOMPARE(window->folder(), QDir::toNativeSeparators(base_ + "/" + name));
    }

    void nameLabelOnOneLine_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::newRow("save") << Mode::Save;
        QTest::newRow("load") << Mode::Load;
    }
    void nameLabelOnOneLine()
    {
        QFETCH(Mode, mode);
        const auto window = makeDataFileWindow(mode, [](const QString &) { return false; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QLabel *label = window->nameLabel();
        const QFontMetrics metrics(label->font());
        QCOMPARE(label->text(), QString("Nombre de Archivo"));
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->font().toString()));
        QVERIFY(metrics.height() <= label->contentsRect().height());
        // In the window's own lettering, clear of the name field.
        QCOMPARE(label->font(), window->font());
        QVERIFY(label->geometry().right() < window->nameField()->geometry().left());
        QVERIFY(window->rect().contains(window->nameField()->geometry()));
    }

private:
    QTemporaryDir dir_;
    QString base_;
    ScriptedPrompter prompter_;
};

QTEST_MAIN(DataFileWindowX11Test)
#include "tst_data_file_window_x11.moc"
