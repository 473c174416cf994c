#pragma once
// frmResul, the results window: the report area, the chart and the four
// buttons beside them. The report and chart widgets take the places of the
// two placeholder areas named pctResul and Grafico.

#include <QWidget>

class QPushButton;

namespace rotavex {

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget *parent = nullptr);

    QSize designSize() const;

    QWidget *reportArea() const { return reportArea_; }     // pctResul
    QWidget *chart() const { return chart_; }               // Grafico
    QWidget *printChartArea() const { return printChartArea_; }   // pctGraf, beneath the chart
    QPushButton *copyTextButton() const { return copyText_; }     // Cmdcopiatex
    QPushButton *copyChartButton() const { return copyChart_; }   // cmdcopiagraf
    QPushButton *printButton() const { return print_; }           // cmdPrintres
    QPushButton *newCalculationButton() const { return newCalculation_; }   // cmdNuevo

    // Puts the real report area or chart in the place of its placeholder,
    // keeping name, geometry and tooltip; the placeholder is deleted.
    void replaceReportArea(QWidget *area);
    void replaceChart(QWidget *chart);

private:
    QWidget *replace(QWidget *old, QWidget *replacement);

    QWidget *reportArea_ = nullptr;
    QWidget *printChartArea_ = nullptr;
    QWidget *chart_ = nullptr;
    QPushButton *copyText_ = nullptr;
    QPushButton *copyChart_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *newCalculation_ = nullptr;
};

} // namespace rotavex
