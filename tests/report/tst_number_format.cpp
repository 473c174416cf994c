#include "report/number_format.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace rotavex;

namespace {

NumberLocale comma()
{
    NumberLocale locale;
    locale.decimalSeparator = ",";
    return locale;
}

}   // namespace

class NumberFormatTest : public QObject {
    Q_OBJECT
private slots:
    void singleItem_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("item");
        QTest::newRow("whole amount") << 1250.0f << " 1250 ";
        QTest::newRow("no trailing zero") << 12.5f << " 12,5 ";
        QTest::newRow("negative driver total") << -0.01f << "-0,01 ";
        QTest::newRow("zero") << 0.0f << " 0 ";
        QTest::newRow("negative zero") << -0.0f << " 0 ";
        QTest::newRow("widening adds no digits") << 0.1f << " 0,1 ";
        QTest::newRow("seven digits") << 1234567.0f << " 1234567 ";
        QTest::newRow("eight digits") << 12345678.0f << " 1,234568E+07 ";
        QTest::newRow("rounded to seven") << 2.123456789f << " 2,123457 ";
        QTest::newRow("tiny") << 1e-05f << " 1E-05 ";
        QTest::newRow("tiny with digits") << 1.5e-07f << " 1,5E-07 ";
    }
    void singleItem()
    {
        QFETCH(float, value);
        QFETCH(QString, item);
        QCOMPARE(QString::fromStdString(formatNumberItem(value, comma())), item);
    }

    void doubleItem_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("item");
        QTest::newRow("observatory figure") << 0.1877906 << " 0,1877906 ";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << " 0,3 ";
        QTest::newRow("fifteen digits") << 123456789012345.0 << " 123456789012345 ";
        QTest::newRow("sixteen digits") << 1234567890123456.0 << " 1,23456789012346E+15 ";
        QTest::newRow("three-digit exponent") << 1e100 << " 1E+100 ";
    }
    void doubleItem()
    {
        QFETCH(double, value);
        QFETCH(QString, item);
        QCOMPARE(QString::fromStdString(formatNumberItem(value, comma())), item);
    }

    // A value that is no number is never written as one: not as "0", not as
    // "inf"; the item keeps its blanks so the columns stay where they are.
    void notANumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("rounded infinity") << Round(std::numeric_limits<float>::infinity(), 2);
    }
    void notANumber()
    {
        QFETCH(double, value);
        QCOMPARE(QString::fromStdString(formatGeneral(value, 7, ",")), QString("n/d"));
        QCOMPARE(QString::fromStdString(formatNumberItem(value, comma())), QString(" n/d "));
        QCOMPARE(QString::fromStdString(formatNumberItem(float(value), comma())), QString(" n/d "));
    }

    // Ties go to the even digit, judged on the value as stored in single
    // precision: 0.35f is just below the tie, 35.15f just above it.
    void round_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("tie down") << 0.125f << 2 << 0.12;
        QTest::newRow("tie up") << 0.375f << 2 << 0.38;
        QTest::newRow("whole tie down") << 2.5f << 0 << 2.0;
        QTest::newRow("negative tie") << -0.125f << 2 << -0.12;
        QTest::newRow("stored below tie") << 0.35f << 1 << 0.3;
        QTest::newRow("stored above tie") << 35.15f << 1 << 35.2;
        QTest::newRow("stored below cent") << 1.005f << 2 << 1.0;
    }
    void round()
    {
        QFETCH(float, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        QCOMPARE(Round(value, decimals), rounded);
    }
};

QTEST_GUILESS_MAIN(NumberFormatTest)
#include "tst_number_format.moc"
