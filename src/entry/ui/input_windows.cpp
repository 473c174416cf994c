#include "input_windows.h"

#include "input_form.h"
#include "model/switch_groups.h"
#include "model/workspace.h"
#include "numeric_field.h"
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

}   // namespace

InputWindows::InputWindows(Workspace &workspace, QObject *parent) : QObject(parent), workspace_(workspace)
{
    forms_ = {new InputForm(generalDataForm(), workspace), new InputForm(vehicleForm(), workspace),
              new InputForm(runningCostForm(), workspace), new InputForm(tripForm(), workspace)};
    for (std::size_t i = 0; i < forms_.size(); ++i)
        alive_[i] = forms_[i];

    connect(window(DataWindow::General)->options(), &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            workspace_.BusClass = int16_t(id);
    });
    connect(window(DataWindow::Trip)->options(), &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            workspace_.ServiceMode = id == 1;
    });
    for (const SwitchGroup &group : switchGroups()) {
        const ObservatoryGroup id = group.id;
        connect(observatoryButton(id), &QPushButton::clicked, this, [this, id] { toggleObservatorySource(id); });
    }
}

InputWindows::~InputWindows()
{
    // A window placed in the main window belongs to it; one never placed is ours.
    for (const QPointer<InputForm> &form : alive_)
        if (form && !form->parent())
            delete form;
}

InputForm *InputWindows::window(DataWindow window) const { return forms_[std::size_t(window)]; }

NumericField *InputWindows::numericField(Input input) const
{
    for (InputForm *form : forms_)
        for (NumericField *field : form->fields())
            if (field->input() == input)
                return field;
    throw std::logic_error("an input without a field");
}

QLineEdit *InputWindows::field(Input input) const { return numericField(input); }

QLabel *InputWindows::label(Input input) const
{
    for (InputForm *form : forms_)
        if (QLabel *label = form->label(input))
            return label;
    throw std::logic_error("an input without a label");
}

QPushButton *InputWindows::observatoryButton(ObservatoryGroup group) const
{
    for (InputForm *form : forms_)
        if (QPushButton *button = form->observatoryButton(group))
            return button;
    throw std::logic_error("an observatory group without a button");
}

QGroupBox *InputWindows::busClassFrame() const { return window(DataWindow::General)->optionFrame(); }

QAbstractButton *InputWindows::busClassOption(int busClass) const
{
    return window(DataWindow::General)->options()->button(busClass);
}

QGroupBox *InputWindows::serviceModeFrame() const { return window(DataWindow::Trip)->optionFrame(); }

QAbstractButton *InputWindows::serviceModeOption(bool fullService) const
{
    return window(DataWindow::Trip)->options()->button(fullService ? 1 : 0);
}

FieldTexts InputWindows::fieldTexts() const
{
    FieldTexts texts;
    for (Input input : AllInputs)
        texts[input] = numericField(input)->text().toStdString();
    return texts;
}

void InputWindows::setFieldText(Input input, const QString &text) { numericField(input)->showText(text); }

void InputWindows::checkOnly(const InputForm &window, int id)
{
    QButtonGroup *group = window.options();
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
    checkOnly(*window(DataWindow::General), isKnownBusClass(busClass) ? busClass : -1);
}

void InputWindows::selectServiceMode(bool fullService)
{
    checkOnly(*window(DataWindow::Trip), fullService ? 1 : 0);
    workspace_.ServiceMode = fullService;
}

void InputWindows::toggleObservatorySource(ObservatoryGroup id)
{
    const SwitchGroup &group = switchGroup(id);
    FieldTexts texts = fieldTexts();
    const ToggleOutcome outcome = ToggleObservatorySource(workspace_, group, texts);
    if (outcome.refused) {
        prompter().inform(qs(NeedsBusClassMessage));
        return;
    }
    for (const ToggleOutcome::PartChange &change : outcome.changes)
        for (Input input : change.part->fields)
            numericField(input)->showText(qs(texts[input]));
    showSwitchState(group);
}

void InputWindows::showSwitchState(const SwitchGroup &group)
{
    for (const SwitchPart &part : group.parts) {
        const bool partOn = workspace_.switches[part.sw];
        for (Input input : part.fields) {
            numericField(input)->setReadOnly(partOn);
            label(input)->setEnabled(!partOn);
        }
    }
    observatoryButton(group.id)->setText(
        qs(onObservatory(workspace_, group) ? UseOwnDataCaption : UseObservatoryCaption));
}

void InputWindows::freezeInputs()
{
    busClassFrame()->setEnabled(false);
    for (Input input : AllInputs)
        numericField(input)->setReadOnly(true);
    serviceModeFrame()->setEnabled(false);
    for (const SwitchGroup &group : switchGroups())
        observatoryButton(group.id)->setEnabled(false);
}

void InputWindows::unfreezeInputs()
{
    busClassFrame()->setEnabled(true);
    for (Input input : AllInputs)
        numericField(input)->setReadOnly(onObservatory(workspace_, input));
    serviceModeFrame()->setEnabled(true);
    for (const SwitchGroup &group : switchGroups())
        observatoryButton(group.id)->setEnabled(true);
}

}   // namespace rotavex
