#include "number_locale.h"

#include <QLocale>
#include <QRegularExpression>

namespace rotavex {

namespace {

// The long time format may name the time zone ("t"), which a report's time
// stamp never shows; drop it with the blanks or parentheses around it.
QString withoutTimeZone(QString pattern)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?\\bt+\\b\\)?"));
    return pattern.remove(zone).trimmed();
}

}   // namespace

QString numericDateFormat(const QLocale &locale)
{
    const QString dayMonthYear = QStringLiteral("dd/MM/yyyy");
    if (locale.language() == QLocale::Spanish || locale.language() == QLocale::C)
        return dayMonthYear;
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression named(QStringLiteral("MMM|ddd"));
    if (pattern.contains(named))
        return dayMonthYear;
    static const QRegularExpression twoFigureYear(QStringLiteral("(?<!y)yy(?!y)"));
    return pattern.replace(twoFigureYear, QStringLiteral("yyyy"));
}

NumberLocale numberLocaleOf(const QLocale &locale)
{
    NumberLocale result;
    result.decimalSeparator = locale.decimalPoint().toStdString();
    result.shortDateFormat = numericDateFormat(locale).toStdString();
    result.timeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat)).toStdString();
    return result;
}

NumberLocale systemNumberLocale() { return numberLocaleOf(QLocale::system()); }

}   // namespace rotavex
