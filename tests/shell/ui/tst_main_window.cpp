// The main window: its child windows, menus and toolbar, arranging the
// children, the calculate command and the exit procedure.

#include "entry/ui/input_windows.h"
#include "model/workspace.h"
#include "results/ui/cost_chart.h"
#include "results/ui/results_window.h"

#include "../../ui_support/main_window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <optional>

using namespace rotavex;

Q_DECLARE_METATYPE(rotavex::Answer)

namespace {

using MenuCommand = QAction *MainCommands::*;
using ToolbarButton = QPushButton *MainToolbar::*;

// A child window: one of the data windows, or the results when none.
struct Child {
    std::optional<DataWindow> data;
};

QMdiSubWindow *frameOf(const MainWindow &main, Child child)
{
    return child.data ? main.frame(*child.data) : main.resultsFrame();
}

}   // namespace

Q_DECLARE_METATYPE(MenuCommand)
Q_DECLARE_METATYPE(ToolbarButton)
Q_DECLARE_METATYPE(Child)

class MainWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void childWindowsAtStart();
    void resultsChartBuiltWhenFirstShown();
    void statusBarDate_data();
    void statusBarDate();
    void childWindowsCannotBeClosed();
    void shortcutsTriggerTheirCommands_data();
    void shortcutsTriggerTheirCommands();
    void activatingKeepsStateRestoringRestores_data();
    void activatingKeepsStateRestoringRestores();
    void minimiseActiveChild_data();
    void minimiseActiveChild();
    void inputWindowLayout();
    void calculateCommandAnnouncesTheCheck_data();
    void calculateCommandAnnouncesTheCheck();
    void exitProcedure_data();
    void exitProcedure();

private:
};

void MainWindowTest::init() { QVERIFY(openMainWindow(Commands::Unconnected)); }

void MainWindowTest::cleanup() { closeMainWindow(); }

void MainWindowTest::childWindowsAtStart()
{
    QStringList created, titles;
    for (QMdiSubWindow *frame : main->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        created << frame->widget()->objectName();
        titles << frame->windowTitle();
        QVERIFY(!(frame->windowFlags()
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint
                     | Qt::WindowSystemMenuHint)));
        QVERIFY(!frame->systemMenu());
        if (!frame->isMinimized()) {
            QCOMPARE(frame->widget()->size(), frame->widget()->minimumSize());   // the design size
            QVERIFY(frame->rect().contains(frame->widget()->geometry()));        // and nothing cut off
        }
    }
    QCOMPARE(created, (QStringList{"frmResul", "frmTray", "frmMovi", "frmVehi", "frmDatos"}));
    QCOMPARE(titles, (QStringList{"Resultados", "4-Trayecto", "3-Datos de Circulación", "2-Datos del Vehículo",
                                  "1-Datos Generales"}));
    QVERIFY(main->resultsFrame()->isMinimized());
    QCOMPARE(main->mdiArea()->activeSubWindow(), main->frame(DataWindow::General));
    QTRY_COMPARE(QApplication::focusWidget(), main->inputWindows().field(Input::Salacon));
    QVERIFY(!main->resultsWindow().newCalculationButton()->isEnabled());
    QCOMPARE(main->windowTitle(), QStringLiteral("ROTAVEX 2018"));
}

void MainWindowTest::resultsChartBuiltWhenFirstShown()
{
    // The chart is the heaviest of the windows' parts: the results window
    // starts as an icon, and the chart waits until the window first shows.
    ResultsWindow &results = main->resultsWindow();
    QVERIFY(!results.findChild<CostChart *>());
    main->resultsFrame()->showNormal();
    const auto *chart = results.findChild<CostChart *>();
    QVERIFY(chart);
    QVERIFY(chart->isVisible());
    QCOMPARE(chart->objectName(), QStringLiteral("Grafico"));
    // Above its picture area, and in the keyboard's order between the report
    // and the buttons beneath it.
    QCOMPARE(results.childAt(chart->geometry().center()), chart->viewport());
    QStringList order;
    for (QWidget *widget = results.nextInFocusChain(); widget != &results; widget = widget->nextInFocusChain())
        if (widget->parentWidget() == &results)
            order << widget->objectName();
    QCOMPARE(order,
             (QStringList{"pctResul", "pctGraf", "Grafico", "Cmdcopiatex", "cmdcopiagraf", "cmdPrintres", "cmdNuevo"}));
}

