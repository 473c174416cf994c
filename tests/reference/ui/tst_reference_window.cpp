// The "Valores de referencia" window opened from the menu, through a set of
// the user's own from its first cell to the next start.

#include "fixtures/worked_example.h"
#include "reference/reference_file.h"
#include "reference/ui/reference_choice.h"
#include "reference/ui/reference_table_model.h"
#include "reference/ui/reference_window.h"
#include "widgets/program_settings.h"

#include "../../ui_support/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <functional>

using namespace rotavex;

Q_DECLARE_METATYPE(rotavex::Answer)

class ReferenceWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init()
    {
        programSettings().clear();
        QVERIFY(openMainWindow(Commands::Connected));
    }
    void cleanup() { closeMainWindow(); }

    void refusedCellKeepsItsValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("0 h") << "0" << 1 << "Horas anuales del conductor, Clase 2: «0» debe ser mayor que cero.";
        QTest::newRow("abc") << "abc" << 0 << "Salario anual del conductor, Clase 2: «abc» no es un número.";
        QTest::newRow("-0,5") << "-0,5" << 9 << "Combustible, Clase 2: «-0,5» no puede ser negativo.";
        QTest::newRow("empty") << "" << 7 << "Kilómetros anuales, Clase 2: «» no es un número.";
        QTest::newRow("long") << QString(45, 'x') << 7
                              << "Kilómetros anuales, Clase 2: «" + QString(40, 'x') + "…» no es un número.";
        QTest::newRow("95 %") << "95" << 2 << "Costes generales, Clase 2: «95» no puede ser más del 90 %.";
        QTest::newRow("1e39/km") << "1e39" << 10 << "Neumáticos, Clase 2: «1e39» es demasiado grande.";
        QTest::newRow("comma") << " 1750,5" << 1 << "";
        QTest::newRow("point") << "0.25" << 8 << "";
    }
    void refusedCellKeepsItsValue()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        inWindow([&](ReferenceWindow *window) {
            window->newButton()->click();
            const QModelIndex cell = window->model()->index(row, 1);
            const QString before = cell.data().toString();
            typeInto(window, cell, typed);
            if (message.isEmpty()) {
                QCOMPARE(cell.data().toString(), typed.trimmed().replace('.', ','));
                QVERIFY(window->hasUnsavedChanges());
            } else {
                QTRY_COMPARE(prompts->shown.value(0), message);
                QCOMPARE(cell.data().toString(), before);
                QVERIFY(!window->hasUnsavedChanges());
            }
        });
    }

    void builtInSetIsOnlyShown()
    {
        inWindow([&](ReferenceWindow *window) {
            QVERIFY(window->nameField()->isReadOnly());
            const QModelIndex cell = window->model()->index(1, 0);
            QCOMPARE(cell.data().toString(), QString("2328,75"));
            QVERIFY(!(cell.flags() & Qt::ItemIsEditable));
        });
        QVERIFY(prompts->shown.isEmpty());
    }

    // Saved under a name without extension, then read back.
    void savedSetReadsBackTheSame()
    {
        inWindow([&](ReferenceWindow *window) {
            window->newButton()->click();
            typeInto(window, window->model()->index(9, 2), "0,3333333");
            rename(window, "Observatorio julio 2025");
            const ReferenceSet made = window->shownSet();
            window->chooseFileToSave = [&](const QString &) { return dir.filePath("julio"); };
            QVERIFY(window->saveToFile());
            QVERIFY(!window->hasUnsavedChanges());
            window->newButton()->click();
            window->chooseFileToOpen = [&] { return dir.filePath("julio.csv"); };
            window->openButton()->click();
            QVERIFY(prompts->shown.isEmpty());
            QCOMPARE(referenceFileBytes(window->shownSet()), referenceFileBytes(made));
            window->chooseFileToOpen = [&] { return dir.filePath("no está"); };
            window->openButton()->click();
            QVERIFY(
                prompts->shown.value(0).startsWith("No se han podido leer los valores de referencia del fichero «"));
            QCOMPARE(window->shownFile(), dir.filePath("julio.csv"));
        });
    }

    // A calculation keeps the set it ran with; the next one takes the set in
    // use, and so does the next start, until the built-in set is back.
    void setInUseServesTheNextCalculationAndStart()
    {
        Workspace &ws = main->workspace();
        ws.BusClass = 3;
        ws.switches[Switch::Fuel] = true;
        main->study().texts = fixtures::workedExampleTexts();
        QVERIFY(!main->study().calculate());
        inWindow([&](ReferenceWindow *window) {
            window->newButton()->click();
            typeInto(window, window->model()->index(9, 2), "0,5");
            window->chooseFileToSave = [&](const QString &) { return dir.filePath("propios.csv"); };
            window->useButton()->click();
            window->closeButton()->click();
        });
        QVERIFY(isBuiltIn(*main->study().lastCalculation()->results.reference));
        QCOMPARE(ws.reference->name, std::string("Copia de Observatorio 2018"));
        QCOMPARE(main->referencePanel()->text(), QString("Valores: Copia de Observatorio 2018"));
        QVERIFY(!main->study().calculate());
        QCOMPARE(main->study().lastCalculation()->results.FuelPerKm, 0.5f);

        restart();
        QCOMPARE(main->workspace().reference->of(3).fuelPerKm, 0.5f);
        QCOMPARE(main->referencePanel()->text(), QString("Valores: Copia de Observatorio 2018"));
        QFile(dir.filePath("propios.csv")).resize(10);
        restart();
        QTRY_COMPARE(prompts->shown.size(), 1);
        QVERIFY(prompts->shown[0].startsWith("No se han podido leer los valores de referencia del fichero «"
                                             + dir.filePath("propios.csv") + "»: "));
        QVERIFY(prompts->shown[0].endsWith(". Se usan los del Observatorio 2018."));
        QVERIFY(isBuiltIn(*main->workspace().reference));

        inWindow([](ReferenceWindow *window) {
            window->builtInButton()->click();
            window->closeButton()->click();
        });
        QVERIFY(!programSettings().contains(ReferenceFileSetting));
        QCOMPARE(main->referencePanel()->text(), QString("Valores: Observatorio 2018"));
    }

    void unsavedChangesAskFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("closing");   // 0 Cerrar, 1 Escape, 2 the title bar's close
        QTest::addColumn<bool>("closed");
        QTest::newRow("yes, Cerrar") << Answer::Yes << 0 << true;
        QTest::newRow("no, Escape") << Answer::No << 1 << true;
        QTest::newRow("cancel, close") << Answer::Cancel << 2 << false;
    }
    void unsavedChangesAskFirst()
    {
        QFETCH(Answer, answer);
        QFETCH(int, closing);
        QFETCH(bool, closed);
        bool stays = false;
        QFile::remove(dir.filePath("mios.csv"));
        inWindow([&](ReferenceWindow *window) {
            window->newButton()->click();
            rename(window, "Mis valores");
            window->chooseFileToSave = [&](const QString &suggested) {
                return QFileInfo(suggested).fileName() == "Mis valores.csv" ? dir.filePath("mios") : QString();
            };
            prompts->answers = {answer};
            if (closing == 0)
                window->closeButton()->click();
            else if (closing == 1)
                QTest::keyClick(window->table(), Qt::Key_Escape);
            else
                window->close();
            stays = window->isVisible();
        });
        QCOMPARE(prompts->shown,
                 QStringList{"Los valores de referencia «Mis valores» tienen cambios sin guardar. ¿Desea guardarlos?"});
        QCOMPARE(!stays, closed);
        QCOMPARE(QFile::exists(dir.filePath("mios.csv")), answer == Answer::Yes);
    }

