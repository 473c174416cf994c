#include "model/field_number.h"

#include <QtTest>
#include <cmath>

using rotavex::ReadFieldNumber;

class FieldNumberTest : public QObject {
    Q_OBJECT
private slots:
    void readsLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("comma stops the number") << "12,5" << 12.0;
        QTest::newRow("negative with comma") << "-3,5" << -3.0;
        QTest::newRow("point is always decimal") << "1.234" << 1.234;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("observatory word") << "Observatorio" << 0.0;
        QTest::newRow("blanks between digits") << " 1 2" << 12.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent with sign") << "2.5E-2" << 0.025;
        QTest::newRow("exponent without digits") << "12e" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("trailing letters") << "12a" << 12.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("tiny exponent underflows to zero") << "1e-400" << 0.0;
    }
    void readsLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ReadFieldNumber(text.toStdString()), value);
    }

    // The exponent is read whole, however many digits it has: leading zeros
    // count for nothing and an exponent beyond any double's range saturates.
    void readsWholeExponent_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const QString zeros(3000, '0');
        QTest::newRow("twelve leading zeros") << "1e0000000000003" << 1000.0;
        QTest::newRow("thirteen leading zeros, negative") << "5e-00000000000001" << 0.5;
        QTest::newRow("thousands of leading zeros") << "2.5e" + zeros + "2" << 250.0;
        QTest::newRow("zeros only") << "7e" + zeros << 7.0;
        QTest::newRow("thousands of digits") << "1e1" + zeros << qInf();
        QTest::newRow("thousands of digits, negative exponent") << "1e-1" + zeros << 0.0;
        QTest::newRow("negative number, huge exponent") << "-3e99999999999999999999" << -qInf();
        QTest::newRow("huge negative exponent") << "3e-99999999999999999999" << 0.0;
        QTest::newRow("largest double") << "1.7976931348623157e" + zeros + "308" << 1.7976931348623157e308;
        QTest::newRow("just past the largest double") << "1.8e308" << qInf();
        QTest::newRow("digits carry a small exponent into range") << "0.001e311" << 1e308;
        QTest::newRow("digits carry a large exponent out of range") << "1000e306" << qInf();
        QTest::newRow("smallest double") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
        QTest::newRow("below the smallest double") << "2e-324" << 0.0;
        QTest::newRow("digits carry a tiny exponent into range") << "1000e-326" << 1e-323;
    }
    void readsWholeExponent()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        // Exactly: the range edges are one unit apart.
        const double read = ReadFieldNumber(text.toStdString());
        QVERIFY2(read == value, qPrintable(QString::number(read, 'g', 17)));
    }

    void minusZeroIsNotNegative()
    {
        const double value = ReadFieldNumber("-0");
        QCOMPARE(value, 0.0);
        QVERIFY(!(value < 0));
    }

    void hugeExponentIsInfiniteNotNan()
    {
        const double value = ReadFieldNumber("1e400");
        QVERIFY(std::isinf(value) && value > 0);
        QVERIFY(std::isinf(ReadFieldNumber("-1e99999999999999")));
    }

    void longTextDoesNotHang()
    {
        const std::string digits(10 * 1024 * 1024, '9');
        QVERIFY(std::isinf(ReadFieldNumber(digits)));
    }
};

QTEST_GUILESS_MAIN(FieldNumberTest)
#include "tst_field_number.moc"
