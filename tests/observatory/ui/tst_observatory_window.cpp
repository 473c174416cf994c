#include "observatory/observatory_tables.h"
#include "observatory/ui/observatory_window.h"
#include "results/ui/report_area.h"
#include "ui_support/pdf_printing.h"
#include "ui_support/scripted_prompter.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace rotavex;

namespace {

// The screen table as an area of pctObs's size shows it, written once.
QImage screenTableAlone(const ReportArea &like)
{
    ReportArea area;
    area.setPalette(like.palette());
    area.resize(like.size());
    area.write(observatoryScreenTable());
    return area.picture();
}

bool blank(const QImage &image, const QColor &background)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                return false;
    return true;
}

} // namespace

class TestObservatoryWindow : public QObject {
    Q_OBJECT
private slots:
    void tableWrittenOnce_data();
    void tableWrittenOnce();
    void buttons_data();
    void buttons();
    void tabOrder();
    void opensModallyUntilAccepted();
};

void TestObservatoryWindow::tableWrittenOnce_data()
{
    QTest::addColumn<int>("showings");
    QTest::addColumn<int>("activations");

    QTest::newRow("first show") << 1 << 0;
    QTest::newRow("hidden and shown again") << 3 << 0;
    QTest::newRow("activated again after a message") << 1 << 2;
}

void TestObservatoryWindow::tableWrittenOnce()
{
    QFETCH(int, showings);
    QFETCH(int, activations);

    ObservatoryWindow window;
    for (int i = 0; i < showings; ++i) {
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    for (int i = 0; i < activations; ++i) {
        QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &deactivate);
        QApplication::sendEvent(&window, &activate);
    }
    QCOMPARE(window.tableArea()->picture(), screenTableAlone(*window.tableArea()));
}

void TestObservatoryWindow::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<bool>("tableShown");
    QTest::addColumn<int>("documents");

    QTest::newRow("Aceptar clears the table and closes") << "cmdAcept" << false << false << 0;
    QTest::newRow("Imprimir prints the paper table") << "cmdPrint" << true << true << 1;
}

void TestObservatoryWindow::buttons()
{
    QFETCH(QString, button);
    QFETCH(bool, staysOpen);
    QFETCH(bool, tableShown);
    QFETCH(int, documents);

    ScriptedPrompter prompter;
    PdfPrinting printing;
    ObservatoryWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ReportArea *table = window.tableArea();

    auto *pressed = window.findChild<QPushButton *>(button);
    QVERIFY(pressed);
    QTest::mouseClick(pressed, Qt::LeftButton);

    QCOMPARE(window.isVisible(), staysOpen);
    QCOMPARE(!blank(table->picture(), table->palette().color(QPalette::Window)), tableShown);
    const QStringList printed = printing.printed();
    QCOMPARE(printed.size(), documents);
    if (documents > 0)
        QVERIFY(pdfPages(printed.first()).join(QString()).contains(
            QStringLiteral("Observatorio de Costes del Transporte de Viajeros en Autobús")));
    QCOMPARE(prompter.shown, QStringList());
}

void TestObservatoryWindow::tabOrder()
{
    ObservatoryWindow window;
    QWidget *table = window.findChild<QWidget *>(QStringLiteral("pctObs"));
    QVERIFY(table);
    QCOMPARE(table, window.tableArea());
    QWidget *afterTable = table->nextInFocusChain();
    QCOMPARE(afterTable->objectName(), QStringLiteral("cmdAcept"));
    QCOMPARE(afterTable->nextInFocusChain()->objectName(), QStringLiteral("cmdPrint"));
}

void TestObservatoryWindow::opensModallyUntilAccepted()
{
    QWidget parent;
    parent.show();
    bool wasModal = false;
    bool hadTable = false;
    QTimer::singleShot(0, this, [&] {
        auto *window = qobject_cast<ObservatoryWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        wasModal = window->isModal() && window->parentWidget() == &parent;
        hadTable = window->tableArea()->pen().y() > 0;
        window->acceptButton()->click();
    });
    openObservatoryWindow(&parent);
    QVERIFY(wasModal);
    QVERIFY(hadTable);
    QVERIFY(!parent.findChild<ObservatoryWindow *>());
}

QTEST_MAIN(TestObservatoryWindow)
#include "tst_observatory_window.moc"
