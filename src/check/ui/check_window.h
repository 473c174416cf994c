#pragma once
// frmCheck, "Comprobación de datos": the report of missing and zero data
// that comes before every calculation, and the way on to it.

#include "check/data_check.h"

#include <QDialog>
#include <functional>

class QPushButton;

namespace rotavex {

class ReportArea;

class CheckWindow : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<DataCheckResult()> runCheck;            // the check of the current data
        std::function<void(const DataCheckResult &)> print;   // prints the check report
        std::function<void()> calculate;                      // runs once the window has closed
    };

    // How the window was left: "Aceptar", or "Calcular" to go on to the
    // calculation.
    enum Outcome { Closed = QDialog::Accepted, CalculationAsked };

    CheckWindow(Actions actions, QWidget *parent = nullptr);

    QPushButton *acceptButton() const { return cmdCkacep_; }
    QPushButton *calculateButton() const { return cmdCalc_; }
    ReportArea *reportArea() const { return pctCheck_; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void writeReport();
    void printReport();
    void accept() override;
    void calculate();
    void offerCalculationIfAllowed(const DataCheckResult &check);

    Actions actions_;
    ReportArea *pctCheck_;
    QPushButton *cmdCkacep_;
    QPushButton *cmdCkprint_;
    QPushButton *cmdCalc_;
    bool reportWritten_ = false;
};

// Opens the check window modally and, when the user asks for it, runs the
// calculation after the window has closed.
void openCheckWindow(QWidget *parent, CheckWindow::Actions actions);

}   // namespace rotavex
