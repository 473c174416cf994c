#include "cost_chart.h"

#include "chart/chart_export.h"
#include "chart/chart_figures.h"
#include "chart/ui/chart_amounts_axis.h"
#include "model/cost_items.h"
#include "report/number_format.h"
#include "report/ui/number_locale.h"
#include "widgets/twips.h"

#include <QActionGroup>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMimeData>
#include <QPieSeries>
#include <QPieSlice>
#include <QtMath>

#include <array>
#include <cmath>

namespace rotavex {

namespace {

// A column's own colour, else the colour of the cost item in its place.
QColor colourOf(const std::vector<ChartColumn> &columns, std::size_t item)
{
    const std::uint32_t colour = item < columns.size() && columns[item].colour
                                     ? columns[item].colour
                                     : costItems()[item % costItems().size()].colour;
    return QColor::fromRgb(QRgb(colour));
}

std::string decimalSeparator() { return systemNumberLocale().decimalSeparator; }

// Marks, on lines of its own, the legend's name of an item the pie cannot
// draw: the legend is too narrow to hold it on one.
const QString NotDrawnInPie = QStringLiteral("<br>(negativo,<br>no se dibuja)");

}   // namespace

CostChart::CostChart(QWidget *parent) : PictureChartView(parent), figures_(chart())
{
    setAccessibleName(ChartTitle);
    chart()->legend()->setAlignment(Qt::AlignRight);
    styleTitle();
    buildMenu();
}

void CostChart::buildMenu()
{
    menu_ = new QMenu(this);
    auto *shapes = new QActionGroup(menu_);
    const std::pair<ChartShape, QString> names[] = {
        {ChartShape::VerticalBars, QStringLiteral("Barras verticales")},
        {ChartShape::HorizontalBars, QStringLiteral("Barras horizontales")},
        {ChartShape::Pie, QStringLiteral("Circular")},
        {ChartShape::Lines, QStringLiteral("Líneas")},
    };
    for (const auto &[shape, name] : names) {
        QAction *action = menu_->addAction(name);
        action->setCheckable(true);
        shapes->addAction(action);
        connect(action, &QAction::triggered, this, [this, shape = shape] {
            ChartStyle style = style_;
            style.shape = shape;
            setStyle(style);
        });
        shapeActions_.emplace_back(shape, action);
    }
    menu_->addSeparator();
    legendAction_ = menu_->addAction(QStringLiteral("Mostrar leyenda"));
    legendAction_->setCheckable(true);
    connect(legendAction_, &QAction::triggered, this, [this](bool checked) {
        ChartStyle style = style_;
        style.legend = checked;
        setStyle(style);
    });
    valuesAction_ = menu_->addAction(QStringLiteral("Mostrar valores"));
    valuesAction_->setCheckable(true);
    connect(valuesAction_, &QAction::triggered, this, [this](bool checked) {
        ChartStyle style = style_;
        style.values = checked;
        setStyle(style);
    });
    showStyleInMenu();
}

void CostChart::showStyleInMenu()
{
    for (const auto &[shape, action] : shapeActions_)
        action->setChecked(shape == style_.shape);
    legendAction_->setChecked(style_.legend);
    valuesAction_->setChecked(style_.values);
}

void CostChart::contextMenuEvent(QContextMenuEvent *event)
{
    menu_->exec(event->globalPos());
    event->accept();
}

QSize CostChart::sizeHint() const { return twipSize(4575, 3855); }

void CostChart::styleTitle()
{
    QFont title = sizedFont(font(), 9, true);
    title.setUnderline(true);
    chart()->setTitle(ChartTitle);
    chart()->setTitleFont(title);
    chart()->setTitleBrush(QColor(0, 0, 255));
}

void CostChart::setData(const std::vector<ChartColumn> &columns)
{
    columns_ = columns;
    setAccessibleDescription(QString::fromStdString(chartDescription(columns_, decimalSeparator())));
    rebuild();
}

void CostChart::setStyle(const ChartStyle &style)
{
    style_ = style;
    showStyleInMenu();
    rebuild();
}

void CostChart::clear()
{
    figures_.clear();
    QChart *chart = this->chart();
    chart->removeAllSeries();
    // Removing an axis hands it back to us; the series went with removeAllSeries.
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

void CostChart::rebuild()
{
    clear();
    chart()->legend()->setVisible(style_.legend);
    chart()->legend()->setReverseMarkers(style_.shape == ChartShape::HorizontalBars);
    // Upright bars stand on the bottom edge of the plot, where the label of
    // the lowest tick is centred: half of it needs room below.
    const int below = style_.shape == ChartShape::VerticalBars ? qCeil(QFontMetricsF(sizedFont(font(), 7)).height() / 2)
                                                               : 0;
    chart()->setMargins(QMargins(2, 2, 2, 2 + below));
    if (columns_.empty())
        return;
    switch (style_.shape) {
    case ChartShape::VerticalBars:
    case ChartShape::HorizontalBars: addBars(); break;
    case ChartShape::Pie: addPie(); break;
    case ChartShape::Lines: addLine(); break;
    }
}

void CostChart::addBars()
{
    const bool horizontal = style_.shape == ChartShape::HorizontalBars;
    // Lying down, the figures are written side by side with the bars, so
    // there are fewer ticks and more room at the ends.
    const AmountAxis scale = amountAxis(columns_, horizontal ? 0.4 : 0.25, horizontal ? 4 : 5);
    QAbstractBarSeries *series = nullptr;
    if (horizontal)
        series = new QHorizontalBarSeries;
    else
        series = new QBarSeries;
    series->setBarWidth(0.9);
    std::vector<ChartFigure> figures;
    for (std::size_t n = 0; n < columns_.size(); ++n) {
        // Lying down, the series lays its first bar at the bottom: the items
        // go in from the last, so that the first stands on top, where the
        // legend (read backwards) lists it.
        const std::size_t i = horizontal ? columns_.size() - 1 - n : n;
        auto *set = new QBarSet(QString::fromStdString(columns_[i].label));
        const double amount = columns_[i].value;
        const double length = onAxis(visibleLength(amount, scale.max() - scale.min()), scale);
        *set << length;
        set->setColor(colourOf(columns_, i));
        set->setBorderColor(colourOf(columns_, i).darker(130));
        series->append(set);
        // The bar's place across the row, as the series lays its bars out.
        const qreal across = series->barWidth() * ((qreal(n) + 0.5) / qreal(columns_.size()) - 0.5);
        figures.push_back({horizontal ? QPointF(length, across) : QPointF(across, length), figureText(amount),
                           towardsNegatives(amount, scale)});
    }
    // The series' own labels would print the drawn lengths.
    series->setLabelsVisible(false);
    chart()->addSeries(series);

    // A single row carries no label of its own.
    auto *row = new QBarCategoryAxis;
    row->append(QStringLiteral(" "));
    row->setLabelsVisible(false);
    row->setGridLineVisible(false);
    chart()->addAxis(row, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(row);

    QCategoryAxis *amounts = amountsAxis(scale, sizedFont(font(), 7), horizontal);
    chart()->addAxis(amounts, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(amounts);

    // Upright figures side by side would run into each other.
    if (style_.values)
        figures_.show(series, figures, horizontal ? Qt::Horizontal : Qt::Vertical, !horizontal && columns_.size() > 4,
                      sizedFont(font(), 6.5));
}

void CostChart::addPie()
{
    double positive = 0;
    for (const ChartColumn &column : columns_)
        if (std::isfinite(column.value) && column.value > 0)
            positive += column.value;
    auto *pie = new QPieSeries;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const double amount = columns_[i].value;
        const bool drawn = std::isfinite(amount) && amount > 0;
        // The slice carries the amount; the legend names the item.
        QPieSlice *slice = pie->append(figureText(amount), drawn ? visibleLength(amount, positive) : 0);
        slice->setColor(colourOf(columns_, i));
        slice->setBorderColor(drawn ? colourOf(columns_, i).darker(130) : QColor(Qt::transparent));
        slice->setLabelColor(Qt::black);
        slice->setLabelFont(sizedFont(font(), 6.5));
        slice->setLabelArmLengthFactor(0.08);
        slice->setLabelVisible(style_.values && drawn);
    }
    // Small enough to leave room for the labels round it, which would
    // otherwise be cut short.
    pie->setPieSize(0.5);
    pie->setHorizontalPosition(0.5);
    chart()->addSeries(pie);
    const QList<QLegendMarker *> markers = chart()->legend()->markers(pie);
    for (qsizetype i = 0; i < markers.size() && std::size_t(i) < columns_.size(); ++i) {
        const ChartColumn &column = columns_[std::size_t(i)];
        markers[i]->setLabel(QString::fromStdString(column.label) + (column.value < 0 ? NotDrawnInPie : QString()));
    }
}

void CostChart::addLine()
{
    const AmountAxis scale = amountAxis(columns_, 0.25, 5);
    auto *line = new QLineSeries;
    line->setName(QStringLiteral("Coste"));
    auto *items = new QBarCategoryAxis;
    std::vector<ChartFigure> figures;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const double amount = columns_[i].value;
        const QPointF point(qreal(i), std::isfinite(amount) ? onAxis(amount, scale) : 0);
        line->append(point);
        items->append(QString::fromStdString(columns_[i].label));
        figures.push_back({point, figureText(amount), towardsNegatives(amount, scale)});
    }
    line->setColor(colourOf(columns_, 0));
    line->setPointsVisible(true);
    chart()->addSeries(line);

    // Upright, the names of even three items are cut short.
    items->setLabelsFont(sizedFont(font(), 7));
    items->setLabelsAngle(-90);
    chart()->addAxis(items, Qt::AlignBottom);
    line->attachAxis(items);

    QCategoryAxis *amounts = amountsAxis(scale, sizedFont(font(), 7), false);
    chart()->addAxis(amounts, Qt::AlignLeft);
    line->attachAxis(amounts);

    if (style_.values)
        figures_.show(line, figures, Qt::Vertical, false, sizedFont(font(), 6.5));
}

void CostChart::redraw()
{
    styleTitle();
    chart()->update();
    viewport()->update();
}

QMimeData *CostChart::mimeData()
{
    const std::string separator = systemNumberLocale().decimalSeparator;
    auto *mime = new QMimeData;
    mime->setImageData(picture().toImage());
    mime->setText(QString::fromStdString(chartDataText(columns_, separator)));
    mime->setData(QStringLiteral("text/csv"), QByteArray::fromStdString(chartDataCsv(columns_, separator)));
    mime->setHtml(QString::fromStdString(chartDataHtml(columns_, separator)));
    return mime;
}

// The chart covers the whole view, so the hint belongs on the chart itself.
bool CostChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        chart()->setToolTip(toolTip());
    return PictureChartView::event(event);
}

}   // namespace rotavex
