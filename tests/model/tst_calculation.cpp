#include "fixtures/worked_example.h"
#include "model/calculation.h"

#include <QtTest>
#include <cmath>

using namespace rotavex;
using fixtures::classThree;
using fixtures::workedExampleTexts;

namespace {

Workspace calculated(Workspace ws, const FieldTexts &texts)
{
    const auto fault = Calculate(ws, texts);
    if (fault)
        qWarning("calculation fault at %s", fault->step.c_str());
    return ws;
}

bool near(double actual, double expected, double tolerance) { return std::fabs(actual - expected) <= tolerance; }

}   // namespace

class CalculationTest : public QObject {
    Q_OBJECT
private slots:
    void workedExampleWithOwnData()
    {
        const Workspace ws = calculated(classThree(), workedExampleTexts());
        QCOMPARE(ws.TotalKm, 120);
        QCOMPARE(ws.ServiceHours, 4.0f);
        QCOMPARE(ws.EffectiveAnnualHours, 1140.0f);
        QVERIFY(near(ws.DriverPerHour, 26.3158, 5e-5));
        QCOMPARE(ws.FuelPerKm, 0.36f);
        QCOMPARE(ws.TyresPerKm, 0.032f);
        QVERIFY(near(ws.InsurancePerHour, 3.5088, 5e-5));
        QCOMPARE(ws.MaintenancePerKm, 0.1f);
        QVERIFY(near(ws.AmortisationPerHour, 13.8105, 5e-5));
        QVERIFY(near(ws.FinancingPerHour, 4.3860, 5e-5));
        const double totals[][2] = {{ws.DriverTotal, 105.25},      {ws.FuelTotal, 43.20},
                                    {ws.AmortisationTotal, 55.24}, {ws.FinancingTotal, 17.54},
                                    {ws.MaintenanceTotal, 12.01},  {ws.TyresTotal, 3.84},
                                    {ws.InsuranceTotal, 14.04},    {ws.GeneralCosts, 27.90},
                                    {ws.ServiceTotal, 279.03},     {ws.ServiceTotal - ws.GeneralCosts, 251.12}};
        for (const auto &pair : totals)
            QVERIFY2(near(pair[0], pair[1], 0.005), qPrintable(QString::number(pair[0])));
        const double shares[][2] = {{ws.DriverPct, 37.72},       {ws.GeneralPct, 10.00},  {ws.FuelPct, 15.48},
                                    {ws.AmortisationPct, 19.80}, {ws.FinancingPct, 6.29}, {ws.MaintenancePct, 4.30},
                                    {ws.TyresPct, 1.38},         {ws.InsurancePct, 5.03}};
        for (const auto &pair : shares)
            QVERIFY2(near(pair[0], pair[1], 0.005), qPrintable(QString::number(pair[0])));
    }

    void workedExampleAllOnObservatory()
    {
        Workspace ws = classThree();
        fixtures::switchAllOn(ws);
        FieldTexts texts;   // switched-on fields are not read
        texts[Input::Km] = "100";
        texts[Input::Vacio] = "20";
        texts[Input::Horas] = "4";
        ws = calculated(ws, texts);
        QCOMPARE(ws.EffectiveAnnualHours, 1474.875f);
        QVERIFY(near(ws.DriverPerHour, 24.2669, 5e-5));
        QCOMPARE(ws.FuelPerKm, 0.3129844f);
        QCOMPARE(ws.TyresPerKm, 0.0385619f);
        QCOMPARE(ws.MaintenancePerKm, 0.1461038f);
        QVERIFY(near(ws.InsurancePerHour, 3.3219, 5e-5));
        QVERIFY(near(ws.AmortisationPerHour, 10.3094, 5e-5));
        QVERIFY(near(ws.FinancingPerHour, 1.4626, 5e-5));
        QVERIFY(near(ws.ServiceTotal - ws.GeneralCosts, 217.16, 0.005));
        QVERIFY(near(ws.GeneralCosts, 31.02, 0.005));
        QVERIFY(near(ws.ServiceTotal, 248.18, 0.005));
    }

