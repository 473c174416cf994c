// The main window under a real X server and window manager, with keys and
// clicks that go through the server: the menus' shortcut keys work from a
// data field, the toolbar brings a data window back with the focus on the
// control the user left it on, the keyboard alone brings back a window
// reduced to an icon, and a modal window sent to an icon comes back. Run by
// tests/ui_support/on_x_server.sh.

#include "check/ui/check_window.h"
#include "entry/ui/input_windows.h"
#include "widgets/modal_reach.h"

#include "../../ui_support/main_window_fixture.h"
#include "../../ui_support/x_input.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace rotavex;

namespace {

using MenuCommand = QAction *MainCommands::*;
using ToolbarButton = QPushButton *MainToolbar::*;

// Whether the X server shows the window (mapped, not reduced to an icon).
bool viewable(const QWidget *main)
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(main->winId())});
    if (!info.waitForFinished(5000))
        return false;
    return info.readAllStandardOutput().contains("IsViewable");
}

}   // namespace

Q_DECLARE_METATYPE(MenuCommand)
Q_DECLARE_METATYPE(ToolbarButton)
Q_DECLARE_METATYPE(rotavex::Input)
Q_DECLARE_METATYPE(rotavex::DataWindow)

class MainWindowX11Test : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { keepModalWindowsInReach(*qApp); }
    void init() { QVERIFY(openMainWindow(Commands::Unconnected)); }
    void cleanup() { closeMainWindow(); }

    void shortcutsFromAField_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<MenuCommand>("command");
        QTest::newRow("Ctrl+P") << Input::Salacon << "ctrl+p" << &MainCommands::check;
        QTest::newRow("Ctrl+C") << Input::Salacon << "ctrl+c" << &MainCommands::calculate;
        QTest::newRow("Ctrl+E") << Input::Salacon << "ctrl+e" << &MainCommands::inputLayout;
        QTest::newRow("Ctrl+M") << Input::Salacon << "ctrl+m" << &MainCommands::minimise;
        QTest::newRow("Ctrl+E, trip window") << Input::Horas << "ctrl+e" << &MainCommands::inputLayout;
    }
    void shortcutsFromAField()
    {
        QFETCH(Input, input);
        QFETCH(QString, keys);
        QFETCH(MenuCommand, command);
        QLineEdit *field = main->inputWindows().field(input);
        main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(field->window()->parentWidget()));
        field->setFocus();
        field->setText("12");
        QTRY_VERIFY(field->hasFocus());
        QSignalSpy triggered(main->commands().*command, &QAction::triggered);
        QVERIFY(x_input::key(keys));
        QTRY_COMPARE(triggered.count(), 1);
    }

    void editingKeysStillEdit()
    {
        // Ctrl combinations that no menu takes still edit the field.
        QLineEdit *field = main->inputWindows().field(Input::Salacon);
        field->setFocus();
        field->setText("12");
        QTRY_VERIFY(field->hasFocus());
        QVERIFY(x_input::key("ctrl+a"));
        QCOMPARE(field->selectedText(), QString("12"));
        QVERIFY(x_input::key("ctrl+x"));
        QCOMPARE(field->text(), QString());
        QVERIFY(x_input::key("ctrl+v"));
        QVERIFY(x_input::key("ctrl+v"));
        QCOMPARE(field->text(), QString("1212"));
    }

    void toolbarGivesTheFocusBack_data()
    {
        QTest::addColumn<DataWindow>("child");
        QTest::addColumn<Input>("input");
        QTest::addColumn<ToolbarButton>("button");
        QTest::newRow("frmDatos") << DataWindow::General << Input::Cosgen << &MainToolbar::general;
        QTest::newRow("frmVehi") << DataWindow::Vehicle << Input::Cosaut << &MainToolbar::vehicle;
        QTest::newRow("frmMovi") << DataWindow::Running << Input::Cosgas << &MainToolbar::running;
        QTest::newRow("frmTray") << DataWindow::Trip << Input::Km << &MainToolbar::trip;
    }
    void toolbarGivesTheFocusBack()
    {
        QFETCH(DataWindow, child);
        QFETCH(Input, input);
        QFETCH(ToolbarButton, button);
        QMdiSubWindow *frame = main->frame(child);
        QLineEdit *field = main->inputWindows().field(input);
        main->mdiArea()->setActiveSubWindow(frame);
        QVERIFY(x_input::click(field, field->rect().center()));
        QVERIFY(x_input::key("1"));
        QTRY_COMPARE(QApplication::focusWidget(), field);

        // The window goes down to an icon, the user looks at the results,
        // then comes back through the toolbar.
        for (QPushButton *pressed : {main->toolbar().minimise, main->toolbar().results, main->toolbar().*button})
            QVERIFY(x_input::click(pressed, pressed->rect().center()));

        QTRY_VERIFY(!frame->isMinimized());
        QCOMPARE(main->mdiArea()->activeSubWindow(), frame);
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->text(), QString("1"));
    }

    // A keyboard user reaches a child window reduced to an icon through the
    // Ventanas menu or Ctrl+M, which leave it an icon; Enter (or Space) then
    // brings it back.
    void enterRestoresTheActiveIcon_data()
    {
        QTest::addColumn<QStringList>("reach");
        QTest::addColumn<QString>("restore");
        QTest::addColumn<bool>("results");
        const QStringList resultsByMenu{"alt+v", "r"};
        QTest::newRow("Resultados from the menu, Return") << resultsByMenu << "Return" << true;
        QTest::newRow("Resultados from the menu, keypad Enter") << resultsByMenu << "KP_Enter" << true;
        QTest::newRow("Resultados after Ctrl+E, Space") << QStringList{"ctrl+e", "alt+v", "r"} << "space" << true;
        QTest::newRow("frmDatos after Ctrl+M, Return") << QStringList{"ctrl+m"} << "Return" << false;
    }
    void enterRestoresTheActiveIcon()
    {
        QFETCH(QStringList, reach);
        QFETCH(QString, restore);
        QFETCH(bool, results);
        QMdiSubWindow *frame = results ? main->resultsFrame() : main->frame(DataWindow::General);
        QLineEdit *field = main->inputWindows().field(Input::Salacon);
        QVERIFY(x_input::click(field, field->rect().center()));
        QTRY_COMPARE(QApplication::focusWidget(), field);
        for (const QString &keys : reach)
            QVERIFY(x_input::key(keys));
        QTRY_COMPARE(main->mdiArea()->activeSubWindow(), frame);
        QVERIFY(frame->isMinimized());

        QVERIFY(x_input::key(restore));
        QTRY_VERIFY(!frame->isMinimized());
        QCOMPARE(main->mdiArea()->activeSubWindow(), frame);
        if (!results)
            QTRY_COMPARE(QApplication::focusWidget(), field);
    }

    // F6 leads from a data window's controls to the toolbar's buttons, Tab
    // goes along them, Return presses one, and F6 leads back.
    void f6ReachesTheToolbar()
    {
        QLineEdit *field = main->inputWindows().field(Input::Salacon);
        QVERIFY(x_input::click(field, field->rect().center()));
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QVERIFY(x_input::key("F6"));
        QTRY_COMPARE(QApplication::focusWidget(), main->toolbar().general);
        QVERIFY(x_input::key("F6"));
        QTRY_COMPARE(QApplication::focusWidget(), field);

        main->minimiseActiveChild();
        QVERIFY(main->frame(DataWindow::General)->isMinimized());
        QVERIFY(x_input::key("F6"));
        QVERIFY(x_input::key("Tab"));
        QTRY_COMPARE(QApplication::focusWidget(), main->toolbar().vehicle);
        QVERIFY(x_input::key("shift+Tab"));
        QTRY_COMPARE(QApplication::focusWidget(), main->toolbar().general);
        QVERIFY(x_input::key("shift+Tab"));
        QTRY_COMPARE(QApplication::focusWidget(), main->toolbar().inputLayout);
        QVERIFY(x_input::key("Tab"));
        QTRY_COMPARE(QApplication::focusWidget(), main->toolbar().general);
        QVERIFY(x_input::key("Return"));
        QTRY_VERIFY(!main->frame(DataWindow::General)->isMinimized());
        QTRY_COMPARE(QApplication::focusWidget(), field);
    }

    // The window manager offers a minimise button on the check window's
    // title bar; pressed, it takes the whole program out of sight, and a
    // desktop without a task bar gives no way back. Both windows must come
    // back on the screen, as the X server sees them.
    void aModalWindowSentToAnIconComesBack()
    {
        CheckWindow check({[] { return DataCheckResult{}; }, {}, {}}, main);
        bool mainBack = false, checkBack = false;
        QTimer::singleShot(0, &check, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&check));
            QTest::qWait(500);   // the window manager has framed it
            QVERIFY(x_input::xdotool({"windowminimize", QString::number(check.winId())}));
            QTest::qWait(1500);
            mainBack = viewable(main);
            checkBack = viewable(&check);
            check.acceptButton()->click();
        });
        check.exec();
        QVERIFY(checkBack);
        QVERIFY(mainBack);
    }

private:
};

QTEST_MAIN(MainWindowX11Test)
#include "tst_main_window_x11.moc"
