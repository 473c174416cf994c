#pragma once
// frmObs, "Costes medios del Observatorio": the observatory's average costs
// per bus class as a fixed table, which the window can also print.

#include <QDialog>

class QPushButton;

namespace rotavex {

class ReportArea;

class ObservatoryWindow : public QDialog {
    Q_OBJECT
public:
    explicit ObservatoryWindow(QWidget *parent = nullptr);

    ReportArea *tableArea() const { return table_; }        // pctObs
    QPushButton *acceptButton() const { return accept_; }   // cmdAcept
    QPushButton *printButton() const { return print_; }     // cmdPrint

protected:
    void showEvent(QShowEvent *event) override;

private:
    ReportArea *table_ = nullptr;
    QPushButton *accept_ = nullptr;
    QPushButton *print_ = nullptr;
    bool tableWritten_ = false;
};

// Opens the window modally over `parent` and destroys it once it is closed.
void openObservatoryWindow(QWidget *parent);

// cmdPrint: the printed table, one document.
void printObservatoryTable();

}   // namespace rotavex