private:
    QTemporaryDir dir;

    void inWindow(std::function<void(ReferenceWindow *)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget *modal = nullptr;
            QTRY_VERIFY(modal = QApplication::activeModalWidget());
            auto *window = qobject_cast<ReferenceWindow *>(modal);
            const auto closing = qScopeGuard([window] { window->done(QDialog::Rejected); });
            act(window);
        });
        main->commands().reference->trigger();
    }

    // From the keyboard: F2, the text in place of the old one, Enter.
    static void typeInto(ReferenceWindow *window, const QModelIndex &cell, const QString &text)
    {
        window->table()->setCurrentIndex(cell);
        QTest::keyClick(window->table(), Qt::Key_F2);
        QWidget *editor = window->table()->indexWidget(cell);
        if (!editor)
            return;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();   // the editor hands its text over once the key is done
    }

    static void rename(ReferenceWindow *window, const QString &name)
    {
        window->nameField()->setText(name);
        emit window->nameField()->editingFinished();
    }

    void restart()
    {
        closeMainWindow();
        QVERIFY(openMainWindow(Commands::Connected));
    }
};

int main(int argc, char **argv)
{
    // A Spanish desktop, whose values read "2328,75"; settings of the test's own.
    qputenv("LC_ALL", "es_ES.UTF-8");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ReferenceWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_reference_window.moc"
