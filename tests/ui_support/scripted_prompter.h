#pragma once
// A Prompter for window tests: it records every message and question and
// answers the questions from a script, Yes when the script has run out.

#include "widgets/prompter.h"

#include <QStringList>

#include <deque>

namespace rotavex {

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { setPrompter(this); }
    ~ScriptedPrompter() override { setPrompter(nullptr); }

    QStringList shown;   // every text, in order
    std::deque<Answer> answers;

    void inform(const QString &text) override { shown << text; }
    bool askYesNo(const QString &text) override { return next(text) == Answer::Yes; }
    Answer askYesNoCancel(const QString &text) override { return next(text); }

private:
    Answer next(const QString &text)
    {
        shown << text;
        if (answers.empty())
            return Answer::Yes;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}   // namespace rotavex
