#include "calculate_command.h"

#include "entry/ui/input_windows.h"
#include "study/cost_study.h"
#include "widgets/prompter.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace rotavex {

void runCalculateCommand(const CalculationWindows &windows)
{
    windows.results->showMinimized();
    if (QMdiArea *area = windows.trip->mdiArea())
        area->setActiveSubWindow(windows.trip);
    Workspace &ws = windows.study.workspace();
    ws.ResultsReady = true;
    windows.inputs.freezeInputs();
    windows.study.texts = windows.inputs.fieldTexts();
    if (const auto fault = windows.study.calculate()) {
        ws.ResultsReady = false;
        windows.inputs.unfreezeInputs();
        prompter().inform(QString::fromStdString(calculationFaultMessage(*fault)));
        return;
    }
    windows.results->showNormal();
    if (QMdiArea *area = windows.results->mdiArea())
        area->setActiveSubWindow(windows.results);
}

}   // namespace rotavex
