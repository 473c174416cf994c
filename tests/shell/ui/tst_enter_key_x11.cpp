// Enter, on the main keyboard or the keypad, presses the button that has the
// focus in every window of the program, as on any desktop; in a text field
// it presses nothing, since no window has a button that Enter presses from
// anywhere. Keys go through a real X server. Run by
// tests/ui_support/on_x_server.sh.

#include "check/ui/check_window.h"
#include "entry/ui/input_form.h"
#include "entry/ui/input_windows.h"
#include "model/workspace.h"
#include "observatory/ui/observatory_window.h"
#include "results/ui/results_window.h"
#include "shell/ui/about_window.h"
#include "storage/ui/load_data_window.h"
#include "storage/ui/save_data_window.h"

#include "../../ui_support/scripted_prompter.h"
#include "../../ui_support/x_input.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace rotavex;

class EnterKeyX11Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterInATextFieldPressesNothing_data();
    void enterInATextFieldPressesNothing();

private:
    // The window of that name, shown and active.
    QWidget *showWindow(const QString &name);
    QList<QPushButton *> buttons() const { return shown_->findChildren<QPushButton *>(); }

    ScriptedPrompter prompts_;
    Workspace ws_;
    std::unique_ptr<InputWindows> inputs_;
    std::unique_ptr<QWidget> owned_;
    QWidget *shown_ = nullptr;
    QStringList actions_;   // what the windows' actions were asked to do
};

void EnterKeyX11Test::init()
{
    ws_ = Workspace();
    inputs_ = std::make_unique<InputWindows>(ws_);
    actions_.clear();
}

void EnterKeyX11Test::cleanup()
{
    if (shown_)
        shown_->hide();
    owned_.reset();
    inputs_.reset();
    shown_ = nullptr;
}

QWidget *EnterKeyX11Test::showWindow(const QString &name)
{
    const auto record = [this](const QString &what) {
        return [this, what](const QString &) {
            actions_ << what;
            return true;
        };
    };
    if (name == "frmDatos") {
        shown_ = inputs_->window(DataWindow::General);
    } else if (name == "frmCheck") {
        // Nothing missing: "Calcular" is offered.
        owned_ = std::make_unique<CheckWindow>(CheckWindow::Actions{
            [] { return DataCheckResult{}; }, [this](const DataCheckResult &) { actions_ << "print"; }, {}});
    } else if (name == "frmObs") {
        owned_ = std::make_unique<ObservatoryWindow>();
    } else if (name == "frmGuardarD") {
        owned_ = std::make_unique<SaveDataWindow>(record("save"));
    } else if (name == "frmCargar") {
        owned_ = std::make_unique<LoadDataWindow>(record("load"));
    } else if (name == "frmAcerca") {
        owned_ = std::make_unique<AboutWindow>();
    } else if (name == "frmResul") {
        owned_ = std::make_unique<ResultsWindow>();
    }
    if (owned_)
        shown_ = owned_.get();
    if (!shown_)
        return nullptr;
    shown_->show();
    shown_->activateWindow();
    if (!QTest::qWaitForWindowActive(shown_))
        return nullptr;
    return shown_;
}

void EnterKeyX11Test::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    const QList<std::pair<const char *, const char *>> buttons{
        {"frmCheck", "cmdCkacep"},      {"frmCheck", "cmdCkprint"},   {"frmCheck", "cmdCalc"},
        {"frmGuardarD", "cmdGuardarD"}, {"frmGuardarD", "cmdCancel"}, {"frmCargar", "cmdGuardarD"},
        {"frmCargar", "cmdCancel"},     {"frmObs", "cmdAcept"},       {"frmAcerca", "cmdAcerca"},
        {"frmDatos", "cmdCocon"},       {"frmResul", "Cmdcopiatex"},
    };
    for (const char *key : {"Return", "KP_Enter"})
        for (const auto &[window, button] : buttons)
            QTest::addRow("%s %s, %s", window, button, key) << QString(window) << QString(button);
}

void EnterKeyX11Test::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    const QString key = QString(QTest::currentDataTag()).section(", ", 1);
    QVERIFY(showWindow(window));
    auto *focused = shown_->findChild<QPushButton *>(button);
    QVERIFY(focused && focused->isEnabled());
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());
    QSignalSpy pressed(focused, &QPushButton::clicked);

    QVERIFY(x_input::key(key));
    QTRY_COMPARE(pressed.count(), 1);
    QCOMPARE(prompts_.shown, QStringList());
}

void EnterKeyX11Test::enterInATextFieldPressesNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("save window's name field") << "frmGuardarD"
                                              << "txtGuardarD";
    QTest::newRow("load window's name field") << "frmCargar"
                                              << "txtCargarD";
    QTest::newRow("data field") << "frmDatos"
                                << "txtSalacon";
}

void EnterKeyX11Test::enterInATextFieldPressesNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QVERIFY(showWindow(window));
    auto *text = shown_->findChild<QLineEdit *>(field);
    QVERIFY(text);
    text->setFocus();
    QTRY_VERIFY(text->hasFocus());
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QPushButton *button : buttons())
        spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));

    QVERIFY(x_input::key("1"));
    QVERIFY(x_input::key("Return"));
    QVERIFY(x_input::key("KP_Enter"));
    for (const auto &spy : spies)
        QCOMPARE(spy->count(), 0);
    QCOMPARE(actions_, QStringList());
    QVERIFY(shown_->isVisible());
    QVERIFY(text->hasFocus());
}

QTEST_MAIN(EnterKeyX11Test)
#include "tst_enter_key_x11.moc"
