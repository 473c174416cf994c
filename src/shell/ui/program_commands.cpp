#include "program_commands.h"

#include "about_window.h"
#include "help_window.h"
#include "main_window.h"

#include "check/ui/calculate_command.h"
#include "check/ui/check_window.h"
#include "entry/ui/input_windows.h"
#include "results/ui/results_presenter.h"
#include "storage/ui/data_file_actions.h"
#include "storage/ui/data_file_window.h"
#include "storage/ui/load_into_windows.h"

#include <QAction>

namespace rotavex {

ProgramCommands::ProgramCommands(MainWindow &main) : QObject(&main), main_(main)
{
    results_ = new ResultsPresenter(main.workspace(), main.inputWindows(), main.resultsWindow(),
                                    main.subWindow(QStringLiteral("frmResul")));
    const auto on = [this](const char *item, auto slot) {
        connect(main_.menuAction(QString::fromLatin1(item)), &QAction::triggered, this, slot);
    };
    on("mnuCheck", &ProgramCommands::openCheck);
    on("guardar", &ProgramCommands::openSave);
    on("cargar", &ProgramCommands::openLoad);
    on("mnuhelpsi", [] { showHelpWindow(); });
    on("mnuAcerca", [this] { showAboutWindow(&main_); });
    main_.setSaveStep([this] { openSave(); });
}

void ProgramCommands::openCheck()
{
    Workspace &ws = main_.workspace();
    InputWindows &inputs = main_.inputWindows();
    CheckWindow::Actions actions;
    actions.runCheck = [&ws, &inputs] { return runDataCheck(ws, inputs.fieldTexts()); };
    actions.calculate = [this, &ws, &inputs] {
        runCalculateCommand({ws, inputs, main_.subWindow(QStringLiteral("frmResul")),
                             main_.subWindow(QStringLiteral("frmTray"))});
    };
    openCheckWindow(&main_, std::move(actions));
}

void ProgramCommands::openSave()
{
    openSaveWindow(&main_, [this](const QString &path) {
        return saveWorkspace(path, main_.workspace(), main_.inputWindows().fieldTexts());
    });
}

void ProgramCommands::openLoad()
{
    openLoadWindow(&main_, [this](const QString &path) {
        return loadIntoWindows(path, main_.workspace(), main_.inputWindows());
    });
}

} // namespace rotavex
