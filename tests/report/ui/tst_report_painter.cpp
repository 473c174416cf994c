#include "report/ui/report_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace rotavex;

namespace {

QFont baseFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    return font;
}

// Writes the report into a PDF and reads its text back, pages split by form feeds.
QStringList pdfPages(const Report &report)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        ReportPainter reportPainter(baseFont(), NumberLocale{});
        reportPainter.paint(painter, report);
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

Report numberedLines(int from, int to)
{
    Report report;
    for (int i = from; i <= to; ++i)
        report.line(QStringLiteral("Línea %1.").arg(i).toStdString());
    return report;
}

}   // namespace

class ReportPainterTest : public QObject {
    Q_OBJECT
private slots:
    void penMoves_data();
    void penMoves();
    void pages_data();
    void pages();
    void printerEventsArriveInOrder();
};

void ReportPainterTest::penMoves_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<bool>("bold");   // the font the report ends in
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("column");   // where the pen must stand
    QTest::addColumn<int>("lines");

    QTest::newRow("tab ahead on the line") << Report().add(text("ab")).add(tab(20)) << false << 10.0 << 20 << 0;
    QTest::newRow("tab behind the text: next line")
        << Report().add(text("Coste de mantenimiento:")).add(tab(3)) << false << 10.0 << 3 << 1;
    QTest::newRow("bold columns are bold-wide")
        << Report().add(BoldItem{true}).add(text("Total")).add(tab(34)) << true << 10.0 << 34 << 0;
    QTest::newRow("larger font, wider columns")
        << Report().add(FontSizeItem{16}).add(tab(25)) << false << 16.0 << 25 << 0;
    Report lines;
    lines.add(FontSizeItem{12});
    for (int i = 0; i < 5; ++i)
        lines.line({text("texto "), number(12.5f)});
    QTest::newRow("line breaks go to the left edge, a line lower") << lines << false << 12.0 << 1 << 5;
}

void ReportPainterTest::penMoves()
{
    QFETCH(Report, report);
    QFETCH(bool, bold);
    QFETCH(double, points);
    QFETCH(int, column);
    QFETCH(int, lines);

    QImage image(800, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    ReportPainter reportPainter(baseFont(), NumberLocale{});
    reportPainter.paint(painter, report);

    QFont font = baseFont();
    font.setBold(bold);
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font, &image);
    QCOMPARE(reportPainter.pen(), QPointF((column - 1) * reportColumnWidth(metrics), lines * metrics.lineSpacing()));
}

void ReportPainterTest::pages_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<int>("minPages");
    QTest::addColumn<int>("maxPages");
    QTest::addColumn<int>("firstLineOfLastPage");   // 0: wherever the flow puts it

    QTest::newRow("a page of lines") << numberedLines(1, 10) << 1 << 1 << 1;
    QTest::newRow("lines flow onto the next pages") << numberedLines(1, 200) << 2 << 10 << 0;
    Report twoDocuments = numberedLines(1, 3);
    twoDocuments.add(EndDocument{}).append(numberedLines(4, 6));
    QTest::newRow("a document end starts a page") << twoDocuments << 2 << 2 << 4;
    Report trailingEnd = numberedLines(1, 3);
    trailingEnd.add(EndDocument{});
    QTest::newRow("no blank page after the last document") << trailingEnd << 1 << 1 << 1;
}

void ReportPainterTest::pages()
{
    QFETCH(Report, report);
    QFETCH(int, minPages);
    QFETCH(int, maxPages);
    QFETCH(int, firstLineOfLastPage);

    const QStringList pages = pdfPages(report);
    QVERIFY2(pages.size() >= minPages && pages.size() <= maxPages, qPrintable(QString::number(pages.size())));

    // Every line arrives once and in order: none lost or doubled at a break.
    const QString all = pages.join(QLatin1Char('\n'));
    const auto lineCount = std::count_if(report.items.begin(), report.items.end(), [](const ReportItem &item) {
        return std::holds_alternative<LineBreak>(item);
    });
    qsizetype at = 0;
    for (int i = 1; i <= lineCount; ++i) {
        const QString expected = QStringLiteral("Línea %1.").arg(i);
        QCOMPARE(all.count(expected), 1);
        QVERIFY2(all.indexOf(expected) >= at, qPrintable(expected));
        at = all.indexOf(expected);
    }
    if (firstLineOfLastPage > 0)
        QVERIFY(pages.last().trimmed().startsWith(QStringLiteral("Línea %1.").arg(firstLineOfLastPage)));
    for (const QString &page : pages)
        QVERIFY(!page.trimmed().isEmpty());
}

void ReportPainterTest::printerEventsArriveInOrder()
{
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    ReportPainter reportPainter(baseFont(), NumberLocale{});
    QStringList events;
    QList<QPointF> pens;
    reportPainter.onChartPicture = [&](QPainter &) {
        events << QStringLiteral("chart");
        pens << reportPainter.pen();
    };
    reportPainter.onEndDocument = [&](QPainter &) {
        events << QStringLiteral("end");
        pens << reportPainter.pen();
    };

    Report report;
    report.line("Texto").add(EndDocument{}).line().add(ChartPicture{}).add(EndDocument{});
    reportPainter.paint(painter, report);

    QCOMPARE(events, QStringList({QStringLiteral("end"), QStringLiteral("chart"), QStringLiteral("end")}));
    const qreal line = QFontMetricsF(baseFont(), &image).lineSpacing();
    // After a document end the pen starts again at the top-left corner.
    QCOMPARE(pens, QList<QPointF>({QPointF(0, line), QPointF(0, line), QPointF(0, line)}));
    QCOMPARE(reportPainter.pen(), QPointF(0, 0));

    // A picture goes at the pen in its size on the screen; the pen moves below it.
    QImage chart(120, 80, QImage::Format_RGB32);
    chart.fill(Qt::red);
    reportPainter.setPen(QPointF(0, 10));
    reportPainter.drawPicture(painter, chart);
    QCOMPARE(reportPainter.pen(), QPointF(0, 10 + 80 * image.logicalDpiX() / 96.0));
}

QTEST_MAIN(ReportPainterTest)
#include "tst_report_painter.moc"
