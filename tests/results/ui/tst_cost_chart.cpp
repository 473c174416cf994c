#include "results/ui/cost_chart.h"

#include "chart/chart_export.h"
#include "fixtures/worked_example.h"
#include "report/ui/number_locale.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMimeData>
#include <QPieSeries>
#include <QPieSlice>
#include <QPointer>
#include <QTextDocument>
#include <QValueAxis>
#include <QtTest>

using namespace rotavex;

using Columns = std::vector<ChartColumn>;

namespace {

QBarSeries *barsOf(CostChart &chart)
{
    const QList<QAbstractSeries *> series = chart.chart()->series();
    return series.size() == 1 ? qobject_cast<QBarSeries *>(series.first()) : nullptr;
}

QAbstractSeries *onlySeries(CostChart &chart)
{
    const QList<QAbstractSeries *> series = chart.chart()->series();
    return series.size() == 1 ? series.first() : nullptr;
}

// The amounts written on the plot beside the bars or points, or on the
// slices of the pie, in the order the items are read: along the bars or
// points (left to right, or top to bottom where the bars lie down), or
// round the pie.
QStringList figuresOf(CostChart &chart)
{
    chart.resize(chart.sizeHint());
    chart.picture();
    QStringList figures;
    if (auto *pie = qobject_cast<QPieSeries *>(onlySeries(chart))) {
        for (QPieSlice *slice : pie->slices())
            if (slice->isLabelVisible())
                figures << slice->label();
        return figures;
    }
    const bool lyingDown = qobject_cast<QHorizontalBarSeries *>(onlySeries(chart));
    const QRectF plot = chart.chart()->plotArea();
    QList<std::pair<qreal, QString>> placed;
    for (QGraphicsItem *item : chart.scene()->items()) {
        const QPointF centre = item->sceneBoundingRect().center();
        if (!item->isVisible() || !plot.contains(centre))
            continue;
        QString text;
        if (auto *rich = dynamic_cast<QGraphicsTextItem *>(item))
            text = rich->toPlainText();
        else if (auto *simple = dynamic_cast<QGraphicsSimpleTextItem *>(item))
            text = simple->text();
        if (!text.isEmpty())
            placed << std::pair{lyingDown ? centre.y() : centre.x(), text};
    }
    std::sort(placed.begin(), placed.end());
    for (const auto &figure : placed)
        figures << figure.second;
    return figures;
}

// What the chart shows of each item, whatever its shape: the item's name (in
// the legend, from the top, or under its point) and its amount.
struct Shown {
    QStringList labels;
    QStringList figures;
};

// A name as the legend shows it, on one line.
QString asRead(const QString &legendLabel)
{
    QTextDocument document;
    document.setHtml(legendLabel);
    return document.toPlainText().simplified();
}

Shown shownBy(CostChart &chart)
{
    Shown shown;
    QAbstractSeries *series = onlySeries(chart);
    if (qobject_cast<QAbstractBarSeries *>(series) || qobject_cast<QPieSeries *>(series)) {
        for (QLegendMarker *marker : chart.chart()->legend()->markers(series))
            shown.labels << asRead(marker->label());
        if (chart.chart()->legend()->reverseMarkers())
            std::reverse(shown.labels.begin(), shown.labels.end());
    } else if (auto *line = qobject_cast<QLineSeries *>(series)) {
        for (QAbstractAxis *axis : line->attachedAxes())
            if (auto *items = qobject_cast<QBarCategoryAxis *>(axis))
                shown.labels = items->categories();
    }
    shown.figures = figuresOf(chart);
    return shown;
}

// The texts drawn beside the plot area on the side of the amounts' axis.
QStringList amountTicks(CostChart &chart, Qt::Alignment side)
{
    chart.resize(chart.sizeHint());
    chart.picture();
    const QRectF plot = chart.chart()->plotArea();
    QList<std::pair<qreal, QString>> ticks;
    for (QGraphicsItem *item : chart.scene()->items()) {
        auto *text = dynamic_cast<QGraphicsTextItem *>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty())
            continue;
        const QPointF centre = text->sceneBoundingRect().center();
        if (side == Qt::AlignLeft && centre.x() < plot.left() && centre.y() > plot.top() - 8
            && centre.y() < plot.bottom() + 8)
            ticks << std::pair{-centre.y(), text->toPlainText()};
        if (side == Qt::AlignBottom && centre.y() > plot.bottom() && centre.x() > plot.left() - 20
            && centre.x() < plot.right() + 20)
            ticks << std::pair{centre.x(), text->toPlainText()};
    }
    std::sort(ticks.begin(), ticks.end());
    QStringList texts;
    for (const auto &tick : ticks)
        texts << tick.second;
    return texts;
}

