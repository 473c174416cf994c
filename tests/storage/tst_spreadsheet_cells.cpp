#include "storage/spreadsheet_cells.h"
#include "study/record_writers.h"

#include <QtTest>

using namespace rotavex;

class SpreadsheetCellsTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<QString>("decimal");   // "": for programs; otherwise a spreadsheet's
        QTest::addColumn<bool>("number");
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("escape sequence") << "" << false << QByteArray("a\x1b[2J\xc2\x9b")
                                         << QByteArray("a\\033[2J\\302\\233");
        for (const char *formula : {"=1+1", "+1", "-1", "@SUM(1+1)"})
            QTest::newRow(formula) << "," << false << QByteArray(formula) << "'" + QByteArray(formula);
        QTest::newRow("separator") << "" << false << QByteArray("a,b") << QByteArray("\"a,b\"");
        QTest::newRow("comma beside ';'") << "," << false << QByteArray("a,b") << QByteArray("a,b");
        QTest::newRow("';' and quote") << "," << false << QByteArray("a;\"b") << QByteArray("\"a;\"\"b\"");
        QTest::newRow("number, programs") << "" << true << QByteArray("-0.032") << QByteArray("-0.032");
        QTest::newRow("number, comma") << "," << true << QByteArray("-0.032") << QByteArray("-0,032");
    }
    void cells()
    {
        QFETCH(QString, decimal);
        QFETCH(bool, number);
        QFETCH(QByteArray, cell);
        QFETCH(QByteArray, written);
        const CsvStyle style = decimal.isEmpty() ? CsvStyle{} : spreadsheetCsvStyle(decimal.toStdString());
        std::string out;
        (number ? appendCsvNumber : appendCsvText)(out, cell.toStdString(), style);
        QCOMPARE(QByteArray::fromStdString(out), written);
    }

    void bareCells_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "examples/worked-example"
                               << "examples/worked-example";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("comma") << "sin, clase"
                               << "\"sin, clase\"";
        QTest::newRow("quotation marks") << "el \"mejor\""
                                         << "\"el \"\"mejor\"\"\"";
        QTest::newRow("line feed") << "a\nb"
                                   << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb"
                                         << "\"a\rb\"";
        QTest::newRow("semicolon and apostrophe stay bare") << "a;b'c"
                                                            << "a;b'c";
    }

    void bareCells()
    {
        QFETCH(QString, field);
        QFETCH(QString, written);
        std::string out;
        appendCsvCell(out, field.toStdString(), ',');
        QCOMPARE(QString::fromStdString(out), written);
    }

    void spreadsheetRowsTakeTheLocale()
    {
        PricedRecord record;
        record.name = "-";
        record.read = true;
        record.calculation = CalculatedResults{};
        record.calculation->results.ServiceTotal = 279.0269f;
        std::string out;
        appendCsvHeader(out, false, spreadsheetCsvStyle(","));
        appendCsvRecord(out, record, false, spreadsheetCsvStyle(","));
        const QByteArray csv = QByteArray::fromStdString(out);
        QVERIFY2(csv.startsWith("\xef\xbb\xbf"
                                "file;accepted;BusClass;"),
                 csv.constData());
        QVERIFY2(csv.contains("\r\n'-;true;0;false;"), csv.constData());
        QVERIFY2(csv.contains(";279,0269;") && csv.endsWith(";\r\n"), csv.constData());
    }
};

QTEST_APPLESS_MAIN(SpreadsheetCellsTest)
#include "tst_spreadsheet_cells.moc"
