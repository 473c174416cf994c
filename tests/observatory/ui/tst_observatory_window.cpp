#include "observatory/observatory_tables.h"
#include "observatory/ui/observatory_window.h"
#include "report/ui/report_area.h"
#include "ui_support/pdf_printing.h"
#include "ui_support/scripted_prompter.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace rotavex;

namespace {

// Whether pctObs holds nothing, or the screen table written once: the same
// drawing and the pen where one table ends.
bool holdsTable(const ReportArea &pctObs, bool written)
{
    ReportArea area;
    area.setPalette(pctObs.palette());
    area.resize(pctObs.size());
    area.write(written ? observatoryScreenTable(*builtInReferenceSet()) : Report());
    return pctObs.picture() == area.picture() && pctObs.pen() == area.pen();
}

}   // namespace

class ObservatoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void tableWrittenOnce_data();
    void tableWrittenOnce();
    void buttons_data();
    void buttons();
    void opensModallyInTabOrder();
};

void ObservatoryWindowTest::tableWrittenOnce_data()
{
    QTest::addColumn<int>("showings");
    QTest::addColumn<int>("activations");

    QTest::newRow("first show") << 1 << 1;
    QTest::newRow("shown and activated again") << 3 << 3;
}

void ObservatoryWindowTest::tableWrittenOnce()
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
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
    }
    QVERIFY(holdsTable(*window.tableArea(), true));
}

void ObservatoryWindowTest::buttons_data()
{
    QTest::addColumn<bool>("print");
    QTest::addColumn<bool>("staysOpen");   // and keeps its table
    QTest::addColumn<int>("documents");

    QTest::newRow("Aceptar clears the table and closes") << false << false << 0;
    QTest::newRow("Imprimir prints the paper table") << true << true << 1;
}

void ObservatoryWindowTest::buttons()
{
    QFETCH(bool, print);
    QFETCH(bool, staysOpen);
    QFETCH(int, documents);

    ScriptedPrompter prompter;
    PdfPrinting printing;
    ObservatoryWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(print ? window.printButton() : window.acceptButton(), Qt::LeftButton);

    QCOMPARE(window.isVisible(), staysOpen);
    QVERIFY(holdsTable(*window.tableArea(), staysOpen));
    const QStringList printed = printing.printed();
    QCOMPARE(printed.size(), documents);
    if (documents > 0)
        QVERIFY(pdfPages(printed.first()).join(QString()).contains(QStringLiteral("Resultados: Costes Medios")));
}

void ObservatoryWindowTest::opensModallyInTabOrder()
{
    QWidget parent;
    parent.show();
    QStringList tabOrder;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        auto *window = qobject_cast<ObservatoryWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        modal = window->parentWidget() == &parent;
        for (QWidget *w = window->tableArea(); tabOrder.size() < 3; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                tabOrder << w->objectName();
        window->acceptButton()->click();
    });
    openObservatoryWindow(&parent, builtInReferenceSet());
    QVERIFY(modal);
    QCOMPARE(tabOrder, QStringList({"pctObs", "cmdAcept", "cmdPrint"}));
    QVERIFY(!parent.findChild<ObservatoryWindow *>());
}

QTEST_MAIN(ObservatoryWindowTest)
#include "tst_observatory_window.moc"
