// The comparison with the observatory and what drives the total, against
// figures worked out by hand from the worked example.
#include "comparison/comparison_report.h"
#include "report/plain_text.h"

#include "fixtures/worked_example.h"
#include "report/report_fixture.h"

#include <QTest>

using namespace rotavex;

namespace {

CalculatedResults calculated(Workspace ws, const FieldTexts &texts)
{
    ws.ServiceMode = true;
    if (Calculate(ws, texts))
        qFatal("the data should calculate");
    return CalculatedResults{ws, texts};
}

CalculatedResults workedExample() { return calculated(fixtures::classThree(), fixtures::workedExampleTexts()); }

const ComparedRow *rowNamed(const std::vector<ComparedRow> &rows, ComparedKind kind, const char *label)
{
    for (const ComparedRow &row : rows)
        if (row.kind == kind && row.label == label)
            return &row;
    return nullptr;
}

}   // namespace

class ComparisonTest : public QObject {
    Q_OBJECT

private slots:
    // The observatory's column is the worked example's service priced on
    // every average: DriverPerHour 24.2669, ..., ServiceTotal 248.18.
    void observatoryColumn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("own");
        QTest::addColumn<double>("observatory");
        QTest::addColumn<bool>("marked");   // beyond 20 %
        const int unit = int(ComparedKind::UnitCost), item = int(ComparedKind::Item);
        QTest::newRow("driver per hour") << unit << "Conductor" << 26.3158 << 24.2669 << false;
        QTest::newRow("fuel per km") << unit << "Combustible" << 0.36 << 0.3129844 << false;
        QTest::newRow("tyres per km") << unit << "Neumáticos" << 0.032 << 0.0385619 << false;
        QTest::newRow("maintenance per km") << unit << "Mantenimiento" << 0.1 << 0.1461038 << true;
        QTest::newRow("insurance per hour") << unit << "Seguros" << 3.5088 << 3.3219 << false;
        QTest::newRow("amortisation per hour") << unit << "Amortización" << 13.8105 << 10.3094 << true;
        QTest::newRow("financing per hour") << unit << "Financieros" << 4.3860 << 1.4626 << true;
        QTest::newRow("general costs") << item << "Generales" << 27.90 << 31.02 << false;
        QTest::newRow("total") << int(ComparedKind::Total) << "Coste total del trayecto" << 279.03 << 248.18 << false;
    }
    void observatoryColumn()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        QFETCH(double, own);
        QFETCH(double, observatory);
        QFETCH(bool, marked);
        const ComparisonOutcome outcome = compareWithObservatory(workedExample());
        QVERIFY(outcome.comparison);
        const std::vector<ComparedRow> rows = comparedRows(*outcome.comparison);
        QCOMPARE(rows.size(), std::size_t(7 + 8 + 2 + 1));
        const ComparedRow *row = rowNamed(rows, ComparedKind(kind), label.toUtf8().constData());
        QVERIFY(row);
        const double tolerance = kind == int(ComparedKind::UnitCost) ? 5e-5 : 5e-3;
        QVERIFY2(std::fabs(row->own - own) < tolerance, qPrintable(QString::number(row->own, 'g', 9)));
        QVERIFY2(std::fabs(row->observatory - observatory) < tolerance,
                 qPrintable(QString::number(row->observatory, 'g', 9)));
        QCOMPARE(beyondTolerance(deviationPct(row->own, row->observatory), DefaultTolerancePct), marked);
    }

    void totalLiesTwelvePointFourThreePercentAbove()
    {
        const ComparisonOutcome outcome = compareWithObservatory(workedExample());
        const double deviation = *deviationPct(outcome.comparison->own.ServiceTotal,
                                               outcome.comparison->observatory.ServiceTotal);
        QCOMPARE(Round(deviation, 2), 12.43);
        QVERIFY(!deviationPct(5, 0));
    }

    // A group on the observatory's averages lies on them: fuel per km is the
    // observatory's on both sides, and the report says where it came from.
    void switchedGroupShowsNoDifference()
    {
        Workspace ws = fixtures::classThree();
        ws.switches[Switch::Fuel] = true;
        FieldTexts texts = fixtures::workedExampleTexts();
        texts[Input::Cosgas] = "Observatorio";
        const ComparisonStudyOutcome outcome = studyAgainstObservatory(calculated(ws, texts));
        const ComparedRow *fuel = rowNamed(comparedRows(outcome.study->comparison), ComparedKind::UnitCost,
                                           "Combustible");
        QCOMPARE(fuel->own, fuel->observatory);
        const std::vector<DataSource> sources = dataSources(outcome.study->comparison.own);
        QCOMPARE(sources.size(), std::size_t(8));
        for (const DataSource &source : sources)
            QCOMPARE(source.observatory, source.group == "Combustible");
        for (const InputSensitivity &input : outcome.study->sensitivity)
            QVERIFY(input.input != Input::Cosgas);
    }

    // Each input 10 % higher, the rest as it was: the driver's hours spread
    // the per-hour costs (192.08 euros) over 10 % more hours, and so on.
    void whatDrivesTheTotal_data()
    {
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("input");
        QTest::addColumn<double>("change");   // euros of the service total
        // -192.08 / 11 / 0.9
        QTest::newRow("driver's hours first") << 0 << int(Input::Htraba) << -19.40;
        // 105.26 / 0.9 of driver cost, 10 % of it
        QTest::newRow("salary") << 2 << int(Input::Salacon) << 11.70;
        // 251.127 / 0.89 - 279.03
        QTest::newRow("general costs") << 7 << int(Input::Cosgen) << 3.14;
        // 43.20 * 0.1 / 0.9
        QTest::newRow("fuel price") << 6 << int(Input::Cosgas) << 4.80;
        // the tyres' 3.84 euros, less the tyre set's share in the amortisation
        QTest::newRow("tyre price last") << 15 << int(Input::Cosneu) << 0.33;
    }
    void whatDrivesTheTotal()
    {
        QFETCH(int, rank);
        QFETCH(int, input);
        QFETCH(double, change);
        const std::vector<InputSensitivity> sensitivity = totalSensitivity(workedExample());
        QCOMPARE(sensitivity.size(), std::size_t(16));
        QCOMPARE(int(sensitivity[std::size_t(rank)].input), input);
        QCOMPARE(Round(*sensitivity[std::size_t(rank)].change, 2), change);
        for (std::size_t i = 1; i < sensitivity.size(); ++i)
            QVERIFY(std::fabs(*sensitivity[i - 1].change) >= std::fabs(*sensitivity[i].change));
    }

    // General costs of 85 % cannot be 10 % higher: the check refuses more
    // than 90 %. A zero input has no change to show.
    void refusedAndZeroInputs()
    {
        FieldTexts texts = fixtures::workedExampleTexts();
        texts[Input::Cosgen] = "85";
        texts[Input::Vacio] = "0";
        const std::vector<InputSensitivity> sensitivity = totalSensitivity(calculated(fixtures::classThree(), texts));
        QCOMPARE(sensitivity.size(), std::size_t(15));
        const InputSensitivity &last = sensitivity.back();
        QCOMPARE(int(last.input), int(Input::Cosgen));
        QVERIFY(!last.change);
        QCOMPARE(QString::fromStdString(last.refusal), "Los costes generales no pueden ser más del 90% del servicio");
    }

    // The report marks the rows beyond the tolerance and only those.
    void reportMarksOutOfLineRows_data()
    {
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<int>("marked");
        // maintenance, financing and amortisation, per unit and per service, and the per-hour group
        QTest::newRow("20 %") << 20.0 << 7;
        QTest::newRow("200 %") << 200.0 << 0;
        QTest::newRow("5 %") << 5.0 << 17;   // all but the per-km group
    }
    void reportMarksOutOfLineRows()
    {
        QFETCH(double, tolerance);
        QFETCH(int, marked);
        const ComparisonStudyOutcome outcome = studyAgainstObservatory(workedExample());
        const QString text = QString::fromStdString(renderPlainText(comparisonScreenReport(*outcome.study, tolerance),
                                                                    NumberLocale{",", "dd/MM/yyyy", "HH:mm:ss"}));
        QCOMPARE(text.count(QString(OutOfLineMark)), marked + 1);   // and the legend
        QVERIFY(text.contains("Coste total del trayecto"));
        QVERIFY(text.contains("+12,43 %"));
    }

    // Bold letters are wider, and a column is measured in the current font:
    // on screen and on paper every tab, of a heading as of a figure, is taken
    // in the regular font, so that headings stand over their figures.
    void everyColumnIsMeasuredInTheRegularFont()
    {
        const ComparisonStudyOutcome outcome = studyAgainstObservatory(workedExample());
        for (const Report &report :
             {comparisonScreenReport(*outcome.study, 20), comparisonPaperReport(*outcome.study, 20, DateTime{})})
            QCOMPARE(testing::boldTabs(report), 0);
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
