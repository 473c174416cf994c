#include "numeric_field.h"

#include "entry/field_check.h"
#include "model/workspace.h"
#include "shell/ui/prompter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>

namespace rotavex {

bool normalisesOnLeave(Input input) { return input != Input::Kmaut && input != Input::Plafin; }

QWidget *childWindowOf(const QWidget *control)
{
    for (QWidget *w = const_cast<QWidget *>(control); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow *>(w) || w->isWindow())
            return w;
    return nullptr;
}

NumericField::NumericField(Input input, Workspace &workspace, QWidget *parent)
    : QLineEdit(parent), input_(input), workspace_(workspace)
{
    setObjectName(QStringLiteral("txt") + QString::fromUtf8(inputName(input).data(), int(inputName(input).size())));
}

void NumericField::checkNumericField()
{
    workspace_.DataSaved = false;
    const FieldCheckOutcome outcome = CheckNumericField(text().toStdString(), isReadOnly());
    const QString checked = QString::fromStdString(outcome.text);
    if (outcome.message) {
        // The field is emptied after the message, as the user sees it.
        prompter().inform(QString::fromUtf8(outcome.message->data(), int(outcome.message->size())));
    }
    if (checked != text())
        setText(checked);
}

void NumericField::normaliseDecimalComma()
{
    if (!normalisesOnLeave(input_))
        return;
    const QString normalised = QString::fromStdString(NormaliseDecimalComma(text().toStdString()));
    if (normalised != text())
        setText(normalised);
}

bool NumericField::leavesForSameWindow(const QFocusEvent *event) const
{
    // A menu or popup opening leaves the focus where it is; the field check
    // waits until the user really moves on.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason)
        return false;
    const QWidget *next = QApplication::focusWidget();
    if (!next || next == this)
        return false;
    const QWidget *own = childWindowOf(this);
    return own && childWindowOf(next) == own;
}

void NumericField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (leavesForSameWindow(event))
        checkNumericField();
    normaliseDecimalComma();
}

bool NumericField::event(QEvent *event)
{
    // Ctrl+C is the Calcular command of the menu; the menu's shortcut wins
    // over copying from the field.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_C)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

} // namespace rotavex
