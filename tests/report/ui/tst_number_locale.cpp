#include "report/ui/number_locale.h"

#include <QLocale>
#include <QtTest>

using namespace rotavex;

class NumberLocaleTest : public QObject {
    Q_OBJECT
private slots:
    void fromQtLocale_data();
    void fromQtLocale();
};

void NumberLocaleTest::fromQtLocale_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    // The time zone of the long time format never reaches a report.
    // Dates always carry four figures of year and never a month's name.
    QTest::newRow("Spanish") << "es_ES"
                             << ","
                             << "dd/MM/yyyy"
                             << "H:mm:ss";
    QTest::newRow("US English") << "en_US"
                                << "."
                                << "M/d/yyyy"
                                << "h:mm:ss AP";
    QTest::newRow("German") << "de_DE"
                            << ","
                            << "dd.MM.yyyy"
                            << "HH:mm:ss";
    QTest::newRow("C, month by name") << "C"
                                      << "."
                                      << "dd/MM/yyyy"
                                      << "HH:mm:ss";
}

void NumberLocaleTest::fromQtLocale()
{
    QFETCH(QString, name);
    QFETCH(QString, separator);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const NumberLocale locale = numberLocaleOf(QLocale(name));
    QCOMPARE(QString::fromStdString(locale.decimalSeparator), separator);
    QCOMPARE(QString::fromStdString(locale.shortDateFormat), date);
    QCOMPARE(QString::fromStdString(locale.timeFormat), time);
}

QTEST_GUILESS_MAIN(NumberLocaleTest)
#include "tst_number_locale.moc"
