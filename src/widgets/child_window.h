#pragma once
// The frame of one of the five child windows: a title bar without minimise,
// maximise or close buttons and without a window menu. The user cannot
// close it; it goes when the main window goes. Reduced to an icon and
// active, Enter or Space brings it back, so the keyboard alone can restore
// it.

#include <QMdiSubWindow>
#include <QPointer>

namespace rotavex {

class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget *content, QWidget *parent = nullptr);

    // The window's controls are placed by hand, so the frame takes its size
    // from the window's design size.
    void fitToContent();

    // Brings the window back from its icon, with the focus on the control
    // the user left it on, wherever the focus was (on the toolbar, say).
    void restore();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> leftOn_;   // the control of the window that last had the focus
};

}   // namespace rotavex