QString shapeName(ChartShape shape)
{
    switch (shape) {
    case ChartShape::VerticalBars: return QStringLiteral("Barras verticales");
    case ChartShape::HorizontalBars: return QStringLiteral("Barras horizontales");
    case ChartShape::Pie: return QStringLiteral("Circular");
    case ChartShape::Lines: return QStringLiteral("Líneas");
    }
    return {};
}

Columns columnsOf(const QList<double> &values)
{
    Columns columns;
    for (double value : values)
        columns.push_back({"Partida " + std::to_string(columns.size() + 1), value});
    return columns;
}

// An amount as the user reads it: with the decimal separator of the locale.
QString localised(QString text)
{
    return text.replace('.', QString::fromStdString(systemNumberLocale().decimalSeparator));
}

QValueAxis *amountsAxis(CostChart &chart)
{
    for (QAbstractAxis *axis : chart.chart()->axes())
        if (auto *amounts = qobject_cast<QValueAxis *>(axis))
            return amounts;
    return nullptr;
}

// Where the chart shows a colour inside its plot area: how many pixels, and
// the box round them, in the chart's own coordinates.
struct Paint {
    int pixels = 0;
    QRectF box;
};

Paint paintOf(CostChart &chart, const QColor &colour)
{
    const QImage image = chart.picture().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect plot = QRectF(chart.chart()->plotArea().topLeft() * ratio, chart.chart()->plotArea().size() * ratio)
                           .toAlignedRect()
                           .intersected(image.rect());
    Paint paint;
    QRect box;
    for (int y = plot.top(); y <= plot.bottom(); ++y)
        for (int x = plot.left(); x <= plot.right(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                ++paint.pixels;
                box |= QRect(x, y, 1, 1);
            }
    paint.box = QRectF(QPointF(box.topLeft()) / ratio, QSizeF(box.size()) / ratio);
    return paint;
}

QAction *menuEntry(CostChart &chart, const QString &text)
{
    for (QAction *action : chart.menu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

}   // namespace

class CostChartTest : public QObject {
    Q_OBJECT
private slots:
    void oneLabelledColumnPerItem_data();
    void oneLabelledColumnPerItem();
    void copyPutsPictureAndData();
    void newDataFreesTheOldAxes_data();
    void newDataFreesTheOldAxes();
    void eachShapeShowsTheSameItems_data();
    void eachShapeShowsTheSameItems();
    void shapeSurvivesNewData();
    void legendAndValuesCanBeHidden_data();
    void legendAndValuesCanBeHidden();
    void menuChangesTheChart();
    void newShapeFreesTheOldSeriesAndAxes();
    void amountTicksReadDistinctly_data();
    void amountTicksReadDistinctly();
    void everyAmountIsDrawn_data();
    void everyAmountIsDrawn();
    void pieTellsWhatItCannotDraw_data();
    void pieTellsWhatItCannotDraw();
    void amountTicksReadInFull_data();
    void amountTicksReadInFull();
    void figuresAreTheReportsAmounts_data();
    void figuresAreTheReportsAmounts();
    void screenReadersHearTheFigures();
};

void CostChartTest::oneLabelledColumnPerItem_data()
{
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("full service") << chartData(rotavex::fixtures::calculatedWorkedExample(true))
                                  << QStringList{"Mantenimiento", "Combustible",  "Neumáticos", "Financieros",
                                                 "Seguros",       "Amortización", "Conductor",  "Generales"};
    QTest::newRow("unit costs") << chartData(rotavex::fixtures::calculatedWorkedExample(false))
                                << QStringList{"Kilométricos", "Horarios", "Generales"};
}

void CostChartTest::oneLabelledColumnPerItem()
{
    QFETCH(Columns, columns);
    QFETCH(QStringList, labels);

    CostChart chart;
    chart.setData(
        chartData(rotavex::fixtures::calculatedWorkedExample(columns.size() == 3)));   // the other layout first
    chart.setData(columns);
    chart.redraw();
    QCOMPARE(chart.chart()->axes().size(), 2);
    QBarSeries *bars = barsOf(chart);
    QVERIFY(bars);
    QCOMPARE(bars->count(), labels.size());
    for (int i = 0; i < labels.size(); ++i) {
        QBarSet *set = bars->barSets().at(i);
        QCOMPARE(set->label(), labels.at(i));
        QCOMPARE(set->count(), 1);   // one row
        QVERIFY(qAbs(set->at(0) - columns[std::size_t(i)].value) < 0.005);
        if (i > 0)
            QVERIFY(set->color() != bars->barSets().at(i - 1)->color());
    }
    // The single row carries no label.
    for (QAbstractAxis *axis : chart.chart()->axes(Qt::Horizontal))
        QVERIFY(!axis->labelsVisible());
    QCOMPARE(chart.picture().size(), chart.sizeHint());

    QCOMPARE(chart.chart()->title(), QStringLiteral("Distribución de costes"));
    QVERIFY(chart.chart()->titleFont().underline());
    QCOMPARE(chart.chart()->titleBrush().color(), QColor(0, 0, 255));

    // The view shows the hint of the item under the mouse: the chart's.
    chart.setToolTip(QStringLiteral("Recuerde"));
    QCOMPARE(chart.chart()->toolTip(), QStringLiteral("Recuerde"));
}

void CostChartTest::copyPutsPictureAndData()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("texto anterior"));
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(true)));
    chart.copyToClipboard();

    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasImage());
    const QImage picture = qvariant_cast<QImage>(mime->imageData());
    QCOMPARE(picture.size(), chart.size());
    const std::string separator = systemNumberLocale().decimalSeparator;
    QCOMPARE(mime->text(), QString::fromStdString(chartDataText(chart.data(), separator)));
    QCOMPARE(mime->data(QStringLiteral("text/csv")).toStdString(), chartDataCsv(chart.data(), separator));
    QVERIFY(mime->hasHtml());
    QCOMPARE(mime->html(), QString::fromStdString(chartDataHtml(chart.data(), separator)));
    QCOMPARE(mime->html().count(QStringLiteral("<tr>")), 8);
}

