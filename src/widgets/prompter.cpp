#include "prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace rotavex {

namespace {

QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

Prompter *current = nullptr;

}   // namespace

void MessageBoxPrompter::inform(const QString &text) { ask(text, QMessageBox::Ok); }

bool MessageBoxPrompter::askYesNo(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer MessageBoxPrompter::askYesNoCancel(const QString &text)
{
    switch (ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

Prompter &prompter()
{
    static MessageBoxPrompter messageBoxes;
    return current ? *current : messageBoxes;
}

void setPrompter(Prompter *replacement) { current = replacement; }

}   // namespace rotavex
