#include "cost_chart.h"

#include "regional/number_locale.h"
#include "results/chart_export.h"
#include "widgets/twips.h"

#include <QActionGroup>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMimeData>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace rotavex {

namespace {

// One clear colour for each of up to eight items, distinct side by side.
const std::array<QColor, 8> ColumnColours = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
    QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
};

QFont sized(QFont font, qreal points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The chart's own number texts (axis and bar labels) follow the user's
// decimal separator, without thousands separators, as the report does.
QLocale chartLocale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QColor colourOf(std::size_t item) { return ColumnColours[item % ColumnColours.size()]; }

// The amount as the report shows it: in cents.
double inCents(double value) { return std::round(value * 100) / 100; }

// The fewest decimals that still tell one tick from the next: none for steps
// of whole units, one for tenths, two for hundredths...
int tickDecimals(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 0;
    int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
    while (decimals < 10) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= 1e-6 * scaled)
            break;
        ++decimals;
    }
    return decimals;
}

// The axis of amounts, from nought to above the highest, with head room for
// the label at the end of the longest bar. Lying down, the labels are written
// side by side, so there are fewer of them and more room at the end.
QValueAxis *amountAxis(double highest, const QFont &font, bool lying = false)
{
    auto *axis = new QValueAxis;
    axis->setLabelsFont(font);
    axis->setRange(0, highest > 0 ? highest * (lying ? 1.4 : 1.25) : 1);
    axis->applyNiceNumbers();
    if (lying)
        axis->setTickCount(3);
    const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(tickDecimals(step)));
    return axis;
}

}   // namespace

// The view is given its chart when it is built: a chart set afterwards
// replaces a default one that the view then no longer owns and never frees.
CostChart::CostChart(QWidget *parent) : QChartView(new QChart, parent)
{
    QChart *chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    // A plain background rather than the theme's faint gradient: print
    // systems turn a gradient into a coarse picture behind the chart.
    chart->setBackgroundBrush(Qt::white);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setLocalizeNumbers(true);
    chart->setLocale(chartLocale());
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(sized(font(), 7));
    chart->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
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
    QFont title = sized(font(), 9, true);
    title.setUnderline(true);
    chart()->setTitle(ChartTitle);
    chart()->setTitleFont(title);
    chart()->setTitleBrush(QColor(0, 0, 255));
}

void CostChart::setData(const std::vector<ChartColumn> &columns)
{
    columns_ = columns;
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
    QAbstractBarSeries *series = nullptr;
    if (horizontal)
        series = new QHorizontalBarSeries;
    else
        series = new QBarSeries;
    double highest = 0;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        auto *set = new QBarSet(QString::fromStdString(columns_[i].label));
        // The bar is labelled with the amount in cents, as the report shows it.
        *set << inCents(columns_[i].value);
        set->setColor(colourOf(i));
        set->setBorderColor(colourOf(i).darker(130));
        set->setLabelColor(Qt::black);
        set->setLabelFont(sized(font(), 6.5));
        series->append(set);
        highest = std::max(highest, columns_[i].value);
    }
    series->setBarWidth(0.9);
    series->setLabelsVisible(style_.values);
    series->setLabelsPrecision(7);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    // Upright labels side by side would run into each other.
    if (!horizontal && columns_.size() > 4)
        series->setLabelsAngle(-90);
    chart()->addSeries(series);

    // A single row carries no label of its own.
    auto *row = new QBarCategoryAxis;
    row->append(QStringLiteral(" "));
    row->setLabelsVisible(false);
    row->setGridLineVisible(false);
    chart()->addAxis(row, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(row);

    QValueAxis *amounts = amountAxis(highest, sized(font(), 7), horizontal);
    chart()->addAxis(amounts, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(amounts);
}

void CostChart::addPie()
{
    const QLocale locale = chartLocale();
    auto *pie = new QPieSeries;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const double value = inCents(columns_[i].value);
        // The slice carries the amount; the legend names the item.
        QPieSlice *slice = pie->append(locale.toString(value, 'g', 7), value);
        slice->setColor(colourOf(i));
        slice->setBorderColor(colourOf(i).darker(130));
        slice->setLabelColor(Qt::black);
        slice->setLabelFont(sized(font(), 6.5));
        slice->setLabelArmLengthFactor(0.08);
        slice->setLabelVisible(style_.values);
    }
    // Small enough to leave room for the labels round it, which would
    // otherwise be cut short.
    pie->setPieSize(0.5);
    pie->setHorizontalPosition(0.5);
    chart()->addSeries(pie);
    const QList<QLegendMarker *> markers = chart()->legend()->markers(pie);
    for (qsizetype i = 0; i < markers.size() && std::size_t(i) < columns_.size(); ++i)
        markers[i]->setLabel(QString::fromStdString(columns_[std::size_t(i)].label));
}

void CostChart::addLine()
{
    auto *line = new QLineSeries;
    line->setName(QStringLiteral("Coste"));
    auto *items = new QBarCategoryAxis;
    double highest = 0;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        line->append(qreal(i), inCents(columns_[i].value));
        items->append(QString::fromStdString(columns_[i].label));
        highest = std::max(highest, columns_[i].value);
    }
    line->setColor(colourOf(0));
    line->setPointsVisible(true);
    line->setPointLabelsFormat(QStringLiteral("@yPoint"));
    line->setPointLabelsFont(sized(font(), 6.5));
    line->setPointLabelsColor(Qt::black);
    line->setPointLabelsVisible(style_.values);
    chart()->addSeries(line);

    // Upright, the names of even three items are cut short.
    items->setLabelsFont(sized(font(), 7));
    items->setLabelsAngle(-90);
    chart()->addAxis(items, Qt::AlignBottom);
    line->attachAxis(items);

    QValueAxis *amounts = amountAxis(highest, sized(font(), 7));
    chart()->addAxis(amounts, Qt::AlignLeft);
    line->attachAxis(amounts);
}

void CostChart::redraw()
{
    styleTitle();
    chart()->update();
    viewport()->update();
}

// A chart that is not shown lays itself out only on its next paint; the
// drawings of a former shape go, and the legend is laid out, only when
// their posted events arrive.
void CostChart::layOutIfHidden()
{
    if (isVisible())
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    chart()->resize(viewport()->size());
    chart()->layout()->activate();
}

QPixmap CostChart::picture()
{
    layOutIfHidden();
    return grab();
}

void CostChart::drawInto(QPainter &painter, const QRectF &box)
{
    layOutIfHidden();
    render(&painter, box, viewport()->rect());
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

void CostChart::copyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(mimeData());
}

// The chart covers the whole view, so the hint belongs on the chart itself.
bool CostChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        chart()->setToolTip(toolTip());
    return QChartView::event(event);
}

}   // namespace rotavex