void CostChartTest::newDataFreesTheOldAxes_data()
{
    QTest::addColumn<bool>("fullService");
    QTest::addColumn<Columns>("next");
    QTest::newRow("same layout again") << true << chartData(rotavex::fixtures::calculatedWorkedExample(true));
    QTest::newRow("other layout") << true << chartData(rotavex::fixtures::calculatedWorkedExample(false));
    QTest::newRow("no columns") << false << Columns{};
}

// The results window sets the data on every activation: nothing of the
// chart before may outlive it.
void CostChartTest::newDataFreesTheOldAxes()
{
    QFETCH(bool, fullService);
    QFETCH(Columns, next);
    CostChart chart;
    const Columns first = chartData(rotavex::fixtures::calculatedWorkedExample(fullService));
    for (int activation = 0; activation < 50; ++activation) {
        chart.setData(first);
        QCOMPARE(chart.chart()->axes().size(), 2);
        QList<QPointer<QAbstractAxis>> old;
        for (QAbstractAxis *axis : chart.chart()->axes())
            old << axis;
        chart.setData(next);
        QCOMPARE(chart.chart()->axes().size(), next.empty() ? 0 : 2);
        for (const QPointer<QAbstractAxis> &axis : old)
            QVERIFY(axis.isNull());
    }
}

void CostChartTest::eachShapeShowsTheSameItems_data()
{
    QTest::addColumn<ChartShape>("shape");
    QTest::addColumn<QAbstractSeries::SeriesType>("type");
    QTest::newRow("vertical bars") << ChartShape::VerticalBars << QAbstractSeries::SeriesTypeBar;
    QTest::newRow("horizontal bars") << ChartShape::HorizontalBars << QAbstractSeries::SeriesTypeHorizontalBar;
    QTest::newRow("pie") << ChartShape::Pie << QAbstractSeries::SeriesTypePie;
    QTest::newRow("lines") << ChartShape::Lines << QAbstractSeries::SeriesTypeLine;
}

