// The revision formula against figures worked out by hand, and what a
// revision file or its fields may not hold.
#include "model/cost_items.h"
#include "report/number_format.h"
#include "revision/revision_file.h"
#include "revision/revision_formula.h"

#include "fixtures/worked_example.h"
#include "report/report_fixture.h"
#include "revision/revision_report.h"

#include <QtTest>

using namespace rotavex;

namespace {

const std::string Mark = "ROTAVEX revisión de precios\r\n";
const std::string Columns = "Partida;Peso;Índice inicial;Índice final\r\n";

Revision read(const std::string &bytes)
{
    RevisionFileReading reading = readRevisionFile(bytes);
    if (!reading.revision)
        qFatal("%s", reading.refusal.c_str());
    return *reading.revision;
}

RevisionOutcome revised(const std::string &bytes, const std::optional<CostStructure> &structure)
{
    return revisePrice(*readRevisionTerms(read(bytes)).terms, structure);
}

CostStructure workedExample() { return costStructure(fixtures::calculatedWorkedExample(true)); }

}   // namespace

class RevisionTest : public QObject {
    Q_OBJECT
private slots:
    // The worked example (279.03) with 6 % profit: P0 = 295.77. Labour,
    // 105.25 ÷ 295.77 = 35.59 %, rises 3.4 % but is capped at 2.5 %; fuel,
    // 43.20 ÷ 295.77 = 14.61 %, falls 9.5 % (131.2 to 118.7) and weighs
    // 14.61 × 0.9 = 13.15 % with X = 0.1; tyres (1.30 %) rise 4 % and
    // maintenance (4.06 %) 2 %. Kt = 1 + 0.3559 × 0.025 − 0.1315 × 0.0953
    // + 0.0130 × 0.04 + 0.0406 × 0.02 = 0.9977, and Pt = 295.09.
    void revisesTheWorkedExample()
    {
        const RevisionOutcome outcome = revised(
            Mark + "Beneficio;6\r\nLímite mano de obra;2,5\r\nFactor de eficiencia;0,1\r\n" + Columns
                + "Conductor;;100;103,4\r\nCombustible;;131,2;118,7\r\nNeumáticos;;100;104\r\n"
                + "Mantenimiento;;100;102\r\nAmortización;;100;150\r\n",
            workedExample());
        QVERIFY2(outcome.done(), outcome.refusal.c_str());
        QCOMPARE(Round(outcome.price, 2), 295.77);
        QCOMPARE(Round(outcome.items[LabourItem].weight, 4), 0.3559);
        QCOMPARE(*outcome.items[LabourItem].ratio, 1.025);
        QVERIFY(outcome.items[LabourItem].capped);
        QCOMPARE(Round(outcome.items[FuelItem].unreducedWeight, 4), 0.1461);
        QCOMPARE(Round(outcome.items[FuelItem].weight, 4), 0.1315);
        QVERIFY(!outcome.items[5].revised);   // amortisation, whatever its indices
        QVERIFY(!outcome.items[4].revised);   // insurance, without indices
        QCOMPARE(Round(outcome.fixedShare, 4), 0.4591);
        QCOMPARE(Round(outcome.kt, 4), 0.9977);
        QCOMPARE(Round(outcome.revisedPrice, 2), 295.09);
        QCOMPARE(testing::boldTabs(revisionReport({}, {}, outcome)), 0);
    }

    // 1000 euros, labour 40 % up 10 % under a 12 % cap, fuel 0.5 % (not
    // significant) doubled: F = 0.6, Kt = 0.6 + 0.4 × 1.1 = 1.04.
    void revisesTypedWeights()
    {
        const RevisionOutcome outcome = revised(
            Mark + "Precio;1000\r\nLímite mano de obra;12\r\n" + Columns
                + "Conductor;40;100;110\r\nCombustible;0,5;100;200\r\nAmortización;20\r\nGenerales;10\r\n",
            std::nullopt);
        QVERIFY2(outcome.done(), outcome.refusal.c_str());
        QVERIFY(!outcome.items[LabourItem].capped);
        QVERIFY(!outcome.items[FuelItem].revised);
        QVERIFY(QString::fromStdString(outcome.items[FuelItem].why).startsWith("pesa menos del 1 % del precio"));
        QCOMPARE(outcome.fixedShare, 0.6);
        QCOMPARE(Round(outcome.kt, 10), 1.04);
        QCOMPARE(Round(outcome.revisedPrice, 2), 1040.0);
    }

    // Eight weights of two decimals that make the whole price; labour, 4.65 %,
    // up 1 %: Kt = 1 + 0.0465 × 0.01.
    void takesWeightsThatMakeTheWholePrice()
    {
        const RevisionFileReading reading = readRevisionFile(
            Mark + "Precio;1000\r\nLímite mano de obra;2\r\n" + Columns
            + "Conductor;4,65;100;101\r\nCombustible;10,73\r\n"
            + "Neumáticos;19,02\r\nMantenimiento;27,8\r\nSeguros;1,67\r\nAmortización;13,51\r\nFinancieros;2,56\r\n"
            + "Generales;20,06\r\n");
        QVERIFY2(reading.revision, reading.refusal.c_str());
        QCOMPARE(Round(revisePrice(*readRevisionTerms(*reading.revision).terms, std::nullopt).kt, 6), 1.000465);
    }

