#pragma once
// The main window as the window tests open it: shown and active, with every
// message going to a scripted prompter, and the commands connected where a
// test runs them.

#include "scripted_prompter.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_commands.h"

#include <QTest>

namespace rotavex {

class MainWindowFixture {
protected:
    enum class Commands { Unconnected, Connected };

    // For a test's init(): QVERIFY(openMainWindow(...)).
    bool openMainWindow(Commands connected)
    {
        prompts = new ScriptedPrompter;
        main = new MainWindow;
        if (connected == Commands::Connected)
            commands = new ProgramCommands(*main);
        main->show();
        return QTest::qWaitForWindowActive(main);
    }

    // For a test's cleanup(); the commands go with their window.
    void closeMainWindow()
    {
        delete main;
        delete prompts;
        main = nullptr;
        commands = nullptr;
        prompts = nullptr;
    }

    ScriptedPrompter *prompts = nullptr;
    MainWindow *main = nullptr;
    ProgramCommands *commands = nullptr;
};

}   // namespace rotavex