void CostChartTest::eachShapeShowsTheSameItems()
{
    QFETCH(ChartShape, shape);
    QFETCH(QAbstractSeries::SeriesType, type);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(true)));
    const Shown bars = shownBy(chart);
    QCOMPARE(bars.labels.size(), 8);
    QGuiApplication::clipboard()->clear();
    chart.copyToClipboard();
    QGuiApplication::clipboard()->clear();
    chart.copyToClipboard();
    const QImage barsPicture = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());

    chart.setStyle({shape, true, true});
    QAbstractSeries *series = onlySeries(chart);
    QVERIFY(series);
    QCOMPARE(series->type(), type);
    const Shown shown = shownBy(chart);
    QCOMPARE(shown.labels, bars.labels);
    QCOMPARE(shown.figures, bars.figures);
    QCOMPARE(shown.figures.size(), 8);
    QVERIFY(chart.chart()->legend()->isVisible());

    // What is copied (and so printed) is the chart in its new shape.
    QGuiApplication::clipboard()->clear();
    chart.copyToClipboard();
    const QImage picture = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    QCOMPARE(picture.size(), chart.size());
    QCOMPARE(picture == barsPicture, shape == ChartShape::VerticalBars);
}

// The results window sets the data on every activation: the shape chosen
// before stays.
void CostChartTest::shapeSurvivesNewData()
{
    CostChart chart;
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(true)));
    chart.setStyle({ChartShape::Pie, false, true});
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(false)));
    QVERIFY(qobject_cast<QPieSeries *>(onlySeries(chart)));
    QCOMPARE(shownBy(chart).labels, (QStringList{"Kilométricos", "Horarios", "Generales"}));
    QVERIFY(!chart.chart()->legend()->isVisible());
    QVERIFY(menuEntry(chart, QStringLiteral("Circular"))->isChecked());
    QVERIFY(!menuEntry(chart, QStringLiteral("Barras verticales"))->isChecked());
    QVERIFY(!menuEntry(chart, QStringLiteral("Mostrar leyenda"))->isChecked());
}

void CostChartTest::legendAndValuesCanBeHidden_data()
{
    QTest::addColumn<ChartShape>("shape");
    for (ChartShape shape : {ChartShape::VerticalBars, ChartShape::HorizontalBars, ChartShape::Pie, ChartShape::Lines})
        QTest::newRow(qPrintable(shapeName(shape))) << shape;
}

void CostChartTest::legendAndValuesCanBeHidden()
{
    QFETCH(ChartShape, shape);
    CostChart chart;
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(true)));
    for (const bool legend : {false, true})
        for (const bool values : {false, true}) {
            chart.setStyle({shape, legend, values});
            QCOMPARE(chart.chart()->legend()->isVisible(), legend);
            QCOMPARE(!shownBy(chart).figures.isEmpty(), values);
        }
}

void CostChartTest::menuChangesTheChart()
{
    CostChart chart;
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(true)));
    QStringList entries;
    for (QAction *action : chart.menu()->actions())
        if (!action->isSeparator())
            entries << action->text();
    QCOMPARE(entries, (QStringList{"Barras verticales", "Barras horizontales", "Circular", "Líneas", "Mostrar leyenda",
                                   "Mostrar valores"}));
    for (QAction *action : chart.menu()->actions())
        QCOMPARE(action->isChecked(), !action->isSeparator() && action->text() != "Barras horizontales"
                                          && action->text() != "Circular" && action->text() != "Líneas");

    const std::pair<ChartShape, QAbstractSeries::SeriesType> shapes[] = {
        {ChartShape::Lines, QAbstractSeries::SeriesTypeLine},
        {ChartShape::Pie, QAbstractSeries::SeriesTypePie},
        {ChartShape::HorizontalBars, QAbstractSeries::SeriesTypeHorizontalBar},
        {ChartShape::VerticalBars, QAbstractSeries::SeriesTypeBar},
    };
    for (const auto &[shape, type] : shapes) {
        QAction *entry = menuEntry(chart, shapeName(shape));
        entry->trigger();
        QCOMPARE(chart.style().shape, shape);
        QCOMPARE(onlySeries(chart)->type(), type);
        // One shape at a time.
        for (ChartShape other :
             {ChartShape::VerticalBars, ChartShape::HorizontalBars, ChartShape::Pie, ChartShape::Lines})
            QCOMPARE(menuEntry(chart, shapeName(other))->isChecked(), other == shape);
    }

    menuEntry(chart, QStringLiteral("Mostrar leyenda"))->trigger();
    QVERIFY(!chart.chart()->legend()->isVisible());
    menuEntry(chart, QStringLiteral("Mostrar valores"))->trigger();
    QVERIFY(shownBy(chart).figures.isEmpty());
    menuEntry(chart, QStringLiteral("Mostrar leyenda"))->trigger();
    QVERIFY(chart.chart()->legend()->isVisible());
    QVERIFY(shownBy(chart).figures.isEmpty());
    QVERIFY(!chart.style().values);
}

