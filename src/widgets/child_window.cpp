#include "child_window.h"

#include <QCloseEvent>

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
}

void ChildWindow::fitToContent()
{
    ensurePolished();
    resize(widget()->minimumSize().grownBy(contentsMargins()));
}

void ChildWindow::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    // The title bar's height is only final once the frame is shown.
    if (!isMinimized() && !isMaximized() && !rect().contains(widget()->geometry()))
        fitToContent();
}

void ChildWindow::closeEvent(QCloseEvent *event) { event->ignore(); }

}   // namespace rotavex
