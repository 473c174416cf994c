#include "child_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace rotavex {

ChildWindow::ChildWindow(QWidget *content, QWidget *parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(content->objectName() + QStringLiteral("Frame"));
    setWidget(content);
    setWindowTitle(content->windowTitle());
    setSystemMenu(nullptr);
    setOption(QMdiSubWindow::RubberBandResize, false);
    fitToContent();
    // Going to its icon moves the focus on from the control the user left;
    // that move does not count.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && !isMinimized() && widget() && widget()->isAncestorOf(now))
            leftOn_ = now;
    });
}

void ChildWindow::fitToContent()
{
    ensurePolished();
    resize(widget()->minimumSize().grownBy(contentsMargins()));
}

void ChildWindow::restore()
{
    if (isMinimized())
        showNormal();
    QWidget *left = leftOn_ ? leftOn_.data() : widget()->focusWidget();
    if (left && QApplication::focusWidget() != left)
        left->setFocus(Qt::OtherFocusReason);
}

void ChildWindow::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    // The title bar's height is only final once the frame is shown.
    if (!isMinimized() && !isMaximized() && !rect().contains(widget()->geometry()))
        fitToContent();
}

void ChildWindow::closeEvent(QCloseEvent *event) { event->ignore(); }

void ChildWindow::keyPressEvent(QKeyEvent *event)
{
    const bool restoreKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
                            || event->key() == Qt::Key_Space;
    if (isMinimized() && restoreKey && !(event->modifiers() & ~Qt::KeypadModifier)) {
        restore();
        return;
    }
    QMdiSubWindow::keyPressEvent(event);
}

}   // namespace rotavex