// Nothing of one shape may outlive the change to the next.
void CostChartTest::newShapeFreesTheOldSeriesAndAxes()
{
    CostChart chart;
    chart.setData(chartData(rotavex::fixtures::calculatedWorkedExample(true)));
    for (int round = 0; round < 10; ++round)
        for (ChartShape shape :
             {ChartShape::HorizontalBars, ChartShape::Pie, ChartShape::Lines, ChartShape::VerticalBars}) {
            QList<QPointer<QObject>> old;
            for (QAbstractAxis *axis : chart.chart()->axes())
                old << axis;
            for (QAbstractSeries *series : chart.chart()->series())
                old << series;
            chart.setStyle({shape, true, true});
            QCOMPARE(chart.chart()->series().size(), 1);
            QCOMPARE(chart.chart()->axes().size(), shape == ChartShape::Pie ? 0 : 2);
            for (const QPointer<QObject> &object : old)
                QVERIFY(object.isNull());
        }
}

void CostChartTest::amountTicksReadDistinctly_data()
{
    QTest::addColumn<ChartShape>("shape");
    QTest::addColumn<QList<double>>("values");
    const QList<std::pair<const char *, QList<double>>> amounts = {
        {"below one", {0.12, 0.3, 0.05}},
        {"hundredths", {0.012, 0.03, 0.005}},
        {"large", {250000, 1200000, 980000}},
    };
    for (ChartShape shape : {ChartShape::VerticalBars, ChartShape::HorizontalBars, ChartShape::Lines})
        for (const auto &[name, values] : amounts)
            QTest::newRow(qPrintable(shapeName(shape) + ", " + name)) << shape << values;
}

void CostChartTest::amountTicksReadDistinctly()
{
    QFETCH(ChartShape, shape);
    QFETCH(QList<double>, values);
    CostChart chart;
    chart.setStyle({shape, true, false});
    chart.setData(columnsOf(values));
    const QStringList ticks = amountTicks(chart, shape == ChartShape::HorizontalBars ? Qt::AlignBottom : Qt::AlignLeft);
    QVERIFY2(ticks.size() >= 3, qPrintable(ticks.join(" | ")));
    for (qsizetype i = 1; i < ticks.size(); ++i)
        QVERIFY2(ticks.at(i) != ticks.at(i - 1), qPrintable(ticks.join(" | ")));
}

void CostChartTest::everyAmountIsDrawn_data()
{
    QTest::addColumn<ChartShape>("shape");
    QTest::addColumn<QList<double>>("values");
    const QList<std::pair<const char *, QList<double>>> amounts = {
        {"negative amortisation", {812.4, 2300.5, 120.25, 300, 150, -1800.75, 5200, 3703.7}},
        {"every amount a hundredth of a cent", {1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4}},
        {"a hundredth of a cent beside large amounts", {740740.75, 1e-4, 5200, -0.003}},
        {"every amount negative", {-10, -20.5, -0.5}},
        {"huge", {1e30, 5e29, 2.5e29}},
    };
    for (ChartShape shape : {ChartShape::VerticalBars, ChartShape::HorizontalBars, ChartShape::Lines})
        for (const auto &[name, values] : amounts)
            QTest::newRow(qPrintable(shapeName(shape) + ", " + name)) << shape << values;
}

