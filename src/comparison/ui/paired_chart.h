#pragma once
// The comparison's chart: for each item of the service, the amount of the
// calculation ("Sus datos") and that of the observatory side by side, drawn
// true to negative and small amounts, each with its figure; the figure of an
// item further from the observatory than the report's tolerance carries the
// report's mark.

#include "comparison/comparison_report.h"
#include "results/ui/chart_figure_labels.h"

#include <QChartView>
#include <QPixmap>

#include <vector>

class QMimeData;

namespace rotavex {

inline const QString PairedChartTitle = QStringLiteral("Sus datos y el Observatorio");

class PairedChart : public QChartView {
    Q_OBJECT
public:
    explicit PairedChart(QWidget *parent = nullptr);

    // Two bars per item; a screen reader reads each item's two amounts as
    // the chart's description.
    void setData(const std::vector<PairedColumn> &columns);
    const std::vector<PairedColumn> &data() const { return columns_; }

    // The chart as it shows, at its size on the screen.
    QPixmap picture();
    // The chart drawn straight into `box` of any painter, as sharp as the
    // device can make it.
    void drawInto(QPainter &painter, const QRectF &box);

    // Empties the clipboard and puts the chart on it as a picture with its
    // figures as text.
    void copyToClipboard();
    QMimeData *mimeData();

private:
    void layOutIfHidden();
    void clear();

    std::vector<PairedColumn> columns_;
    ChartFigureLabels figures_;
};

}   // namespace rotavex
