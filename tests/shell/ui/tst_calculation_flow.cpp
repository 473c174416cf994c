// From the data check to the results and back: the check window, the
// Calcular command, the results window's drawing and its buttons, and
// loading a data file into the windows.

#include "check/ui/check_window.h"
#include "entry/ui/input_windows.h"
#include "fixtures/observatory_buttons.h"
#include "fixtures/worked_example.h"
#include "model/workspace.h"
#include "report/plain_text.h"
#include "report/ui/number_locale.h"
#include "report/ui/report_area.h"
#include "results/results_report.h"
#include "results/ui/cost_chart.h"
#include "results/ui/results_presenter.h"   // NewCalculationQuestion
#include "results/ui/results_window.h"
#include "study/ui/data_file_actions.h"
#include "study/ui/load_into_windows.h"

#include "../../ui_support/main_window_fixture.h"
#include "../../ui_support/pdf_printing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <functional>

using namespace rotavex;

using MenuCommand = QAction *MainCommands::*;
Q_DECLARE_METATYPE(MenuCommand)

namespace {

// Runs `act` on the modal window as soon as it is open.
void whenModalOpens(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        QTRY_VERIFY(modal = QApplication::activeModalWidget());
        act(modal);
    });
}

CheckWindow &checkWindow(QWidget *modal)
{
    auto *check = qobject_cast<CheckWindow *>(modal);
    if (!check)
        qFatal("the modal window is not the check window");
    return *check;
}

}   // namespace

class CalculationFlowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void menuCommandsOpenTheirWindows_data()
    {
        QTest::addColumn<MenuCommand>("command");
        QTest::addColumn<QString>("opened");   // the class of the window that opens
        QTest::addColumn<bool>("modal");

        QTest::newRow("Guardar") << &MainCommands::save << "rotavex::SaveDataWindow" << true;
        QTest::newRow("Cargar") << &MainCommands::load << "rotavex::LoadDataWindow" << true;
        QTest::newRow("Observatorio") << &MainCommands::observatory << "rotavex::ObservatoryWindow" << true;
        QTest::newRow("Comprobar datos") << &MainCommands::check << "rotavex::CheckWindow" << true;
        QTest::newRow("Acerca de") << &MainCommands::about << "rotavex::AboutWindow" << true;
        // Help opens beside the program, not over it.
        QTest::newRow("Ayuda") << &MainCommands::help << "rotavex::HelpWindow" << false;
    }
    void menuCommandsOpenTheirWindows()
    {
        QFETCH(MenuCommand, command);
        QFETCH(QString, opened);
        QFETCH(bool, modal);
        QString seen;
        if (modal) {
            whenModalOpens([&](QWidget *window) {
                seen = QString::fromLatin1(window->metaObject()->className());
                static_cast<QDialog *>(window)->done(QDialog::Rejected);
            });
        }
        (main->commands().*command)->trigger();
        if (!modal) {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window != main) {
                    seen = QString::fromLatin1(window->metaObject()->className());
                    window->close();
                }
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(seen, opened);
        QVERIFY(!main->workspace().ResultsReady);
    }

    void init() { QVERIFY(openMainWindow(Commands::Connected)); }
    void cleanup() { closeMainWindow(); }

    void checkWindowOffersCalculationOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::newRow("nothing entered") << false;
        QTest::newRow("worked example") << true;
    }
    void checkWindowOffersCalculationOnlyWhenAllowed()
    {
        QFETCH(bool, complete);
        if (complete)
            enterWorkedExample(true);
        bool offered = false;
        bool stayedOnClose = false;
        QImage drawn;
        whenModalOpens([&](QWidget *modal) {
            auto *check = qobject_cast<CheckWindow *>(modal);
            QVERIFY(check);
            QCOMPARE(check->windowTitle(), QString("Comprobación de datos"));
            offered = check->calculateButton()->isEnabled();
            drawn = check->reportArea()->picture();
            // The window stays: only its buttons close it, not Escape nor
            // the title bar's close button or Alt+F4.
            QTest::keyClick(check, Qt::Key_Escape);
            QVERIFY(check->isVisible());
            stayedOnClose = !check->close();
            QCloseEvent request;
            QCoreApplication::sendEvent(check, &request);
            stayedOnClose = stayedOnClose && !request.isAccepted() && check->isVisible();
            check->acceptButton()->click();
        });
        commands->openCheck();
        QVERIFY(stayedOnClose);
        QCOMPARE(offered, complete);
        QVERIFY(hasInk(drawn));
        QVERIFY(!main->workspace().ResultsReady);
    }

    void calcularFreezesCalculatesAndShowsTheResults()
    {
        enterWorkedExample(true);
        calculate();
        const Workspace &ws = main->workspace();
        QVERIFY(ws.ResultsReady);
        QVERIFY(qAbs(ws.ServiceTotal - 279.03f) < 0.005f);
        QMdiSubWindow *results = main->resultsFrame();
        QVERIFY(!results->isMinimized());
        QCOMPARE(main->mdiArea()->activeSubWindow(), results);
        QVERIFY(main->inputWindows().field(Input::Km)->isReadOnly());
        QVERIFY(!main->inputWindows().observatoryButton(ObservatoryGroup::Driver)->isEnabled());
        QVERIFY(main->resultsWindow().newCalculationButton()->isEnabled());
        QCOMPARE(main->resultsWindow().chart()->data().size(), std::size_t(8));

        // Activating it again draws the same report again on a cleared area.
        const QImage first = main->resultsWindow().reportArea()->picture();
        QVERIFY(hasInk(first));
        main->activateChild(main->frame(DataWindow::General));
        main->activateChild(main->resultsFrame());
        QCOMPARE(main->resultsWindow().reportArea()->picture(), first);
        QCOMPARE(main->resultsWindow().reportArea()->pen(), QPointF(0, 0));
    }

    void aFaultIsToldAndUndoesTheFreeze_data()
    {
        QTest::addColumn<bool>("fullService");
        QTest::addColumn<QStringList>("changes");   // input index, text, ...
        const auto at = [](Input input) { return QString::number(int(input)); };
        QTest::newRow("salary beyond what a cost can hold") << true << QStringList{at(Input::Salacon), "1e45"};
        // Every result holds, but the report's sum per km does not.
        QTest::newRow("per-km sum beyond what a cost can hold")
            << false << QStringList{at(Input::Cosgas), "1e39", at(Input::Cosman), "3e38", at(Input::Kmaut), "1",
                                    at(Input::Km),     "0",    at(Input::Vacio),  "0"};
    }
    void aFaultIsToldAndUndoesTheFreeze()
    {
        QFETCH(bool, fullService);
        QFETCH(QStringList, changes);
        enterWorkedExample(fullService);
        for (int i = 0; i + 1 < changes.size(); i += 2)
            main->inputWindows().setFieldText(Input(changes[i].toInt()), changes[i + 1]);
        calculate();
        QVERIFY(!main->workspace().ResultsReady);
        QVERIFY(prompts->shown.last().startsWith("No se ha podido realizar el cálculo con estos datos"));
        QVERIFY(main->resultsFrame()->isMinimized());
        QVERIFY(!main->inputWindows().field(Input::Km)->isReadOnly());
        QVERIFY(main->inputWindows().observatoryButton(ObservatoryGroup::Driver)->isEnabled());
        QVERIFY(!main->resultsWindow().newCalculationButton()->isEnabled());
        main->restoreAndActivateChild(main->resultsFrame());
        QVERIFY(!hasInk(main->resultsWindow().reportArea()->picture()));   // no report is drawn
    }

    // The field's own check waits for the focus to move within its window;
    // going straight to the toolbar must not let the value through.
    void negativeHoursTypedThenCalcularWithholdsTheCalculation()
    {
        enterWorkedExample(false);
        QLineEdit *hours = main->inputWindows().field(Input::Horas);
        main->inputWindows().setFieldText(Input::Horas, "");
        QTest::keyClicks(hours, "-2");
        QCOMPARE(hours->text(), QString("-2"));
        bool offered = true;
        whenModalOpens([&](QWidget *modal) {
            offered = checkWindow(modal).calculateButton()->isEnabled();
            checkWindow(modal).acceptButton()->click();
        });
        main->toolbar().calculate->click();
        QVERIFY(!offered);
        QVERIFY(!main->workspace().ResultsReady);
    }

    void beforeAnyCalculationTheWindowDrawsNothing()
    {
        main->restoreAndActivateChild(main->resultsFrame());
        QVERIFY(!hasInk(main->resultsWindow().reportArea()->picture()));
        QVERIFY(!main->resultsWindow().newCalculationButton()->isEnabled());
    }

    void newCalculation_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("no keeps everything") << false;
        QTest::newRow("yes unfreezes") << true;
    }
    void newCalculation()
    {
        QFETCH(bool, confirmed);
        enterWorkedExample(true);
        main->inputWindows().toggleObservatorySource(ObservatoryGroup::Fuel);
        calculate();
        const float total = main->workspace().ServiceTotal;
        prompts->answers = {confirmed ? Answer::Yes : Answer::No};
        main->resultsWindow().newCalculationButton()->click();
        QCOMPARE(prompts->shown.last(), QString::fromUtf8(NewCalculationQuestion));
        InputWindows &inputs = main->inputWindows();
        QCOMPARE(main->workspace().ResultsReady, !confirmed);
        QCOMPARE(inputs.field(Input::Km)->isReadOnly(), !confirmed);
        QCOMPARE(inputs.observatoryButton(ObservatoryGroup::Fuel)->isEnabled(), confirmed);
        QVERIFY(inputs.field(Input::Cosgas)->isReadOnly());   // still on the observatory
        QCOMPARE(main->resultsFrame()->isMinimized(), confirmed);
        QCOMPARE(hasInk(main->resultsWindow().reportArea()->picture()), !confirmed);
        QCOMPARE(main->resultsWindow().reportArea()->written().empty(), confirmed);
        QCOMPARE(main->workspace().ServiceTotal, total);   // the figures stay until the next calculation
        if (confirmed) {
            // The keyboard goes on in the data window in front.
            QMdiSubWindow *active = main->mdiArea()->activeSubWindow();
            QVERIFY(active && active != main->resultsFrame() && !active->isMinimized());
            QTRY_VERIFY(active->isAncestorOf(main->focusWidget()));
            main->restoreAndActivateChild(main->resultsFrame());
            QVERIFY(!hasInk(main->resultsWindow().reportArea()->picture()));
        }
    }

    // The picture for pasting as drawn, the text with the figures aligned
    // as rotavex-calc writes them.
    void copyTextPutsThePictureAndTheTextOnTheClipboard()
    {
        enterWorkedExample(true);
        calculate();
        QApplication::clipboard()->setText("stale");
        main->resultsWindow().copyTextButton()->click();
        const QMimeData *data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasImage());
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 main->resultsWindow().reportArea()->picture());
        QVERIFY(data->hasText());
        // Every amount of the service's items starts in one column.
        const QStringList lines = data->text().split('\n');
        QSet<qsizetype> amountColumns;
        for (const char *label : {"Coste total del trayecto:", "Coste de mantenimiento:", "Coste de neumáticos:",
                                  "Coste de seguros:", "Coste del conductor:", "Costes generales:"}) {
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [&](const QString &l) { return l.contains(QString::fromUtf8(label)); });
            QVERIFY2(line != lines.end(), label);
            const QRegularExpressionMatch amount = QRegularExpression(QStringLiteral("\\d+[.,]\\d+ euros"))
                                                       .match(*line);
            QVERIFY2(amount.hasMatch(), qPrintable(*line));
            amountColumns << amount.capturedStart();
        }
        QVERIFY2(amountColumns.size() == 1, qPrintable(data->text()));
    }

    // The results window keeps showing the calculation as it was made, even
    // when a file with another class, service mode and trip has been loaded
    // into the frozen windows since.
    void loadingWhileResultsAreShownKeepsTheReportAndChart()
    {
        enterWorkedExample(true);
        calculate();
        const QImage calculated = main->resultsWindow().reportArea()->picture();

        loadOtherTrip();
        InputWindows &inputs = main->inputWindows();
        QCOMPARE(inputs.field(Input::Km)->text(), QString("250"));
        QVERIFY(inputs.busClassOption(1)->isChecked());
        QVERIFY(inputs.serviceModeOption(false)->isChecked());

        main->activateChild(main->frame(DataWindow::General));
        main->activateChild(main->resultsFrame());

        const Workspace original = fixtures::calculatedWorkedExample(true);
        const std::vector<Report> &written = main->resultsWindow().reportArea()->written();
        QCOMPARE(written.size(), std::size_t(1));
        const NumberLocale locale;
        QCOMPARE(renderPlainText(written.front(), locale),
                 renderPlainText(resultsScreenReport(original, "100", "20"), locale));
        QCOMPARE(main->resultsWindow().reportArea()->picture(), calculated);

        const std::vector<ChartColumn> expected = chartData(original);
        const std::vector<ChartColumn> &shown = main->resultsWindow().chart()->data();
        QCOMPARE(shown.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(shown[i].label, expected[i].label);
            QCOMPARE(shown[i].value, expected[i].value);
        }

        for (Input input : AllInputs)
            QVERIFY(inputs.field(input)->isReadOnly());
        QVERIFY(!inputs.busClassFrame()->isEnabled());
        QVERIFY(!inputs.serviceModeFrame()->isEnabled());
        for (const fixtures::ObservatoryButton &button : fixtures::ObservatoryButtons)
            QVERIFY(!inputs.observatoryButton(button.group)->isEnabled());
        QVERIFY(main->resultsWindow().newCalculationButton()->isEnabled());
    }

    // What was loaded into the frozen windows is calculated by a new Calcular,
    // and then shown in place of the earlier results.
    void calcularAfterLoadingShowsTheNewCalculation()
    {
        enterWorkedExample(true);
        calculate();
        loadOtherTrip();
        calculate();
        QVERIFY(main->workspace().ResultsReady);

        Workspace loaded;
        loaded.BusClass = 1;
        loaded.ServiceMode = false;
        loaded.ResultsReady = true;
        QVERIFY(!Calculate(loaded, otherTripTexts()));
        const std::vector<Report> &written = main->resultsWindow().reportArea()->written();
        QCOMPARE(written.size(), std::size_t(1));
        const NumberLocale locale;
        QCOMPARE(renderPlainText(written.front(), locale),
                 renderPlainText(resultsScreenReport(loaded, "250", "40"), locale));
        QCOMPARE(main->resultsWindow().chart()->data().size(), chartData(loaded).size());
    }

    // "Imprimir" prints the calculation shown, not what was loaded since: the
    // full service prints as two documents, unit costs as one.
    void printingAfterLoadingPrintsTheCalculationShown()
    {
        enterWorkedExample(true);
        calculate();
        loadOtherTrip();
        PdfPrinting printing;
        main->resultsWindow().printButton()->click();
        const QStringList printed = printing.printed();
        QCOMPARE(printed.size(), 2);
        const QString text = pdfPages(printed.front()).join(QLatin1Char('\n')).simplified();
        QVERIFY2(text.contains("100 km con pasajeros, 20 km de posicionamiento"), qPrintable(text));
    }

    void loadingChoosesTheOptionsAndSkipsSwitchedGroups()
    {
        InputWindows &inputs = main->inputWindows();
        inputs.toggleObservatorySource(ObservatoryGroup::Driver);
        QTemporaryDir dir;
        const QString path = dir.filePath("datos");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "\"ROTAVEX\"\r\n2\r\n\"31000\",\"1700\"\r\n\"8\",\"8\"\r\n\"Observatorio\"\r\n\"3900\"\r\n\"350\","
            "\"80000\"\r\n"
            "\"50000\"\r\n\"150000\",\"12\"\r\n\"4\",\"6\"\r\n\"5000\"\r\n#FALSE#\r\n\"90\"\r\n\"3,5\"\r\n\"10\"\r\n");
        file.close();
        inputs.setFieldText(Input::Cosgas, "1.1");
        QVERIFY(loadIntoWindows(path, main->study(), inputs));
        QCOMPARE(main->workspace().BusClass, int16_t(2));
        QVERIFY(inputs.busClassOption(2)->isChecked());
        QVERIFY(inputs.serviceModeOption(false)->isChecked());
        QCOMPARE(inputs.field(Input::Salacon)->text(), QString("Observatorio"));   // its switch is on
        QVERIFY(main->workspace().ObsDriver());
        QCOMPARE(inputs.field(Input::Cosgas)->text(), QString());   // saved on the observatory
        QCOMPARE(inputs.field(Input::Cosgen)->text(), QString("8"));
        QCOMPARE(inputs.field(Input::Horas)->text(), QString("3.5"));
        QVERIFY(!main->workspace().DataSaved);

        QVERIFY(!loadIntoWindows(dir.filePath("missing"), main->study(), inputs));
        QCOMPARE(prompts->shown.last(),
                 QString("No se ha podido cargar el fichero «%1»: el fichero no existe.").arg(dir.filePath("missing")));
    }

