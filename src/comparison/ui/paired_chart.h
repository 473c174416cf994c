#pragma once
// The comparison's chart: for each item of the service, the amount of the
// calculation ("Sus datos") and that of the observatory side by side, drawn
// true to negative and small amounts, each with its figure; the figure of an
// item further from the observatory than the report's tolerance carries the
// report's mark.

#include "chart/ui/chart_figure_labels.h"
#include "chart/ui/picture_chart_view.h"
#include "comparison/comparison_report.h"

#include <vector>

class QMimeData;

namespace rotavex {

inline const QString PairedChartTitle = QStringLiteral("Sus datos y el Observatorio");

class PairedChart : public PictureChartView {
    Q_OBJECT
public:
    explicit PairedChart(QWidget *parent = nullptr);

    // Two bars per item; a screen reader reads each item's two amounts as
    // the chart's description.
    void setData(const std::vector<PairedColumn> &columns);
    const std::vector<PairedColumn> &data() const { return columns_; }

    // The picture with the figures as text.
    QMimeData *mimeData() override;

private:
    void clear();

    std::vector<PairedColumn> columns_;
    ChartFigureLabels figures_;
};

}   // namespace rotavex
