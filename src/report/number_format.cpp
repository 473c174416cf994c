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

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // Beyond 2^53 a double holds no fraction to round, and the scaling could
    // overflow.
    if (!(std::abs(scaled) < 0x1p53))
        return value;
    return (scaled - std::remainder(scaled, 1.0)) / scale;
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

std::string formatNumberItem(const DoubleItem &item, const NumberLocale &locale)
{
    std::string written = formatNumberItem(item.value, locale);
    if (item.plusSign && item.value > 0)
        written[0] = '+';
    return written;
}

// Exact: a float has 24 bits of mantissa, so its scaled value is a double
// with no rounding.
double Round(float value, int decimals) { return roundHalfEven(value, decimals); }

double Round(double value, int decimals) { return roundHalfEven(value, decimals); }

std::string formatAmount(double value, const std::string &decimalSeparator)
{
    const double cents = roundHalfEven(value, 2);
    return formatGeneral(cents == 0 ? 0.0 : cents, 15, decimalSeparator);   // no "-0"
}

}   // namespace rotavex