    void keepsThePriceWhenNoIndexMoves()
    {
        const RevisionOutcome outcome = revised(
            Mark + "Beneficio;6\r\nLímite mano de obra;0\r\nFactor de eficiencia;0,5\r\n" + Columns
                + "Conductor;;97;97\r\nCombustible;;131,2;131,2\r\nSeguros;;3;3\r\n",
            workedExample());
        QCOMPARE(outcome.kt, 1.0);
        QCOMPARE(outcome.revisedPrice, outcome.price);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<bool>("withCalculation");
        QTest::addColumn<QString>("refusal");
        const QString mark = QString::fromStdString(Mark), columns = QString::fromStdString(Columns);
        QTest::newRow("no mark") << columns << false
                                 << "línea 1: el fichero no empieza por «ROTAVEX revisión de precios»";
        QTest::newRow("header") << mark + "Fecha;1\r\n" + columns << false
                                << "línea 2: «Fecha» no es una línea de una revisión de precios";
        QTest::newRow("item") << mark + columns + "Peajes;1\r\n"
                              << false << "línea 3: «Peajes» no es una partida del coste";
        QTest::newRow("twice") << mark + columns + "Seguros;1\r\nSeguros;2\r\n"
                               << false << "línea 4: Seguros aparece más de una vez";
        QTest::newRow("column") << mark + "Partida;Pesos\r\n"
                                << false
                                << "línea 2: la columna 2, «Pesos», no es una columna de una revisión de precios";
        QTest::newRow("index") << mark + columns + "Combustible;;abc;1\r\n"
                               << true << "línea 3: Combustible, Índice inicial: «abc» no es un número";
        QTest::newRow("zero index") << mark + columns + "Seguros;;0;1\r\n"
                                    << true << "línea 3: Seguros, Índice inicial: «0» debe ser mayor que cero";
        QTest::newRow("X of 1") << mark + "Factor de eficiencia;1\r\n" + columns << true
                                << "línea 2: Factor de eficiencia: «1» debe ser menor que 1";
        QTest::newRow("negative price") << mark + "Precio;-5\r\n" + columns << true
                                        << "línea 2: Precio: «-5» es negativo";
        QTest::newRow("over 100 %") << mark + "Precio;9\r\n" + columns + "Conductor;60\r\nGenerales;40,5\r\n"
                                    << false << "línea 4: los pesos suman más del 100 % del precio";
        QTest::newRow("no price") << mark + columns + "Conductor;60\r\n"
                                  << false << "Precio: con los pesos escritos hace falta el precio del contrato";
        QTest::newRow("no weights")
            << mark + columns << false
            << "no hay pesos: escriba el peso de las partidas o revise la estructura de un cálculo";
        QTest::newRow("labour cap") << mark + columns + "Conductor;;100;101\r\n"
                                    << true
                                    << "la mano de obra necesita su límite: escriba el Límite mano de obra (en %)";
        QTest::newRow("price below cost")
            << mark + "Precio;100\r\n" + columns << true << "los costes de las partidas pasan del precio del contrato";
    }
    void refuses()
    {
        QFETCH(QString, bytes);
        QFETCH(bool, withCalculation);
        QFETCH(QString, refusal);
        const RevisionFileReading reading = readRevisionFile(bytes.toStdString());
        if (!reading.revision) {
            QCOMPARE(QString::fromStdString(reading.refusal), refusal);
            return;
        }
        const RevisionOutcome outcome = revisePrice(*readRevisionTerms(*reading.revision).terms,
                                                    withCalculation ? std::optional(workedExample()) : std::nullopt);
        QCOMPARE(QString::fromStdString(outcome.refusal), refusal);
        QCOMPARE(outcome.labourWithoutCap, refusal.startsWith("la mano de obra"));
    }

    // A lot's structure is its items a year, each in its own place.
    void takesALotsStructure()
    {
        const Workspace example = fixtures::calculatedWorkedExample(true);
        LotTotals totals;
        for (std::size_t item = 0; item < costItems().size(); ++item)
            totals.annualItems[item] = 2 * double(example.*costItems()[item].total);
        totals.annualCost = 2 * double(example.ServiceTotal);
        const CostStructure one = workedExample(), lot = costStructure(totals);
        for (std::size_t item = 0; item < RevisionItemCount; ++item)
            QCOMPARE(lot.items[item], 2 * one.items[item]);
        QCOMPARE(lot.total, 2 * one.total);
    }

    void writesWhatItReads()
    {
        const Revision revision = read("ROTAVEX revisión de precios,,\nNombre,x\nPartida,Índice final,Índice inicial\n"
                                       "Seguros,2.5,\"1,5\"\n");
        QCOMPARE(revision.rows[4].finalIndex, std::string("2.5"));
        QCOMPARE(revision.rows[4].initialIndex, std::string("1,5"));
        const Revision again = read(revisionFileBytes(revision));
        QCOMPARE(again.rows[4].finalIndex, std::string("2,5"));
        QCOMPARE(again.rows[4].initialIndex, std::string("1,5"));
        QCOMPARE(revisionFileBytes(again), revisionFileBytes(revision));
    }
};

QTEST_GUILESS_MAIN(RevisionTest)
#include "tst_revision.moc"
