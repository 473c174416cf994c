#pragma once
// What the results window does: on every activation it draws the report of
// the last calculation and fills the chart; its buttons copy them and start
// a new calculation.

#include <QObject>
#include <QString>

#include <functional>

class QMdiSubWindow;

namespace rotavex {

struct Workspace;
class InputWindows;
class ResultsWindow;

inline const char *const NewCalculationQuestion =
    "Se borrará el resultado actual, pero se mantendrán los datos que ha introducido ¿Desea Continuar?";

class ResultsPresenter : public QObject {
    Q_OBJECT
public:
    ResultsPresenter(Workspace &workspace, InputWindows &inputs, ResultsWindow &window, QMdiSubWindow *frame);

    // "Imprimir": prints whatever the workspace holds.
    void setPrintAction(std::function<void()> print) { print_ = std::move(print); }

    void drawResults();
    void startNewCalculation();

private:
    Workspace &workspace_;
    InputWindows &inputs_;
    ResultsWindow &window_;
    QMdiSubWindow *frame_;
    std::function<void()> print_;
    QString shownText_;   // the drawn report as plain text, for copying
};

}   // namespace rotavex
