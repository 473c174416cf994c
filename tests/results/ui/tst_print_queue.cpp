// Printing onto real CUPS queues of a print system the test starts itself:
// what reaches the paper (a cups-pdf queue's files), and what the user is
// told when a queue refuses the job.

#include "check/ui/check_printing.h"
#include "fixtures/worked_example.h"
#include "report/ui/report_printer.h"
#include "results/ui/chart_picture_area.h"
#include "results/ui/cost_chart.h"
#include "results/ui/results_printing.h"
#include "ui_support/pdf_printing.h"
#include "ui_support/private_print_system.h"
#include "ui_support/scripted_prompter.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace rotavex;

namespace {

constexpr qreal PointsPerMillimetre = 72 / 25.4;

// The boxes of the words on the first page, in reading order, in points
// from the page's top-left corner. The words themselves are not read: the
// print system's conversion keeps where the letters stand, not always which
// letters they are.
QList<QRectF> wordBoxes(const QString &pdf)
{
    const QString page = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                                                     QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"));
    QList<QRectF> boxes;
    for (const QRegularExpressionMatch &found : word.globalMatch(page))
        boxes << QRectF(QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()),
                        QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()));
    return boxes;
}

// The box of what is printed on the first page, in points from the page's
// top-left corner.
QRectF inkBox(const QString &pdf)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page"));
    popplerOutput(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-gray"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), QStringLiteral("-l"), QStringLiteral("1"), pdf, png});
    const QImage page(png + QStringLiteral(".png"));
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 160)
                ink |= QRect(x, y, 1, 1);
    return QRectF(QPointF(ink.topLeft()) / 2, QSizeF(ink.size()) / 2);
}

}   // namespace

class PrintQueueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void refusedJobOffersAPdf_data();
    void refusedJobOffersAPdf();
    void marginsAreTheSameOnPaperAndInAPdf();
    void chartIsDrawnAtThePrintersResolution();
    void cleanup() { restoreSystemPrintTarget(); }

private:
    // Prints the check report of empty data on `queue`, answering Yes to a
    // PDF file; the messages shown, and the file when one was written.
    QStringList printCheck(const QString &queue, QString *pdf);

    std::unique_ptr<PrivatePrintSystem> printSystem_;
    QTemporaryDir dir_;
};

void PrintQueueTest::initTestCase()
{
    printSystem_ = std::make_unique<PrivatePrintSystem>();
    if (!printSystem_->whyNot().isEmpty())
        QSKIP(qPrintable(QStringLiteral("no print system of the test's own: ") + printSystem_->whyNot()));
}

QStringList PrintQueueTest::printCheck(const QString &queue, QString *pdf)
{
    PrivatePrintSystem::makeDefault(queue);
    printSystem_->forgetWrittenFiles();
    const QString chosen = dir_.filePath(queue + QStringLiteral(".pdf"));
    PrintTarget target = systemPrintTarget();
    target.choosePdfFile = [chosen](const QString &) { return chosen; };
    setPrintTarget(target);
    ScriptedPrompter prompter;
    printCheckReport(runDataCheck(Workspace{}, FieldTexts{}));
    *pdf = QFile::exists(chosen) ? chosen : QString();
    return prompter.shown;
}

void PrintQueueTest::refusedJobOffersAPdf_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<bool>("refused");
    QTest::newRow("queue accepting jobs: printed, nothing asked") << "rotavex-pdf" << false;
    QTest::newRow("queue not accepting jobs") << "rotavex-refusing" << true;
    QTest::newRow("queue refusing the job when it is sent") << "rotavex-denied" << true;
}

void PrintQueueTest::refusedJobOffersAPdf()
{
    QFETCH(QString, queue);
    QFETCH(bool, refused);
    QString pdf;
    const QStringList shown = printCheck(queue, &pdf);
    QCOMPARE(shown, refused ? QStringList{PrinterRefusedQuestion} : QStringList());
    const QStringList printed = printSystem_->writtenFiles();
    QCOMPARE(printed.size(), refused ? 0 : 1);
    QCOMPARE(!pdf.isEmpty(), refused);
    if (refused)
        QVERIFY(pdfPages(pdf).join(QString()).contains(QStringLiteral("-> No ha seleccionado el tipo de autobús")));
    else
        QVERIFY(wordBoxes(printed.first()).size() > 20);
}

// A queue that declares no margins (as cups-pdf does) gets the program's
// own, so the first line starts where it starts in a PDF file.
void PrintQueueTest::marginsAreTheSameOnPaperAndInAPdf()
{
    QString pdf;
    printCheck(QStringLiteral("rotavex-pdf"), &pdf);
    const QStringList printed = printSystem_->writtenFiles();
    QCOMPARE(printed.size(), 1);
    const QPointF paper = inkBox(printed.first()).topLeft();
    printCheck(QStringLiteral("rotavex-none"), &pdf);   // no such printer
    QVERIFY(!pdf.isEmpty());
    const QPointF file = inkBox(pdf).topLeft();

    const qreal margin = PageMarginMillimetres * PointsPerMillimetre;
    QVERIFY2(
        qAbs(paper.x() - margin) < 2 && qAbs(file.x() - margin) < 2 && qAbs(paper.y() - file.y()) < 1,
        qPrintable(
            QStringLiteral("paper (%1, %2), file (%3, %4)").arg(paper.x()).arg(paper.y()).arg(file.x()).arg(file.y())));
}

// The chart on paper is the chart itself, not its picture from the screen:
// its letters are letters on the page, no picture on it is coarser than a
// printer's dots, and it keeps its size on the screen.
void PrintQueueTest::chartIsDrawnAtThePrintersResolution()
{
    PrivatePrintSystem::makeDefault(QStringLiteral("rotavex-pdf"));
    printSystem_->forgetWrittenFiles();
    ScriptedPrompter prompter;
    const Workspace ws = fixtures::calculatedWorkedExample(true);
    CostChart chart;
    chart.resize(chart.sizeHint());
    chart.setData(chartData(ws));
    ChartPictureArea pctGraf;
    printResults(ws, QStringLiteral("100"), QStringLiteral("20"), chart, pctGraf);

    QCOMPARE(prompter.shown, QStringList());
    const QStringList printed = printSystem_->writtenFiles();
    QCOMPARE(printed.size(), 2);   // the text, then the chart alone
    for (const PdfPicture &picture : pdfPictures(printed[1]))
        QVERIFY2(picture.ppi >= 300, qPrintable(QString::number(picture.ppi)));
    const QList<QRectF> words = wordBoxes(printed[1]);
    QVERIFY2(words.size() >= 9, qPrintable(QString::number(words.size())));   // title and eight items at least
    QRectF letters;
    for (const QRectF &word : words)
        letters |= word;
    const qreal margin = PageMarginMillimetres * PointsPerMillimetre;
    const QSizeF natural = QSizeF(chart.size()) * 0.75;   // points
    QVERIFY2(letters.left() >= margin - 1 && letters.right() <= margin + natural.width()
                 && letters.width() > natural.width() / 2 && letters.bottom() <= margin + natural.height() + 20,
             qPrintable(QStringLiteral("%1 %2 %3 %4")
                            .arg(letters.left())
                            .arg(letters.top())
                            .arg(letters.right())
                            .arg(letters.bottom())));
}

QTEST_MAIN(PrintQueueTest)
#include "tst_print_queue.moc"
