// The comparison window opened from the menu after the worked example is
// calculated through the windows: its report, its chart's words for a screen
// reader, its printing, and the message before any calculation.

#include "check/ui/check_window.h"
#include "comparison/ui/comparison_window.h"
#include "comparison/ui/paired_chart.h"
#include "entry/ui/input_windows.h"
#include "fixtures/worked_example.h"
#include "report/ui/report_area.h"
#include "results/ui/results_window.h"
#include "study/ui/data_file_actions.h"
#include "study/ui/load_into_windows.h"

#include "../../ui_support/main_window_fixture.h"
#include "../../ui_support/pdf_printing.h"

#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace rotavex;

namespace {

void whenModalOpens(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = nullptr;
        QTRY_VERIFY(modal = QApplication::activeModalWidget());
        act(modal);
    });
}

// The line of `text` whose words start with `label`.
QString lineOf(const QString &text, const QString &label)
{
    for (const QString &line : text.split(QLatin1Char('\n')))
        if (line.simplified().startsWith(label + QLatin1Char(' ')))
            return line.simplified();
    return QString();
}

}   // namespace

class ComparisonWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openMainWindow(Commands::Connected)); }
    void cleanup() { closeMainWindow(); }

    // Worked example: class 3, 100 + 20 km in 4 hours, every group the
    // user's own; the observatory prices the same service at 248,18 euros.
    void reportComparesTheCalculationAsMade_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<bool>("marked");
        QTest::newRow("total") << "Coste total del trayecto"
                               << "279,03 248,18 +30,85 +12,43 %" << false;
        QTest::newRow("financing per hour") << "Financieros (euros/hora)"
                                            << "4,386 1,4626 +2,9234" << true;
        QTest::newRow("fuel per km") << "Combustible (euros/km)"
                                     << "0,36 0,313 +0,047 +15,02 %" << false;
        QTest::newRow("maintenance per km") << "Mantenimiento (euros/km)"
                                            << "0,1 0,1461 -0,0461 -31,56 %" << true;
        QTest::newRow("general costs") << "Generales"
                                       << "27,9 31,02 -3,12" << false;
    }
    void reportComparesTheCalculationAsMade()
    {
        QFETCH(QString, label);
        QFETCH(QString, figures);
        QFETCH(bool, marked);
        calculateWorkedExample();
        loadOtherTrip();   // the comparison stays that of the calculation made
        QString text;
        whenModalOpens([&](QWidget *modal) {
            auto *window = qobject_cast<ComparisonWindow *>(modal);
            QVERIFY(window);
            text = window->reportArea()->text();
            window->acceptButton()->click();
        });
        main->commands().compare->trigger();
        QVERIFY2(text.contains("100 km con pasajeros, 20 km de posicionamiento"), qPrintable(text));
        const QString line = lineOf(text, label);
        QVERIFY2(line.contains(figures), qPrintable(line));
        QCOMPARE(line.endsWith("<<"), marked);
    }

    void beforeAnyCalculationSaysSo_data()
    {
        QTest::addColumn<bool>("calculatedThenNew");
        QTest::newRow("nothing calculated") << false;
        QTest::newRow("after Nuevo Cálculo") << true;
    }
    void beforeAnyCalculationSaysSo()
    {
        QFETCH(bool, calculatedThenNew);
        if (calculatedThenNew) {
            calculateWorkedExample();
            main->resultsWindow().newCalculationButton()->click();   // the script answers Yes
        }
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = true;
                static_cast<QDialog *>(modal)->reject();
            }
        });
        main->commands().compare->trigger();
        QVERIFY(!opened);
        QCOMPARE(prompts->shown.last(), QString("Antes de comparar debe realizar un cálculo"));
    }

    void printsWithNoPrinterToPdf()
    {
        calculateWorkedExample();
        PdfPrinting printing;
        printing.printer = PdfPrinting::Printer::Missing;
        printing.pdfFileAnswer = printing.dir.filePath("comparacion.pdf");
        whenModalOpens([](QWidget *modal) {
            auto *window = qobject_cast<ComparisonWindow *>(modal);
            QVERIFY(window);
            window->printButton()->click();
            window->acceptButton()->click();
        });
        main->commands().compare->trigger();
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(prompts->shown.last(), NoPrinterQuestion);
        const QString text = pdfPages(printing.pdfFileAnswer).join(QLatin1Char('\n'));
        QVERIFY2(lineOf(text, "Coste total del trayecto").contains("279,03 248,18 +30,85 +12,43 %"), qPrintable(text));
        QVERIFY2(lineOf(text, "Financieros (euros/hora)").endsWith("<<"), qPrintable(text));
    }

    void readersHearNamesAndFigures()
    {
        calculateWorkedExample();
        QStringList names;
        QString chartDescription;
        whenModalOpens([&](QWidget *modal) {
            auto *window = qobject_cast<ComparisonWindow *>(modal);
            QVERIFY(window);
            for (QWidget *widget : std::initializer_list<QWidget *>{
                     window->reportArea(), window->chart(), window->acceptButton(), window->printButton(),
                     window->copyTextButton(), window->copyChartButton()})
                names << widget->accessibleName();
            chartDescription = window->chart()->accessibleDescription();
            window->acceptButton()->click();
        });
        main->commands().compare->trigger();
        QCOMPARE(names,
                 QStringList({"Informe de comparación con el Observatorio", "Sus datos y el Observatorio", "Aceptar",
                              "Imprimir", "Copiar texto al portapapeles", "Copiar gráfico al portapapeles"}));
        QVERIFY2(chartDescription.contains("Generales: sus datos 27,9 euros, Observatorio 31,02 euros"),
                 qPrintable(chartDescription));
    }

    // At the window's own width every item's name is written whole under
    // its bars: "Mantenimiento", not "Mantenimie...".
    void everyItemIsNamedInFull()
    {
        calculateWorkedExample();
        QStringList items;
        bool cut = true;
        whenModalOpens([&](QWidget *modal) {
            auto *window = qobject_cast<ComparisonWindow *>(modal);
            QVERIFY(window);
            window->chart()->picture();
            const QList<QAbstractAxis *> axes = window->chart()->chart()->axes(Qt::Horizontal);
            QCOMPARE(axes.size(), 1);
            items = qobject_cast<QBarCategoryAxis *>(axes.first())->categories();
            cut = axes.first()->labelsTruncated();
            window->acceptButton()->click();
        });
        main->commands().compare->trigger();
        QVERIFY(items.contains("Mantenimiento"));
        QVERIFY(!cut);
    }

private:
    void calculateWorkedExample()
    {
        InputWindows &inputs = main->inputWindows();
        inputs.selectBusClass(3);
        inputs.selectServiceMode(true);
        const FieldTexts texts = fixtures::workedExampleTexts();
        for (Input input : AllInputs)
            inputs.setFieldText(input, QString::fromStdString(texts[input]));
        whenModalOpens([](QWidget *modal) { qobject_cast<CheckWindow *>(modal)->calculateButton()->click(); });
        commands->openCheck();
        QVERIFY(main->study().lastCalculation());
    }

    // Class 1 with 250 km with passengers and 40 positioning km, loaded into
    // the windows from a data file.
    void loadOtherTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("otro viaje");
        Workspace ws;
        ws.BusClass = 1;
        CostStudy saved(ws);
        saved.texts = fixtures::workedExampleTexts();
        saved.texts[Input::Km] = "250";
        saved.texts[Input::Vacio] = "40";
        QVERIFY(saveStudy(path, saved));
        QVERIFY(loadIntoWindows(path, main->study(), main->inputWindows()));
    }
};

int main(int argc, char **argv)
{
    // A Spanish desktop, whose figures read "279,03".
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    ComparisonWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_comparison_window.moc"
