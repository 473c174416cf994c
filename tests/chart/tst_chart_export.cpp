#include "chart/chart_export.h"

#include <QtTest>

#include <limits>

using namespace rotavex;

using Columns = std::vector<ChartColumn>;

class ChartExportTest : public QObject {
    Q_OBJECT
private slots:
    void eachForm_data();
    void eachForm();
};

void ChartExportTest::eachForm_data()
{
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("html");
    // 59.04 as the product of single-precision sums carries float noise.
    const Columns columns{{"Kilométricos", double(0.492f) * 120}, {"Generales", 1250}};
    QTest::newRow("comma locale") << columns << ","
                                  << "Kilométricos\t59,04\nGenerales\t1250\n"
                                  << "Kilométricos,\"59,04\"\r\nGenerales,1250\r\n"
                                  << "<table><tr><td>Kilométricos</td><td>59,04</td></tr>"
                                     "<tr><td>Generales</td><td>1250</td></tr></table>";
    QTest::newRow("point locale") << columns << "."
                                  << "Kilométricos\t59.04\nGenerales\t1250\n"
                                  << "Kilométricos,59.04\r\nGenerales,1250\r\n"
                                  << "<table><tr><td>Kilométricos</td><td>59.04</td></tr>"
                                     "<tr><td>Generales</td><td>1250</td></tr></table>";
    QTest::newRow("label with markup and quoting")
        << Columns{{"A&B <\"x\", y>", 0.5}} << ","
        << "A&B <\"x\", y>\t0,5\n"
        << "\"A&B <\"\"x\"\", y>\",\"0,5\"\r\n"
        << "<table><tr><td>A&amp;B &lt;&quot;x&quot;, y&gt;</td><td>0,5</td></tr></table>";
    QTest::newRow("seven figures and cents, as the report writes them")
        << Columns{{"Conductor", double(740740.75f)}} << ","
        << "Conductor\t740740,75\n"
        << "Conductor,\"740740,75\"\r\n"
        << "<table><tr><td>Conductor</td><td>740740,75</td></tr></table>";
    QTest::newRow("no value a number") << Columns{{"Total", std::numeric_limits<double>::infinity()}} << "."
                                       << "Total\tn/d\n"
                                       << "Total,n/d\r\n"
                                       << "<table><tr><td>Total</td><td>n/d</td></tr></table>";
    QTest::newRow("no columns") << Columns{} << ","
                                << ""
                                << ""
                                << "<table></table>";
}

void ChartExportTest::eachForm()
{
    QFETCH(Columns, columns);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(QString, csv);
    QFETCH(QString, html);
    QCOMPARE(QString::fromStdString(chartDataText(columns, separator.toStdString())), text);
    QCOMPARE(QString::fromStdString(chartDataCsv(columns, separator.toStdString())), csv);
    QCOMPARE(QString::fromStdString(chartDataHtml(columns, separator.toStdString())), html);
}

QTEST_GUILESS_MAIN(ChartExportTest)
#include "tst_chart_export.moc"
