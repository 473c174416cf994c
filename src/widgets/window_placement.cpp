#include "window_placement.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace rotavex {

namespace {

QScreen *screenOf(const QWidget *window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// What the window manager's frame takes around the client area: known once
// the window is shown, else a title bar and a border as most desktops draw
// them.
QMargins frameAround(const QWidget *window)
{
    if (window->isVisible() && window->frameGeometry() != window->geometry()) {
        const QRect frame = window->frameGeometry(), client = window->geometry();
        return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                frame.bottom() - client.bottom()};
    }
    const int border = 4;
    return {border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border, border, border};
}

// The client size, no larger than the screen's free area leaves room for,
// and the frame's top-left corner that centres it there.
std::pair<QSize, QPoint> placeOnScreen(const QWidget *window, QSize clientSize)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return {clientSize, window->pos()};
    const QRect free = screen->availableGeometry();
    const QMargins frame = frameAround(window);
    const QSize room = free.size().shrunkBy(frame);
    const QSize size = clientSize.boundedTo(room);
    QRect framed(QPoint(0, 0), size.grownBy(frame));
    framed.moveCenter(free.center());
    framed.moveTopLeft(QPoint(std::max(framed.left(), free.left()), std::max(framed.top(), free.top())));
    return {size, framed.topLeft()};
}

// Cuts the window's scrolling children to its client area when it shows,
// whatever order they were placed in.
class ScrollingChildrenFitter : public QObject {
public:
    explicit ScrollingChildrenFitter(QWidget *window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(watched);
            for (auto *child : window->findChildren<QAbstractScrollArea *>(Qt::FindDirectChildrenOnly))
                child->setGeometry(child->geometry().intersected(window->rect()));
        }
        return false;
    }
};

}   // namespace

void fixAndCentreOnScreen(QWidget *window, QSize clientSize)
{
    const auto [size, topLeft] = placeOnScreen(window, clientSize);
    window->setFixedSize(size);
    window->move(topLeft);
    if (size != clientSize)
        new ScrollingChildrenFitter(window);
}

void sizeAndCentreOnScreen(QWidget *window, QSize clientSize)
{
    const auto [size, topLeft] = placeOnScreen(window, clientSize);
    window->resize(size);
    window->move(topLeft);
}

}   // namespace rotavex
