#include "../report/report_fixture.h"
#include "results/results_report.h"

#include <QtTest>

using namespace rotavex;
using namespace rotavex::testing;

namespace {

const DateTime PrintedAt{2024, 3, 7, 9, 5, 3};
const QString Rule(87, '-');
const QStringList Heading = {"ROTAVEX 2018", "", "Resultado del cálculo de costes", Rule};

Report paper(bool fullService)
{
    return resultsPaperReport(calculatedWorkedExample(fullService), "100", "20", PrintedAt);
}

}   // namespace

class ResultsPaperReportTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data()
    {
        QTest::addColumn<bool>("fullService");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("lines");
        const QStringList full = {
            "Costes calculados para un servicio de:",
            "100 km con pasajeros, 20 km de posicionamiento, y 4 horas.",
            "en un vehículo de entre 36 y 55 plazas.",
            "",
            "Coste total del trayecto:   279#03 euros (100%)",
            "",
            "Costes por Km ( 21#2 %)",
            "-------------",
            "Coste de mantenimiento:  12#01 euros",
            "Coste del combustible:   43#2 euros",
            "Coste de neumáticos:     3#84 euros",
            "",
            "Costes por Hora ( 68#8 %)\"",
            "---------------",
            "Costes financieros:      17#54 euros",
            "Coste de seguros:        14#04 euros",
            "Coste de amortización:   55#24 euros",
            "Coste del conductor:     105#25 euros",
            "",
            "Costes generales:        27#9 euros      ( 10 %)",
            "",
            "Cálculo realizado el 07/03/2024 a las 09:05:03",
            Rule,
            "Tesmora. Belvarde",
            "Dizezirad de Valdoria",
            "\f",
            "\f",
        };
        const QStringList unit = {
            "Costes unitarios por vehículo:",
            "Costes calculados para un servicio de:",
            "100 km con pasajeros, 20 km de posicionamiento, y 4 horas.",
            "",
            "Costes por km:           0#49  euros",
            "Costes por hora:         48#02  euros",
            "Costes generales:        27#9  euros",
            "",
            "Costes totales del servicio:",
            "",
            "Costes/km:               0#49 euros x  120 km",
            "Costes/hora:             48#02 euros x  4  horas",
            "Costes generales:        27#9  euros",
            "                        ----------",
            "TOTAL:                   279#03  euros",
            "",
            "Cálculo realizado el 07/03/2024 a las 09:05:03",
            Rule,
            "Tesmora",
            "Dizezirad de Valdoria",
            "",
            "\f",
        };
        for (const QString separator : {",", "."}) {
            QTest::addRow("full service '%s'", qPrintable(separator)) << true << separator << full;
            QTest::addRow("unit costs '%s'", qPrintable(separator)) << false << separator << unit;
        }
    }
    void workedExample()
    {
        QFETCH(bool, fullService);
        QFETCH(QString, separator);
        QFETCH(QStringList, lines);
        QCOMPARE(renderedLines(paper(fullService), localeWith(separator)), Heading + withSeparator(lines, separator));
    }

    // Full service: text and footer, then the chart alone. Unit costs: one
    // document holding text, footer and chart.
    void documents_data()
    {
        QTest::addColumn<bool>("fullService");
        QTest::addColumn<int>("documents");
        QTest::newRow("full service") << true << 2;
        QTest::newRow("unit costs") << false << 1;
    }
    void documents()
    {
        QFETCH(bool, fullService);
        QFETCH(int, documents);
        const Report report = paper(fullService);
        QCOMPARE(countOf<EndDocument>(report), documents);
        QCOMPARE(countOf<ChartPicture>(report), 1);
        QVERIFY(std::holds_alternative<EndDocument>(report.items.back()));
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("font");
        QTest::newRow("title") << "ROTAVEX 2018"
                               << "14 bold underline";
        QTest::newRow("rule") << QString(87, '-') << "12 bold";
        QTest::newRow("body") << "Costes calculados para un servicio de:"
                              << "12";
        QTest::newRow("total") << "Coste total del trayecto: "
                               << "12 bold";
        QTest::newRow("items") << "Costes por Km ("
                               << "12";
        QTest::newRow("publisher") << "Tesmora. Belvarde"
                                   << "10 bold italic";
    }
    void fonts()
    {
        QFETCH(QString, text);
        QFETCH(QString, font);
        QCOMPARE(fontAt(paper(true), text.toStdString()), font);
    }

    void dateStamp_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QString>("line");
        QTest::newRow("Spain") << "dd/MM/yyyy"
                               << "H:mm:ss"
                               << "Cálculo realizado el 31/12/2023 a las 23:59:07";
        QTest::newRow("US") << "M/d/yy"
                            << "h:mm AP"
                            << "Cálculo realizado el 12/31/23 a las 11:59 PM";
    }
    void dateStamp()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QFETCH(QString, line);
        NumberLocale locale;
        locale.shortDateFormat = dateFormat.toStdString();
        locale.timeFormat = timeFormat.toStdString();
        const Report report = resultsPaperReport(Workspace{}, "", "", DateTime{2023, 12, 31, 23, 59, 7});
        QVERIFY(renderedLines(report, locale).contains(line));
    }
};

QTEST_GUILESS_MAIN(ResultsPaperReportTest)
#include "tst_results_paper_report.moc"
