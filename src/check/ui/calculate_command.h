#pragma once
// "Calcular" of the check window: freezes the inputs, calculates and brings
// up the results.

#include <functional>

class QMdiSubWindow;

namespace rotavex {

struct Workspace;
class InputWindows;

struct CalculationWindows {
    Workspace &workspace;
    InputWindows &inputs;
    QMdiSubWindow *results;   // frmResul
    QMdiSubWindow *trip;      // frmTray
    // Told once the calculation has succeeded, before the results come up.
    std::function<void()> calculated;
};

// Runs once the check window has closed. When the calculation stops on a
// fault the user is told, the inputs are unfrozen again and the results
// window stays as it was.
void runCalculateCommand(const CalculationWindows &windows);

}   // namespace rotavex
