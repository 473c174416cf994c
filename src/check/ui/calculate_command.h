#pragma once
// "Calcular" of the check window: freezes the inputs, calculates and brings
// up the results.

class QMdiSubWindow;

namespace rotavex {

class CostStudy;
class InputWindows;

struct CalculationWindows {
    CostStudy &study;
    InputWindows &inputs;
    QMdiSubWindow *results;   // frmResul
    QMdiSubWindow *trip;      // frmTray
};

// Runs once the check window has closed. When the calculation stops on a
// fault the user is told, the inputs are unfrozen again and the results
// window stays as it was.
void runCalculateCommand(const CalculationWindows &windows);

}   // namespace rotavex
