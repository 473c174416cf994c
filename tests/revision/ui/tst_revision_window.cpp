// The "Revisión de precios" window opened from the menu: texts checked as
// they are typed, a revision of typed weights or of the calculation's
// structure, its refusals, its file and the question before changes are lost.

#include "fixtures/worked_example.h"
#include "report/ui/report_area.h"
#include "revision/revision_file.h"
#include "revision/ui/revision_table_model.h"
#include "revision/ui/revision_window.h"

#include "../../ui_support/main_window_fixture.h"
#include "../../ui_support/pdf_printing.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace rotavex;
using Source = RevisionWindow::WeightSource;

Q_DECLARE_METATYPE(rotavex::Answer)

namespace {

const QString Columns = "Partida;Peso;Índice inicial;Índice final\r\n";

}   // namespace

class RevisionWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openMainWindow(Commands::Connected)); }
    void cleanup() { closeMainWindow(); }

    // -1 as the row: one of the fields, by its place.
    void refusedTextKeepsWhatItHad_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("abc") << 1 << 1 << "abc"
                             << "Combustible, Índice inicial: «abc» no es un número.";
        QTest::newRow("0") << 4 << 2 << "0"
                           << "Seguros, Índice final: «0» debe ser mayor que cero.";
        QTest::newRow("101 %") << 0 << 0 << "101"
                               << "los pesos suman más del 100 % del precio.";
        QTest::newRow("X of 1") << -1 << int(RevisionPlace::Efficiency) << "1"
                                << "Factor de eficiencia: «1» debe ser menor que 1.";
        QTest::newRow("-0,5 €") << -1 << int(RevisionPlace::Price) << "-0,5"
                                << "Precio: «-0,5» es negativo.";
        QTest::newRow("index") << 0 << 2 << " 103,4"
                               << "";
        QTest::newRow("cap") << -1 << int(RevisionPlace::LabourCap) << "2.5"
                             << "";
    }
    void refusedTextKeepsWhatItHad()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        RevisionWindow *window = openWindow();
        QCOMPARE(window->weightSource(), Source::Typed);
        const QString shown = row < 0 ? typeInto(window, RevisionPlace::Field(column), typed)
                                      : typeInto(window, window->model()->index(row, column), typed);
        if (message.isEmpty()) {
            QCOMPARE(shown, typed.trimmed());
            QVERIFY(window->hasUnsavedChanges());
        } else {
            QTRY_COMPARE(prompts->shown, QStringList{message});
            QCOMPARE(shown, QString());
            QVERIFY(!window->hasUnsavedChanges());
        }
    }

    // Typed weights (1000 euros, labour 40 % up 10 % under a 12 % cap, fuel
    // 0.5 % doubled but not significant): Kt = 0.6 + 0.4 × 1.1 = 1.04. The
    // worked example's structure with 6 % profit, labour capped at 2.5 % and
    // fuel down 9.5 % with X = 0.1: Kt = 0.9977 and 295.09 euros.
    void revisesAndPrints_data()
    {
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kt");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("fuelWeight");
        QTest::newRow("typed") << false
                               << "Precio;1000\r\nLímite mano de obra;12\r\n" + Columns
                                      + "Conductor;40;100;110\r\nCombustible;0,5;100;200\r\nAmortización;20\r\n"
                               << "1,04"
                               << "1040"
                               << "0,5";
        QTest::newRow("calculation")
            << true
            << "Beneficio;6\r\nLímite mano de obra;2,5\r\nFactor de eficiencia;0,1\r\n" + Columns
                   + "Conductor;;100;103,4\r\nCombustible;;131,2;118,7\r\nNeumáticos;;100;104\r\n"
                   + "Mantenimiento;;100;102\r\n"
            << "0,9977"
            << "295,09"
            << "13,15";
    }
    void revisesAndPrints()
    {
        QFETCH(bool, calculated);
        QFETCH(QString, file);
        QFETCH(QString, kt);
        QFETCH(QString, price);
        QFETCH(QString, fuelWeight);
        if (calculated)
            calculate();
        RevisionWindow *window = openWindow();
        QVERIFY(window->sourceButton(Source::Calculation)->isEnabled() == calculated);
        openFile(window, "Contrato 12/2024, revisión 2026\r\n" + file);
        QCOMPARE(window->weightSource(), calculated ? Source::Calculation : Source::Typed);
        const QModelIndex fuelWeightCell = window->model()->index(1, RevisionTableModel::Weight);
        QCOMPARE(fuelWeightCell.data().toString(), fuelWeight);
        QCOMPARE(bool(fuelWeightCell.flags() & Qt::ItemIsEditable), !calculated);
        const QString report = window->reportArea()->text();
        QVERIFY2(report.contains(QRegularExpression("Kt = F \\+ suma de peso × ratio: +" + kt + "\\s")),
                 qPrintable(report));
        QVERIFY(report.contains(QRegularExpression("Pt = P0 × Kt\\): +" + price + " euros")));
        if (!calculated)
            QVERIFY(window->model()
                        ->index(1, RevisionTableModel::Verdict)
                        .data()
                        .toString()
                        .startsWith("no: pesa menos del 1 % del precio"));

        PdfPrinting printing;
        window->printButton()->click();
        const QStringList pages = pdfPages(printing.printed().value(0));
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(QRegularExpression(price + "\\s+euros")));
        QCOMPARE(pages[0].count("(Real Decreto 55/2017)"), calculated ? 3 : 4);   // each reason whole on the page
        QVERIFY(prompts->shown.isEmpty());
    }

    // Labour revised without its cap, or a calculation begun again.
    void refusalIsShown()
    {
        calculate();
        RevisionWindow *window = openWindow();
        typeInto(window, window->model()->index(0, RevisionTableModel::InitialIndex), "100");
        typeInto(window, window->model()->index(0, RevisionTableModel::FinalIndex), "101");
        QVERIFY(window->reportArea()->text().contains(
            "No se ha revisado el precio: la mano de obra necesita su límite: escriba el Límite mano de obra (en %)."));
        QCOMPARE(window->model()->index(0, RevisionTableModel::Weight).data().toString(), QString("37,72"));
        window->copyRowsButton()->click();
        QVERIFY(prompts->shown.value(0).startsWith("No se ha revisado el precio: la mano de obra"));

        main->study().forgetCalculation();
        window->revise();
        QCOMPARE(window->weightSource(), Source::Typed);
        QVERIFY(!window->sourceButton(Source::Calculation)->isEnabled());
        QVERIFY(window->reportArea()->text().contains("no hay pesos"));
    }

    void unsavedChangesAskFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("closing");   // 0 Cerrar, 1 Escape, 2 the program's exit
        QTest::addColumn<bool>("closed");
        QTest::newRow("yes, Cerrar") << Answer::Yes << 0 << true;
        QTest::newRow("no, Escape") << Answer::No << 1 << true;
        QTest::newRow("cancel, Cerrar") << Answer::Cancel << 0 << false;
        QTest::newRow("cancel, exit") << Answer::Cancel << 2 << false;
        QTest::newRow("no, exit") << Answer::No << 2 << true;
    }
    void unsavedChangesAskFirst()
    {
        QFETCH(Answer, answer);
        QFETCH(int, closing);
        QFETCH(bool, closed);
        RevisionWindow *window = openWindow();
        window->field(RevisionPlace::Name)->setText("Línea 7");
        QFile::remove(dir.filePath("l7.csv"));
        window->chooseFileToSave = [&](const QString &suggested) {
            return QFileInfo(suggested).fileName() == "Línea 7.csv" ? dir.filePath("l7") : QString();
        };
        prompts->answers = {answer, Answer::No};   // the data's question, then the exit's
        if (closing == 0)
            window->closeButton()->click();
        else if (closing == 1)
            QTest::keyClick(window->table(), Qt::Key_Escape);
        else
            main->commands().exit->trigger();
        QCOMPARE(prompts->shown.value(0), QString("La revisión de precios «Línea 7» tiene cambios sin guardar. "
                                                  "¿Desea guardarla?"));
        QCOMPARE(prompts->shown.size(), closing == 2 && closed ? 3 : 1);
        QCOMPARE(QFile::exists(dir.filePath("l7.csv")), answer == Answer::Yes);
        if (closing < 2)
            QCOMPARE(!window->isVisible(), closed);
    }

    // Saved, changed, and read back as it was saved; then a file refused.
    void savedRevisionReadsBack()
    {
        RevisionWindow *window = openWindow();
        window->field(RevisionPlace::Name)->setText("=2+2");
        typeInto(window, RevisionPlace::Price, "1000,5");
        typeInto(window, window->model()->index(7, RevisionTableModel::Weight), "12,25");
        typeInto(window, window->model()->index(3, RevisionTableModel::FinalIndex), "1e-3");
        window->chooseFileToSave = [&](const QString &) { return dir.filePath("r"); };
        QVERIFY(window->saveToFile());
        const Revision made = window->revision();
        QVERIFY(!window->hasUnsavedChanges());
        typeInto(window, RevisionPlace::Profit, "3");
        prompts->answers = {Answer::No};
        window->chooseFileToOpen = [&] { return dir.filePath("r.csv"); };
        window->openButton()->click();
        QCOMPARE(revisionFileBytes(window->revision()), revisionFileBytes(made));
        QCOMPARE(window->field(RevisionPlace::Name)->text(), QString("=2+2"));
        QVERIFY(!window->hasUnsavedChanges());

        openFile(window, "x\r\nPartida;Peso\r\nSeguros;-1\r\n");
        QCOMPARE(prompts->shown.value(1), "No se ha podido leer la revisión de precios del fichero «"
                                              + dir.filePath("other.csv")
                                              + "»: línea 4: Seguros, Peso: «-1» es negativo.");
        QCOMPARE(window->shownFile(), dir.filePath("r.csv"));
        main->commands().revision->trigger();
        QCOMPARE(commands->revisionWindow(), window);   // one window
    }

