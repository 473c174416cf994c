// The four data windows: the check a field gets when the user leaves it,
// the observatory buttons, the class and service choices, the focus order
// and freezing the inputs while results are shown.

#include "entry/ui/input_form.h"
#include "entry/ui/input_windows.h"
#include "entry/ui/numeric_field.h"
#include "model/switch_groups.h"
#include "model/workspace.h"
#include "widgets/wrapping_button.h"

#include "../../fixtures/observatory_buttons.h"
#include "../../ui_support/scripted_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace rotavex;
using fixtures::ObservatoryButton;
using fixtures::ObservatoryButtons;

Q_DECLARE_METATYPE(Input)
Q_DECLARE_METATYPE(rotavex::DataWindow)
Q_DECLARE_METATYPE(rotavex::ObservatoryGroup)

namespace {

const QString Negative = "Por favor, no introduzca valores negativos";
const QString NotANumber = "Por favor, introduzca sólo números.";
const QString NeedsClass = "Debe seleccionar un tipo de autobus en los Datos Generales";
const QString UseObservatory = "Pulse aquí para utilizar los datos del Observatorio";
const QString UseOwnData = "Pulse aquí para introducir sus datos personalizados";

DataWindow windowOf(Input input)
{
    switch (input) {
    case Input::Salacon:
    case Input::Htraba:
    case Input::Cosgen: return DataWindow::General;
    case Input::Cosgas:
    case Input::Cosneu:
    case Input::Vidneu:
    case Input::Cosseg: return DataWindow::Running;
    case Input::Km:
    case Input::Vacio:
    case Input::Horas: return DataWindow::Trip;
    default: return DataWindow::Vehicle;
    }
}

}   // namespace

class InputWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leavingAField_data();
    void leavingAField();
    void leavingForAnotherWindowOnlyNormalises_data();
    void leavingForAnotherWindowOnlyNormalises();

    void clickingTheObservatoryButtonChecksTheFieldFirst();
    void observatoryButtons_data();
    void observatoryButtons();
    void observatoryShownWhole_data();
    void observatoryShownWhole();

    void tabOrder_data();
    void tabOrder();

    void classAndServiceChoices();
    void freezeAndUnfreeze();
    void captionsFit();

private:
    InputForm *showWindow(DataWindow window);

    Workspace ws;
    ScriptedPrompter *prompts = nullptr;
    InputWindows *windows = nullptr;
};

void InputWindowsTest::init()
{
    ws = Workspace();
    prompts = new ScriptedPrompter;
    windows = new InputWindows(ws);
}

void InputWindowsTest::cleanup()
{
    delete windows;
    delete prompts;
}

InputForm *InputWindowsTest::showWindow(DataWindow window)
{
    InputForm *form = windows->window(window);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("window %s not active", qPrintable(form->objectName()));
    return form;
}

void InputWindowsTest::leavingAField_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("comma becomes point") << Input::Salacon << "12,5" << false << "12.5" << none;
    QTest::newRow("point stays") << Input::Cosgen << "1.234" << false << "1.234" << none;
    QTest::newRow("negative") << Input::Htraba << "-3" << false << "" << QStringList{Negative};
    QTest::newRow("negative with comma, one message") << Input::Km << "-3,5" << false << "" << QStringList{Negative};
    QTest::newRow("letters") << Input::Cosgas << "abc" << false << "" << QStringList{NotANumber};
    QTest::newRow("trailing letter") << Input::Horas << "12a" << false << "" << QStringList{NotANumber};
    QTest::newRow("empty") << Input::Vacio << "" << false << "" << none;
    QTest::newRow("locked observatory text") << Input::Cosseg << "Observatorio" << true << "Observatorio" << none;
    QTest::newRow("locked negative still refused") << Input::Cosneu << "-2" << true << "" << QStringList{Negative};
    QTest::newRow("locked field normalised on leaving") << Input::Vidneu << "1,5" << true << "1.5" << none;
    QTest::newRow("annual km comma when editable") << Input::Kmaut << "44000,5" << false << "44000.5" << none;
    QTest::newRow("annual km keeps comma when locked") << Input::Kmaut << "44000,5" << true << "44000,5" << none;
    QTest::newRow("financing period keeps comma when locked") << Input::Plafin << "4,5" << true << "4,5" << none;
}

