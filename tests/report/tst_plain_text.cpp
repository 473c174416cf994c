#include "report/plain_text.h"

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
        QTest::newRow("line start") << ""
                                    << "         X";
        QTest::newRow("short text") << "abc"
                                    << "abc      X";
        QTest::newRow("pen on the column") << "123456789"
                                           << "123456789X";
        QTest::newRow("text reaches it") << "1234567890"
                                         << "1234567890 X";
        QTest::newRow("well past it") << "1234567890123"
                                      << "1234567890123 X";
        QTest::newRow("accents are one column") << "vehículo"
                                                << "vehículo X";
        QTest::newRow("accented text reaching it") << "neumáticos"
                                                   << "neumáticos X";
    }
    void tab()
    {
        QFETCH(QString, before);
        QFETCH(QString, line);
        Report report;
        report.line({text(before.toStdString()), rotavex::tab(10), text("X")});
        QCOMPARE(QString::fromStdString(renderPlainText(report, {})), line + "\n");
    }
};

QTEST_GUILESS_MAIN(PlainTextTest)
#include "tst_plain_text.moc"
