#include "check/ui/check_printing.h"
#include "fixtures/worked_example.h"
#include "observatory/ui/observatory_window.h"
#include "report/plain_text.h"
#include "report/ui/number_locale.h"
#include "results/ui/chart_picture_area.h"
#include "results/ui/cost_chart.h"
#include "results/ui/results_printing.h"
#include "ui_support/pdf_printing.h"
#include "ui_support/scripted_prompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace rotavex;

namespace {

enum class Printout { CheckAllMissing, FullService, UnitCosts, Observatory };

// Prints as the window's button does. After the results, the clipboard and
// pctGraf must both hold the chart's picture; false when they do not.
bool print(Printout printout)
{
    if (printout == Printout::CheckAllMissing)
        printCheckReport(runDataCheck(Workspace{}, FieldTexts{}));
    if (printout == Printout::Observatory)
        printObservatoryTable(*builtInReferenceSet());
    if (printout != Printout::FullService && printout != Printout::UnitCosts)
        return true;
    const Workspace ws = rotavex::fixtures::calculatedWorkedExample(printout == Printout::FullService);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setData(chartData(ws));
    ChartPictureArea pctGraf;
    QGuiApplication::clipboard()->setText(QStringLiteral("texto anterior"));
    printResults(ws, QStringLiteral("100"), QStringLiteral("20"), chart, pctGraf);
    const QImage pasted = QGuiApplication::clipboard()->image();
    return !pasted.isNull() && pasted.deviceIndependentSize().toSize() == chart.size() && pctGraf.picture() == pasted;
}

QString todaysStamp()
{
    const QDate today = QDate::currentDate();
    return QStringLiteral("Cálculo realizado el ")
           + QString::fromStdString(formatDateTime({today.year(), today.month(), today.day(), 0, 0, 0},
                                                   systemNumberLocale().shortDateFormat));
}

// The texts one after another in the pages, blanks run together; "" when
// all are found, else the first one missing.
QString missingInOrder(const QStringList &pages, const QStringList &texts)
{
    const QString all = pages.join(QLatin1Char('\n')).simplified();
    qsizetype at = 0;
    for (const QString &text : texts)
        if ((at = all.indexOf(text.simplified(), at)) < 0)
            return text;
    return QString();
}

QString lastLine(const QStringList &pages)
{
    const QStringList lines = pages.join(QLatin1Char('\n')).trimmed().split(QLatin1Char('\n'));
    return lines.last().trimmed();
}

}   // namespace

Q_DECLARE_METATYPE(Printout)
Q_DECLARE_METATYPE(rotavex::PdfPrinting::Printer)

class ReportPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void documents_data();
    void documents();
    void withoutPrinter_data();
    void withoutPrinter();
};

void ReportPrinterTest::documents_data()
{
    QTest::addColumn<Printout>("printout");
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<QList<QStringList>>("texts");   // per document, in order
    QTest::addColumn<QList<int>>("pictures");        // per document; the chart is drawn, not a picture
    QTest::addColumn<int>("minPages");               // of the first document
    QTest::addColumn<QString>("lastLine");           // of the first document; "" = not checked

    const QString checkRule(49, QLatin1Char('-'));
    QTest::newRow("check report flowing over short pages, footer last")
        << Printout::CheckAllMissing << QPageSize(QSizeF(210, 100), QPageSize::Millimeter)
        << QList<QStringList>{{"Rotavex 3", "Comprobación de datos", "-> No ha seleccionado el tipo de autobús",
                               "Resultado de la comprobación",
                               "Faltan datos por introducir. Si no los conoce, es recomendable",
                               "por favor introduzca un cero en su casilla", checkRule}}
        << QList<int>{0} << 2 << checkRule;
    QTest::newRow("full service: text and footer, then the chart alone")
        << Printout::FullService << QPageSize(QPageSize::A4)
        << QList<QStringList>{{"ROTAVEX 2018", "Resultado del cálculo de costes", "Coste total del trayecto:",
                               "Costes generales:", todaysStamp(), "Tesmora. Belvarde", "Dizezirad de Valdoria"},
                              {ChartTitle}}
        << QList<int>{0, 0} << 1 << QStringLiteral("Dizezirad de Valdoria");
    QTest::newRow("unit costs: text, footer and chart in one")
        << Printout::UnitCosts << QPageSize(QPageSize::A4)
        << QList<QStringList>{{"ROTAVEX 2018", "Costes unitarios por vehículo:", "TOTAL:", todaysStamp(), "Tesmora",
                               "Dizezirad de Valdoria", ChartTitle}}
        << QList<int>{0} << 1 << QString();
    QTest::newRow("observatory table: nothing after its end")
        << Printout::Observatory << QPageSize(QPageSize::A4)
        << QList<QStringList>{{"Observatorio de Costes del Transporte de Viajeros en Autobús",
                               "Menos de 22 plazas:6,14 euros por hora", "Más de 55 plazas: 5,47 euros por hora"}}
        << QList<int>{0} << 1 << QString(112, QLatin1Char('-'));
}

