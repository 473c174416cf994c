#include "input_windows.h"

#include "input_form.h"
#include "numeric_field.h"
#include "model/switch_groups.h"
#include "model/workspace.h"
#include "widgets/prompter.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>

namespace rotavex {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), int(text.size())); }

QString labelOf(Input input) { return QStringLiteral("lbl") + qs(inputName(input)); }

} // namespace

InputWindows::InputWindows(Workspace &workspace, QObject *parent) : QObject(parent), workspace_(workspace)
{
    forms_ = {new InputForm(generalDataForm(), workspace), new InputForm(vehicleForm(), workspace),
              new InputForm(runningCostForm(), workspace), new InputForm(tripForm(), workspace)};
    for (std::size_t i = 0; i < forms_.size(); ++i)
        alive_[i] = forms_[i];

    connect(window(QStringLiteral("frmDatos"))->optionGroup(QStringLiteral("fraTipoau")), &QButtonGroup::idToggled,
            this, [this](int id, bool checked) {
                if (checked)
                    workspace_.BusClass = int16_t(id);
            });
    connect(window(QStringLiteral("frmTray"))->optionGroup(QStringLiteral("FrameTipo")), &QButtonGroup::idToggled,
            this, [this](int id, bool checked) {
                if (checked)
                    workspace_.ServiceMode = id == 1;
            });
    for (const SwitchGroup &group : switchGroups()) {
        const std::string_view name = group.button;
        connect(observatoryButton(name), &QPushButton::clicked, this, [this, name] { toggleObservatorySource(name); });
    }
}

InputWindows::~InputWindows()
{
    // A window placed in the main window belongs to it; one never placed is ours.
    for (const QPointer<InputForm> &form : alive_)
        if (form && !form->parent())
            delete form;
}

InputForm *InputWindows::window(const QString &name) const
{
    for (InputForm *form : forms_)
        if (form->objectName() == name)
            return form;
    return nullptr;
}

NumericField *InputWindows::numericField(Input input) const
{
    for (InputForm *form : forms_)
        for (NumericField *field : form->fields())
            if (field->input() == input)
                return field;
    throw std::logic_error("an input without a field");
}

QLineEdit *InputWindows::field(Input input) const { return numericField(input); }

QPushButton *InputWindows::observatoryButton(std::string_view name) const
{
    const SwitchGroup &group = switchGroupOfButton(name);
    return window(qs(group.window))->control<QPushButton>(qs(name));
}

FieldTexts InputWindows::fieldTexts() const
{
    FieldTexts texts;
    for (Input input : AllInputs)
        texts[input] = numericField(input)->text().toStdString();
    return texts;
}

void InputWindows::setFieldText(Input input, const QString &text) { numericField(input)->setText(text); }

void InputWindows::checkOnly(QWidget *frame, int id)
{
    auto *group = static_cast<InputForm *>(frame->parentWidget())->optionGroup(frame->objectName());
    if (QAbstractButton *option = group->button(id)) {
        option->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied while it is exclusive.
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

void InputWindows::selectBusClass(int busClass)
{
    workspace_.BusClass = int16_t(busClass);
    checkOnly(window(QStringLiteral("frmDatos"))->control(QStringLiteral("fraTipoau")),
              isKnownBusClass(busClass) ? busClass : -1);
}

void InputWindows::selectServiceMode(bool fullService)
{
    checkOnly(window(QStringLiteral("frmTray"))->control(QStringLiteral("FrameTipo")), fullService ? 1 : 0);
    workspace_.ServiceMode = fullService;
}

void InputWindows::toggleObservatorySource(std::string_view button)
{
    const SwitchGroup &group = switchGroupOfButton(button);
    FieldTexts texts = fieldTexts();
    const ToggleOutcome outcome = ToggleObservatorySource(workspace_, group, texts);
    if (outcome.refused) {
        prompter().inform(qs(NeedsBusClassMessage));
        return;
    }
    for (const ToggleOutcome::PartChange &change : outcome.changes)
        for (Input input : change.part->fields)
            numericField(input)->setText(qs(texts[input]));
    showSwitchState(button);
}

void InputWindows::showSwitchState(std::string_view button)
{
    const SwitchGroup &group = switchGroupOfButton(button);
    InputForm *form = window(qs(group.window));
    bool on = false;
    for (const SwitchPart &part : group.parts) {
        const bool partOn = switchFlag(workspace_, part.sw);
        on = on || partOn;
        for (Input input : part.fields) {
            numericField(input)->setReadOnly(partOn);
            form->control<QLabel>(labelOf(input))->setEnabled(!partOn);
        }
    }
    observatoryButton(button)->setText(qs(on ? UseOwnDataCaption : UseObservatoryCaption));
}

void InputWindows::freezeInputs()
{
    window(QStringLiteral("frmDatos"))->control(QStringLiteral("fraTipoau"))->setEnabled(false);
    for (Input input : AllInputs)
        numericField(input)->setReadOnly(true);
    window(QStringLiteral("frmTray"))->control(QStringLiteral("FrameTipo"))->setEnabled(false);
    for (const SwitchGroup &group : switchGroups())
        observatoryButton(group.button)->setEnabled(false);
}

void InputWindows::unfreezeInputs()
{
    window(QStringLiteral("frmDatos"))->control(QStringLiteral("fraTipoau"))->setEnabled(true);
    for (const SwitchGroup &group : switchGroups())
        for (const SwitchPart &part : group.parts)
            if (!switchFlag(workspace_, part.sw))
                for (Input input : part.fields)
                    numericField(input)->setReadOnly(false);
    window(QStringLiteral("frmTray"))->control(QStringLiteral("FrameTipo"))->setEnabled(true);
    for (Input input : {Input::Horas, Input::Km, Input::Vacio})
        numericField(input)->setReadOnly(false);
    for (const SwitchGroup &group : switchGroups())
        observatoryButton(group.button)->setEnabled(true);
}

} // namespace rotavex
