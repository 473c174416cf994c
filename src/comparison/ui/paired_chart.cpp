#include "paired_chart.h"

#include "chart/chart_figures.h"
#include "chart/ui/chart_amounts_axis.h"
#include "report/ui/number_locale.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLegend>
#include <QMimeData>
#include <QtMath>

namespace rotavex {

namespace {

const QColor OwnColour = QColor(0x1f, 0x77, 0xb4);
const QColor ObservatoryColour = QColor(0xa0, 0xa0, 0xa0);

std::string decimalSeparator() { return systemNumberLocale().decimalSeparator; }

// Every amount of both sets, for the axis to reach over.
std::vector<ChartColumn> allAmounts(const std::vector<PairedColumn> &columns)
{
    std::vector<ChartColumn> amounts;
    for (const PairedColumn &column : columns) {
        amounts.push_back({column.label, column.own});
        amounts.push_back({column.label, column.observatory});
    }
    return amounts;
}

QBarSet *barSet(const QString &name, const QColor &colour)
{
    auto *set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    return set;
}

}   // namespace

PairedChart::PairedChart(QWidget *parent) : PictureChartView(parent), figures_(chart())
{
    setAccessibleName(PairedChartTitle);
    QChart *chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignTop);
    QFont title = sizedFont(font(), 9, true);
    title.setUnderline(true);
    chart->setTitle(PairedChartTitle);
    chart->setTitleFont(title);
    chart->setTitleBrush(QColor(0, 0, 255));
}

void PairedChart::clear()
{
    figures_.clear();
    chart()->removeAllSeries();
    for (QAbstractAxis *axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
}

void PairedChart::setData(const std::vector<PairedColumn> &columns)
{
    columns_ = columns;
    setAccessibleDescription(QString::fromStdString(pairedChartDescription(columns_, decimalSeparator())));
    clear();
    if (columns_.empty())
        return;
    // The bars stand on the bottom edge of the plot, where the label of the
    // lowest tick is centred: half of it needs room below.
    chart()->setMargins(QMargins(2, 2, 2, 2 + qCeil(QFontMetricsF(sizedFont(font(), 7)).height() / 2)));
    const AmountAxis scale = amountAxis(allAmounts(columns_), 0.3, 5);
    const double reach = scale.max() - scale.min();
    auto *series = new QBarSeries;
    series->setBarWidth(0.8);
    QBarSet *own = barSet(QStringLiteral("Sus datos"), OwnColour);
    QBarSet *observatory = barSet(QStringLiteral("Observatorio"), ObservatoryColour);
    auto *items = new QBarCategoryAxis;
    std::vector<ChartFigure> figures;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        items->append(QString::fromStdString(columns_[i].label));
        // The report's mark, after the item's own figure, singles out the
        // items out of line here too.
        const bool outOfLine = beyondTolerance(deviationPct(columns_[i].own, columns_[i].observatory),
                                               DefaultTolerancePct);
        const double amounts[2] = {columns_[i].own, columns_[i].observatory};
        QBarSet *sets[2] = {own, observatory};
        for (int side = 0; side < 2; ++side) {
            const double length = onAxis(visibleLength(amounts[side], reach), scale);
            *sets[side] << length;
            // Each bar's middle, as the series lays the two out across the item.
            const qreal across = qreal(i) + series->barWidth() * ((side + 0.5) / 2 - 0.5);
            const QString mark = side == 0 && outOfLine ? QStringLiteral(" ") + OutOfLineMark : QString();
            figures.push_back(
                {QPointF(across, length), figureText(amounts[side]) + mark, towardsNegatives(amounts[side], scale)});
        }
    }
    series->append(own);
    series->append(observatory);
    series->setLabelsVisible(false);
    chart()->addSeries(series);

    items->setLabelsFont(sizedFont(font(), 7));
    items->setGridLineVisible(false);
    // Each label has the width of its item, more than the axis would cut it
    // to.
    items->setTruncateLabels(false);
    chart()->addAxis(items, Qt::AlignBottom);
    series->attachAxis(items);
    QCategoryAxis *amountsScale = amountsAxis(scale, sizedFont(font(), 7), false);
    chart()->addAxis(amountsScale, Qt::AlignLeft);
    series->attachAxis(amountsScale);
    figures_.show(series, figures, Qt::Vertical, true, sizedFont(font(), 6.5));
}

QMimeData *PairedChart::mimeData()
{
    auto *mime = new QMimeData;
    mime->setImageData(picture().toImage());
    mime->setText(QString::fromStdString(pairedChartDataText(columns_, decimalSeparator())));
    return mime;
}

}   // namespace rotavex
