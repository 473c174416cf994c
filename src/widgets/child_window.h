#pragma once
// The frame of one of the five child windows: a title bar without minimise,
// maximise or close buttons and without a window menu. The user cannot
// close it; it goes when the main window goes.

#include <QMdiSubWindow>

namespace rotavex {

class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget *content, QWidget *parent = nullptr);

    // The window's controls are placed by hand, so the frame takes its size
    // from the window's design size.
    void fitToContent();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

}   // namespace rotavex
