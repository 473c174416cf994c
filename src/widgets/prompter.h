#pragma once
// Every message box of the program goes through a Prompter, so that tests
// can answer the questions and read what was asked.

#include <QString>

namespace rotavex {

enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void inform(const QString &text) = 0;     // OK only
    virtual bool askYesNo(const QString &text) = 0;   // true for Yes
    virtual Answer askYesNoCancel(const QString &text) = 0;
};

// Message boxes titled "ROTAVEX 2018", without an icon.
class MessageBoxPrompter : public Prompter {
public:
    void inform(const QString &text) override;
    bool askYesNo(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
};

// The prompter every window uses; tests install their own.
Prompter &prompter();
void setPrompter(Prompter *replacement);   // nullptr restores the message boxes

// Whether changes not yet saved may go, once the user is asked: saved
// first (true when the save went through), dropped, or kept (false).
template <typename Save> bool mayDropChanges(const QString &question, Save save)
{
    switch (prompter().askYesNoCancel(question)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

inline const QString ApplicationTitle = QStringLiteral("ROTAVEX 2018");

}   // namespace rotavex
