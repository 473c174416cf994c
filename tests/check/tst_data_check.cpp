#include "check/check_report.h"
#include "check/data_check.h"
#include "fixtures/worked_example.h"
#include "report/plain_text.h"

#include <QtTest>

using namespace rotavex;

namespace {

QStringList screenLines(const DataCheckResult &check)
{
    NumberLocale comma;
    comma.decimalSeparator = ",";
    QString text = QString::fromStdString(renderPlainText(checkScreenReport(check), comma));
    if (text.endsWith('\n'))
        text.chop(1);
    return text.split('\n');
}

// The lines between the rule under the heading and the two blank lines
// before the verdict.
QStringList findingLines(const DataCheckResult &check)
{
    QStringList lines = screenLines(check);
    const int verdictHeading = lines.indexOf("  Resultado de la comprobación");
    return lines.mid(3, verdictHeading - 3 - 2);
}

QStringList withGroupBreaks(QStringList findings, int groupsBefore)
{
    // The three group lines come after general costs, tyre life and financing period.
    QStringList lines;
    for (int i = 0; i < groupsBefore; ++i)
        lines << "";
    return lines + findings;
}

}   // namespace

class DataCheckTest : public QObject {
    Q_OBJECT
private slots:
    void eachFinding_data()
    {
        QTest::addColumn<int>("input");   // -1: the bus class
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("state");
        const QString notEssential = "       Este dato no es imprescindible pero debe tenerlo en cuenta";
        const QString positive = "       Para los cálculos es necesario un valor positivo";
        const auto row = [&](const char *name, int input, const char *text, QStringList lines, CheckState state) {
            QTest::newRow(name) << input << QString(text) << lines << int(state);
        };
        using S = CheckState;
        row("1 no class", -1, "", {"   -> No ha seleccionado el tipo de autobús"}, S::Missing);
        row("2 salary empty", int(Input::Salacon), "", {"   -> No ha introducido el salario del conductor"},
            S::Missing);
        row("3 salary zero", int(Input::Salacon), "0", {"   -> El salario del conductor es cero", notEssential},
            S::AllowedZero);
        row("4 hours empty", int(Input::Htraba), "", {"   -> No ha introducido las horas de trabajo del conductor"},
            S::Missing);
        row("5 hours zero", int(Input::Htraba), "0", {"   -> Las horas de trabajo del conductor son cero.", positive},
            S::BlockingZero);
        row("6 general empty", int(Input::Cosgen), "", {"   -> No ha introducido los costes generales"}, S::Missing);
        row("7 general zero", int(Input::Cosgen), "0", {"   -> Los costes generales son cero.", notEssential},
            S::AllowedZero);
        row("8 general over 90", int(Input::Cosgen), "90.5",
            {"   -> Los costes generales no pueden ser más del 90% del servicio"}, S::Missing);
        row("9 fuel empty", int(Input::Cosgas), "", {"   -> No ha introducido el coste de combustible"}, S::Missing);
        row("10 fuel zero", int(Input::Cosgas), "0", {"   -> El coste de combustible es cero.", notEssential},
            S::AllowedZero);
        row("11 insurance empty", int(Input::Cosseg), "", {"   -> No ha introducido el coste de seguros"}, S::Missing);
        row("12 insurance zero", int(Input::Cosseg), "0", {"   -> El coste de seguros es cero.", notEssential},
            S::AllowedZero);
        row("13 tyre price empty", int(Input::Cosneu), "", {"   -> No ha introducido el coste de neumáticos"},
            S::Missing);
        row("14 tyre price zero", int(Input::Cosneu), "0", {"   -> El coste de neumáticos es cero.", notEssential},
            S::AllowedZero);
        row("15 tyre life empty", int(Input::Vidneu), "", {"   -> No ha introducido la duración de los neumáticos"},
            S::Missing);
        row("16 tyre life zero", int(Input::Vidneu), "0", {"   -> La duración de los neumáticos es cero.", positive},
            S::BlockingZero);
        row("17 bus price empty", int(Input::Cosaut), "", {"   -> No ha introducido el coste del autobús"}, S::Missing);
        row("18 bus price zero", int(Input::Cosaut), "0", {"   -> El coste del autobús es cero.", notEssential},
            S::AllowedZero);
        row("19 bus life empty", int(Input::Vidaut), "", {"   -> No ha introducido la vida útil del autobús"},
            S::Missing);
        row("20 bus life zero", int(Input::Vidaut), "0", {"   -> La vida útil del autobús es cero.", positive},
            S::BlockingZero);
        row("21 annual km empty", int(Input::Kmaut), "", {"   -> No ha introducido los kilómetros anuales del autobús"},
            S::Missing);
        row("22 annual km zero", int(Input::Kmaut), "0",
            {"   -> Los kilómetros anuales del autobús son cero.", positive}, S::BlockingZero);
        row("23 maintenance empty", int(Input::Cosman), "",
            {"   -> No ha introducido el coste de mantenimiento del autobús"}, S::Missing);
        row("24 maintenance zero", int(Input::Cosman), "0",
            {"   -> El coste de mantenimiento del autobús es cero.", notEssential}, S::AllowedZero);
        row("25 financing cost empty", int(Input::Cosfin), "",
            {"   -> No ha introducido el coste de financiación del autobús"}, S::Missing);
        row("26 financing cost zero", int(Input::Cosfin), "0",
            {"   -> El coste de financiación del autobús es cero.", positive}, S::AllowedZero);
        row("27 financing period empty", int(Input::Plafin), "",
            {"   -> No ha introducido el plazo de financiación del autobús"}, S::Missing);
        row("28 financing period zero", int(Input::Plafin), "0",
            {"   -> El plazo de financiación del autobús es cero.", "       Se supondrá que no se financia"},
            S::AllowedZero);
        row("29 trip km empty", int(Input::Km), "", {"   -> No ha introducido los Km del trayecto"}, S::Missing);
        row("30 trip km zero", int(Input::Km), "0", {"   -> Los Km del trayecto son cero.", positive}, S::AllowedZero);
        row("31 trip hours empty", int(Input::Horas), "", {"   -> No ha introducido las horas del trayecto"},
            S::Missing);
        row("32 trip hours zero", int(Input::Horas), "0", {"   -> Las horas del trayecto son cero.", positive},
            S::AllowedZero);
        row("33 positioning empty", int(Input::Vacio), "",
            {"   -> No ha introducido los km de posicionamiento del servicio"}, S::Missing);
        row("34 positioning zero", int(Input::Vacio), "0", {"   -> Los km de posicionamiento son cero.", notEssential},
            S::AllowedZero);
        row("a word reads as zero", int(Input::Cosgas), "abc", {"   -> El coste de combustible es cero.", notEssential},
            S::AllowedZero);
        const QString corrected = "       Los valores negativos no son válidos: corríjalo";
        row("salary negative", int(Input::Salacon), "-1", {"   -> El salario del conductor es negativo", corrected},
            S::Negative);
        row("working hours negative", int(Input::Htraba), "-1800",
            {"   -> Las horas de trabajo del conductor son negativas.", corrected}, S::Negative);
        row("general negative", int(Input::Cosgen), "-10", {"   -> Los costes generales son negativos.", corrected},
            S::Negative);
        row("tyre life negative", int(Input::Vidneu), "-1e5",
            {"   -> La duración de los neumáticos es negativa.", corrected}, S::Negative);
        row("annual km negative", int(Input::Kmaut), "-60000",
            {"   -> Los kilómetros anuales del autobús son negativos.", corrected}, S::Negative);
        row("financing period negative", int(Input::Plafin), "-5",
            {"   -> El plazo de financiación del autobús es negativo.", corrected}, S::Negative);
        row("trip hours negative", int(Input::Horas), "-2", {"   -> Las horas del trayecto son negativas.", corrected},
            S::Negative);
        row("positioning negative", int(Input::Vacio), " - 2",
            {"   -> Los km de posicionamiento son negativos.", corrected}, S::Negative);
        row("minus zero is zero", int(Input::Horas), "-0", {"   -> Las horas del trayecto son cero.", positive},
            S::AllowedZero);
        row("minus a word is zero", int(Input::Horas), "-abc", {"   -> Las horas del trayecto son cero.", positive},
            S::AllowedZero);
    }
    void eachFinding()
    {
        QFETCH(int, input);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(int, state);
        Workspace ws = fixtures::classThree();
        FieldTexts texts = fixtures::workedExampleTexts();
        if (input < 0)
            ws.BusClass = 0;
        else
            texts[Input(input)] = text.toStdString();
        const DataCheckResult check = runDataCheck(ws, texts);

        // Each finding stands in its group; the three group lines stay.
        QStringList expected = {"", "", ""};
        const int groupEnd[] = {int(Input::Cosgen), int(Input::Vidneu), int(Input::Plafin)};
        int before = 0;
        if (input >= 0) {
            const int order[] = {int(Input::Salacon), int(Input::Htraba), int(Input::Cosgen), int(Input::Cosgas),
                                 int(Input::Cosseg),  int(Input::Cosneu), int(Input::Vidneu), int(Input::Cosaut),
                                 int(Input::Vidaut),  int(Input::Kmaut),  int(Input::Cosman), int(Input::Cosfin),
                                 int(Input::Plafin),  int(Input::Km),     int(Input::Horas),  int(Input::Vacio)};
            for (int field : order) {
                if (field == input)
                    break;
                for (int end : groupEnd)
                    before += field == end;
            }
        }
        expected = withGroupBreaks(lines, before);
        while (expected.count("") < 3)
            expected << "";
        QCOMPARE(findingLines(check), expected);
        QCOMPARE(check.verdict.missing, state == int(CheckState::Missing));
        QCOMPARE(check.verdict.blockingZero, state == int(CheckState::BlockingZero));
        QCOMPARE(check.allowedZero, state == int(CheckState::AllowedZero));
        QCOMPARE(check.verdict.negative, state == int(CheckState::Negative));
        QCOMPARE(check.calculationOffered(), state == int(CheckState::AllowedZero));
    }

