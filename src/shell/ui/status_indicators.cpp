#include "status_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace rotavex {

namespace {

bool isKeypadDigit(int key)
{
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Comma;
}

bool isKeypadMovement(int key)
{
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Clear: return true;
    default: return false;
    }
}

}   // namespace

StatusIndicators::StatusIndicators(QLabel *numLock, QLabel *insert, QObject *parent)
    : QObject(parent), numLockPanel_(numLock), insertPanel_(insert)
{
    QCoreApplication::instance()->installEventFilter(this);
    show();
}

bool StatusIndicators::eventFilter(QObject *watched, QEvent *event)
{
    // A key press passes the filter once for every widget it travels
    // through; only its first delivery counts.
    QWidget *firstReceiver = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (event->type() == QEvent::KeyPress && watched == firstReceiver) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat()) {
            if (key->key() == Qt::Key_NumLock)
                numLock_ = !numLock_;
            else if (key->modifiers() & Qt::KeypadModifier) {
                if (isKeypadDigit(key->key()))
                    numLock_ = true;
                else if (isKeypadMovement(key->key()))
                    numLock_ = false;
            }
            if (key->key() == Qt::Key_Insert)
                insert_ = !insert_;
            show();
        }
    }
    return QObject::eventFilter(watched, event);
}

void StatusIndicators::show()
{
    numLockPanel_->setEnabled(numLock_);
    insertPanel_->setEnabled(insert_);
}

}   // namespace rotavex