void MainWindowTest::statusBarDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");
    QTest::newRow("Spanish") << "es_ES"
                             << "dd/MM/yyyy";
    QTest::newRow("no locale") << "C"
                               << "dd/MM/yyyy";
    QTest::newRow("US English") << "en_US"
                                << "M/d/yyyy";
    QTest::newRow("German") << "de_DE"
                            << "dd.MM.yyyy";
}

void MainWindowTest::statusBarDate()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    MainWindow fresh;
    QLocale::setDefault(before);
    const QDate today = QDate::currentDate();
    QCOMPARE(fresh.datePanel()->text(), today.toString(format));
}

void MainWindowTest::childWindowsCannotBeClosed()
{
    for (QMdiSubWindow *frame : main->mdiArea()->subWindowList()) {
        frame->close();
        QVERIFY(frame->isVisible());
    }
    QCOMPARE(main->mdiArea()->subWindowList().size(), 5);
}

void MainWindowTest::shortcutsTriggerTheirCommands_data()
{
    QTest::addColumn<MenuCommand>("command");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("Comprobar datos") << &MainCommands::check << QKeySequence("Ctrl+P");
    QTest::newRow("Calcular") << &MainCommands::calculate << QKeySequence("Ctrl+C");
    QTest::newRow("entrada de datos") << &MainCommands::inputLayout << QKeySequence("Ctrl+E");
    QTest::newRow("Minimizar actual") << &MainCommands::minimise << QKeySequence("Ctrl+M");
}

void MainWindowTest::shortcutsTriggerTheirCommands()
{
    QFETCH(MenuCommand, command);
    QFETCH(QKeySequence, keys);
    QSignalSpy triggered(main->commands().*command, &QAction::triggered);
    QLineEdit *field = main->inputWindows().field(Input::Salacon);
    QTRY_VERIFY(field->hasFocus());
    QTest::keySequence(field, keys);
    QCOMPARE(triggered.count(), 1);
}

void MainWindowTest::activatingKeepsStateRestoringRestores_data()
{
    QTest::addColumn<Child>("child");
    QTest::addColumn<MenuCommand>("menuCommand");
    QTest::addColumn<ToolbarButton>("toolbarButton");

    QTest::newRow("frmVehi") << Child{DataWindow::Vehicle} << &MainCommands::showVehicle << &MainToolbar::vehicle;
    QTest::newRow("frmMovi") << Child{DataWindow::Running} << &MainCommands::showRunning << &MainToolbar::running;
    QTest::newRow("frmTray") << Child{DataWindow::Trip} << &MainCommands::showTrip << &MainToolbar::trip;
    QTest::newRow("frmResul") << Child{} << &MainCommands::showResults << &MainToolbar::results;
}

void MainWindowTest::activatingKeepsStateRestoringRestores()
{
    QFETCH(Child, child);
    QFETCH(MenuCommand, menuCommand);
    QFETCH(ToolbarButton, toolbarButton);
    QMdiSubWindow *frame = frameOf(*main, child);
    QMdiSubWindow *general = main->frame(DataWindow::General);
    frame->showMinimized();
    main->mdiArea()->setActiveSubWindow(general);

    (main->commands().*menuCommand)->trigger();
    QCOMPARE(main->mdiArea()->activeSubWindow(), frame);
    QVERIFY(frame->isMinimized());

    main->mdiArea()->setActiveSubWindow(general);
    (main->toolbar().*toolbarButton)->click();
    QCOMPARE(main->mdiArea()->activeSubWindow(), frame);
    QVERIFY(!frame->isMinimized());
    QCOMPARE(frame->widget()->size(), frame->widget()->minimumSize());
    QVERIFY(frame->rect().contains(frame->widget()->geometry()));
}

void MainWindowTest::minimiseActiveChild_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("toolbar cmdMin") << false;
    QTest::newRow("menu Ctrl+M") << true;
}