    void hourFactor_data()
    {
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("factor");
        QTest::newRow("1") << 1.0 << 0.5;
        QTest::newRow("2") << 2.0 << 0.54444;
        QTest::newRow("4") << 4.0 << 0.63333;
        QTest::newRow("8") << 8.0 << 0.81111;
        QTest::newRow("9.5") << 9.5 << 0.87778;
        QTest::newRow("10") << 10.0 << 0.9;
        QTest::newRow("10.5") << 10.5 << 0.9;
        QTest::newRow("11") << 11.0 << 0.9;
        QTest::newRow("0.5") << 0.5 << 0.47778;
    }
    void hourFactor()
    {
        QFETCH(double, hours);
        QFETCH(double, factor);
        FieldTexts texts = workedExampleTexts();
        texts[Input::Horas] = QByteArray::number(hours).toStdString();
        const Workspace ws = calculated(classThree(), texts);
        QVERIFY(near(ws.EffectiveAnnualHours, factor * 1800, 0.01));
    }

    void oneHourDoublesThePlainHourlyCost()
    {
        FieldTexts texts = workedExampleTexts();
        texts[Input::Horas] = "1";
        const Workspace ws = calculated(classThree(), texts);
        QVERIFY(near(ws.DriverPerHour, 2 * 30000.0 / 1800, 1e-4));
    }

    void totalKmRoundsHalvesToEven_data()
    {
        QTest::addColumn<QString>("km");
        QTest::addColumn<QString>("vacio");
        QTest::addColumn<int>("total");
        QTest::newRow("100.5") << "100.5"
                               << "0" << 100;
        QTest::newRow("101.5") << "101.5"
                               << "0" << 102;
        QTest::newRow("sum of halves") << "0.5"
                                       << "0.5" << 1;
        QTest::newRow("just above half") << "100.51"
                                         << "0" << 101;
    }
    void totalKmRoundsHalvesToEven()
    {
        QFETCH(QString, km);
        QFETCH(QString, vacio);
        QFETCH(int, total);
        FieldTexts texts = workedExampleTexts();
        texts[Input::Km] = km.toStdString();
        texts[Input::Vacio] = vacio.toStdString();
        QCOMPARE(calculated(classThree(), texts).TotalKm, total);
    }

    void zeroInputsThatAreAllowed()
    {
        FieldTexts texts = workedExampleTexts();
        texts[Input::Plafin] = "0";
        Workspace ws = calculated(classThree(), texts);
        QCOMPARE(ws.FinancingPerHour, 0.0f);
        QCOMPARE(ws.FinancingTotal, 0.0f);

        texts = workedExampleTexts();
        texts[Input::Cosgen] = "0";
        ws = calculated(classThree(), texts);
        QCOMPARE(ws.GeneralCosts, 0.0f);
        QCOMPARE(ws.GeneralPct, 0.0f);

        texts = workedExampleTexts();
        texts[Input::Salacon] = "0";
        ws = calculated(classThree(), texts);
        QVERIFY(near(ws.DriverTotal, -0.01, 1e-6));
        QVERIFY(ws.DriverPct < 0 && ws.DriverPct > -0.01);
    }

    void generalCostsOfNinetyPercent()
    {
        FieldTexts texts = workedExampleTexts();
        texts[Input::Cosgen] = "90";
        const Workspace ws = calculated(classThree(), texts);
        QVERIFY(near(ws.ServiceTotal, 10 * (ws.ServiceTotal - ws.GeneralCosts), 0.01));
    }

    void tyresPerVehicle_data()
    {
        QTest::addColumn<int>("busClass");
        QTest::addColumn<float>("tyresPerKm");
        QTest::newRow("class 1: six tyres") << 1 << 0.024f;
        QTest::newRow("class 2: eight") << 2 << 0.032f;
        QTest::newRow("class 4: eight") << 4 << 0.032f;
    }
    void tyresPerVehicle()
    {
        QFETCH(int, busClass);
        QFETCH(float, tyresPerKm);
        Workspace ws;
        ws.BusClass = int16_t(busClass);
        QCOMPARE(calculated(ws, workedExampleTexts()).TyresPerKm, tyresPerKm);
    }

