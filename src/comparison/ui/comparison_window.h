#pragma once
// "Comparación con el Observatorio": the calculation as it was made beside
// the same service on the observatory's averages, as a report and a paired
// chart, which the window prints and copies.

#include "comparison/comparison_report.h"

#include <QDialog>

class QPushButton;

namespace rotavex {

class CostStudy;
class PairedChart;
class ReportArea;

class ComparisonWindow : public QDialog {
    Q_OBJECT
public:
    explicit ComparisonWindow(ComparisonStudy study, QWidget *parent = nullptr);

    ReportArea *reportArea() const { return report_; }
    PairedChart *chart() const { return chart_; }
    QPushButton *acceptButton() const { return accept_; }
    QPushButton *printButton() const { return print_; }
    QPushButton *copyTextButton() const { return copyText_; }
    QPushButton *copyChartButton() const { return copyChart_; }

    void print();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ComparisonStudy study_;
    ReportArea *report_ = nullptr;
    PairedChart *chart_ = nullptr;
    QPushButton *accept_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *copyText_ = nullptr;
    QPushButton *copyChart_ = nullptr;
    bool reportWritten_ = false;
};

// Opens the window modally over `parent` for the study's last calculation;
// without one, or when the observatory's pricing of it fails, says why.
void openComparisonWindow(QWidget *parent, const CostStudy &study);

inline const QString NoCalculationToCompare = QStringLiteral("Antes de comparar debe realizar un cálculo");

}   // namespace rotavex