void InputWindowsTest::leavingAField()
{
    QFETCH(Input, input);
    QFETCH(QString, typed);
    QFETCH(bool, locked);
    QFETCH(QString, left);
    QFETCH(QStringList, messages);

    showWindow(windowOf(input));
    QLineEdit *field = windows->field(input);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText(typed);
    field->setReadOnly(locked);
    ws.DataSaved = true;

    QTest::keyClick(field, Qt::Key_Tab);

    QCOMPARE(field->text(), left);
    QCOMPARE(prompts->shown, messages);
    QVERIFY(!field->hasFocus());   // the focus moved on after the message
    QVERIFY(!ws.DataSaved);
}

void InputWindowsTest::leavingForAnotherWindowOnlyNormalises_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");

    QTest::newRow("another window, comma") << "window"
                                           << "12,5"
                                           << "12.5";
    QTest::newRow("another window, letters unchecked") << "window"
                                                       << "abc"
                                                       << "abc";
    QTest::newRow("menu, negative unchecked") << "menu"
                                              << "-3,5"
                                              << "-3.5";
}

void InputWindowsTest::leavingForAnotherWindowOnlyNormalises()
{
    QFETCH(QString, destination);
    QFETCH(QString, typed);
    QFETCH(QString, left);

    showWindow(DataWindow::General);
    QLineEdit *field = windows->field(Input::Salacon);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText(typed);
    ws.DataSaved = true;

    QLineEdit elsewhere;
    QMenu menu;
    menu.addAction(QStringLiteral("Calcular"));
    if (destination == QLatin1String("window")) {
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    } else {
        menu.popup(field->mapToGlobal(QPoint(0, 0)));
        QTRY_VERIFY(menu.isVisible());
        menu.close();
    }

    QCOMPARE(field->text(), left);
    QVERIFY(prompts->shown.isEmpty());
    QVERIFY(ws.DataSaved);
}

void InputWindowsTest::clickingTheObservatoryButtonChecksTheFieldFirst()
{
    // The button is a control of the same window: the field is checked,
    // the click still goes through, and the message follows it.
    showWindow(DataWindow::General);
    QLineEdit *field = windows->field(Input::Cosgen);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText(QStringLiteral("abc"));
    QPushButton *button = windows->observatoryButton(ObservatoryGroup::General);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), UseOwnData);
    QVERIFY(!button->isDown());
    QTRY_COMPARE(prompts->shown, QStringList{NotANumber});
    QCOMPARE(field->text(), QStringLiteral("Observatorio"));
}

void InputWindowsTest::observatoryButtons_data()
{
    QTest::addColumn<ObservatoryGroup>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<Input>>("fields");
    QTest::addColumn<int>("busClass");
    QTest::addColumn<bool>("refused");
    for (const ObservatoryButton &button : ObservatoryButtons) {
        QTest::addRow("%s without class", button.name)
            << button.group << button.name << button.fields << 0 << button.needsClass;
        QTest::addRow("%s with class 2", button.name) << button.group << button.name << button.fields << 2 << false;
    }
}

