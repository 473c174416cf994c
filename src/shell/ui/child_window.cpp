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
    resize(sizeHint());
}

void ChildWindow::closeEvent(QCloseEvent *event) { event->ignore(); }

} // namespace rotavex
