// The main window: its child windows, menus and toolbar, arranging the
// children, the calculate command and the exit procedure.

#include "entry/ui/input_windows.h"
#include "model/workspace.h"
#include "shell/ui/main_window.h"

#include "../../ui_support/scripted_prompter.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace rotavex;

Q_DECLARE_METATYPE(rotavex::Answer)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void childWindowsAtStart();
    void childWindowsCannotBeClosed();
    void menuItems_data();
    void menuItems();
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
    ScriptedPrompter *prompts = nullptr;
    MainWindow *window = nullptr;
};

void MainWindowTest::init()
{
    prompts = new ScriptedPrompter;
    window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void MainWindowTest::cleanup()
{
    delete window;
    delete prompts;
}

void MainWindowTest::childWindowsAtStart()
{
    QStringList created, titles;
    for (QMdiSubWindow *frame : window->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        created << frame->widget()->objectName();
        titles << frame->windowTitle();
        QVERIFY(!(frame->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                          | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QVERIFY(!frame->systemMenu());
        if (!frame->isMinimized()) {
            QCOMPARE(frame->widget()->size(), frame->widget()->minimumSize());   // the design size
            QVERIFY(frame->rect().contains(frame->widget()->geometry()));       // and nothing cut off
        }
    }
    QCOMPARE(created, (QStringList{"frmResul", "frmTray", "frmMovi", "frmVehi", "frmDatos"}));
    QCOMPARE(titles, (QStringList{"Resultados", "4-Trayecto", "3-Datos de Circulación", "2-Datos del Vehículo",
                                  "1-Datos Generales"}));
    QVERIFY(window->subWindow("frmResul")->isMinimized());
    QCOMPARE(window->mdiArea()->activeSubWindow(), window->subWindow("frmDatos"));
    QTRY_COMPARE(QApplication::focusWidget(), window->inputWindows().field(Input::Salacon));
    QVERIFY(!window->childWindow("frmResul")->findChild<QPushButton *>("cmdNuevo")->isEnabled());
    QCOMPARE(window->windowTitle(), QStringLiteral("ROTAVEX 2018"));
}

void MainWindowTest::childWindowsCannotBeClosed()
{
    for (QMdiSubWindow *frame : window->mdiArea()->subWindowList()) {
        frame->close();
        QVERIFY(frame->isVisible());
    }
    QCOMPARE(window->mdiArea()->subWindowList().size(), 5);
}

void MainWindowTest::menuItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    QTest::newRow("guardar") << "guardar" << "&Guardar Datos Personalizados" << QKeySequence();
    QTest::newRow("cargar") << "cargar" << "&Cargar Datos Personalizados" << QKeySequence();
    QTest::newRow("salir") << "salir" << "&Salir" << QKeySequence();
    QTest::newRow("obser") << "obser" << "&Ver Datos del Observatorio" << QKeySequence();
    QTest::newRow("mnuCheck") << "mnuCheck" << "Com&probar datos" << QKeySequence("Ctrl+P");
    QTest::newRow("mnuCalc") << "mnuCalc" << "&Calcular" << QKeySequence("Ctrl+C");
    QTest::newRow("vehi") << "vehi" << "Datos del ve&hículo" << QKeySequence();
    QTest::newRow("entrada") << "entrada" << "Ver ventanas de &entrada de datos" << QKeySequence("Ctrl+E");
    QTest::newRow("min") << "min" << "&Minimizar actual" << QKeySequence("Ctrl+M");
    QTest::newRow("mnuAcerca") << "mnuAcerca" << "Acerca de..." << QKeySequence();
}

void MainWindowTest::menuItems()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QAction *action = window->menuAction(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void MainWindowTest::activatingKeepsStateRestoringRestores_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("toolbarButton");

    QTest::newRow("frmVehi") << "frmVehi" << "vehi" << "cmdVehi";
    QTest::newRow("frmResul") << "frmResul" << "res" << "cmdResul";
    QTest::newRow("frmTray") << "frmTray" << "tray" << "cmdTray";
}

void MainWindowTest::activatingKeepsStateRestoringRestores()
{
    QFETCH(QString, child);
    QFETCH(QString, menuItem);
    QFETCH(QString, toolbarButton);
    QMdiSubWindow *frame = window->subWindow(child);
    frame->showMinimized();
    window->mdiArea()->setActiveSubWindow(window->subWindow("frmDatos"));

    window->menuAction(menuItem)->trigger();
    QCOMPARE(window->mdiArea()->activeSubWindow(), frame);
    QVERIFY(frame->isMinimized());

    window->mdiArea()->setActiveSubWindow(window->subWindow("frmDatos"));
    window->toolbarButton(toolbarButton)->click();
    QCOMPARE(window->mdiArea()->activeSubWindow(), frame);
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
    window->mdiArea()->setActiveSubWindow(window->subWindow("frmMovi"));
    if (fromMenu)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
    else
        window->toolbarButton("cmdMin")->click();
    QVERIFY(window->subWindow("frmMovi")->isMinimized());
    QVERIFY(!window->subWindow("frmDatos")->isMinimized());
}

void MainWindowTest::inputWindowLayout()
{
    // Scatter the windows first: one minimised, the results shown, the
    // others anywhere.
    window->subWindow("frmVehi")->showMinimized();
    window->subWindow("frmResul")->showNormal();
    window->subWindow("frmDatos")->move(200, 90);
    window->subWindow("frmTray")->move(10, 10);
    window->mdiArea()->setActiveSubWindow(window->subWindow("frmMovi"));

    window->toolbarButton("cmdDatos")->click();

    QTRY_VERIFY(window->isMaximized());
    QVERIFY(window->subWindow("frmResul")->isMinimized());
    const struct { const char *child; QPoint place; } places[] = {
        {"frmTray", {491, 388}}, {"frmMovi", {10, 321}}, {"frmDatos", {10, 8}}, {"frmVehi", {491, 8}},
    };
    for (const auto &place : places) {
        QMdiSubWindow *frame = window->subWindow(place.child);
        QVERIFY2(!frame->isMinimized(), place.child);
        QCOMPARE(frame->pos(), place.place);
        QCOMPARE(frame->widget()->size(), frame->widget()->minimumSize());
        QVERIFY(frame->rect().contains(frame->widget()->geometry()));
    }
    QCOMPARE(window->mdiArea()->activeSubWindow(), window->subWindow("frmMovi"));
}

void MainWindowTest::calculateCommandAnnouncesTheCheck_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("toolbar") << "cmdCalc";
    QTest::newRow("Ctrl+C in a field") << "keys";
}

void MainWindowTest::calculateCommandAnnouncesTheCheck()
{
    QFETCH(QString, how);
    QSignalSpy checkOpened(window->menuAction("mnuCheck"), &QAction::triggered);
    if (how == QLatin1String("keys")) {
        QLineEdit *field = window->inputWindows().field(Input::Salacon);
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    } else {
        window->toolbarButton(how)->click();
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
    QTest::newRow("cancel keeps running") << false << false << QList<Answer>{Answer::Cancel}
                                          << QStringList{SaveQuestion} << false << false;
    QTest::newRow("no, then yes") << false << false << QList<Answer>{Answer::No, Answer::Yes} << both << false << true;
    QTest::newRow("yes saves, then no") << false << false << QList<Answer>{Answer::Yes, Answer::No} << both << true
                                        << false;
    QTest::newRow("saved: only the confirmation") << true << false << QList<Answer>{Answer::Yes}
                                                  << QStringList{ExitQuestion} << false << true;
    QTest::newRow("close control asks too") << false << true << QList<Answer>{Answer::No, Answer::No} << both << false
                                            << false;
    QTest::newRow("close control, confirmed") << false << true << QList<Answer>{Answer::Yes, Answer::Yes} << both
                                              << true << true;
}

void MainWindowTest::exitProcedure()
{
    QFETCH(bool, dataSaved);
    QFETCH(bool, closeControl);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, saved);
    QFETCH(bool, closed);

    window->workspace().DataSaved = dataSaved;
    bool saveWindowOpened = false;
    window->setSaveStep([&] { saveWindowOpened = true; });
    prompts->answers.assign(answers.begin(), answers.end());

    if (closeControl)
        window->close();
    else
        window->menuAction("salir")->trigger();

    QCOMPARE(prompts->shown, questions);
    QCOMPARE(saveWindowOpened, saved);
    QCOMPARE(window->isVisible(), !closed);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
