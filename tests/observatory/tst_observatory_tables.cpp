#include "../report/report_fixture.h"
#include "model/calculation.h"
#include "model/observatory_values.h"
#include "observatory/observatory_tables.h"

#include <QtTest>

using namespace rotavex;
using namespace rotavex::testing;

namespace {

const QString Dashes(112, '-');
const QStringList ClassLabels = {
    "Menos de 22 plazas:", "De 22 a 35 plazas:", "de 36 a 55 plazas:", "Más de 55 plazas:"};

QStringList lines(const Report &report, const QString &separator)
{
    return renderedLines(report, localeWith(separator));
}

QStringList classLines(const QStringList &figures, const QString &afterColon, const QString &unit)
{
    QStringList out;
    for (int c = 0; c < 4; ++c)
        out << QString(22, ' ') + ClassLabels[c] + afterColon + figures[c] + unit;
    return out;
}

// The averages, alike on screen and on paper; '#' is the locale's separator.
QStringList averages()
{
    const QString item(14, ' ');
    const QString perKm = " euros por Km", perHour = " euros por hora";
    return QStringList{item + "Coste Generales: 12,5% del coste del servicio",
                       item + "Coste de Conductor: 30,74 euros por hora", item + "Coste de Combustible:"}
           + classLines({"0#1877906", "0#23996", "0#3129844", "0#3964469"}, " ", perKm)
           + QStringList{item + "Coste de Amortización"} + classLines({"6,14", "7,34", "13,06", "15,50"}, "", perHour)
           + QStringList{item + "Coste de Mantenimiento"}
           + classLines({"0#1062573", "0#1195395", "0#1461038", "0#239079"}, " ", perKm)
           + QStringList{item + "Coste de Financiación:"} + classLines({"0,87", "1,04", "1,85", "2,20"}, " ", perHour)
           + QStringList{item + "Coste de Neumáticos:"}
           + classLines({"0#0289214", "0#0385619", "0#0385619", "0#0385619"}, " ", perKm)
           + QStringList{item + "Coste de Seguros:"} + classLines({"2,89", "3,39", "4,21", "5,47"}, " ", perHour);
}

}   // namespace

class ObservatoryTablesTest : public QObject {
    Q_OBJECT
private slots:
    void tables_data()
    {
        QTest::addColumn<bool>("paper");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("expected");
        const QString indent(6, ' ');
        const QString title = "Observatorio de Costes del Transporte de Viajeros en Autobús";
        const QString subtitle = "Resultados: Costes Medios en la Dizezirad de Valdoria";
        const QString oneHour = "(Suponiendo un servicio de una hora)";
        const QStringList screen = QStringList{"", indent + title, indent + subtitle, indent + oneHour, indent + Dashes}
                                   + averages() + QStringList{indent + Dashes, indent};
        const QStringList paper = QStringList{title, "", subtitle, oneHour, Dashes, ""} + averages()
                                  + QStringList{Dashes, "", "\f"};
        for (const QString separator : {",", "."}) {
            QTest::addRow("screen '%s'", qPrintable(separator)) << false << separator << screen;
            QTest::addRow("paper '%s'", qPrintable(separator)) << true << separator << paper;
        }
    }
    void tables()
    {
        QFETCH(bool, paper);
        QFETCH(QString, separator);
        QFETCH(QStringList, expected);
        const Report report = paper ? observatoryPaperTable(*builtInReferenceSet())
                                    : observatoryScreenTable(*builtInReferenceSet());
        QCOMPARE(lines(report, separator), withSeparator(expected, separator));
    }

    void paperFonts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QString>("font");
        QTest::newRow("title") << "Observatorio de Costes del Transporte de Viajeros en Autobús" << 0
                               << "14 bold underline";
        QTest::newRow("subtitle") << "(Suponiendo un servicio de una hora)" << 0 << "12 bold";
        QTest::newRow("averages") << QString(14, ' ') + "Coste de Seguros:" << 0 << "12 bold";
        QTest::newRow("closing dashes") << Dashes << 1 << "12";
        QTest::newRow("publisher") << "" << 0 << "10 italic";
    }
    void paperFonts()
    {
        QFETCH(QString, text);
        QFETCH(int, skip);
        QFETCH(QString, font);
        const Report report = observatoryPaperTable(*builtInReferenceSet());
        QCOMPARE(fontAt(report, text.toStdString(), skip), font);
        QCOMPARE(countOf<EndDocument>(report), 1);
        QVERIFY(std::holds_alternative<EndDocument>(report.items.back()));
    }

    // The table's figures are the observatory's own: the per-km ones are the
    // averages the calculation uses, the per-hour ones what it gives for a
    // one-hour service with every group switched to the observatory.
    void figuresAgreeWithTheCalculation_data()
    {
        QTest::addColumn<int>("busClass");
        for (int c = 1; c <= 4; ++c)
            QTest::addRow("class %d", c) << c;
    }
    void figuresAgreeWithTheCalculation()
    {
        QFETCH(int, busClass);
        const QStringList table = lines(observatoryScreenTable(*builtInReferenceSet()), ",");
        const auto figureOf = [&](const QString &heading) {
            const QString line = table.at(table.indexOf(QString(14, ' ') + heading) + busClass);
            return line.section(':', 1).trimmed().section(' ', 0, 0);
        };
        const ObservatoryValues &obs = builtInReferenceSet()->of(busClass);
        QCOMPARE(float(figureOf("Coste de Combustible:").replace(',', '.').toDouble()), obs.fuelPerKm);
        QCOMPARE(float(figureOf("Coste de Mantenimiento").replace(',', '.').toDouble()), obs.maintenancePerKm);
        QCOMPARE(float(figureOf("Coste de Neumáticos:").replace(',', '.').toDouble()), obs.tyresPerKm);

        Workspace ws;
        ws.BusClass = int16_t(busClass);
        ws.switches = ObservatorySwitches::allOn();
        FieldTexts texts;
        texts[Input::Km] = "100";
        texts[Input::Vacio] = "0";
        texts[Input::Horas] = "1";
        QVERIFY(!Calculate(ws, texts));
        const auto cents = [](float v) { return QString::number(double(v), 'f', 2).replace('.', ','); };
        QCOMPARE(cents(ws.DriverPerHour), "30,74");
        QCOMPARE(figureOf("Coste de Amortización"), cents(ws.AmortisationPerHour));
        QCOMPARE(figureOf("Coste de Financiación:"), cents(ws.FinancingPerHour));
        QCOMPARE(figureOf("Coste de Seguros:"), cents(ws.InsurancePerHour));
    }
};

QTEST_GUILESS_MAIN(ObservatoryTablesTest)
#include "tst_observatory_tables.moc"