// Every amount that is not nought can be seen, on its own side of nought.
void CostChartTest::everyAmountIsDrawn()
{
    QFETCH(ChartShape, shape);
    QFETCH(QList<double>, values);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setStyle({shape, true, true});
    chart.setData(columnsOf(values));
    chart.picture();

    QValueAxis *amounts = amountsAxis(chart);
    QVERIFY(amounts);
    const double lowest = std::min(0.0, *std::min_element(values.begin(), values.end()));
    const double highest = std::max(0.0, *std::max_element(values.begin(), values.end()));
    QVERIFY2(amounts->min() <= lowest && amounts->max() >= highest,
             qPrintable(QString("%1 to %2").arg(amounts->min()).arg(amounts->max())));

    QAbstractSeries *series = onlySeries(chart);
    const QPointF nought = chart.chart()->mapToPosition(QPointF(0, 0), series);
    const QRectF plot = chart.chart()->plotArea().adjusted(-1, -1, 1, 1);
    if (auto *line = qobject_cast<QLineSeries *>(series)) {
        QCOMPARE(line->count(), values.size());
        for (qsizetype i = 0; i < values.size(); ++i) {
            QCOMPARE(line->at(int(i)).y(), values.at(i));
            QVERIFY(plot.contains(chart.chart()->mapToPosition(line->at(int(i)), series)));
        }
        return;
    }
    const QList<QBarSet *> sets = qobject_cast<QAbstractBarSeries *>(series)->barSets();
    QCOMPARE(sets.size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const auto set = std::find_if(sets.begin(), sets.end(), [i](QBarSet *set) {
            return set->label() == QStringLiteral("Partida %1").arg(i + 1);
        });
        QVERIFY(set != sets.end());
        const Paint bar = paintOf(chart, (*set)->color());
        QVERIFY2(bar.pixels >= 10, qPrintable(QString("item %1: %2 pixels").arg(i + 1).arg(bar.pixels)));
        if (values.at(i) < 0 && shape == ChartShape::VerticalBars)
            QVERIFY(bar.box.top() >= nought.y() - 1);
        if (values.at(i) < 0 && shape == ChartShape::HorizontalBars)
            QVERIFY(bar.box.right() <= nought.x() + 1);
    }
}

void CostChartTest::pieTellsWhatItCannotDraw_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QStringList>("legend");
    QTest::newRow("negative amortisation")
        << QList<double>{812.4, -1800.75, 5200}
        << QStringList{"Partida 1", "Partida 2 (negativo, no se dibuja)", "Partida 3"};
    QTest::newRow("a hundredth of a cent beside large amounts")
        << QList<double>{740740.75, 1e-4, 5200} << QStringList{"Partida 1", "Partida 2", "Partida 3"};
}

// A slice cannot show a negative amount: the legend says so; every positive
// amount has a slice that can be seen.
void CostChartTest::pieTellsWhatItCannotDraw()
{
    QFETCH(QList<double>, values);
    QFETCH(QStringList, legend);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setStyle({ChartShape::Pie, true, true});
    chart.setData(columnsOf(values));
    QCOMPARE(shownBy(chart).labels, legend);
    const QList<QPieSlice *> slices = qobject_cast<QPieSeries *>(onlySeries(chart))->slices();
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int pixels = paintOf(chart, slices.at(i)->color()).pixels;
        if (values.at(i) < 0)
            QCOMPARE(pixels, 0);
        else
            QVERIFY2(pixels >= 10, qPrintable(QString("item %1: %2 pixels").arg(i + 1).arg(pixels)));
    }
}

void CostChartTest::amountTicksReadInFull_data()
{
    QTest::addColumn<ChartShape>("shape");
    QTest::addColumn<QList<double>>("values");
    const QList<std::pair<const char *, QList<double>>> amounts = {
        {"huge", {1e30, 5e29, 2.5e29}},
        {"hundredths of a cent", {1e-4, 3e-4, 2e-4}},
        {"below a thousand millionth", {1e-10, 3e-10, 2e-10}},
        {"near the least a single-precision amount holds", {1e-38, 3e-38, 2e-38}},
        {"negative amortisation", {5200, -1800.75, 300}},
        {"all nought", {0, 0, 0}},
    };
    for (ChartShape shape : {ChartShape::VerticalBars, ChartShape::HorizontalBars, ChartShape::Lines})
        for (const auto &[name, values] : amounts)
            QTest::newRow(qPrintable(shapeName(shape) + ", " + name)) << shape << values;
}

