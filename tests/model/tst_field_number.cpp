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