void InputWindowsTest::observatoryButtons()
{
    QFETCH(ObservatoryGroup, id);
    QFETCH(QString, name);
    QFETCH(QList<Input>, fields);
    QFETCH(int, busClass);
    QFETCH(bool, refused);

    windows->selectBusClass(busClass);
    for (Input input : AllInputs)
        windows->setFieldText(input, QStringLiteral("5"));
    QPushButton *button = windows->observatoryButton(id);
    QCOMPARE(button->objectName(), name);

    button->click();

    QCOMPARE(prompts->shown, refused ? QStringList{NeedsClass} : QStringList());
    QCOMPARE(button->text(), refused ? UseObservatory : UseOwnData);
    for (Input input : AllInputs) {
        const bool switched = !refused && fields.contains(input);
        QCOMPARE(windows->field(input)->text(), switched ? QStringLiteral("Observatorio") : QStringLiteral("5"));
        QCOMPARE(windows->field(input)->isReadOnly(), switched);
        QCOMPARE(windows->label(input)->isEnabled(), !switched);
    }

    // Pressed again, the group is the user's, with its fields empty.
    button->click();
    QCOMPARE(button->text(), UseObservatory);
    for (Input input : fields) {
        QCOMPARE(windows->field(input)->text(), refused ? QStringLiteral("5") : QString());
        QVERIFY(!windows->field(input)->isReadOnly());
        QVERIFY(windows->label(input)->isEnabled());
    }
}

void InputWindowsTest::observatoryShownWhole_data()
{
    QTest::addColumn<ObservatoryGroup>("id");
    QTest::addColumn<Input>("input");
    for (const ObservatoryButton &button : ObservatoryButtons)
        for (Input input : button.fields)
            QTest::addRow("%s, %s", button.name, inputName(input).data()) << button.group << input;
}

// The locked field shows the whole word from its first letter, in the
// field's design place; switched back, it takes the window's font again.
void InputWindowsTest::observatoryShownWhole()
{
    QFETCH(ObservatoryGroup, id);
    QFETCH(Input, input);
    QLineEdit *field = windows->field(input);
    const QRect place = field->geometry();
    windows->selectBusClass(2);
    showWindow(windowOf(input));
    windows->observatoryButton(id)->click();

    const QString word = QStringLiteral("Observatorio");
    QCOMPARE(field->text(), word);
    QCOMPARE(field->cursorPosition(), 0);
    QCOMPARE(field->geometry(), place);
    const int frame = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field) : 0;
    const QMargins margins = field->textMargins();
    const int lineEditMargin = 2;   // QLineEdit's own space either side of the text
    const int needed = field->fontMetrics().horizontalAdvance(word) + 2 * frame + margins.left() + margins.right()
                       + 2 * lineEditMargin;
    QVERIFY2(needed <= field->contentsRect().width(),
             qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(field->contentsRect().width())));

    windows->observatoryButton(id)->click();
    QCOMPARE(field->text(), QString());
    QCOMPARE(field->font(), windows->window(windowOf(input))->font());
}

void InputWindowsTest::tabOrder_data()
{
    QTest::addColumn<DataWindow>("window");
    QTest::addColumn<QStringList>("order");

    // The options of one frame are a single stop; the arrow keys move
    // between them.

    QTest::newRow("frmDatos") << DataWindow::General
                              << QStringList{"txtSalacon", "txtHtraba",  "cmdCocon",  "txtCosgen",
                                             "cmdCogen",   "optTipoau1", "txtSalacon"};
    QTest::newRow("frmVehi") << DataWindow::Vehicle
                             << QStringList{"txtKmaut",  "cmdKm",     "txtCosaut", "txtVidaut", "txtCosfin",
                                            "txtPlafin", "cmdCosaut", "txtCosman", "cmdCosman", "txtKmaut"};
    QTest::newRow("frmMovi") << DataWindow::Running << QStringList{"txtCosgas", "cmdCogas",  "txtCosseg", "cmdCosseg",
                                                                   "txtCosneu", "txtVidneu", "cmdCosneu", "txtCosgas"};
    QTest::newRow("frmTray") << DataWindow::Trip << QStringList{"Option1", "txtKm", "txtVacio", "txtHoras", "Option1"};
}

void InputWindowsTest::tabOrder()
{
    QFETCH(DataWindow, window);
    QFETCH(QStringList, order);

    InputForm *form = showWindow(window);
    // The first control in tab order has the focus when the window opens.
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), order.front());
    QStringList visited{order.front()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
    QVERIFY(prompts->shown.isEmpty());   // empty fields raise nothing
    QVERIFY(!ws.DataSaved);
    form->hide();
}

