// The "Lote de servicios" window opened from the menu: its cells checked as
// typed, rows pasted from and copied to a spreadsheet, the lot priced beside
// its rows, printed, saved and opened again, and never dropped unasked.

#include "lot/lot_file.h"
#include "lot/ui/lot_table_model.h"
#include "lot/ui/lot_window.h"
#include "lot/ui/services_table.h"
#include "report/ui/report_area.h"
#include "results/ui/cost_chart.h"

#include "../../ui_support/main_window_fixture.h"
#include "../../ui_support/pdf_printing.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace rotavex;

Q_DECLARE_METATYPE(rotavex::Answer)

namespace {

LotService service(std::array<std::string, LotColumnCount> cells) { return LotService{0, std::move(cells)}; }

Lot sampleLot()
{
    Lot lot{"Escolar; lote \"3\"", "4", "6", "", {}};
    lot.services = {service({"Ruta 1 — Año Nuevo", "2", "35", "12", "2,5", "175", "", ""}),
                    service({"Sin clase", "", "80", "20", "4", "250", "", ""}),
                    service({"=Oferta baja", "3", "100", "20", "4", "250", "", "1"})};
    return lot;
}

const int Cost = int(LotColumnCount) + int(LotResultColumn::ServiceCost);
const int Annual = int(LotColumnCount) + int(LotResultColumn::AnnualCost);
const int Remark = int(LotColumnCount) + int(LotResultColumn::Remark);

}   // namespace

class LotWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(openMainWindow(Commands::Connected));
        main->commands().lot->trigger();
        window = main->findChild<LotWindow *>();
        QVERIFY(window);
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }
    void cleanup() { closeMainWindow(); }

    void cellCheckRefusesBadText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");   // empty: the text is taken
        const QString notANumber = "Por favor, introduzca sólo números.";
        QTest::newRow("km abc") << int(LotColumn::Km) << "abc" << notANumber;
        QTest::newRow("hours -0,5") << int(LotColumn::Horas) << "-0,5"
                                    << "Por favor, no introduzca valores negativos";
        QTest::newRow("class 1e400") << int(LotColumn::BusClass) << "1e400" << notANumber;
        QTest::newRow("offer 1.000,5") << int(LotColumn::Offer) << "1.000,5" << notANumber;
        QTest::newRow("comma kept") << int(LotColumn::PerYear) << " 2,5"
                                    << "";
        QTest::newRow("name any text") << int(LotColumn::Name) << "-5 km"
                                       << "";
        QTest::newRow("file any text") << int(LotColumn::DataFile) << "abc"
                                       << "";
    }
    void cellCheckRefusesBadText()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const QModelIndex cell = window->model()->index(0, column);
        typeInto(cell, typed);
        if (message.isEmpty()) {
            QCOMPARE(cell.data().toString(), column == int(LotColumn::PerYear) ? typed.trimmed() : typed);
            QVERIFY(window->hasUnsavedChanges());
        } else {
            QTRY_COMPARE(prompts->shown, QStringList{message});
            QCOMPARE(cell.data().toString(), QString());
            QVERIFY(!window->hasUnsavedChanges());
        }
    }

    void pasteFillsRowsFromTheCell_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("cells");   // "row column text"
        QTest::addColumn<QString>("message");
        QTest::newRow("CR LF, more rows than exist")
            << "A\t2\t35\t12\t2,5\t175\r\nB\t\t80\t20\t4\t250\r\nC\t1\r\n"
            << 0 << 0 << 3 << QStringList{"0 4 2,5", "1 1 ", "1 5 250", "2 0 C"} << "";
        QTest::newRow("mid-table, no line end")
            << "35\t12\n40\t13" << 0 << 2 << 2 << QStringList{"0 2 35", "0 3 12", "1 2 40", "1 3 13"} << "";
        QTest::newRow("headings left out") << "Servicio\tClase\tKm\nA\t2\t9\n"
                                           << 0 << 0 << 1 << QStringList{"0 0 A", "0 2 9"} << "";
        QTest::newRow("quoted cell") << "\"Ruta \"\"A\"\"\tB\"\t3\n"
                                     << 0 << 0 << 1 << QStringList{"0 0 Ruta \"A\"\tB", "0 1 3"} << "";
        QTest::newRow("beyond the lot's columns") << "1\t2\t3\n" << 0 << 6 << 1 << QStringList{"0 6 1", "0 7 2"} << "";
        QTest::newRow("refused cells") << "A\tabc\t-1\t7\n"
                                       << 0 << 0 << 1 << QStringList{"0 0 A", "0 1 ", "0 3 7"}
                                       << "Por favor, introduzca sólo números. Estas celdas no se han pegado: fila 1, "
                                          "Clase «abc»; fila 1, Km «-1».";
    }
    void pasteFillsRowsFromTheCell()
    {
        QFETCH(QString, clipboard);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, rows);
        QFETCH(QStringList, cells);
        QFETCH(QString, message);
        QGuiApplication::clipboard()->setText(clipboard);
        window->table()->setCurrentIndex(window->model()->index(row, column));
        window->table()->setFocus();
        QTest::keyClick(window->table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->model()->rowCount(), rows);
        for (const QString &expected : cells) {
            const QStringList parts = expected.split(' ');
            QCOMPARE(window->model()->index(parts[0].toInt(), parts[1].toInt()).data().toString(),
                     parts.mid(2).join(' '));
        }
        QCOMPARE(prompts->shown.value(0), message);
        QVERIFY(window->hasUnsavedChanges());
    }

    // The block copied pastes back the same, a cell with a tab in it too.
    void copiedBlockPastesBack()
    {
        window->showLot(sampleLot(), QString());
        window->model()->setData(window->model()->index(1, 0), "Con\ttab");
        QTableView *table = window->table();
        table->setFocus();
        table->selectionModel()->select(QItemSelection(window->model()->index(0, 0), window->model()->index(1, 2)),
                                        QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Ruta 1 — Año Nuevo\t2\t35\n\"Con\ttab\"\t\t80\n"));
        table->setCurrentIndex(window->model()->index(2, 0));
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        for (int column = 0; column < 3; ++column)
            QCOMPARE(window->model()->index(3, column).data(), window->model()->index(1, column).data());
    }

    // Each row's figures are the report's, or why the row was refused.
    void pricingShowsFiguresBesideRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("remark");
        QTest::newRow("priced") << 0 << "";
        QTest::newRow("refused") << 1 << "Clase: falta la clase de autobús";
        QTest::newRow("beyond tolerance") << 2 << "Fuera de la tolerancia (±20 %)";
    }
    void pricingShowsFiguresBesideRows()
    {
        QFETCH(int, row);
        QFETCH(QString, remark);
        window->showLot(sampleLot(), QString());
        window->calculateButton()->click();
        QCOMPARE(window->summary()->text().left(42), QString("Servicios calculados: 2. Rechazados: 1. La"));
        const LotTableModel *model = window->model();
        QCOMPARE(model->index(row, Remark).data().toString(), remark);
        // On screen the table holds each service's figures; the copied
        // report lists them too.
        QVERIFY(window->reportArea()->text().contains("están en su fila de la tabla"));
        window->copyButton()->click();
        const QString name = model->index(row, 0).data().toString();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n').filter(
            QRegularExpression("^" + QRegularExpression::escape(name) + "[ :]"));
        QCOMPARE(lines.size(), 1);
        if (row == 1) {
            QCOMPARE(model->index(row, Cost).data().toString(), QString());
            QVERIFY(lines[0].contains(remark));
        } else {
            QVERIFY(lines[0].contains(model->index(row, Cost).data().toString()));
            QVERIFY(lines[0].contains(model->index(row, Annual).data().toString()));
        }
        QCOMPARE(window->chart()->data().size(), std::size_t(8));

        // Any change leaves no figure of the lot as it was.
        window->yearsField()->setFocus();
        QTest::keyClick(window->yearsField(), Qt::Key_5);
        QCOMPARE(model->index(row, Remark).data().toString(), QString());
        QVERIFY(window->reportArea()->text().isEmpty());
        QVERIFY(window->chart()->data().empty());
    }

    void printsTheReportAndChart()
    {
        PdfPrinting printing;
        window->showLot(sampleLot(), QString());
        window->printButton()->click();
        QCOMPARE(printing.printed().size(), 1);
        const QString pages = pdfPages(printing.printed()[0]).join('\f');
        QVERIFY(pages.contains("Escolar; lote \"3\""));
        QVERIFY(pages.contains("Ruta 1 — Año Nuevo"));
        QVERIFY(pages.contains("Distribución de costes"));   // the chart's title
    }

    void saveThenOpenGivesBackTheLot()
    {
        const Lot made = sampleLot();
        window->showLot(made, QString());
        window->chooseFileToSave = [&](const QString &suggested) {
            return suggested.endsWith("/Escolar; lote \"3\".csv") ? dir.filePath("lote") : QString();
        };
        QVERIFY(window->saveToFile());
        QCOMPARE(window->shownFile(), dir.filePath("lote.csv"));
        window->showLot(Lot{}, QString());
        window->chooseFileToOpen = [&] { return dir.filePath("lote.csv"); };
        window->openButton()->click();
        QVERIFY(prompts->shown.isEmpty());
        QCOMPARE(lotFileBytes(window->lot()), lotFileBytes(made));
        QCOMPARE(window->nameField()->text(), QString::fromStdString(made.name));

        window->chooseFileToOpen = [&] { return dir.filePath("no está.csv"); };
        window->openButton()->click();
        QVERIFY(prompts->shown.value(0).startsWith("No se ha podido abrir el lote del fichero «"));
        window->chooseFileToSave = [&](const QString &) { return dir.filePath("no hay/lote.csv"); };
        QVERIFY(!window->saveToFile());
        QVERIFY(prompts->shown.value(1).startsWith("No se ha podido guardar el lote en el fichero «"));
        QCOMPARE(window->shownFile(), dir.filePath("lote.csv"));
    }

    void unsavedChangesAskFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("closing");   // 0 Cerrar, 1 Escape, 2 the title bar's close, 3 the program's exit
        QTest::addColumn<bool>("closed");
        QTest::newRow("yes, Cerrar") << Answer::Yes << 0 << true;
        QTest::newRow("no, Escape") << Answer::No << 1 << true;
        QTest::newRow("cancel, close") << Answer::Cancel << 2 << false;
        QTest::newRow("cancel, exit") << Answer::Cancel << 3 << false;
        QTest::newRow("no, exit") << Answer::No << 3 << true;
    }
    void unsavedChangesAskFirst()
    {
        QFETCH(Answer, answer);
        QFETCH(int, closing);
        QFETCH(bool, closed);
        main->workspace().DataSaved = true;
        QFile::remove(dir.filePath("mio.csv"));
        typeInto(window->model()->index(0, 0), "Ruta");
        window->nameField()->setText("Mío");
        window->chooseFileToSave = [&](const QString &) { return dir.filePath("mio"); };
        prompts->answers = {answer, Answer::No};   // then: not sure about the exit
        if (closing == 0)
            window->closeButton()->click();
        else if (closing == 1)
            QTest::keyClick(window->table(), Qt::Key_Escape);
        else if (closing == 2)
            window->close();
        else
            main->exitProgram();
        QCOMPARE(prompts->shown.value(0), QString("¿Desea guardar los cambios del lote «Mío»?"));
        QCOMPARE(prompts->shown.size(), closing == 3 && closed ? 2 : 1);
        QCOMPARE(!window->isVisible(), closed && closing != 3);
        QCOMPARE(QFile::exists(dir.filePath("mio.csv")), answer == Answer::Yes);
        // One window for the program: the menu brings the same one back.
        main->commands().lot->trigger();
        QCOMPARE(main->findChildren<LotWindow *>().size(), 1);
    }

private:
    LotWindow *window = nullptr;
    QTemporaryDir dir;

    // From the keyboard: F2, the text in place of the old one, Enter.
    void typeInto(const QModelIndex &cell, const QString &text)
    {
        window->table()->setCurrentIndex(cell);
        window->table()->setFocus();
        QTest::keyClick(window->table(), Qt::Key_F2);
        QWidget *editor = window->table()->indexWidget(cell);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();   // the editor hands its text over once the key is done
    }
};

int main(int argc, char **argv)
{
    // A Spanish desktop, whose figures read "136,93"; settings of the test's own.
    qputenv("LC_ALL", "es_ES.UTF-8");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    LotWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lot_window.moc"
