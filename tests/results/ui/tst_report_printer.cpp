#include "check/check_report.h"
#include "check/ui/check_printing.h"
#include "observatory/ui/observatory_window.h"
#include "results/plain_text.h"
#include "results/ui/cost_chart.h"
#include "results/ui/report_printer.h"
#include "results/ui/results_printing.h"
#include "results/ui/system_number_locale.h"
#include "results/ui/worked_example.h"
#include "ui_support/pdf_printing.h"
#include "ui_support/scripted_prompter.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QtTest>

using namespace rotavex;

namespace {

enum class Printout { CheckAllMissing, FullService, UnitCosts, Observatory };

// Prints as the windows' buttons do.
void print(Printout printout)
{
    switch (printout) {
    case Printout::CheckAllMissing:
        printCheckReport(runDataCheck(Workspace{}, FieldTexts{}));
        return;
    case Printout::Observatory:
        printObservatoryTable();
        return;
    case Printout::FullService:
    case Printout::UnitCosts: {
        const Workspace ws = workedExample(printout == Printout::FullService);
        CostChart chart;
        chart.resize(chart.sizeHint());
        chart.setData(chartData(ws));
        QWidget pctGraf;
        printResults(ws, QStringLiteral("100"), QStringLiteral("20"), chart, &pctGraf);
        return;
    }
    }
}

QString todaysStamp()
{
    const QDate today = QDate::currentDate();
    const DateTime now{today.year(), today.month(), today.day(), 0, 0, 0};
    return QStringLiteral("Cálculo realizado el ")
           + QString::fromStdString(formatDateTime(now, systemNumberLocale().shortDateFormat));
}

// Finds the texts one after another in the pages, blanks run together.
bool inOrder(const QStringList &pages, const QStringList &texts, QString *missing)
{
    const QString all = pages.join(QLatin1Char('\n')).simplified();
    qsizetype at = 0;
    for (const QString &text : texts) {
        at = all.indexOf(text.simplified(), at);
        if (at < 0) {
            *missing = text;
            return false;
        }
    }
    return true;
}

QString lastLine(const QString &page)
{
    const QStringList lines = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        if (!it->trimmed().isEmpty())
            return it->trimmed();
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Printout)
Q_DECLARE_METATYPE(rotavex::PdfPrinting::Printer)

class TestReportPrinter : public QObject {
    Q_OBJECT
private slots:
    void documents_data();
    void documents();
    void clipboardKeepsTheChart();
    void withoutPrinter_data();
    void withoutPrinter();
};

void TestReportPrinter::documents_data()
{
    QTest::addColumn<Printout>("printout");
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<QList<QStringList>>("texts");     // per document, in order
    QTest::addColumn<QList<int>>("pictures");          // per document
    QTest::addColumn<int>("minPages");                 // of the first document
    QTest::addColumn<QString>("lastLine");             // of the first document

    const QString checkRule(49, QLatin1Char('-'));
    QTest::newRow("check report flowing over small pages")
        << Printout::CheckAllMissing << QPageSize(QSizeF(210, 100), QPageSize::Millimeter)
        << QList<QStringList>{{"Rotavex 3", "Comprobación de datos", "-> No ha seleccionado el tipo de autobús",
                               "Resultado de la comprobación", "Faltan datos por introducir. Si no los conoce, es recomendable",
                               "por favor introduzca un cero en su casilla", checkRule}}
        << QList<int>{0} << 2 << checkRule;
    QTest::newRow("full service: text and footer, then the chart alone")
        << Printout::FullService << QPageSize(QPageSize::A4)
        << QList<QStringList>{{"ROTAVEX 2018", "Resultado del cálculo de costes", "Coste total del trayecto:",
                               "Costes generales:", todaysStamp(), "Tesmora. Belvarde", "Dizezirad de Valdoria"},
                              {}}
        << QList<int>{0, 1} << 1 << QStringLiteral("Dizezirad de Valdoria");
    QTest::newRow("unit costs: text, footer and chart in one")
        << Printout::UnitCosts << QPageSize(QPageSize::A4)
        << QList<QStringList>{{"ROTAVEX 2018", "Costes unitarios por vehículo:", "TOTAL:", todaysStamp(), "Tesmora",
                               "Dizezirad de Valdoria"}}
        << QList<int>{1} << 1 << QStringLiteral("Dizezirad de Valdoria");
    QTest::newRow("observatory table: one document, nothing after its end")
        << Printout::Observatory << QPageSize(QPageSize::A4)
        << QList<QStringList>{{"Observatorio de Costes del Transporte de Viajeros en Autobús",
                               "(Suponiendo un servicio de una hora)", "Menos de 22 plazas:6,14 euros por hora",
                               "Más de 55 plazas: 5,47 euros por hora"}}
        << QList<int>{0} << 1 << QString(112, QLatin1Char('-'));
}

void TestReportPrinter::documents()
{
    QFETCH(Printout, printout);
    QFETCH(QPageSize, pageSize);
    QFETCH(QList<QStringList>, texts);
    QFETCH(QList<int>, pictures);
    QFETCH(int, minPages);
    QFETCH(QString, lastLine);

    ScriptedPrompter prompter;
    PdfPrinting printing;
    printing.pageSize = pageSize;
    print(printout);

    QCOMPARE(prompter.shown, QStringList());
    const QStringList documents = printing.printed();
    QCOMPARE(documents.size(), texts.size());
    for (qsizetype i = 0; i < documents.size(); ++i) {
        const QStringList pages = pdfPages(documents[i]);
        QString missing;
        QVERIFY2(inOrder(pages, texts[i], &missing), qPrintable(missing));
        QCOMPARE(pdfPicturePages(documents[i]).size(), pictures[i]);
        if (i == 0) {
            QVERIFY(pages.size() >= minPages);
            QCOMPARE(::lastLine(pages.last()), lastLine);
        } else {
            QVERIFY(texts[i].isEmpty() || !pages.isEmpty());
        }
    }
}

void TestReportPrinter::clipboardKeepsTheChart()
{
    ScriptedPrompter prompter;
    PdfPrinting printing;
    const Workspace ws = workedExample(true);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setData(chartData(ws));
    QWidget pctGraf;
    QGuiApplication::clipboard()->setText(QStringLiteral("texto anterior"));

    printResults(ws, QStringLiteral("100"), QStringLiteral("20"), chart, &pctGraf);

    const QImage pasted = QGuiApplication::clipboard()->image();
    QVERIFY(!pasted.isNull());
    QCOMPARE(pasted.deviceIndependentSize().toSize(), chart.size());
    QCOMPARE(heldChartPicture(&pctGraf), pasted);
}

void TestReportPrinter::withoutPrinter_data()
{
    QTest::addColumn<Printout>("printout");
    QTest::addColumn<PdfPrinting::Printer>("printer");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("chosenFile");   // relative to the test folder; "" = dialog cancelled
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("pdfPages");         // 0: no file written
    QTest::addColumn<int>("chartPage");        // 0: no chart

    using P = PdfPrinting::Printer;
    QTest::newRow("no printer, yes: both documents in the one file")
        << Printout::FullService << P::Missing << true << "resultados.pdf" << QStringList{NoPrinterQuestion} << 2 << 2;
    QTest::newRow("no printer, unit costs") << Printout::UnitCosts << P::Missing << true << "r.pdf"
                                            << QStringList{NoPrinterQuestion} << 1 << 1;
    QTest::newRow("no printer, no: nothing written")
        << Printout::CheckAllMissing << P::Missing << false << "check.pdf" << QStringList{NoPrinterQuestion} << 0 << 0;
    QTest::newRow("no printer, file dialog cancelled")
        << Printout::Observatory << P::Missing << true << "" << QStringList{NoPrinterQuestion} << 0 << 0;
    QTest::newRow("printer refuses, yes") << Printout::CheckAllMissing << P::Refusing << true << "check.pdf"
                                          << QStringList{PrinterRefusedQuestion} << 1 << 0;
    QTest::newRow("file cannot be written: told so")
        << Printout::Observatory << P::Missing << true << "no-such-folder/obs.pdf"
        << QStringList{NoPrinterQuestion, PdfNotWrittenMessage} << 0 << 0;
}

void TestReportPrinter::withoutPrinter()
{
    QFETCH(Printout, printout);
    QFETCH(PdfPrinting::Printer, printer);
    QFETCH(bool, yes);
    QFETCH(QString, chosenFile);
    QFETCH(QStringList, shown);
    QFETCH(int, pdfPages);
    QFETCH(int, chartPage);

    ScriptedPrompter prompter;
    prompter.answers = {yes ? Answer::Yes : Answer::No};
    PdfPrinting printing;
    printing.printer = printer;
    const QString pdf = chosenFile.isEmpty() ? QString() : printing.path(chosenFile);
    printing.pdfFileAnswer = pdf;

    print(printout);

    QCOMPARE(prompter.shown.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2(prompter.shown[i].startsWith(shown[i]), qPrintable(prompter.shown[i]));
    QCOMPARE(printing.suggestedNames.size(), yes ? 1 : 0);
    QCOMPARE(printing.printed(), QStringList());
    QCOMPARE(!pdf.isEmpty() && QFile::exists(pdf), pdfPages > 0);
    if (pdfPages == 0)
        return;
    const QStringList pages = ::pdfPages(pdf);
    QCOMPARE(pages.size(), pdfPages);
    QVERIFY(!pages.first().trimmed().isEmpty());
    QCOMPARE(pdfPicturePages(pdf), chartPage ? QList<int>{chartPage} : QList<int>{});
}

QTEST_MAIN(TestReportPrinter)
#include "tst_report_printer.moc"
