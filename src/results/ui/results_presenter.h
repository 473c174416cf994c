#pragma once
// What the results window does: on every activation it draws the report of
// the last calculation and fills the chart; its buttons copy them and start
// a new calculation.
//
// The report and the chart come from the calculation as it was taken when it
// ran, not from the workspace and the trip window as they stand: loading a
// file while the results are shown changes both, and the results must still
// be those of the figures calculated.

#include <QObject>
#include <QString>

#include "results/results_report.h"

#include <functional>
#include <optional>

class QMdiSubWindow;

namespace rotavex {

class InputWindows;
class ResultsWindow;

inline const char *const NewCalculationQuestion =
    "Se borrará el resultado actual, pero se mantendrán los datos que ha introducido ¿Desea Continuar?";

class ResultsPresenter : public QObject {
    Q_OBJECT
public:
    ResultsPresenter(Workspace &workspace, InputWindows &inputs, ResultsWindow &window, QMdiSubWindow *frame);

    // What "Imprimir" does.
    void setPrintAction(std::function<void()> print) { print_ = std::move(print); }

    // Takes the workspace's results and the trip window's texts as the
    // calculation to show; called once a calculation has succeeded.
    void takeCalculation();
    const std::optional<CalculatedResults> &calculation() const { return calculation_; }

    void drawResults();
    void startNewCalculation();

private:
    void activateFrontDataWindow();

    Workspace &workspace_;
    InputWindows &inputs_;
    ResultsWindow &window_;
    QMdiSubWindow *frame_;
    std::function<void()> print_;
    std::optional<CalculatedResults> calculation_;
};

}   // namespace rotavex
