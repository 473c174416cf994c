#pragma once
// frmHelp: the help window, a top-level window of its own beside the main
// window, showing the help document built into the program.

#include <QWidget>

class QTextBrowser;

namespace rotavex {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    QTextBrowser *viewer() const { return m_viewer; }

private:
    QTextBrowser *m_viewer;
};

// Opens the help window without blocking the others, or brings the one already
// open to the front. It closes only by its own close button and outlives the
// main window: the program ends when neither is left.
void showHelpWindow();

}   // namespace rotavex
