#include "entry/field_check.h"

#include <QtTest>

using namespace rotavex;

class FieldCheckTest : public QObject {
    Q_OBJECT
private slots:
    void numberTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("comma decimal") << "12,5" << true;
        QTest::newRow("point decimal") << "12.5" << true;
        QTest::newRow("blanks around") << "  7 " << true;
        QTest::newRow("exponent") << "1e3" << true;
        QTest::newRow("letters after") << "12a" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("two separators") << "1.234,5" << false;
        QTest::newRow("sign alone") << "-" << false;
        QTest::newRow("trailing sign") << "5-" << false;
        QTest::newRow("currency") << "5€" << false;
        QTest::newRow("too large to hold") << "1e400" << false;
        QTest::newRow("separator alone") << "," << false;
        QTest::newRow("binary bytes") << QString::fromLatin1("1\x01\x02") << false;
    }
    void numberTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(isNumberText(text.toStdString()), number);
    }

    void leavingAField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");
        const QString negative = "Por favor, no introduzca valores negativos";
        const QString notNumber = "Por favor, introduzca sólo números.";
        QTest::newRow("comma becomes point") << "12,5" << false << "12.5"
                                             << "";
        QTest::newRow("point stays") << "12.5" << false << "12.5"
                                     << "";
        QTest::newRow("point is decimal, not grouping") << "1.234" << false << "1.234"
                                                        << "";
        QTest::newRow("empty: no message") << "" << false << ""
                                           << "";
        QTest::newRow("negative") << "-3" << false << "" << negative;
        QTest::newRow("negative with comma, one message") << "-3,5" << false << "" << negative;
        QTest::newRow("minus zero comma five is negative too") << "-0,5" << false << "" << negative;
        QTest::newRow("minus zero stays") << "-0" << false << "-0"
                                          << "";
        QTest::newRow("letters") << "abc" << false << "" << notNumber;
        QTest::newRow("digits then letters") << "12a" << false << "" << notNumber;
        QTest::newRow("locked word") << "Observatorio" << true << "Observatorio"
                                     << "";
        QTest::newRow("locked keeps its comma") << "12,5" << true << "12,5"
                                                << "";
        QTest::newRow("locked negative is still refused") << "-4" << true << "" << negative;
        QTest::newRow("huge exponent") << "1e400" << false << "" << notNumber;
    }
    void leavingAField()
    {
        QFETCH(QString, text);
        QFETCH(bool, locked);
        QFETCH(QString, after);
        QFETCH(QString, message);
        const FieldCheckOutcome outcome = CheckNumericField(text.toStdString(), locked);
        QCOMPARE(QString::fromStdString(outcome.text), after);
        const QString shown = outcome.message ? QString::fromUtf8(outcome.message->data(), int(outcome.message->size()))
                                              : QString();
        QCOMPARE(shown, message);
    }

    void normaliseTouchesEveryComma()
    {
        QCOMPARE(NormaliseDecimalComma("1,2,3"), std::string("1.2.3"));
        QCOMPARE(NormaliseDecimalComma("Observatorio"), std::string("Observatorio"));
    }

    // Of the sixteen fields, only kilometres per year and the financing
    // period keep a comma when the focus leaves them.
    void twoFieldsKeepTheirCommasOnLeaving()
    {
        QStringList keeping;
        for (Input input : AllInputs)
            if (!normalisesOnLeave(input))
                keeping << QString::fromUtf8(inputName(input).data(), int(inputName(input).size()));
        QCOMPARE(keeping, (QStringList{"Kmaut", "Plafin"}));
    }
};

QTEST_GUILESS_MAIN(FieldCheckTest)
#include "tst_field_check.moc"
