// "Prueba 2025", a set that differs from the built-in one in every quantity
// of every class, against figures worked out by hand.
#include "comparison/comparison_report.h"
#include "observatory/observatory_tables.h"
#include "reference/reference_file.h"
#include "reference/reference_values.h"
#include "report/number_format.h"
#include "report/plain_text.h"
#include "results/results_report.h"

#include "fixtures/file_contents.h"
#include "fixtures/worked_example.h"

#include <QtTest>

using namespace rotavex;

namespace {

const QString TestSetPath = ROTAVEX_SOURCE_DIR "/tests/fixtures/reference/prueba-2025.csv";
const NumberLocale Spanish{",", "dd/MM/yyyy", "HH:mm:ss"};

std::shared_ptr<const ReferenceSet> testSet()
{
    ReferenceFileReading read = loadReferenceFile(TestSetPath.toStdString());
    if (!read.set)
        qFatal("%s", read.refusal.c_str());
    return std::make_shared<const ReferenceSet>(*read.set);
}

// The worked example's service, of the given class, on the given set.
CalculatedResults priced(int busClass, const ObservatorySwitches &switches, std::shared_ptr<const ReferenceSet> set)
{
    Workspace ws;
    ws.BusClass = static_cast<int16_t>(busClass);
    ws.ServiceMode = true;
    ws.switches = switches;
    ws.reference = std::move(set);
    if (Calculate(ws, fixtures::workedExampleTexts()))
        qFatal("the worked example should price");
    return {ws, fixtures::workedExampleTexts()};
}

QString text(const Report &report) { return QString::fromStdString(renderPlainText(report, Spanish)); }

}   // namespace

class ReferenceFileTest : public QObject {
    Q_OBJECT
private slots:
    // 100 + 20 km in 4 hours, every group on the set: class 1 has 0.63333 ×
    // 1800 = 1140 effective hours, a driver at 36000 ÷ 1140 = 31.5789 an
    // hour, amortisation (100000 − 3000) × 0.8 ÷ 8 ÷ 1140 = 8.5088,
    // financing 97000 × 4 % × 6 ÷ 8 ÷ 1140 = 2.5526; 226.16 direct and 10 %
    // general costs give 251.29.
    void switchedGroupsPriceOnTheSet_data()
    {
        QTest::addColumn<int>("busClass");
        QTest::addColumn<double>("driverPerHour");
        QTest::addColumn<double>("financingPerHour");
        QTest::addColumn<double>("serviceTotal");
        QTest::newRow("clase 1") << 1 << 31.5789 << 2.5526 << 251.29;
        QTest::newRow("clase 2") << 2 << 33.3835 << 4.6105 << 300.82;
        QTest::newRow("clase 3") << 3 << 35.2941 << 2.5486 << 338.16;
        QTest::newRow("clase 4") << 4 << 37.3206 << 4.8842 << 400.56;
    }
    void switchedGroupsPriceOnTheSet()
    {
        QFETCH(int, busClass);
        QFETCH(double, driverPerHour);
        QFETCH(double, financingPerHour);
        QFETCH(double, serviceTotal);
        const std::shared_ptr<const ReferenceSet> set = testSet();
        const CalculatedResults calculation = priced(busClass, ObservatorySwitches::allOn(), set);
        QCOMPARE(Round(calculation.results.DriverPerHour, 4), driverPerHour);
        QCOMPARE(Round(calculation.results.FinancingPerHour, 4), financingPerHour);
        QCOMPARE(Round(calculation.results.ServiceTotal, 2), serviceTotal);

        // The comparison's second column is the same service on the set.
        const ComparisonStudyOutcome compared = studyAgainstObservatory(priced(busClass, ObservatorySwitches{}, set));
        QVERIFY(compared.study);
        QCOMPARE(Round(compared.study->comparison.observatory.ServiceTotal, 2), serviceTotal);
        QVERIFY(text(comparisonScreenReport(*compared.study, 20))
                    .contains("Observatorio: el mismo servicio con los valores de referencia «Prueba 2025»."));
    }

