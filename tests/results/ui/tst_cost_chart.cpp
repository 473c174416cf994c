#include "results/ui/cost_chart.h"

#include "fixtures/worked_example.h"
#include "regional/number_locale.h"
#include "results/chart_export.h"

#include <QAbstractAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QtTest>

using namespace rotavex;

using Columns = std::vector<ChartColumn>;

namespace {

QBarSeries *barsOf(CostChart &chart)
{
    const QList<QAbstractSeries *> series = chart.chart()->series();
    return series.size() == 1 ? qobject_cast<QBarSeries *>(series.first()) : nullptr;
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

QTEST_MAIN(CostChartTest)
#include "tst_cost_chart.moc"
