#include "report/ui/report_area.h"

#include "check/data_check.h"
#include "check/ui/check_window.h"
#include "fixtures/worked_example.h"
#include "observatory/ui/observatory_window.h"
#include "results/results_report.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
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

// Where the report's last text line starts, below the area's top edge.
qreal lastTextLineTop(const ReportArea &area)
{
    qreal lines = 0;
    qreal lastText = 0;
    for (const Report &report : area.written())
        for (const ReportItem &item : report.items) {
            if (std::holds_alternative<LineBreak>(item))
                ++lines;
            else if (const auto *text = std::get_if<TextItem>(&item); text && !text->text.empty())
                lastText = lines;
        }
    return lastText * QFontMetricsF(area.font()).lineSpacing();
}

QScrollBar *scrollBar(const ReportArea &area, Qt::Orientation orientation)
{
    for (QScrollBar *bar : area.findChildren<QScrollBar *>())
        if (bar->orientation() == orientation)
            return bar;
    return nullptr;
}

enum class Window { CheckEveryFieldZero, CheckWorkedExample, Observatory };

// The window's dialog and its report area, with the report written.
struct OpenWindow {
    std::unique_ptr<QDialog> dialog;
    ReportArea *area = nullptr;
};

OpenWindow openWindow(Window window)
{
    FieldTexts texts;
    Workspace workspace;
    if (window == Window::CheckWorkedExample) {
        texts = fixtures::workedExampleTexts();
        workspace = fixtures::classThree();
    } else {
        texts.texts.fill("0");
    }
    OpenWindow open;
    if (window == Window::Observatory) {
        auto *observatory = new ObservatoryWindow;
        open.area = observatory->tableArea();
        open.dialog.reset(observatory);
    } else {
        auto *check = new CheckWindow({[=] { return runDataCheck(workspace, texts); }, {}, {}});
        open.area = check->reportArea();
        open.dialog.reset(check);
    }
    open.dialog->show();
    if (!QTest::qWaitForWindowExposed(open.dialog.get()))
        qFatal("the window did not show");
    return open;
}

QAccessibleTextInterface *readerText(ReportArea *area)
{
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(area);
    return reader ? reader->textInterface() : nullptr;
}

}   // namespace

Q_DECLARE_METATYPE(Window)

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
    void everyLineCanBeBroughtIntoView_data();
    void everyLineCanBeBroughtIntoView();
    void aScreenReaderReadsTheReport_data();
    void aScreenReaderReadsTheReport();
    void aScreenReaderFollowsWritingAndClearing();
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

    // Made smaller than its report, the area scrolls; its picture keeps the
    // whole report.
    area.resize(100, 60);
    const QImage whole = area.picture();
    QVERIFY(whole.width() > 100 && whole.height() >= area.pen().y());
    QCOMPARE(whole, full.copy(whole.rect()));
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
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), area.picture());
    QVERIFY(mime->hasText());
    QCOMPARE(mime->text(), area.text());
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

// With no class and every field 0 the check report runs far below its
// area; the verdict at its end, which says why "Calcular" stays disabled,
// must still be readable. A report that fits shows no scroll bar.
void ReportAreaTest::everyLineCanBeBroughtIntoView_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("taller");
    QTest::newRow("check report, no class and every field 0") << Window::CheckEveryFieldZero << true;
    QTest::newRow("observatory table") << Window::Observatory << false;
}

void ReportAreaTest::everyLineCanBeBroughtIntoView()
{
    QFETCH(Window, window);
    QFETCH(bool, taller);
    const OpenWindow open = openWindow(window);
    ReportArea *area = open.area;
    QCOMPARE(area->written().size(), std::size_t(1));

    const qreal lineHeight = QFontMetricsF(area->font()).lineSpacing();
    const qreal last = lastTextLineTop(*area);
    QScrollBar *bar = scrollBar(*area, Qt::Vertical);
    QCOMPARE(last + lineHeight > area->height(), taller);
    QCOMPARE(bar && bar->isVisible(), taller);
    if (!taller)
        return;
    QVERIFY(bar->maximum() > 0);
    QTest::keyClick(area, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
    bar->setValue(bar->maximum());
    // The last line now lies whole inside the part of the area shown.
    const QScrollBar *across = scrollBar(*area, Qt::Horizontal);
    const int shownHeight = area->height() - (across && across->isVisible() ? across->height() : 0);
    const qreal shownTop = last - bar->value();
    QVERIFY2(shownTop >= 0 && shownTop + lineHeight <= shownHeight, qPrintable(QString::number(shownTop)));
}

// A screen reader finds each report area named, read-only, and holding the
// report's lines as text: the verdict of the check, the observatory's
// figures.
void ReportAreaTest::aScreenReaderReadsTheReport_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("line");
    QTest::newRow("check verdict") << Window::CheckWorkedExample
                                   << QStringLiteral("No faltan datos por introducir, puede realizar los cálculos");
    QTest::newRow("check, a missing class")
        << Window::CheckEveryFieldZero << QStringLiteral("Algunos datos con valor cero impiden realizar");
    QTest::newRow("observatory amortisation per hour")
        << Window::Observatory << QStringLiteral("de 36 a 55 plazas:13,06 euros por hora");
}

void ReportAreaTest::aScreenReaderReadsTheReport()
{
    QFETCH(Window, window);
    QFETCH(QString, line);
    const OpenWindow open = openWindow(window);
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(open.area);
    QVERIFY(reader);
    QVERIFY(!reader->text(QAccessible::Name).isEmpty());
    QVERIFY(reader->state().readOnly && reader->state().multiLine);
    QAccessibleTextInterface *text = reader->textInterface();
    QVERIFY(text);
    const QString all = text->text(0, text->characterCount());
    QVERIFY2(all.contains(line), qPrintable(all));
    // Line by line, as a reader moves through it.
    int start = -1, end = -1;
    const QString found = text->textAtOffset(int(all.indexOf(line)), QAccessible::LineBoundary, &start, &end);
    QVERIFY2(found.contains(line), qPrintable(found));
}

void ReportAreaTest::aScreenReaderFollowsWritingAndClearing()
{
    ReportArea area;
    area.resize(area.sizeHint());
    QAccessibleTextInterface *text = readerText(&area);
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 0);
    area.write(resultsScreenReport(fixtures::calculatedWorkedExample(true), "100", "20"));
    const QString shown = text->text(0, text->characterCount());
    QVERIFY2(shown.contains(QRegularExpression(QStringLiteral("Coste total del trayecto: +279[.,]03 euros"))),
             qPrintable(shown));
    area.clear();
    QCOMPARE(text->characterCount(), 0);
}

QTEST_MAIN(ReportAreaTest)
#include "tst_report_area.moc"
