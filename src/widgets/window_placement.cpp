#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace rotavex {

void fixAndCentreOnScreen(QWidget *window, QSize clientSize)
{
    window->setFixedSize(clientSize);
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), clientSize);
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}   // namespace rotavex
