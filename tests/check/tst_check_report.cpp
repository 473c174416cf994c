#include "../report/report_fixture.h"
#include "check/check_report.h"

#include <QtTest>

using namespace rotavex;
using namespace rotavex::testing;

namespace {

const QString Short(38, '-');
const QString Long(49, '-');

QStringList printedFindings(const QStringList &lines)
{
    const int verdict = lines.indexOf("Resultado de la comprobación");
    return lines.mid(4, verdict - 5);
}

QStringList printedVerdict(const QStringList &lines)
{
    const int verdict = lines.indexOf("Resultado de la comprobación");
    return lines.mid(verdict + 3, lines.size() - verdict - 6);
}

}   // namespace

class CheckReportTest : public QObject {
    Q_OBJECT
private slots:
    void printed_data()
    {
        QTest::addColumn<int>("busClass");
        QTest::addColumn<QStringList>("changes");   // input index, text, ...
        QTest::addColumn<QStringList>("findings");
        QTest::addColumn<QStringList>("verdict");
        QStringList allEmpty;
        for (std::size_t i = 0; i < InputCount; ++i)
            allEmpty << QString::number(i) << "";
        QTest::newRow("nothing entered") << 0 << allEmpty
                                         << QStringList{"-> No ha seleccionado el tipo de autobús",
                                                        "-> No ha introducido el salario del conductor",
                                                        "-> No ha introducido las horas de trabajo del conductor",
                                                        "-> No ha introducido los costes generales",
                                                        "",
                                                        "-> No ha introducido el coste de combustible",
                                                        "-> No ha introducido el coste de seguros",
                                                        "-> No ha introducido el coste de neumáticos",
                                                        "-> No ha introducido la duración de los neumáticos",
                                                        "",
                                                        "-> No ha introducido el coste del autobús",
                                                        "-> No ha introducido la vida útil del autobús",
                                                        "-> No ha introducido los kilómetros anuales del autobús",
                                                        "-> No ha introducido el coste de mantenimiento del autobús",
                                                        "-> No ha introducido el coste de financiación del autobús",
                                                        "-> No ha introducido el plazo de financiación del autobús",
                                                        "",
                                                        "-> No ha introducido los Km del trayecto",
                                                        "-> No ha introducido las horas del trayecto",
                                                        "-> No ha introducido los km de posicionamiento del servicio"}
                                         << QStringList{
                                                "Faltan datos por introducir. Si no los conoce, es recomendable",
                                                "utilizar los del Observatorio",
                                                "",
                                                "Si desea que tengan valor cero,",
                                                "por favor introduzca un cero en su casilla",
                                                ""};
        QTest::newRow("everything complete")
            << 3 << QStringList{} << QStringList{"", "", ""}
            << QStringList{"No faltan datos por introducir, puede realizar los cálculos",
                           "Pulse el botón Calcular si desea hacerlo"};
        // 125.5 km/h: the speed is written as it is, not rounded.
        QTest::newRow("zero salary, fast trip")
            << 3 << QStringList{QString::number(int(Input::Salacon)), "0", QString::number(int(Input::Km)), "251",
                                QString::number(int(Input::Horas)),   "2"}
            << QStringList{"-> El salario del conductor es cero",
                           "   Este dato no es imprescindible pero debe tenerlo en cuenta",
                           "",
                           "",
                           "",
                           "-> El trayecto presupone un velocidad mínima del autobús de 125,5  Km/H",
                           "   Parece excesiva, pero aun así se puede efectuar el cálculo"}
            << QStringList{"No faltan datos por introducir, pero hay algunos con valor cero",
                           "Puede realizar los cálculos, pero tenga en cuenta los valores nulos",
                           "Pulse el botón Calcular si desea hacerlo", ""};
        QTest::newRow("negative trip hours, zero working hours")
            << 3 << QStringList{QString::number(int(Input::Horas)), "-2", QString::number(int(Input::Htraba)), "0"}
            << QStringList{"-> Las horas de trabajo del conductor son cero.",
                           "   Para los cálculos es necesario un valor positivo",
                           "",
                           "",
                           "",
                           "-> Las horas del trayecto son negativas.",
                           "   Los valores negativos no son válidos: corríjalo"}
            << QStringList{"Algunos datos tienen valores negativos, que no son válidos",
                           "Corríjalos antes de realizar los cálculos",
                           "",
                           "Algunos datos con valor cero impiden realizar los cálculos",
                           "Si no los conoce es recomendable utilizar el dato del",
                           "observatorio en su lugar",
                           ""};
    }
    void printed()
    {
        QFETCH(int, busClass);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, findings);
        QFETCH(QStringList, verdict);
        Workspace ws;
        ws.BusClass = int16_t(busClass);
        FieldTexts texts = workedExampleTexts();
        for (int i = 0; i + 1 < changes.size(); i += 2)
            texts.texts[std::size_t(changes[i].toInt())] = changes[i + 1].toStdString();
        const Report report = checkPaperReport(runDataCheck(ws, texts));
        const QStringList lines = renderedLines(report, localeWith(","));

        QCOMPARE(lines.mid(0, 4), (QStringList{"Rotavex 3", "", "Comprobación de datos", Short}));
        QCOMPARE(printedFindings(lines), findings);
        const int heading = lines.indexOf("Resultado de la comprobación");
        QCOMPARE(lines.mid(heading - 1, 4), (QStringList{"", "Resultado de la comprobación", Long, ""}));
        QCOMPARE(printedVerdict(lines), verdict);
        QCOMPARE(lines.mid(lines.size() - 3), (QStringList{Long, "", "\f"}));
        QVERIFY(std::holds_alternative<EndDocument>(report.items.back()));
    }
};

QTEST_GUILESS_MAIN(CheckReportTest)
#include "tst_check_report.moc"
