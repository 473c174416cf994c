#include "numeric_field.h"

#include "entry/field_check.h"
#include "model/switch_groups.h"
#include "model/workspace.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace rotavex {

namespace {

// Shows a message once the mouse button that moved the focus is released,
// so that the click the user began on another control completes first
// instead of leaving that control held down under the message box.
class MessageAfterClick : public QObject {
public:
    explicit MessageAfterClick(const QString &text) : text_(text) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && !done_) {
            done_ = true;
            QTimer::singleShot(0, this, [this] {
                prompter().inform(text_);
                deleteLater();
            });
        }
        return false;
    }

private:
    const QString text_;
    bool done_ = false;
};

}   // namespace

void informAsTheFocusMoves(const QString &text)
{
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        new MessageAfterClick(text);
    else
        prompter().inform(text);
}

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
    setMaxLength(int(MaxFieldTextLength));
}

void NumericField::showText(const QString &text)
{
    setText(text);
    setFont(QFont());   // back to the window's font
    if (text != QLatin1String(ObservatoryText.data(), qsizetype(ObservatoryText.size())))
        return;
    QFont fitted = font();
    bool shrunk = false;
    while (QFontMetrics(fitted).horizontalAdvance(text) > textRoom() && fitted.pointSizeF() > 5.0) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
        shrunk = true;
    }
    if (shrunk)
        setFont(fitted);
    setCursorPosition(0);
}

// The width the text is laid out in: the field less its frame, its text
// margins and the line edit's own margin of two pixels either side.
int NumericField::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

void NumericField::checkNumericField()
{
    workspace_.DataSaved = false;
    const FieldCheckOutcome outcome = CheckNumericField(text().toStdString(), isReadOnly());
    const QString checked = QString::fromStdString(outcome.text);
    if (outcome.message)
        informAsTheFocusMoves(QString::fromUtf8(outcome.message->data(), int(outcome.message->size())));
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
    // The menus' shortcut keys (Ctrl+P, Ctrl+C, Ctrl+E, Ctrl+M) work
    // wherever the focus is, so the field claims no Ctrl combination ahead
    // of the shortcuts, not even one its platform binds to editing (Ctrl+C
    // copies; on X11 Ctrl+E goes to the end of the line). A combination no
    // shortcut takes still comes to the field as a key press: Ctrl+V,
    // Ctrl+Z and Ctrl+A edit as ever.
    if (event->type() == QEvent::ShortcutOverride
        && (static_cast<QKeyEvent *>(event)->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

}   // namespace rotavex
