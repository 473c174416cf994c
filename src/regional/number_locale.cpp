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

// The reports write dates in figures; a short format that names the month or
// the weekday (the C locale's "d MMM yyyy") gives way to day/month/year.
QString numericDate(const QString &pattern)
{
    static const QRegularExpression named(QStringLiteral("MMM|ddd"));
    return pattern.contains(named) ? QStringLiteral("dd/MM/yyyy") : pattern;
}

}   // namespace

NumberLocale numberLocaleOf(const QLocale &locale)
{
    NumberLocale result;
    result.decimalSeparator = locale.decimalPoint().toStdString();
    result.shortDateFormat = numericDate(locale.dateFormat(QLocale::ShortFormat)).toStdString();
    result.timeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat)).toStdString();
    return result;
}

NumberLocale systemNumberLocale() { return numberLocaleOf(QLocale::system()); }

}   // namespace rotavex
