#include "results/plain_text.h"

#include <QtTest>

using namespace rotavex;

class PlainTextTest : public QObject {
    Q_OBJECT
private slots:
    // Where the item after a tab to column 10 starts.
    void tab_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("line");
        QTest::newRow("line start") << "" << "         X";
        QTest::newRow("short text") << "abc" << "abc      X";
        QTest::newRow("pen on the column") << "123456789" << "123456789X";
        QTest::newRow("text reaches it") << "1234567890" << "1234567890 X";
        QTest::newRow("well past it") << "1234567890123" << "1234567890123 X";
        QTest::newRow("accents are one column") << "vehículo" << "vehículo X";
        QTest::newRow("accented text reaching it") << "neumáticos" << "neumáticos X";
    }
    void tab()
    {
        QFETCH(QString, before);
        QFETCH(QString, line);
        Report report;
        report.line({text(before.toStdString()), rotavex::tab(10), text("X")});
        QCOMPARE(QString::fromStdString(renderPlainText(report, {})), line + "\n");
    }

    void numbersCountTheirBlanks()
    {
        Report report;
        report.line({text("ab"), number(12.5f), rotavex::tab(10), text("X")});
        QCOMPARE(QString::fromStdString(renderPlainText(report, {})), "ab 12.5  X\n");
    }

    void dateTime_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("short date") << "dd/MM/yyyy" << "05/03/2024";
        QTest::newRow("unpadded date") << "d/M/yy" << "5/3/24";
        QTest::newRow("24-hour") << "HH:mm:ss" << "07:08:09";
        QTest::newRow("12-hour afternoon") << "h:mm:ss ap" << "7:08:09 pm";
        QTest::newRow("h without AP is 24-hour") << "h:mm" << "19:08";
        QTest::newRow("quoted literal") << "d 'de' M" << "5 de 3";
    }
    void dateTime()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        const DateTime when{2024, 3, 5, pattern.contains('H') ? 7 : 19, 8, 9};
        QCOMPARE(QString::fromStdString(formatDateTime(when, pattern.toStdString())), text);
    }
};

QTEST_GUILESS_MAIN(PlainTextTest)
#include "tst_plain_text.moc"
