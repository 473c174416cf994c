#include "calculate_command.h"

#include "entry/ui/input_windows.h"
#include "model/calculation.h"
#include "widgets/prompter.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace rotavex {

void runCalculateCommand(const CalculationWindows &windows)
{
    windows.results->showMinimized();
    if (QMdiArea *area = windows.trip->mdiArea())
        area->setActiveSubWindow(windows.trip);
    windows.workspace.ResultsReady = true;
    windows.inputs.freezeInputs();
    if (const auto fault = Calculate(windows.workspace, windows.inputs.fieldTexts())) {
        windows.workspace.ResultsReady = false;
        windows.inputs.unfreezeInputs();
        prompter().inform(QString::fromStdString(calculationFaultMessage(*fault)));
        return;
    }
    if (windows.calculated)
        windows.calculated();
    windows.results->showNormal();
    if (QMdiArea *area = windows.results->mdiArea())
        area->setActiveSubWindow(windows.results);
}

}   // namespace rotavex
