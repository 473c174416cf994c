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
        QTest::addColumn<char>("kind");         // t: a text cell, n: a number, c: a cell as it stands
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("escape sequence") << "" << 't' << QByteArray("a\x1b[2J\xc2\x9b")
                                         << QByteArray("a\\033[2J\\302\\233");
        for (const char *formula : {"=1+1", "+1", "-1", "@SUM(1+1)"})
            QTest::newRow(formula) << "," << 't' << QByteArray(formula) << "'" + QByteArray(formula);
        QTest::newRow("separator") << "" << 't' << QByteArray("a,b") << QByteArray("\"a,b\"");
        QTest::newRow("comma beside ';'") << "," << 't' << QByteArray("a,b") << QByteArray("a,b");
        QTest::newRow("';' and quote") << "," << 't' << QByteArray("a;\"b") << QByteArray("\"a;\"\"b\"");
        QTest::newRow("number, programs") << "" << 'n' << QByteArray("-0.032") << QByteArray("-0.032");
        QTest::newRow("number, comma") << "," << 'n' << QByteArray("-0.032") << QByteArray("-0,032");
        QTest::newRow("cell, plain") << "" << 'c' << QByteArray("a;b'c") << QByteArray("a;b'c");
        QTest::newRow("cell, separator and quote")
            << "" << 'c' << QByteArray("el, \"mejor\"") << QByteArray("\"el, \"\"mejor\"\"\"");
        QTest::newRow("cell, line breaks") << "" << 'c' << QByteArray("a\r\nb") << QByteArray("\"a\r\nb\"");
    }
    void cells()
    {
        QFETCH(QString, decimal);
        QFETCH(char, kind);
        QFETCH(QByteArray, cell);
        QFETCH(QByteArray, written);
        const CsvStyle style = decimal.isEmpty() ? CsvStyle{} : spreadsheetCsvStyle(decimal.toStdString());
        std::string out;
        if (kind == 'c')
            appendCsvCell(out, cell.toStdString(), style.fieldSeparator);
        else
            (kind == 'n' ? appendCsvNumber : appendCsvText)(out, cell.toStdString(), style);
        QCOMPARE(QByteArray::fromStdString(out), written);
    }

    void spreadsheetRowsTakeTheLocale()
    {
        PricedRecord record;
        record.name = "-";
        record.read = true;
        record.calculation = CalculatedResults{};
        record.calculation->results.ServiceTotal = 279.0269f;
        std::string out;
        appendCsvHeader(out, false, false, spreadsheetCsvStyle(","));
        appendCsvRecord(out, record, false, false, spreadsheetCsvStyle(","));
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
