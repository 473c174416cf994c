#pragma once
// frmResul, the results window: the report area, the chart with the
// picture area beneath it, and the four buttons beside them. The chart, the
// heaviest of the windows' parts, is built when the window first shows or
// when the chart is first asked for, not at the start of the program, where
// the window is an icon.

#include <QWidget>

class QPushButton;

namespace rotavex {

class ChartPictureArea;
class CostChart;
class ReportArea;

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget *parent = nullptr);

    ReportArea *reportArea() const { return reportArea_; }                  // pctResul
    CostChart *chart();                                                     // Grafico
    ChartPictureArea *chartPictureArea() const { return chartPicture_; }    // pctGraf, beneath the chart
    QPushButton *copyTextButton() const { return copyText_; }               // Cmdcopiatex
    QPushButton *copyChartButton() const { return copyChart_; }             // cmdcopiagraf
    QPushButton *printButton() const { return print_; }                     // cmdPrintres
    QPushButton *newCalculationButton() const { return newCalculation_; }   // cmdNuevo

protected:
    void showEvent(QShowEvent *event) override;

private:
    ReportArea *reportArea_ = nullptr;
    ChartPictureArea *chartPicture_ = nullptr;
    CostChart *chart_ = nullptr;
    QPushButton *copyText_ = nullptr;
    QPushButton *copyChart_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *newCalculation_ = nullptr;
};

}   // namespace rotavex
