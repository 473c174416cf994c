#include "shell/ui/help_window.h"

#include "shell/ui/help_document.h"
#include "widgets/program_pictures.h"
#include "widgets/window_placement.h"

#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace rotavex {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_viewer(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Ayuda de ROTAVEX 3"));
    setWindowIcon(applicationIcon());

    m_viewer->setObjectName(QStringLiteral("RichTextBox1"));
    m_viewer->document()->setDefaultFont(helpDocumentFont());
    m_viewer->setHtml(helpDocumentHtml());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_viewer);

    fixAndCentreOnScreen(this, twipSize(8055, 7800));
}

void showHelpWindow()
{
    static QPointer<HelpWindow> open;
    if (!open) {
        open = new HelpWindow;
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
}

}   // namespace rotavex