    void switchesSilenceOnlyValueRows()
    {
        Workspace ws = fixtures::classThree();
        fixtures::switchAllOn(ws);
        FieldTexts texts;
        for (Input input : AllInputs)
            texts[input] = "Observatorio";
        texts[Input::Km] = "100";
        texts[Input::Horas] = "2";
        texts[Input::Vacio] = "10";
        DataCheckResult check = runDataCheck(ws, texts);
        QCOMPARE(findingLines(check), QStringList({"", "", ""}));
        QVERIFY(check.calculationOffered() && !check.allowedZero);
        QVERIFY(!check.excessiveSpeed);

        texts[Input::Cosgen] = "";   // an empty field is missing whatever its switch
        check = runDataCheck(ws, texts);
        QVERIFY(check.verdict.missing);
    }

    void allEmptyWithoutClass()
    {
        const DataCheckResult check = runDataCheck(Workspace{}, FieldTexts{});
        QStringList rows;
        for (const CheckFinding &finding : check.findings)
            rows << QString::number(finding.row);
        QCOMPARE(rows.join(' '), QString("1 2 4 6 0 9 11 13 15 0 17 19 21 23 25 27 0 29 31 33"));
        QVERIFY(check.verdict.missing && !check.calculationOffered());
        const QStringList lines = screenLines(check);
        QCOMPARE(lines.mid(lines.size() - 6), QStringList({"  Faltan datos por introducir. Si no los conoce,",
                                                           "  es recomendable utilizar los del Observatorio", "",
                                                           "  Si desea que tengan valor cero,",
                                                           "  por favor introduzca un cero en su casilla", ""}));
    }