void MainWindowTest::minimiseActiveChild()
{
    QFETCH(bool, fromMenu);
    QMdiSubWindow *running = main->frame(DataWindow::Running);
    main->mdiArea()->setActiveSubWindow(running);
    if (fromMenu)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
    else
        main->toolbar().minimise->click();
    QVERIFY(running->isMinimized());
    QVERIFY(!main->frame(DataWindow::General)->isMinimized());
}

void MainWindowTest::inputWindowLayout()
{
    // Scatter the windows first: one minimised, the results shown, the
    // others anywhere.
    main->frame(DataWindow::Vehicle)->showMinimized();
    main->resultsFrame()->showNormal();
    main->frame(DataWindow::General)->move(200, 90);
    main->frame(DataWindow::Trip)->move(10, 10);
    main->mdiArea()->setActiveSubWindow(main->frame(DataWindow::Running));

    main->toolbar().inputLayout->click();

    QTRY_VERIFY(main->isMaximized());
    QVERIFY(main->resultsFrame()->isMinimized());
    const struct {
        DataWindow child;
        QPoint place;
    } places[] = {
        {DataWindow::Trip, {491, 388}},
        {DataWindow::Running, {10, 321}},
        {DataWindow::General, {10, 8}},
        {DataWindow::Vehicle, {491, 8}},
    };
    for (const auto &place : places) {
        QMdiSubWindow *frame = main->frame(place.child);
        QVERIFY2(!frame->isMinimized(), qPrintable(frame->widget()->objectName()));
        QCOMPARE(frame->pos(), place.place);
        QCOMPARE(frame->widget()->size(), frame->widget()->minimumSize());
        QVERIFY(frame->rect().contains(frame->widget()->geometry()));
    }
    QCOMPARE(main->mdiArea()->activeSubWindow(), main->frame(DataWindow::Running));
}

void MainWindowTest::calculateCommandAnnouncesTheCheck_data()
{
    QTest::addColumn<bool>("fromKeys");
    QTest::newRow("toolbar") << false;
    QTest::newRow("Ctrl+C in a field") << true;
}

void MainWindowTest::calculateCommandAnnouncesTheCheck()
{
    QFETCH(bool, fromKeys);
    QSignalSpy checkOpened(main->commands().check, &QAction::triggered);
    if (fromKeys) {
        QLineEdit *field = main->inputWindows().field(Input::Salacon);
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    } else {
        main->toolbar().calculate->click();
    }
    QCOMPARE(prompts->shown, QStringList{CheckAnnouncement});
    QCOMPARE(checkOpened.count(), 1);
}

void MainWindowTest::exitProcedure_data()
{
    QTest::addColumn<bool>("dataSaved");
    QTest::addColumn<bool>("closeControl");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("closed");

    const QStringList both{SaveQuestion, ExitQuestion};
    QTest::newRow("cancel keeps running")
        << false << false << QList<Answer>{Answer::Cancel} << QStringList{SaveQuestion} << false << false;
    QTest::newRow("no, then yes") << false << false << QList<Answer>{Answer::No, Answer::Yes} << both << false << true;
    QTest::newRow("yes saves, then no") << false << false << QList<Answer>{Answer::Yes, Answer::No} << both << true
                                        << false;
    QTest::newRow("saved: only the confirmation")
        << true << false << QList<Answer>{Answer::Yes} << QStringList{ExitQuestion} << false << true;
    QTest::newRow("close control asks too")
        << false << true << QList<Answer>{Answer::No, Answer::No} << both << false << false;
    QTest::newRow("close control, confirmed")
        << false << true << QList<Answer>{Answer::Yes, Answer::Yes} << both << true << true;
}

void MainWindowTest::exitProcedure()
{
    QFETCH(bool, dataSaved);
    QFETCH(bool, closeControl);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, saved);
    QFETCH(bool, closed);

    main->workspace().DataSaved = dataSaved;
    bool saveWindowOpened = false;
    main->setSaveStep([&] { saveWindowOpened = true; });
    prompts->answers.assign(answers.begin(), answers.end());

    if (closeControl)
        main->close();
    else
        main->commands().exit->trigger();

    QCOMPARE(prompts->shown, questions);
    QCOMPARE(saveWindowOpened, saved);
    QCOMPARE(main->isVisible(), !closed);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
