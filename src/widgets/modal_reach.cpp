#include "modal_reach.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace rotavex {

namespace {

class ModalReach : public QObject {
public:
    explicit ModalReach(QObject *parent) : QObject(parent) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::WindowStateChange || !watched->isWidgetType())
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (window->isWindow() && window->isMinimized() && QApplication::activeModalWidget())
            // After the window manager has finished with it.
            QTimer::singleShot(0, window, [window = QPointer<QWidget>(window)] {
                if (window && window->isMinimized())
                    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                if (QWidget *modal = QApplication::activeModalWidget()) {
                    modal->raise();
                    modal->activateWindow();
                }
            });
        return false;
    }
};

}   // namespace

void keepModalWindowsInReach(QApplication &app)
{
    static QPointer<ModalReach> reach;
    if (reach && reach->parent() == &app)
        return;
    reach = new ModalReach(&app);
    app.installEventFilter(reach);
}

}   // namespace rotavex
