#include "results/ui/report_area.h"

#include "fixtures/worked_example.h"
#include "results/results_report.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using namespace rotavex;

Q_DECLARE_METATYPE(rotavex::Report)

namespace {

QImage blankPicture()
{
    ReportArea area;
    area.resize(area.sizeHint());
    return area.picture();
}

Report styledReport()
{
    Report report;
    report.add(BoldItem{true}).line({text("Coste total:"), tab(20), number(279.03f)});
    report.add(BoldItem{false}).add(ItalicItem{true}).add(UnderlineItem{true}).line("jf ff Tj,");
    report.add(ItalicItem{false}).add(UnderlineItem{false}).add(FontSizeItem{14}).line({tab(3), text("Grande")});
    return report;
}

}   // namespace

class ReportAreaTest : public QObject {
    Q_OBJECT
private slots:
    void writingAgainLandsOverItself_data();
    void writingAgainLandsOverItself();
    void everyLineKeepsItsFiguresOnIt_data();
    void everyLineKeepsItsFiguresOnIt();
    void clearEmptiesTheArea();
    void drawingSurvivesPaintingAndResizing();
    void copyPutsAPictureOnTheClipboard();
};

void ReportAreaTest::writingAgainLandsOverItself_data()
{
    QTest::addColumn<Report>("report");
    QTest::newRow("full-service results")
        << resultsScreenReport(rotavex::fixtures::calculatedWorkedExample(true), "100", "20");
    QTest::newRow("unit-cost results") << resultsScreenReport(rotavex::fixtures::calculatedWorkedExample(false), "100",
                                                              "20");
    QTest::newRow("bold, italic, underline and sizes") << styledReport();
}

void ReportAreaTest::writingAgainLandsOverItself()
{
    QFETCH(Report, report);
    ReportArea area;
    area.resize(area.sizeHint());
    area.write(report);
    area.movePenToTopLeft();
    const QImage once = area.picture();
    QVERIFY(once != blankPicture());

    area.write(report);
    area.movePenToTopLeft();
    QCOMPARE(area.picture(), once);
    QCOMPARE(area.pen(), QPointF(0, 0));
}

void ReportAreaTest::clearEmptiesTheArea()
{
    ReportArea area;
    area.resize(area.sizeHint());
    area.write(styledReport());
    QVERIFY(area.pen() != QPointF(0, 0));

    area.clear();
    QCOMPARE(area.picture(), blankPicture());
    QCOMPARE(area.pen(), QPointF(0, 0));
}

void ReportAreaTest::drawingSurvivesPaintingAndResizing()
{
    ReportArea area;
    area.resize(area.sizeHint());
    area.write(resultsScreenReport(rotavex::fixtures::calculatedWorkedExample(true), "100", "20"));
    const QImage full = area.picture();
    // Painting the widget, as after being covered, shows the drawing itself.
    QCOMPARE(area.grab().toImage().convertToFormat(QImage::Format_RGB32), full);

    area.resize(100, 60);
    QCOMPARE(area.picture().size(), QSize(100, 60));
    area.resize(full.size());
    QCOMPARE(area.picture(), full);
}

void ReportAreaTest::copyPutsAPictureOnTheClipboard()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("texto anterior"));
    ReportArea area;
    area.resize(area.sizeHint());
    area.write(resultsScreenReport(rotavex::fixtures::calculatedWorkedExample(true), "100", "20"));
    area.copyToClipboard();

    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasImage());
    QVERIFY(!mime->hasText());
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), area.picture());
}

// A label that ran past its tab column would push its figure onto a line of
// its own; in the area's font every line of every report keeps its figures.
void ReportAreaTest::everyLineKeepsItsFiguresOnIt_data()
{
    QTest::addColumn<Report>("report");
    QTest::newRow("full service") << resultsScreenReport(fixtures::calculatedWorkedExample(true), "100", "20");
    QTest::newRow("unit costs") << resultsScreenReport(fixtures::calculatedWorkedExample(false), "100000", "20000");
}

void ReportAreaTest::everyLineKeepsItsFiguresOnIt()
{
    QFETCH(Report, report);
    ReportArea area;
    area.resize(area.sizeHint());
    area.write(report);
    const auto lines = std::count_if(report.items.begin(), report.items.end(),
                                     [](const ReportItem &item) { return std::holds_alternative<LineBreak>(item); });
    QCOMPARE(area.pen().y(), lines * QFontMetricsF(area.font()).lineSpacing());
}

QTEST_MAIN(ReportAreaTest)
#include "tst_report_area.moc"
