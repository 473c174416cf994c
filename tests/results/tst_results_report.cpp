#include "../report/report_fixture.h"
#include "model/bus_classes.h"
#include "results/results_report.h"

#include <QtTest>

using namespace rotavex;
using namespace rotavex::testing;

namespace {

const QString Rule = QString(8, ' ') + QString(88, '-');
const QStringList Head = {"", "        ROTAVEX 2018", "", "        Resultado del cálculo de costes", Rule};

QStringList screenLines(const Workspace &ws, const NumberLocale &locale)
{
    return renderedLines(resultsScreenReport(ws, "100", "20"), locale);
}

}   // namespace

class ResultsReportTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data()
    {
        QTest::addColumn<bool>("fullService");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("body");
        const QStringList full = {
            "        Costes calculados para un servicio de:",
            "        100 km con pasajeros, 20 km de posicionamiento, y 4 horas,",
            "        en un vehículo de entre 36 y 55 plazas.",
            "",
            "      Coste total del trayecto:   279#03 euros   (100%)",
            "",
            "            Costes por Km ( 21#2 %)",
            "            -------------",
            "            Coste de mantenimiento:   12#01 euros",
            "            Coste del combustible:   43#2 euros",
            "            Coste de neumáticos:  3#84 euros",
            "",
            "            Costes por Hora ( 68#8 %)",
            "            ---------------",
            "            Costes financieros:   17#54 euros",
            "            Coste de seguros:     14#04 euros",
            "            Coste de amortización:   55#24 euros",
            "            Coste del conductor:  105#25 euros",
            "",
            "            Costes generales: ( 10 %)  27#9 euros",
            "",
            Rule,
        };
        const QStringList unit = {
            "          Costes unitarios por vehículo",
            "          calculados para un servicio de:",
            "          100 km con pasajeros, 20 km de posicionamiento, y 4 horas,",
            "          en un vehículo de entre 36 y 55 plazas.",
            "",
            "            Costes por km:    0#49  euros",
            "            Costes por hora:  48#02  euros",
            "            Costes generales:   27#9  euros",
            "",
            "            Costes totales del servicio:",
            "",
            "            Costes/km:        0#49 euros x  120 km",
            "            Costes/hora:      48#02 euros x  4  horas",
            "            Costes generales:   27#9  euros",
            "                             ----------",
            "            TOTAL:            279#03  euros",
            "",
            Rule,
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
        QFETCH(QStringList, body);
        QCOMPARE(screenLines(calculatedWorkedExample(fullService), localeWith(separator)),
                 Head + withSeparator(body, separator));
    }

    void onlyTheTotalLineIsBold()
    {
        const Report report = resultsScreenReport(calculatedWorkedExample(true), "100", "20");
        QCOMPARE(fontAt(report, "      Coste total del trayecto: "), "0 bold");
        QCOMPARE(fontAt(report, "(100%)"), "0 bold");
        QCOMPARE(fontAt(report, "            Costes por Km ("), "0");
        QCOMPARE(countOf<BoldItem>(report), 2);
    }

    void busClassPhrase_data()
    {
        QTest::addColumn<int>("busClass");
        QTest::addColumn<QString>("line");
        QTest::newRow("1") << 1 << "en un vehículo de menos de 22 plazas.";
        QTest::newRow("2") << 2 << "en un vehículo de entre 22 y 35 plazas.";
        QTest::newRow("4") << 4 << "en un vehículo de más de 55 plazas.";
        QTest::newRow("none") << 0 << "en un vehículo de ";
        QTest::newRow("5") << 5 << "en un vehículo de ";
    }
    void busClassPhrase()
    {
        QFETCH(int, busClass);
        QFETCH(QString, line);
        Workspace ws = calculatedWorkedExample(true);
        ws.BusClass = int16_t(busClass);
        QCOMPARE(screenLines(ws, {}).at(7), "        " + line);
        ws.ServiceMode = false;
        QCOMPARE(screenLines(ws, {}).at(8), "          " + line);
    }

    // The group shares are rounded once, after the sum: rounding each share
    // first would give 35.
    void percentageGroups()
    {
        Workspace ws;
        ws.ServiceMode = true;
        ws.FuelPct = 20.04f;
        ws.MaintenancePct = 10.04f;
        ws.TyresPct = 5.04f;
        ws.DriverPct = 30.04f;
        ws.AmortisationPct = 0.04f;
        const QStringList lines = screenLines(ws, localeWith(","));
        QCOMPARE(lines.at(11), "            Costes por Km ( 35,1 %)");
        QCOMPARE(lines.at(17), "            Costes por Hora ( 30,1 %)");
    }

    // TotalKm is a whole number: it never takes the exponent of a
    // single-precision item.
    void unitCostKilometres_data()
    {
        QTest::addColumn<int>("totalKm");
        QTest::addColumn<QString>("line");
        QTest::newRow("none") << 0 << "            Costes/km:        0,49 euros x  0 km";
        QTest::newRow("nine digits") << 123456789 << "            Costes/km:        0,49 euros x  123456789 km";
    }
    void unitCostKilometres()
    {
        QFETCH(int, totalKm);
        QFETCH(QString, line);
        Workspace ws = calculatedWorkedExample(false);
        ws.TotalKm = totalKm;
        QCOMPARE(screenLines(ws, localeWith(",")).at(16), line);
    }

    void chartData_data()
    {
        QTest::addColumn<bool>("fullService");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("full service") << true
                                      << QStringList{"Mantenimiento", "Combustible",  "Neumáticos", "Financieros",
                                                     "Seguros",       "Amortización", "Conductor",  "Generales"}
                                      << QList<double>{12.01, 43.2, 3.84, 17.54, 14.04, 55.24, 105.25, 27.9};
        // 0.492 x 120 and 48.0211 x 4, from the unrounded sums.
        QTest::newRow("unit costs") << false << QStringList{"Kilométricos", "Horarios", "Generales"}
                                    << QList<double>{59.04, 192.084, 27.9};
    }
    void chartData()
    {
        QFETCH(bool, fullService);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, values);
        const std::vector<ChartColumn> columns = rotavex::chartData(calculatedWorkedExample(fullService));
        QCOMPARE(int(columns.size()), labels.size());
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(QString::fromStdString(columns[i].label), labels[i]);
            QVERIFY2(qAbs(columns[i].value - values[i]) < 0.006, qPrintable(QString::number(columns[i].value)));
        }
    }
};

QTEST_GUILESS_MAIN(ResultsReportTest)
#include "tst_results_report.moc"