    // The results name the set only when a group took its values.
    void resultsNameTheSetTheyTookValuesFrom()
    {
        ObservatorySwitches driver;
        driver[Switch::Driver] = true;
        const QString named = text(resultsScreenReport(priced(2, driver, testSet()).results, "100", "20"));
        QVERIFY2(named.contains(
                     "        en un vehículo de entre 22 y 35 plazas.\n        Valores de referencia: Prueba 2025\n"),
                 qPrintable(named));
        QVERIFY(!text(resultsPaperReport(priced(2, {}, testSet()).results, "100", "20", {})).contains("Valores de"));
    }

    // A one-hour service, HourFactor 0.5: class 1 has 900 effective hours,
    // a driver at 36000 ÷ 900 = 40 euros an hour, insurance 3500 ÷ 900 = 3.89.
    void observatoryWindowWorksOutTheOneHourFigures()
    {
        const QString table = text(observatoryScreenTable(*testSet()));
        for (const char *line : {"      Valores de referencia: Prueba 2025\n",
                                 "              Coste Generales:\n                      Menos de 22 plazas: 10 % del",
                                 "Coste de Conductor:\n                      Menos de 22 plazas: 40 euros por hora\n"
                                 "                      De 22 a 35 plazas: 42,29 euros por hora\n",
                                 "Coste de Combustible:\n                      Menos de 22 plazas: 0,21 euros por Km\n",
                                 "Más de 55 plazas: 20,62 euros por hora\n", "Más de 55 plazas: 8 euros por hora\n"})
            QVERIFY2(table.contains(QString::fromUtf8(line)), line);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<QString>("refusal");
        const QByteArray hours = "HorasConductor;1800;1750;1700;1650\r\n";
        QTest::newRow("no number") << hours << QByteArray("HorasConductor;1800;abc;1700;1650\r\n")
                                   << "línea 5: HorasConductor, clase 2: «abc» no es un número";
        QTest::newRow("no hours") << hours << QByteArray("HorasConductor;0;1750;1700;1650\r\n")
                                  << "línea 5: HorasConductor, clase 1: «0» debe ser mayor que cero";
        QTest::newRow("missing row") << hours << QByteArray() << "falta la fila HorasConductor";
        QTest::newRow("row twice") << hours << hours + hours << "línea 6: HorasConductor aparece más de una vez";
        QTest::newRow("unknown row") << hours << hours + "Peajes;1;2;3;4\r\n"
                                     << "línea 6: «Peajes» no es un concepto de los valores de referencia";
        QTest::newRow("a class short") << hours << QByteArray("HorasConductor;1800;1750;1700\r\n")
                                       << "línea 5: HorasConductor: faltan valores";
        QTest::newRow("no name") << QByteArray("Nombre;Prueba 2025") << QByteArray("Nombre;")
                                 << "línea 2: el nombre está vacío";
        QTest::newRow("a tab in the name") << QByteArray("Nombre;Prueba 2025") << QByteArray("Nombre;Prueba\t2025")
                                           << "línea 2: el nombre tiene un salto de línea o un carácter de control";
    }
    void refusals()
    {
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, replacement);
        QFETCH(QString, refusal);
        QByteArray bytes = fixtures::contents(TestSetPath);
        QVERIFY(bytes.contains(row));
        bytes.replace(row, replacement);
        const ReferenceFileReading read = readReferenceFile(bytes.toStdString());
        QVERIFY(!read.set);
        QCOMPARE(QString::fromStdString(read.refusal), refusal);
    }

    // The built-in values, renamed, are written in the layout the file's
    // users know.
    void builtInValuesWrittenInTheKnownLayout()
    {
        ReferenceSet set = *builtInReferenceSet();
        set.name = "Observatorio julio 2025";
        const QByteArray written = QByteArray::fromStdString(referenceFileBytes(set));
        QVERIFY(written.startsWith("\xef\xbb\xbfROTAVEX valores de referencia\r\nNombre;Observatorio julio 2025\r\n"
                                   "Concepto;Clase 1;Clase 2;Clase 3;Clase 4\r\n"
                                   "SalarioConductor;35790,59603;35790,59603;35790,59603;35790,59603\r\n"));
        for (const char *row :
             {"TipoFinanciacion;2,27;2,27;2,27;2,27\r\n", "MantenimientoKm;0,1062573;0,1195395;0,1461038;0,239079\r\n"})
            QVERIFY2(written.contains(row), row);
    }
};

QTEST_GUILESS_MAIN(ReferenceFileTest)
#include "tst_reference_file.moc"
