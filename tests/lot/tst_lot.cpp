// A lot of three services against figures worked out by hand, its file's
// refusals, and the refusals of a service alone.
#include "lot/lot_file.h"
#include "lot/lot_pricing.h"
#include "report/number_format.h"
#include "storage/data_file.h"

#include "fixtures/file_contents.h"
#include "fixtures/worked_example.h"
#include "lot/lot_report.h"
#include "report/report_fixture.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rotavex;

namespace {

const std::string Columns = "Servicio;Clase;Km;Vacio;Horas;Servicios al año;Datos;Precio ofertado\r\n";
const std::string Head =
    "\xEF\xBB\xBFROTAVEX lote de servicios\r\nNombre;Lote 3\r\nAños;4\r\nBeneficio;6\r\nIVA;10\r\n";

// The worked example's cost data, with a trip of its own that the lot replaces.
void writeWorkedExample(const QString &path, const std::string &salary = "30000")
{
    FieldTexts texts = fixtures::workedExampleTexts();
    texts[Input::Salacon] = salary;
    texts[Input::Km] = "50";
    texts[Input::Vacio] = "5";
    texts[Input::Horas] = "2";
    fixtures::writeFile(path, QByteArray::fromStdString(writeDataFile(fixtures::classThree(), texts)));
}

Lot read(const std::string &bytes)
{
    LotFileReading reading = readLotFile(bytes);
    if (!reading.lot)
        qFatal("%s", reading.refusal.c_str());
    return *reading.lot;
}

double cents(double value) { return Round(value, 2); }

}   // namespace

class LotTest : public QObject {
    Q_OBJECT
private slots:
    // Route 1, on the observatory (class 3, 100 + 20 km in 4 hours): 248.18
    // a service, × 175 = 43432.21 a year. Route 2, the worked example's data
    // file with that trip: 279.03, × 250 = 69756.72. Route 3 is refused.
    // Cost 113188.94; 6 % profit 6791.34; base 119980.27; 10 % VAT
    // 11998.03; 131978.30 a year, 527913.20 in 4 years. Drivers: 700 h ÷
    // 2328.75 + 1000 h ÷ 1800 (the file's Htraba) = 0.8561. Route 2's offer,
    // 207.04, is 30 % below its 279.03 × 1.06 = 295.77.
    void pricesALotOfThreeServices()
    {
        QTemporaryDir folder;
        writeWorkedExample(folder.filePath("empresa-55"));
        const Lot lot = read(Head + Columns + "Ruta 1;3;100;20;4;175;;\r\nRuta 2;;100;20;4,0;250;empresa-55;207,04\r\n"
                             + "Ruta 3;2;abc;0;1;10\r\n");
        const LotPricing pricing = priceLot(lot, {folder.path().toStdString()});
        QVERIFY(pricing.priced());
        QCOMPARE(pricing.services.size(), std::size_t(3));
        const ServicePricing &first = pricing.services[0], &second = pricing.services[1];
        QCOMPARE(cents(first.study.ServiceTotal), 248.18);
        QCOMPARE(cents(first.annualCost()), 43432.21);
        QCOMPARE(cents(second.study.ServiceTotal), 279.03);
        QCOMPARE(cents(second.annualCost()), 69756.72);
        QCOMPARE(pricing.services[2].error, std::string("Km: «abc» no es un número"));
        QCOMPARE(pricing.services[2].line, 9);
        const LotTotals &totals = pricing.totals;
        QCOMPARE(totals.priced, 2);
        QCOMPARE(totals.refused, 1);
        QCOMPARE(cents(totals.annualCost), 113188.94);
        QCOMPARE(cents(totals.annualProfit), 6791.34);
        QCOMPARE(cents(totals.annualBase), 119980.27);
        QCOMPARE(cents(totals.annualVat), 11998.03);
        QCOMPARE(cents(totals.annualTotal), 131978.30);
        QCOMPARE(cents(pricing.overTerm(totals.annualTotal)), 527913.20);
        QCOMPARE(totals.annualKm, 51000.0);
        QCOMPARE(totals.annualHours, 1700.0);
        QCOMPARE(Round(totals.drivers, 4), 0.8561);
        QCOMPARE(cents(*second.offerDeviationPct), -30.0);
        QVERIFY(second.flagged);
        QCOMPARE(cents(*totals.offeredAnnual), 51760.0);
        QCOMPARE(cents(*totals.offeredServicesBase), 73942.12);
        double items = 0;
        for (double item : totals.annualItems)
            items += item;
        QCOMPARE(cents(items), 113188.94);
        QCOMPARE(testing::boldTabs(lotReport(lot, pricing)), 0);
    }

