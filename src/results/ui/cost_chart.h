#pragma once
// The cost-distribution chart of the results window: one row of labelled
// columns, one per cost item, under its title (ChartTitle).

#include "results/results_report.h"

#include <QChartView>
#include <QPixmap>

#include <vector>

class QMimeData;

namespace rotavex {

inline const QString ChartTitle = QStringLiteral("Distribución de costes");

class CostChart : public QChartView {
    Q_OBJECT
public:
    explicit CostChart(QWidget *parent = nullptr);

    // One column per item, in the given order, each in its own colour and
    // named in the legend.
    void setData(const std::vector<ChartColumn> &columns);
    const std::vector<ChartColumn> &data() const { return columns_; }

    // Styles the title and paints the chart again.
    void redraw();

    // The chart as it shows, at its size on the screen.
    QPixmap picture();

    // Empties the clipboard and puts the chart on it as a picture together
    // with its data, so it can be pasted as an image or as figures.
    void copyToClipboard();

    // The picture and the data in the clipboard's formats: an image, plain
    // text of "label<TAB>value" lines, text/csv and an HTML table.
    QMimeData *mimeData();

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;

private:
    void styleTitle();

    std::vector<ChartColumn> columns_;
};

}   // namespace rotavex
