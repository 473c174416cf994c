#include "input_form.h"

#include "numeric_field.h"
#include "widgets/design_font.h"
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

Input inputOfField(const char *name)
{
    for (Input input : AllInputs)
        if (QString::fromUtf8(name) == QStringLiteral("txt") + QString::fromUtf8(inputName(input).data(), int(inputName(input).size())))
            return input;
    throw std::logic_error("a field of the data windows that holds no input");
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::Field || kind == ControlKind::ObservatoryButton || kind == ControlKind::Option;
}

} // namespace

InputForm::InputForm(const FormDesign &design, Workspace &workspace, QWidget *parent) : QWidget(parent), design_(design)
{
    setObjectName(QString::fromUtf8(design.name));
    setWindowTitle(QString::fromUtf8(design.title));
    setFont(designFont());
    setMinimumSize(designSize());
    resize(designSize());

    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlDesign &control : design.controls) {
        QWidget *widget = build(control, workspace);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(twipRect(control.left, control.top, control.width, control.height));
        if (*control.tooltip)
            widget->setToolTip(QString::fromUtf8(control.tooltip));
        if (takesFocus(control.kind))
            focusable.emplace_back(control.tab, widget);
    }
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

QSize InputForm::designSize() const { return twipSize(design_.clientWidth, design_.clientHeight); }

QButtonGroup *InputForm::optionGroup(const QString &frameName) const
{
    return findChild<QButtonGroup *>(frameName + QStringLiteral("Options"));
}

QWidget *InputForm::build(const ControlDesign &control, Workspace &workspace)
{
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case ControlKind::Frame: {
        auto *frame = new QGroupBox(caption, this);
        auto *group = new QButtonGroup(this);
        group->setObjectName(QString::fromUtf8(control.name) + QStringLiteral("Options"));
        group->setExclusive(true);
        return frame;
    }
    case ControlKind::Option: {
        auto *frame = findChild<QGroupBox *>(QString::fromUtf8(control.frame));
        auto *option = new WrappingRadioButton(caption, frame);
        optionGroup(QString::fromUtf8(control.frame))->addButton(option, control.optionId);
        return option;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(caption, this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Field: {
        auto *field = new NumericField(inputOfField(control.name), workspace, this);
        fields_.push_back(field);
        return field;
    }
    case ControlKind::ObservatoryButton:
        return new WrappingButton(caption, this);
    case ControlKind::Line: {
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    throw std::logic_error("unknown control kind");
}

} // namespace rotavex
