#include "chart_figure_labels.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsSimpleTextItem>

namespace rotavex {

namespace {

// The room between the end of a bar, or a point, and its figure.
constexpr qreal Gap = 3;

// Above the bars, the lines and the legend.
constexpr qreal AboveTheSeries = 100;

}   // namespace

ChartFigureLabels::ChartFigureLabels(QChart *chart) : chart_(chart)
{
    // The axes and the legend settle the plot area only when the chart is
    // laid out, after the figures are written.
    connect(chart_, &QChart::plotAreaChanged, this, &ChartFigureLabels::place);
}

void ChartFigureLabels::show(QAbstractSeries *series, const std::vector<ChartFigure> &figures, Qt::Orientation growth,
                             bool turned, const QFont &font)
{
    clear();
    series_ = series;
    growth_ = growth;
    figures_ = figures;
    for (const ChartFigure &figure : figures_) {
        auto *label = new QGraphicsSimpleTextItem(figure.text, chart_);
        label->setFont(font);
        label->setBrush(Qt::black);
        label->setZValue(AboveTheSeries);
        if (turned)
            label->setRotation(-90);
        labels_.push_back(label);
    }
    place();
}

void ChartFigureLabels::clear()
{
    for (QGraphicsSimpleTextItem *label : labels_)
        delete label;
    labels_.clear();
    figures_.clear();
    series_ = nullptr;
}

void ChartFigureLabels::place()
{
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        QGraphicsSimpleTextItem *label = labels_[i];
        const ChartFigure &figure = figures_[i];
        const QPointF end = chart_->mapToPosition(figure.end, series_);
        label->setPos(0, 0);
        // The box of the (perhaps turned) text, as it lies at the origin.
        const QRectF box = label->mapRectToParent(label->boundingRect());
        QPointF corner;
        if (growth_ == Qt::Vertical)
            corner = QPointF(end.x() - box.width() / 2,
                             figure.towardsNegatives ? end.y() + Gap : end.y() - Gap - box.height());
        else
            corner = QPointF(figure.towardsNegatives ? end.x() - Gap - box.width() : end.x() + Gap,
                             end.y() - box.height() / 2);
        label->setPos(corner - box.topLeft());
    }
}

}   // namespace rotavex