private:
    void enterWorkedExample(bool fullService)
    {
        InputWindows &inputs = main->inputWindows();
        inputs.selectBusClass(3);
        inputs.selectServiceMode(fullService);
        const FieldTexts texts = fixtures::workedExampleTexts();
        for (Input input : AllInputs)
            inputs.setFieldText(input, QString::fromStdString(texts[input]));
    }

    // Opens the check window and presses "Calcular".
    void calculate()
    {
        whenModalOpens([](QWidget *modal) {
            QPushButton *calcular = checkWindow(modal).calculateButton();
            QVERIFY(calcular->isEnabled());
            calcular->click();
        });
        commands->openCheck();
    }

    // Class 1, unit costs, 250 km with passengers and 40 positioning km.
    static FieldTexts otherTripTexts()
    {
        FieldTexts texts = fixtures::workedExampleTexts();
        texts[Input::Km] = "250";
        texts[Input::Vacio] = "40";
        return texts;
    }

    // Saves the other trip to a data file and loads it into the windows.
    void loadOtherTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("otro viaje");
        Workspace ws;
        ws.BusClass = 1;
        ws.ServiceMode = false;
        CostStudy saved(ws);
        saved.texts = otherTripTexts();
        QVERIFY(saveStudy(path, saved));
        QVERIFY(loadIntoWindows(path, main->study(), main->inputWindows()));
    }

    static bool hasInk(const QImage &image)
    {
        const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background)
                    return true;
        return false;
    }
};

QTEST_MAIN(CalculationFlowTest)
#include "tst_calculation_flow.moc"
