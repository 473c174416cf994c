#include "input_form.h"

#include "numeric_field.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/twips.h"
#include "widgets/wrapping_button.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <stdexcept>

namespace rotavex {

namespace {

// A label and a field are named after their input (lblSalacon, txtSalacon).
QString controlName(const ControlDesign &control)
{
    const std::string_view input = inputName(control.input);
    const QString inputText = QString::fromUtf8(input.data(), int(input.size()));
    switch (control.kind) {
    case ControlKind::Label: return QStringLiteral("lbl") + inputText;
    case ControlKind::Field: return QStringLiteral("txt") + inputText;
    default: return QString::fromUtf8(control.name);
    }
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::Field || kind == ControlKind::ObservatoryButton || kind == ControlKind::Option;
}

}   // namespace

InputForm::InputForm(const FormDesign &design, Workspace &workspace, QWidget *parent) : QWidget(parent)
{
    setObjectName(QString::fromUtf8(design.name));
    setWindowTitle(QString::fromUtf8(design.title));
    setFont(designFont());
    setMinimumSize(twipSize(design.clientWidth, design.clientHeight));
    resize(minimumSize());

    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlDesign &control : design.controls) {
        QWidget *widget = build(control, workspace);
        widget->setObjectName(controlName(control));
        widget->setGeometry(twipRect(control.left, control.top, control.width, control.height));
        if (*control.tooltip)
            widget->setToolTip(QString::fromUtf8(control.tooltip));
        if (*control.description)
            widget->setAccessibleDescription(QString::fromUtf8(control.description));
        if (takesFocus(control.kind))
            focusable.emplace_back(control.tab, widget);
    }
    // A screen reader names each field by its label.
    for (NumericField *field : fields_)
        label(field->input())->setBuddy(field);
    pressFocusedButtonOnEnter(this);
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : focusable)
        tabOrder_.push_back(entry.second);
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    // The first control in tab order holds the focus when the window is
    // first activated.
    if (!tabOrder_.empty())
        tabOrder_.front()->setFocus();
}

QLabel *InputForm::label(Input input) const
{
    for (const auto &[labelled, label] : labels_)
        if (labelled == input)
            return label;
    return nullptr;
}

QPushButton *InputForm::observatoryButton(ObservatoryGroup group) const
{
    for (const auto &[switched, button] : observatoryButtons_)
        if (switched == group)
            return button;
    return nullptr;
}

QWidget *InputForm::build(const ControlDesign &control, Workspace &workspace)
{
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case ControlKind::Frame: {
        if (optionFrame_)
            throw std::logic_error("a data window with two frames of options");
        optionFrame_ = new QGroupBox(caption, this);
        options_ = new QButtonGroup(this);
        options_->setObjectName(QString::fromUtf8(control.name) + QStringLiteral("Options"));
        options_->setExclusive(true);
        return optionFrame_;
    }
    case ControlKind::Option: {
        if (!optionFrame_)
            throw std::logic_error("an option listed before its frame");
        auto *option = new WrappingRadioButton(caption, optionFrame_);
        options_->addButton(option, control.optionId);
        return option;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(caption, this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        labels_.emplace_back(control.input, label);
        return label;
    }
    case ControlKind::Field: {
        auto *field = new NumericField(control.input, workspace, this);
        fields_.push_back(field);
        return field;
    }
    case ControlKind::ObservatoryButton: {
        auto *button = new WrappingButton(caption, this);
        observatoryButtons_.emplace_back(control.group, button);
        return button;
    }
    case ControlKind::Line: {
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    throw std::logic_error("unknown control kind");
}

}   // namespace rotavex
