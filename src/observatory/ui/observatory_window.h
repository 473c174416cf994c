#pragma once
// frmObs, "Costes medios del Observatorio": the average costs per bus class
// of the reference values in use (the observatory's, unless the user chose a
// set of their own) as a table, which the window can also print.

#include "model/observatory_values.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace rotavex {

class ReportArea;

class ObservatoryWindow : public QDialog {
    Q_OBJECT
public:
    explicit ObservatoryWindow(QWidget *parent = nullptr,
                               std::shared_ptr<const ReferenceSet> set = builtInReferenceSet());

    ReportArea *tableArea() const { return table_; }        // pctObs
    QPushButton *acceptButton() const { return accept_; }   // cmdAcept
    QPushButton *printButton() const { return print_; }     // cmdPrint

protected:
    void showEvent(QShowEvent *event) override;

private:
    ReportArea *table_ = nullptr;
    QPushButton *accept_ = nullptr;
    QPushButton *print_ = nullptr;
    std::shared_ptr<const ReferenceSet> set_;
    bool tableWritten_ = false;
};

// Opens the window modally over `parent` and destroys it once it is closed.
void openObservatoryWindow(QWidget *parent, std::shared_ptr<const ReferenceSet> set);

// cmdPrint: the printed table, one document.
void printObservatoryTable(const ReferenceSet &set);

}   // namespace rotavex
