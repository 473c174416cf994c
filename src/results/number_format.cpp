#include "number_format.h"

#include <charconv>
#include <cmath>

namespace rotavex {

namespace {

std::string formatItem(double value, int digits, const NumberLocale &locale)
{
    if (!std::isfinite(value))
        return " " + std::string(NotAvailable) + " ";
    if (value == 0)
        value = 0;   // no "-0" in a report
    const std::string number = formatGeneral(value, digits, locale.decimalSeparator);
    return value < 0 ? number + " " : " " + number + " ";
}

}   // namespace

std::string formatGeneral(double value, int digits, const std::string &decimalSeparator)
{
    // The calculation refuses such values; should one reach a report all the
    // same, it says so rather than show a figure that is not one.
    if (!std::isfinite(value))
        return std::string(NotAvailable);
    // to_chars, unlike printf, does not follow the C locale the toolkit sets.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    std::string result;
    for (const char *c = buffer; c != end; ++c) {
        if (*c == '.')
            result += decimalSeparator;
        else if (*c == 'e')
            result += 'E';
        else
            result += *c;
    }
    return result;
}

std::string formatNumberItem(float value, const NumberLocale &locale) { return formatItem(value, 7, locale); }

std::string formatNumberItem(double value, const NumberLocale &locale) { return formatItem(value, 15, locale); }

double Round(float value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = double(value) * scale;   // exact: a float has 24 bits of mantissa
    return (scaled - std::remainder(scaled, 1.0)) / scale;
}

}   // namespace rotavex
