#pragma once
// A calculation's cycle on screen: "Calcular" freezes the inputs, prices
// them and brings up the results window; on every activation that window
// draws the report of the last calculation and fills the chart; its buttons
// copy them, and "Nuevo Cálculo" clears the results and frees the inputs
// again. Both ends of the cycle switch ResultsReady.
//
// The report and the chart come from the calculation as it was taken when it
// ran, not from the workspace and the trip window as they stand: loading a
// file while the results are shown changes both, and the results must still
// be those of the figures calculated.

#include <QObject>
#include <QString>

#include <functional>

class QMdiSubWindow;

namespace rotavex {

class CostStudy;
class InputWindows;
class ResultsWindow;

inline const char *const NewCalculationQuestion =
    "Se borrará el resultado actual, pero se mantendrán los datos que ha introducido ¿Desea Continuar?";

class ResultsPresenter : public QObject {
    Q_OBJECT
public:
    // trip is frmTray, brought forward while the calculation runs.
    ResultsPresenter(CostStudy &study, InputWindows &inputs, ResultsWindow &window, QMdiSubWindow *frame,
                     QMdiSubWindow *trip);

    // What "Imprimir" does.
    void setPrintAction(std::function<void()> print) { print_ = std::move(print); }

    // "Calcular", once the check window has closed. When the calculation
    // stops on a fault the user is told, the inputs are unfrozen again and
    // the results window stays as it was.
    void calculate();
    void drawResults();
    void startNewCalculation();

private:
    void activateFrontDataWindow();

    CostStudy &study_;
    InputWindows &inputs_;
    ResultsWindow &window_;
    QMdiSubWindow *frame_;
    QMdiSubWindow *trip_;
    std::function<void()> print_;
};

}   // namespace rotavex