    void observatoryTyresReduceOwnVehiclePrice()
    {
        Workspace ws = classThree();
        ws.switches[Switch::Tyres] = true;
        ws = calculated(ws, workedExampleTexts());
        QCOMPARE(ws.TyresPerKm, 0.0385619f);
        const double expected = (200000 - 4241.808) * 0.8 / 10 / 1140;
        QVERIFY(near(ws.AmortisationPerHour, expected, 1e-4));
    }

    void observatoryTyresOfClassOne()
    {
        Workspace ws;
        ws.BusClass = 1;
        ws.switches[Switch::Tyres] = true;
        ws = calculated(ws, workedExampleTexts());
        QCOMPARE(ws.TyresPerKm, 0.0289214f);
        QVERIFY(near(ws.AmortisationPerHour, (200000 - 3181.356) * 0.8 / 10 / 1140, 1e-4));
    }

    void serviceModeChangesNoResult()
    {
        Workspace unitCosts = classThree();
        Workspace fullService = classThree();
        fullService.ServiceMode = true;
        unitCosts = calculated(unitCosts, workedExampleTexts());
        fullService = calculated(fullService, workedExampleTexts());
        QCOMPARE(unitCosts.ServiceTotal, fullService.ServiceTotal);
        QCOMPARE(unitCosts.DriverPct, fullService.DriverPct);
    }

    void invariantsHold_data()
    {
        QTest::addColumn<QString>("horas");
        QTest::addColumn<QString>("cosgen");
        QTest::newRow("worked example") << "4"
                                        << "10";
        QTest::newRow("long service") << "12.5"
                                      << "35";
        QTest::newRow("short service") << "0.25"
                                       << "0";
    }
    void invariantsHold()
    {
        QFETCH(QString, horas);
        QFETCH(QString, cosgen);
        FieldTexts texts = workedExampleTexts();
        texts[Input::Horas] = horas.toStdString();
        texts[Input::Cosgen] = cosgen.toStdString();
        const Workspace ws = calculated(classThree(), texts);
        const double items = double(ws.GeneralCosts) + ws.DriverTotal + ws.FuelTotal + ws.AmortisationTotal
                             + ws.FinancingTotal + ws.MaintenanceTotal + ws.TyresTotal + ws.InsuranceTotal;
        QVERIFY(near(items, ws.ServiceTotal, 1e-3));
        const double shares = double(ws.DriverPct) + ws.GeneralPct + ws.FuelPct + ws.AmortisationPct + ws.FinancingPct
                              + ws.MaintenancePct + ws.TyresPct + ws.InsurancePct;
        QVERIFY(near(shares, 100, 1e-3));
        QVERIFY(near(ws.DriverTotal, double(ws.DriverPerHour) * ws.ServiceHours - 0.01, 1e-4));
        QVERIFY(near(ws.MaintenanceTotal, double(ws.MaintenancePerKm) * ws.TotalKm + 0.01, 1e-4));
    }

    void everyCostZeroGivesZeroShares()
    {
        FieldTexts texts;
        for (Input input : AllInputs)
            texts[input] = "0";
        texts[Input::Htraba] = "1800";
        texts[Input::Vidaut] = "10";
        texts[Input::Kmaut] = "60000";
        texts[Input::Vidneu] = "1000";
        texts[Input::Horas] = "1";
        texts[Input::Km] = "0";
        Workspace ws = classThree();
        QVERIFY(!Calculate(ws, texts));
        // The two offsets cancel: the total is zero and no share is NaN.
        QCOMPARE(ws.ServiceTotal, 0.0f);
        for (float pct : {ws.DriverPct, ws.GeneralPct, ws.FuelPct, ws.AmortisationPct, ws.FinancingPct,
                          ws.MaintenancePct, ws.TyresPct, ws.InsurancePct})
            QCOMPARE(pct, 0.0f);
    }

