#pragma once
// frmAcerca: the About window, with the logo, the publisher and the version.

#include <QDialog>

class QPushButton;

namespace rotavex {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QPushButton *acceptButton() const { return accept_; }

private:
    QPushButton *accept_;
};

// Opens the About window modally and destroys it once it is closed.
void showAboutWindow(QWidget *parent);

}   // namespace rotavex