    // The refusing paragraphs come first, in this order: negative values,
    // blocking zeros, missing data; any of them withholds the calculation.
    void verdicts_data()
    {
        QTest::addColumn<QStringList>("changes");   // "Field=text", "class=0" or "switch=Driver"
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QStringList>("verdict");
        const QStringList negative = {"  Algunos datos tienen valores negativos, que no son válidos",
                                      "  Corríjalos antes de realizar los cálculos", ""};
        const QStringList blocking = {"  Algunos datos con valor cero impiden realizar los cálculos",
                                      "  Si no los conoce es recomendable utilizar el dato del",
                                      "  observatorio en su lugar", ""};
        const QStringList missing = {"  Faltan datos por introducir. Si no los conoce,",
                                     "  es recomendable utilizar los del Observatorio",
                                     "",
                                     "  Si desea que tengan valor cero,",
                                     "  por favor introduzca un cero en su casilla",
                                     ""};
        const QStringList warning = {"  No faltan datos por introducir, pero hay algunos con valor cero",
                                     "  Puede realizar los cálculos, pero tenga en cuenta los valores nulos",
                                     "  Pulse el botón Calcular si desea hacerlo", ""};
        const QStringList success = {"  No faltan datos por introducir, puede realizar los cálculos",
                                     "  Pulse el botón Calcular si desea hacerlo"};
        QTest::newRow("blocking only") << QStringList{"Htraba=0"} << false << blocking;
        QTest::newRow("blocking and missing") << QStringList{"Htraba=0", "Km="} << false << blocking + missing;
        QTest::newRow("missing") << QStringList{"class=0"} << false << missing;
        QTest::newRow("warning") << QStringList{"Salacon=0"} << true << warning;
        QTest::newRow("success") << QStringList{} << true << success;
        QTest::newRow("general costs of 90 pass") << QStringList{"Cosgen=90"} << true << success;
        QTest::newRow("negative only") << QStringList{"Horas=-2"} << false << negative;
        QTest::newRow("negative beside an allowed zero") << QStringList{"Horas=-2", "Salacon=0"} << false << negative;
        QTest::newRow("negative and blocking") << QStringList{"Cosseg=-1", "Vidaut=0"} << false << negative + blocking;
        QTest::newRow("negative and missing") << QStringList{"Cosgen=-5", "Vacio="} << false << negative + missing;
        QTest::newRow("negative, blocking and missing")
            << QStringList{"Horas=-2", "Htraba=0", "class=0"} << false << negative + blocking + missing;
        QTest::newRow("observatory fields are never negative")
            << QStringList{"switch=Driver", "Salacon=Observatorio", "Htraba=Observatorio"} << true << success;
        QTest::newRow("observatory fields beside a negative one")
            << QStringList{"switch=Driver", "Salacon=Observatorio", "Htraba=Observatorio", "Km=-100"} << false
            << negative;
    }
    void verdicts()
    {
        QFETCH(QStringList, changes);
        QFETCH(bool, offered);
        QFETCH(QStringList, verdict);
        Workspace ws = fixtures::classThree();
        FieldTexts texts = fixtures::workedExampleTexts();
        for (const QString &change : changes) {
            const QString name = change.section('=', 0, 0);
            const std::string value = change.section('=', 1).toStdString();
            if (name == "class")
                ws.BusClass = 0;
            if (name == "switch" && value == "Driver")
                ws.switches[Switch::Driver] = true;
            for (Input input : AllInputs)
                if (inputName(input) == name.toStdString())
                    texts[input] = value;
        }
        const DataCheckResult check = runDataCheck(ws, texts);
        QCOMPARE(check.calculationOffered(), offered);
        const QStringList lines = screenLines(check);
        const int rule = lines.indexOf("  " + QString(49, '-'));
        QCOMPARE(lines.mid(rule + 1), verdict);
    }