void ReportPrinterTest::documents()
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
    QVERIFY(print(printout));

    QCOMPARE(prompter.shown, QStringList());
    const QStringList documents = printing.printed();
    QCOMPARE(documents.size(), texts.size());
    for (qsizetype i = 0; i < documents.size(); ++i) {
        const QStringList pages = pdfPages(documents[i]);
        QCOMPARE(missingInOrder(pages, texts[i]), QString());
        QCOMPARE(pdfPictures(documents[i]).size(), pictures[i]);
    }
    const QStringList first = pdfPages(documents.first());
    QVERIFY(first.size() >= minPages);
    if (!lastLine.isEmpty())
        QCOMPARE(::lastLine(first), lastLine);
}

void ReportPrinterTest::withoutPrinter_data()
{
    QTest::addColumn<Printout>("printout");
    QTest::addColumn<PdfPrinting::Printer>("printer");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("chosenFile");   // in the test's folder; "" = dialog cancelled
    QTest::addColumn<QStringList>("shown");    // how each message begins
    QTest::addColumn<QList<int>>("pages");     // per page of the PDF: charts on it; empty = no file

    using P = PdfPrinting::Printer;
    QTest::newRow("no printer, yes: both documents in the one file")
        << Printout::FullService << P::Missing << true << "r.pdf" << QStringList{NoPrinterQuestion} << QList<int>{0, 1};
    QTest::newRow("no printer, no: nothing written") << Printout::CheckAllMissing << P::Missing << false << "c.pdf"
                                                     << QStringList{NoPrinterQuestion} << QList<int>{};
    QTest::newRow("no printer, file dialog cancelled")
        << Printout::Observatory << P::Missing << true << "" << QStringList{NoPrinterQuestion} << QList<int>{};
    QTest::newRow("printer refuses, yes") << Printout::UnitCosts << P::Refusing << true << "u.pdf"
                                          << QStringList{PrinterRefusedQuestion} << QList<int>{1};
    QTest::newRow("PDF cannot be written: told so")
        << Printout::Observatory << P::Missing << true << "none/o.pdf"
        << QStringList{NoPrinterQuestion, PdfNotWrittenMessage} << QList<int>{};
}

void ReportPrinterTest::withoutPrinter()
{
    QFETCH(Printout, printout);
    QFETCH(PdfPrinting::Printer, printer);
    QFETCH(bool, yes);
    QFETCH(QString, chosenFile);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, pages);

    ScriptedPrompter prompter;
    prompter.answers = {yes ? Answer::Yes : Answer::No};
    PdfPrinting printing;
    printing.printer = printer;
    const QString pdf = chosenFile.isEmpty() ? QString() : printing.dir.filePath(chosenFile);
    printing.pdfFileAnswer = pdf;
    print(printout);

    QCOMPARE(prompter.shown.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2(prompter.shown[i].startsWith(shown[i]), qPrintable(prompter.shown[i]));
    QCOMPARE(printing.dialogs, yes ? 1 : 0);
    QCOMPARE(printing.printed(), QStringList());
    QCOMPARE(!pdf.isEmpty() && QFile::exists(pdf), !pages.isEmpty());
    if (pages.isEmpty())
        return;
    const QStringList text = pdfPages(pdf);
    QCOMPARE(text.size(), pages.size());
    QVERIFY(text.first().contains(QStringLiteral("ROTAVEX 2018")));
    QList<int> charts;
    for (const QString &page : text)
        charts << int(page.count(ChartTitle));
    QCOMPARE(charts, pages);
}

QTEST_MAIN(ReportPrinterTest)
#include "tst_report_printer.moc"