    // A service that cannot be priced is refused alone, in words that say
    // which cell is wrong.
    void refusesAServiceAlone_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("error");
        QTest::newRow("no class") << ";;100;20;4;1"
                                  << "Clase: falta la clase de autobús";
        QTest::newRow("class 5") << ";5;100;20;4;1"
                                 << "Clase: «5» no es una clase de autobús (de 1 a 4)";
        QTest::newRow("class 2.5") << ";2,5;100;20;4;1"
                                   << "Clase: «2,5» no es una clase de autobús (de 1 a 4)";
        QTest::newRow("negative km") << ";1;-3;20;4;1"
                                     << "Km: «-3» es negativo";
        QTest::newRow("no hours") << ";1;100;20;;1"
                                  << "Horas: falta el dato";
        QTest::newRow("no services") << ";1;100;20;4"
                                     << "Servicios al año: falta el dato";
        QTest::newRow("too many") << ";1;100;20;4;200000"
                                  << "Servicios al año: «200000» pasa de 100000";
        QTest::newRow("offer") << ";1;100;20;4;1;;diez"
                               << "Precio ofertado: «diez» no es un número";
        QTest::newRow("check") << ";;100;20;4;1;sin-salario"
                               << "Faltan datos por introducir";
        QTest::newRow("foreign") << ";;100;20;4;1;tst_lot"
                                 << "Datos: «tst_lot» no es un fichero de datos de ROTAVEX";
        QTest::newRow("no file") << ";;100;20;4;1;falta"
                                 << "Datos: no se ha podido cargar «falta»: el fichero no existe";
        QTest::newRow("other class") << ";2;100;20;4;1;empresa"
                                     << "Clase: el fichero de datos es de la clase 3";
    }
    void refusesAServiceAlone()
    {
        QFETCH(QString, row);
        QFETCH(QString, error);
        QTemporaryDir folder;
        writeWorkedExample(folder.filePath("empresa"));
        writeWorkedExample(folder.filePath("sin-salario"), "");
        fixtures::writeFile(folder.filePath("tst_lot"), "ROTAVEX lote de servicios\r\n");
        const Lot lot = read(Head + Columns + row.toStdString() + "\r\nBien;1;100;20;4;1\r\n");
        const LotPricing pricing = priceLot(lot, {folder.path().toStdString()});
        QCOMPARE(QString::fromStdString(pricing.services[0].error), error);
        QVERIFY(pricing.services[1].accepted());
        QCOMPARE(pricing.totals.refused, 1);
    }

    void refusesAFileWhole_data()
    {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("refusal");
        const QString columns = QString::fromStdString(Columns);
        QTest::newRow("no mark") << "Nombre;x\r\n" + columns
                                 << "línea 1: el fichero no empieza por «ROTAVEX lote de servicios»";
        QTest::newRow("no years") << "ROTAVEX lote de servicios\r\nNombre;x\r\n" + columns
                                  << "falta la línea Años con los años del contrato";
        QTest::newRow("no name") << "ROTAVEX lote de servicios\r\nAños;2\r\n" + columns
                                 << "falta la línea Nombre con el nombre del lote";
        QTest::newRow("years") << "ROTAVEX lote de servicios\r\nNombre;x\r\nAños;0\r\n" + columns
                               << "línea 3: Años: «0» debe ser mayor que cero";
        QTest::newRow("VAT") << "ROTAVEX lote de servicios\r\nIVA;-4\r\nNombre;x\r\nAños;2\r\n" + columns
                             << "línea 2: IVA: «-4» es negativo";
        QTest::newRow("twice") << "ROTAVEX lote de servicios\r\nNombre;x\r\nNombre;y\r\n" + columns
                               << "línea 3: Nombre aparece más de una vez";
        QTest::newRow("header") << "ROTAVEX lote de servicios\r\nFecha;2027\r\n" + columns
                                << "línea 2: «Fecha» no es una línea de un lote de servicios";
        QTest::newRow("column")
            << "ROTAVEX lote de servicios\r\nNombre;x\r\nAños;2\r\nServicio;Clase;Km;Vacio;Horas\r\n"
            << "línea 4: falta la columna Servicios al año";
        QTest::newRow("unknown") << "ROTAVEX lote de servicios\r\nServicio;Clase;Kms\r\n"
                                 << "línea 2: la columna 3, «Kms», no es una columna de un lote de servicios";
        QTest::newRow("long row") << QString::fromStdString(Head) + columns + "a;1;1;1;1;1;;;9\r\n"
                                  << "línea 7: la fila tiene 9 campos y el lote 8 columnas";
    }
    void refusesAFileWhole()
    {
        QFETCH(QString, bytes);
        QFETCH(QString, refusal);
        const LotFileReading reading = readLotFile(bytes.toStdString());
        QVERIFY(!reading.lot);
        QCOMPARE(QString::fromStdString(reading.refusal), refusal);
    }

    // A file a spreadsheet wrote in another convention, and its columns in
    // another order, read to the same lot; written and read back, the same.
    void readsWhatASpreadsheetWrites()
    {
        const Lot lot = read("ROTAVEX lote de servicios,,\nAños,\"4\"\nNombre,\"Lote 3, \"\"norte\"\"\"\n"
                             "Servicio,Km,Vacio,Horas,Servicios al año,Clase\n\"Ruta 1; ida\",35,12,2.5,175,2\n");
        QCOMPARE(lot.name, std::string("Lote 3, \"norte\""));
        QCOMPARE(lot.services.front()[LotColumn::Name], std::string("Ruta 1; ida"));
        QCOMPARE(lot.services.front()[LotColumn::Horas], std::string("2.5"));
        QCOMPARE(lot.services.front()[LotColumn::BusClass], std::string("2"));
        const Lot again = read(lotFileBytes(lot));
        QCOMPARE(again.services.front()[LotColumn::Horas], std::string("2,5"));
        QCOMPARE(again.services.front()[LotColumn::Name], std::string("Ruta 1; ida"));
        QCOMPARE(again.name, lot.name);
    }
};

QTEST_GUILESS_MAIN(LotTest)
#include "tst_lot.moc"