// Each tick is written in full, as a number of the user's locale, and the
// ticks run from below the lowest amount to above the highest.
void CostChartTest::amountTicksReadInFull()
{
    QFETCH(ChartShape, shape);
    QFETCH(QList<double>, values);
    CostChart chart;
    chart.setStyle({shape, true, true});
    chart.setData(columnsOf(values));
    const QStringList ticks = amountTicks(chart, shape == ChartShape::HorizontalBars ? Qt::AlignBottom : Qt::AlignLeft);
    QVERIFY2(ticks.size() >= 3, qPrintable(ticks.join(" | ")));
    QList<double> read;
    for (const QString &tick : ticks) {
        bool number = false;
        read << QLocale::system().toDouble(tick, &number);
        QVERIFY2(number, qPrintable(ticks.join(" | ")));
    }
    for (qsizetype i = 1; i < read.size(); ++i)
        QVERIFY2(read.at(i) > read.at(i - 1), qPrintable(ticks.join(" | ")));
    QVERIFY2(read.first() <= std::min(0.0, *std::min_element(values.begin(), values.end())),
             qPrintable(ticks.join(" | ")));
    QVERIFY2(read.last() >= *std::max_element(values.begin(), values.end()), qPrintable(ticks.join(" | ")));
}

void CostChartTest::figuresAreTheReportsAmounts_data()
{
    QTest::addColumn<ChartShape>("shape");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QStringList>("figures");
    const QList<std::tuple<const char *, QList<double>, QStringList>> amounts = {
        {"cents", {740740.75, 12.5, 1250}, {"740740.75", "12.5", "1250"}},
        {"half a cent goes to the even cent", {0.125, 0.375, 2}, {"0.12", "0.38", "2"}},
        {"huge", {1e30, 2.5e29, 5e29}, {"1E+30", "2.5E+29", "5E+29"}},
    };
    for (ChartShape shape : {ChartShape::VerticalBars, ChartShape::HorizontalBars, ChartShape::Pie, ChartShape::Lines})
        for (const auto &[name, values, figures] : amounts)
            QTest::newRow(qPrintable(shapeName(shape) + ", " + name)) << shape << values << figures;
    QTest::newRow(qPrintable(shapeName(ChartShape::VerticalBars) + ", a negative amount"))
        << ChartShape::VerticalBars << QList<double>{-1800.75, 5200} << QStringList{"-1800.75", "5200"};
}

// The figures written on the chart are the amounts as the results report
// shows them: in euros and cents.
void CostChartTest::figuresAreTheReportsAmounts()
{
    QFETCH(ChartShape, shape);
    QFETCH(QList<double>, values);
    QFETCH(QStringList, figures);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setStyle({shape, true, true});
    chart.setData(columnsOf(values));
    QStringList expected;
    for (const QString &figure : figures)
        expected << localised(figure);
    QCOMPARE(figuresOf(chart), expected);
}

void CostChartTest::screenReadersHearTheFigures()
{
    CostChart chart;
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&chart);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Distribución de costes"));

    chart.setData({{"Mantenimiento", 740740.75}, {"Amortización", -1800.75}, {"Generales", 0.125}});
    QCOMPARE(reader->text(QAccessible::Description),
             localised("Mantenimiento: 740740.75 euros; Amortización: -1800.75 euros; Generales: 0.12 euros"));
    chart.setData({{"Kilométricos", 1e30}, {"Horarios", 0}});
    QCOMPARE(reader->text(QAccessible::Description), localised("Kilométricos: 1E+30 euros; Horarios: 0 euros"));
    chart.setData({});
    QVERIFY(chart.accessibleDescription().isEmpty());
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Distribución de costes"));
}

QTEST_MAIN(CostChartTest)
#include "tst_cost_chart.moc"
