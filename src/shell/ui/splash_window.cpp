#include "shell/ui/splash_window.h"

#include "widgets/program_fonts.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace rotavex {

SplashWindow::SplashWindow(std::function<QWidget *()> createMainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_createMainWindow(std::move(createMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(ApplicationTitle);
    setWindowIcon(applicationIcon());
    setFocusPolicy(Qt::StrongFocus);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame->setGeometry(twipRect(120, 0, 9840, 6795));

    auto *logo = new QLabel(m_frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(twipRect(120, 240, 9495, 5145));
    logo->setPixmap(logoPicture(logo->size()));
    logo->setToolTip(QStringLiteral("Bienvenido a ROTAVEX 3"));

    QLabel *version = addLargeBoldLabel(QStringLiteral("Label2"), QStringLiteral("Versión 2018"),
                                        twipRect(4200, 1320, 2415, 495));
    // it stands on the logo, under the program's name: the name's colour
    version->setStyleSheet(QStringLiteral("color: #16365f;"));
    addLargeBoldLabel(QStringLiteral("lblCompanyProduct"), QStringLiteral("Belvarde"), twipRect(120, 5640, 4410, 720));
    addLargeBoldLabel(QStringLiteral("Label1"), QStringLiteral("Tesmora"), twipRect(120, 6360, 5085, 360));

    // The emblem's box reaches below the frame, which cuts it; the badge is
    // drawn small enough to show whole in the part that can be seen.
    auto *emblem = new QLabel(m_frame);
    emblem->setObjectName(QStringLiteral("Image1"));
    emblem->setGeometry(twipRect(8160, 5880, 1560, 1575));
    const int visibleHeight = m_frame->contentsRect().bottom() - emblem->y() - 1;
    const int side = std::min(emblem->width(), visibleHeight);
    emblem->setPixmap(emblemPicture(QSize(side, side)));
    emblem->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    fixAndCentreOnScreen(this, twipSize(10050, 6900));
}

QLabel *SplashWindow::addLargeBoldLabel(const QString &name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, m_frame);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(largeBoldFont(label->font()));
    return label;
}

bool SplashWindow::event(QEvent *event)
{
    // Every time the splash gets the focus the main window goes (or stays)
    // hidden behind it; the first time this is what creates it.
    if (event->type() == QEvent::WindowActivate && !m_mainWindowShown) {
        if (QWidget *main = ensureMainWindow())
            main->hide();
    }
    return QWidget::event(event);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Take the focus at once, also where no window manager hands it over,
    // so that the first key press reaches the splash.
    activateWindow();
}

void SplashWindow::mouseReleaseEvent(QMouseEvent *event)
{
    // Clicks on the pictures and labels come up here through the frame; the
    // strip of the window around the frame does not react.
    if (event->button() == Qt::LeftButton && m_frame->geometry().contains(event->position().toPoint())) {
        handOver();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace: handOver(); return;
    default: break;
    }
    if (!event->text().isEmpty()) {
        handOver();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    // However the splash goes away, the user is left with the main window.
    showMainWindow();
    event->accept();
}

QWidget *SplashWindow::ensureMainWindow()
{
    if (!m_mainWindow && m_createMainWindow) {
        m_mainWindow = m_createMainWindow();
        m_createMainWindow = nullptr;   // the main window is built only once
    }
    return m_mainWindow;
}

void SplashWindow::showMainWindow()
{
    if (m_mainWindowShown)
        return;
    m_mainWindowShown = true;
    if (QWidget *main = ensureMainWindow()) {
        main->show();
        main->activateWindow();
        emit mainWindowShown(main);
    }
}

void SplashWindow::handOver()
{
    showMainWindow();
    close();
}

}   // namespace rotavex
