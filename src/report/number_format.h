#pragma once

#include "report_lines.h"

#include <string>
#include <string_view>

namespace rotavex {

// What the reports take from the user's locale.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string shortDateFormat = "dd/MM/yyyy";   // Qt-style patterns: d dd M MM yy yyyy
    std::string timeFormat = "HH:mm:ss";          // h hh H HH m mm s ss AP ap
};

// Written in place of a value that is no number (an infinity or NaN).
inline constexpr std::string_view NotAvailable = "n/d";

// The general number format: at most `digits` significant digits, no
// trailing zeros, no thousands separator, an exponent for very large and very
// small values ("1,234568E+07", "1E-05"); a leading zero below 1 ("0,5");
// NotAvailable for an infinity or NaN.
std::string formatGeneral(double value, int digits, const std::string &decimalSeparator);

// A number item as written in a report: one blank before (or the minus
// sign), the number, one blank after.
std::string formatNumberItem(float value, const NumberLocale &locale);
std::string formatNumberItem(double value, const NumberLocale &locale);
std::string formatNumberItem(const DoubleItem &item, const NumberLocale &locale);

// Rounds the stored single-precision value to `decimals` places, exact ties
// going to the even digit.
double Round(float value, int decimals);
double Round(double value, int decimals);

// An amount as the reports show one: rounded to cents as Round does, in the
// general format with 15 significant digits ("740740,75", "12,5", "1250",
// "1E+30"), without the blanks of a number item.
std::string formatAmount(double value, const std::string &decimalSeparator);

}   // namespace rotavex