    void speedNote_data()
    {
        QTest::addColumn<QString>("km");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("speedLine");
        QTest::newRow("125 km/h") << "250"
                                  << "2"
                                  << "      velocidad mínima del autobús de 125  Km/H";
        QTest::newRow("exactly 120 passes") << "240"
                                            << "2"
                                            << "";
        QTest::newRow("fraction") << "250"
                                  << "1.5"
                                  << "      velocidad mínima del autobús de 166,6667  Km/H";
        QTest::newRow("no hours, no note") << "250"
                                           << "0"
                                           << "";
        QTest::newRow("vanishing hours stay finite") << "250"
                                                     << "1e-300"
                                                     << "      velocidad mínima del autobús de 3,402823E+38  Km/H";
    }
    void speedNote()
    {
        QFETCH(QString, km);
        QFETCH(QString, hours);
        QFETCH(QString, speedLine);
        FieldTexts texts = fixtures::workedExampleTexts();
        texts[Input::Km] = km.toStdString();
        texts[Input::Horas] = hours.toStdString();
        const DataCheckResult check = runDataCheck(fixtures::classThree(), texts);
        const QStringList lines = screenLines(check);
        const int note = lines.indexOf("   -> El trayecto presupone una");
        if (speedLine.isEmpty()) {
            QCOMPARE(note, -1);
            return;
        }
        QCOMPARE(lines.value(note + 1), speedLine);
        QCOMPARE(lines.value(note + 2), QString("       Parece excesiva, pero aun así se puede efectuar el cálculo"));
        QVERIFY(!check.allowedZero && !check.verdict.missing);   // the note sets no state
    }

    void unknownClassFromAFileCountsAsNone()
    {
        Workspace ws = fixtures::classThree();
        ws.BusClass = 7;
        const DataCheckResult check = runDataCheck(ws, fixtures::workedExampleTexts());
        QVERIFY(check.verdict.missing);
        QCOMPARE(check.findings.front().row, 1);
    }
};

QTEST_GUILESS_MAIN(DataCheckTest)
#include "tst_data_check.moc"
