#include "program_commands.h"

#include "about_window.h"
#include "help_window.h"
#include "main_window.h"

#include "check/ui/check_printing.h"
#include "check/ui/check_window.h"
#include "comparison/ui/comparison_window.h"
#include "entry/ui/input_windows.h"
#include "lot/ui/lot_window.h"
#include "observatory/ui/observatory_window.h"
#include "reference/ui/reference_window.h"
#include "results/ui/results_presenter.h"
#include "results/ui/results_printing.h"
#include "results/ui/results_window.h"
#include "revision/revision_formula.h"
#include "storage/ui/load_data_window.h"
#include "storage/ui/save_data_window.h"
#include "study/ui/data_file_actions.h"
#include "study/ui/load_into_windows.h"

#include <QAction>

namespace rotavex {

ProgramCommands::ProgramCommands(MainWindow &main) : QObject(&main), main_(main)
{
    results_ = new ResultsPresenter(main.study(), main.inputWindows(), main.resultsWindow(), main.resultsFrame(),
                                    main.frame(DataWindow::Trip));
    const MainCommands &commands = main.commands();
    connect(commands.check, &QAction::triggered, this, &ProgramCommands::openCheck);
    connect(commands.observatory, &QAction::triggered, this,
            [this] { openObservatoryWindow(&main_, main_.study().workspace().reference); });
    connect(commands.reference, &QAction::triggered, this,
            [this] { openReferenceWindow(&main_, main_.referenceChoice()); });
    connect(commands.compare, &QAction::triggered, this, [this] { openComparisonWindow(&main_, main_.study()); });
    connect(commands.lot, &QAction::triggered, this, &ProgramCommands::openLot);
    connect(commands.revision, &QAction::triggered, this, &ProgramCommands::openRevision);
    connect(commands.save, &QAction::triggered, this, &ProgramCommands::openSave);
    connect(commands.load, &QAction::triggered, this, &ProgramCommands::openLoad);
    connect(commands.help, &QAction::triggered, this, [] { showHelpWindow(); });
    connect(commands.about, &QAction::triggered, this, [this] { showAboutWindow(&main_); });
    main_.setSaveStep([this] { openSave(); });
    main_.addExitStep([this] { return !lot_ || lot_->mayDropLot(); });
    main_.addExitStep([this] { return !revision_ || revision_->mayDropRevision(); });
    // The calculation shown is printed; without one, whatever the workspace
    // and the trip window hold.
    results_->setPrintAction([this] {
        const CalculatedResults shown = main_.study().lastCalculation().value_or(
            CalculatedResults{main_.workspace(), main_.inputWindows().fieldTexts()});
        printResults(shown.results, QString::fromStdString(shown.kmText()), QString::fromStdString(shown.vacioText()),
                     *main_.resultsWindow().chart(), *main_.resultsWindow().chartPictureArea());
    });
}

void ProgramCommands::openCheck()
{
    CostStudy &study = main_.study();
    InputWindows &inputs = main_.inputWindows();
    CheckWindow::Actions actions;
    actions.runCheck = [&study, &inputs] {
        study.texts = inputs.fieldTexts();
        return study.check();
    };
    actions.print = printCheckReport;
    actions.calculate = [this] { results_->calculate(); };
    openCheckWindow(&main_, std::move(actions));
}

void ProgramCommands::openSave()
{
    openSaveWindow(&main_, [this](const QString &path) {
        main_.study().texts = main_.inputWindows().fieldTexts();
        return saveStudy(path, main_.study());
    });
}

void ProgramCommands::openLot()
{
    if (!lot_) {
        lot_ = new LotWindow(main_.workspace(), &main_);
        lot_->setAttribute(Qt::WA_DeleteOnClose);
        // The lot last priced stays the revision's to take, the window closed or not.
        connect(lot_, &LotWindow::lotPriced, this, [this](const LotTotals &totals) {
            if (totals.priced > 0)
                setLotStructure(
                    [structure = costStructure(totals)] { return std::optional<CostStructure>(structure); });
        });
    }
    lot_->show();
    lot_->raise();
    lot_->activateWindow();
}

void ProgramCommands::openLoad()
{
    openLoadWindow(&main_,
                   [this](const QString &path) { return loadIntoWindows(path, main_.study(), main_.inputWindows()); });
}

void ProgramCommands::openRevision()
{
    if (!revision_) {
        revision_ = new RevisionWindow(
            [this]() -> std::optional<CostStructure> {
                const std::optional<CalculatedResults> &calculation = main_.study().lastCalculation();
                if (!calculation)
                    return std::nullopt;
                return costStructure(calculation->results);
            },
            &main_);
        revision_->setAttribute(Qt::WA_DeleteOnClose);
        if (lotStructure_)
            revision_->setLotStructure(lotStructure_);
    }
    revision_->show();
    revision_->raise();
    revision_->activateWindow();
}

void ProgramCommands::setLotStructure(RevisionWindow::StructureSource lot)
{
    lotStructure_ = std::move(lot);
    if (revision_)
        revision_->setLotStructure(lotStructure_);
}

}   // namespace rotavex