private:
    QTemporaryDir dir;

    RevisionWindow *openWindow()
    {
        main->commands().revision->trigger();
        RevisionWindow *window = commands->revisionWindow();
        if (!window || !QTest::qWaitForWindowActive(window))
            qFatal("The revision window does not open");
        return window;
    }

    void calculate()
    {
        main->workspace().BusClass = 3;
        main->workspace().ServiceMode = true;
        main->study().texts = fixtures::workedExampleTexts();
        QVERIFY(!main->study().calculate());
    }

    void openFile(RevisionWindow *window, const QString &afterMark)
    {
        QFile file(dir.filePath("other.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("ROTAVEX revisión de precios\r\nNombre;" + afterMark).toUtf8());
        file.close();
        window->chooseFileToOpen = [path = file.fileName()] { return path; };
        window->openButton()->click();
    }

    // From the keyboard: F2, the text in place of the old one, Enter.
    static QString typeInto(RevisionWindow *window, const QModelIndex &cell, const QString &text)
    {
        window->table()->setCurrentIndex(cell);
        QTest::keyClick(window->table(), Qt::Key_F2);
        QWidget *editor = window->table()->indexWidget(cell);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();   // the editor hands its text over once the key is done
        return cell.data().toString();
    }

    static QString typeInto(RevisionWindow *window, RevisionPlace::Field which, const QString &text)
    {
        QLineEdit *field = window->field(which);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        return field->text();
    }
};

int main(int argc, char **argv)
{
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    RevisionWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_revision_window.moc"
