#include "system_number_locale.h"

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

} // namespace

NumberLocale numberLocaleOf(const QLocale &locale)
{
    NumberLocale result;
    result.decimalSeparator = locale.decimalPoint().toStdString();
    result.shortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    result.timeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat)).toStdString();
    return result;
}

NumberLocale systemNumberLocale()
{
    return numberLocaleOf(QLocale::system());
}

} // namespace rotavex
