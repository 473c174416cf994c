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
    ResultsPresenter(CostStudy &study, InputWindows &inputs, ResultsWindow &window, QMdiSubWindow *frame);

    // What "Imprimir" does.
    void setPrintAction(std::function<void()> print) { print_ = std::move(print); }

    void drawResults();
    void startNewCalculation();

private:
    void activateFrontDataWindow();

    CostStudy &study_;
    InputWindows &inputs_;
    ResultsWindow &window_;
    QMdiSubWindow *frame_;
    std::function<void()> print_;
};

}   // namespace rotavex
