// The program on a small screen that scales its pixels: 1366x768 at 150 %,
// as many laptops are sold, leaves 910x512 for windows drawn for more. Every
// window stays on the screen, title bar and edges included; what does not
// fit scrolls. Run by tests/ui_support/on_x_server.sh with that screen.

#include "check/data_check.h"
#include "check/ui/check_window.h"
#include "observatory/ui/observatory_window.h"
#include "report/ui/report_area.h"
#include "results/ui/results_window.h"
#include "shell/ui/main_window.h"

#include "../../ui_support/scripted_prompter.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace rotavex;

namespace {

enum class Dialog { Check, Observatory };

// The window's frame, once the window manager has put one around it.
QRect placedFrame(QWidget *window)
{
    (void)QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 3000);
    return window->frameGeometry();
}

QRect freeArea(const QWidget *window) { return window->screen()->availableGeometry(); }

}   // namespace

Q_DECLARE_METATYPE(Dialog)

class SmallScreenX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().height() < 600,
                 "the test wants a small screen (ROTAVEX_X_SCREEN, QT_SCALE_FACTOR)");
    }

    void theMainWindowOpensInsideTheScreen()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect frame = placedFrame(&window);
        QVERIFY2(
            freeArea(&window).contains(frame),
            qPrintable(
                QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    }

    // Shrunk by the user, the work area scrolls to the part of the results
    // window that no longer shows, down to "Nuevo Cálculo".
    void theWorkAreaScrollsToAChildBeyondIt()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(500, 320);
        window.restoreAndActivateChild(window.resultsFrame());
        QMdiArea *area = window.mdiArea();
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        QPushButton *last = window.resultsWindow().newCalculationButton();
        QTRY_VERIFY(
            area->viewport()->rect().contains(QRect(last->mapTo(area->viewport(), QPoint(0, 0)), last->size())));
    }

    void aDialogFitsTheScreenAndItsReportScrolls_data()
    {
        QTest::addColumn<Dialog>("dialog");
        QTest::newRow("frmCheck") << Dialog::Check;
        QTest::newRow("frmObs") << Dialog::Observatory;
    }
    void aDialogFitsTheScreenAndItsReportScrolls()
    {
        QFETCH(Dialog, dialog);
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        std::unique_ptr<QDialog> window;
        ReportArea *area = nullptr;
        if (dialog == Dialog::Check) {
            FieldTexts zeros;
            zeros.texts.fill("0");
            auto *check = new CheckWindow({[zeros] { return runDataCheck(Workspace{}, zeros); }, {}, {}}, &main);
            area = check->reportArea();
            window.reset(check);
        } else {
            auto *observatory = new ObservatoryWindow(&main);
            area = observatory->tableArea();
            window.reset(observatory);
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(freeArea(window.get()).contains(placedFrame(window.get())));
        QVERIFY(window->rect().contains(area->geometry()));
        // What the shorter area cannot show, it scrolls to.
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    }

private:
    ScriptedPrompter prompts;
};

QTEST_MAIN(SmallScreenX11Test)
#include "tst_small_screen_x11.moc"
