#pragma once
// frmSplash: the first window of the program. It builds the main window
// hidden behind itself as soon as it has the focus, and hands over to it at
// the user's first click on the frame or first key that types a character.

#include <QPointer>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;

namespace rotavex {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // `createMainWindow` builds the main window without showing it; it is
    // called once, and the splash does not own what it returns.
    explicit SplashWindow(std::function<QWidget *()> createMainWindow, QWidget *parent = nullptr);

    QWidget *mainWindow() const { return m_mainWindow; }

    QFrame *frame() const { return m_frame; }

signals:
    void mainWindowShown(QWidget *mainWindow);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *addLargeBoldLabel(const QString &name, const QString &text, const QRect &place);
    QWidget *ensureMainWindow();
    void showMainWindow();
    void handOver();

    std::function<QWidget *()> m_createMainWindow;
    QPointer<QWidget> m_mainWindow;
    bool m_mainWindowShown = false;
    QFrame *m_frame = nullptr;
};

}   // namespace rotavex
