#include "enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

namespace rotavex {

namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto *button = static_cast<QPushButton *>(watched);
        // A key held down presses once.
        if (!key->isAutoRepeat() && button->isEnabled())
            button->click();
        return true;
    }
};

}   // namespace

void pressFocusedButtonOnEnter(QWidget *window)
{
    auto *filter = new EnterPressesButton(window);
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->installEventFilter(filter);
    }
}

}   // namespace rotavex