void InputWindowsTest::classAndServiceChoices()
{
    for (int busClass = 1; busClass <= 4; ++busClass)
        QVERIFY(!windows->busClassOption(busClass)->isChecked());
    for (bool fullService : {false, true})
        QVERIFY(!windows->serviceModeOption(fullService)->isChecked());

    windows->busClassOption(3)->click();
    QCOMPARE(ws.BusClass, int16_t(3));
    windows->selectBusClass(9);   // a class no option stands for
    QCOMPARE(ws.BusClass, int16_t(9));
    for (int busClass = 1; busClass <= 4; ++busClass)
        QVERIFY(!windows->busClassOption(busClass)->isChecked());
    windows->selectBusClass(1);
    QVERIFY(windows->busClassOption(1)->isChecked());

    windows->setFieldText(Input::Km, QStringLiteral("120"));
    windows->serviceModeOption(true)->click();
    QVERIFY(ws.ServiceMode);
    windows->serviceModeOption(false)->click();
    QVERIFY(!ws.ServiceMode);
    QCOMPARE(windows->fieldTexts()[Input::Km], std::string("120"));
    windows->selectServiceMode(true);
    QVERIFY(ws.ServiceMode);
    QVERIFY(windows->serviceModeOption(true)->isChecked());
}

void InputWindowsTest::freezeAndUnfreeze()
{
    windows->selectBusClass(2);
    windows->observatoryButton(ObservatoryGroup::Fuel)->click();
    windows->observatoryButton(ObservatoryGroup::Driver)->click();

    windows->freezeInputs();
    for (Input input : AllInputs)
        QVERIFY(windows->field(input)->isReadOnly());
    for (const ObservatoryButton &button : ObservatoryButtons)
        QVERIFY(!windows->observatoryButton(button.group)->isEnabled());
    QWidget *classFrame = windows->busClassFrame();
    QWidget *serviceFrame = windows->serviceModeFrame();
    QVERIFY(!classFrame->isEnabled());
    QVERIFY(!serviceFrame->isEnabled());

    windows->unfreezeInputs();
    const std::vector<Input> underObservatory = {Input::Cosgas, Input::Salacon, Input::Htraba};
    for (Input input : AllInputs) {
        const bool stillLocked = std::find(underObservatory.begin(), underObservatory.end(), input)
                                 != underObservatory.end();
        QCOMPARE(windows->field(input)->isReadOnly(), stillLocked);
    }
    for (const ObservatoryButton &button : ObservatoryButtons)
        QVERIFY(windows->observatoryButton(button.group)->isEnabled());
    QVERIFY(classFrame->isEnabled());
    QVERIFY(serviceFrame->isEnabled());
    QCOMPARE(windows->field(Input::Cosgas)->text(), QStringLiteral("Observatorio"));
}

void InputWindowsTest::captionsFit()
{
    // Every caption, wrapped at its blanks, fits its control: nothing is
    // cut off, the observatory buttons in both of their captions, and only
    // the long "personalizados" needs a smaller size.
    for (DataWindow window : {DataWindow::General, DataWindow::Vehicle, DataWindow::Running, DataWindow::Trip}) {
        const InputForm *form = windows->window(window);
        for (QLabel *label : form->findChildren<QLabel *>())
            QVERIFY2(captionFits(label->font(), label->text(), label->contentsRect()), qPrintable(label->objectName()));
        for (WrappingRadioButton *option : form->findChildren<WrappingRadioButton *>())
            QVERIFY2(captionFits(option->font(), option->text(), option->captionArea()),
                     qPrintable(option->objectName()));
        for (WrappingButton *button : form->findChildren<WrappingButton *>()) {
            for (const QString &caption : {UseObservatory, UseOwnData}) {
                const QFont font = button->captionFont(caption);
                QVERIFY2(captionFits(font, caption, button->captionArea()), qPrintable(button->objectName()));
                QVERIFY(font.pointSizeF() >= 7.0);
            }
            QCOMPARE(button->captionFont(UseObservatory).pointSizeF(), 8.25);
        }
    }
}

QTEST_MAIN(InputWindowsTest)
#include "tst_input_windows.moc"