    void arithmeticFaultsStopAndLeaveResultsFinite_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero working hours") << int(Input::Htraba) << "0";
        QTest::newRow("zero tyre life") << int(Input::Vidneu) << "0";
        QTest::newRow("zero vehicle life") << int(Input::Vidaut) << "0";
        QTest::newRow("zero annual km") << int(Input::Kmaut) << "0";
        QTest::newRow("general costs of 100%") << int(Input::Cosgen) << "100";
        QTest::newRow("salary beyond a float") << int(Input::Salacon) << "1e45";
        QTest::newRow("huge exponent") << int(Input::Cosaut) << "1e400";
        QTest::newRow("huge exponent behind zeros") << int(Input::Htraba) << "1e0000000000000000400";
        QTest::newRow("kilometres beyond a whole number") << int(Input::Km) << "3e9";
    }
    void arithmeticFaultsStopAndLeaveResultsFinite()
    {
        QFETCH(int, input);
        QFETCH(QString, text);
        Workspace before = calculated(classThree(), workedExampleTexts());
        FieldTexts texts = workedExampleTexts();
        texts[Input(input)] = text.toStdString();
        Workspace ws = before;
        const auto fault = Calculate(ws, texts);
        QVERIFY(fault);
        QVERIFY(!fault->step.empty());
        QCOMPARE(ws.ServiceTotal, before.ServiceTotal);
    }

    // The reports and the chart sum the stored results in single precision;
    // those sums must hold in a float as every stored result does.
    void sumsBesideTheResultsAreChecked_data()
    {
        QTest::addColumn<QStringList>("changes");   // "Field=text"
        QTest::addColumn<QString>("step");
        // Without kilometres the totals stay small, but 3e38 euros of fuel
        // and 3e38 of maintenance per km add up beyond any float.
        QTest::newRow("per-km unit costs")
            << QStringList{"Cosgas=1e39", "Cosman=3e38", "Kmaut=1", "Km=0", "Vacio=0"} << "suma de costes por km";
        // Without hours, 2.2e38 euros per hour each for driver and insurance.
        QTest::newRow("per-hour unit costs")
            << QStringList{"Salacon=1e38", "Htraba=1", "Cosseg=1e38", "Horas=0"} << "suma de costes por hora";
        // Negative fuel and tyres cancel the driver and the amortisation,
        // leaving a total of 0.012 euros: each share is about 2.5e38%, so
        // two of them add up beyond any float.
        QTest::newRow("full-service shares") << QStringList{"Htraba=2",
                                                            "Horas=1",
                                                            "Km=1",
                                                            "Vacio=0",
                                                            "Cosgen=0",
                                                            "Cosgas=-1e35",
                                                            "Salacon=3.0000001227554363e+34",
                                                            "Cosneu=-3.7500001534442953e+33",
                                                            "Vidneu=1",
                                                            "Cosaut=7.500000306888591e+33",
                                                            "Vidaut=1",
                                                            "Cosfin=0",
                                                            "Cosman=0",
                                                            "Cosseg=0.012"}
                                             << "suma de porcentajes por km";
    }
    void sumsBesideTheResultsAreChecked()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, step);
        FieldTexts texts = workedExampleTexts();
        for (const QString &change : changes)
            for (Input input : AllInputs)
                if (inputName(input) == change.section('=', 0, 0).toStdString())
                    texts[input] = change.section('=', 1).toStdString();
        for (bool fullService : {false, true}) {
            Workspace before = calculated(classThree(), workedExampleTexts());
            before.ServiceMode = fullService;
            Workspace ws = before;
            const auto fault = Calculate(ws, texts);
            QVERIFY(fault);
            QCOMPARE(QString::fromStdString(fault->step), step);
            QCOMPARE(ws.ServiceTotal, before.ServiceTotal);
        }
    }

    void unknownBusClassIsAFaultNotACrash()
    {
        Workspace ws;
        ws.BusClass = 7;
        QVERIFY(Calculate(ws, workedExampleTexts()));
    }
};

QTEST_GUILESS_MAIN(CalculationTest)
#include "tst_calculation.moc"
