#include "field_check.h"

#include "model/field_number.h"

#include <cmath>

namespace rotavex {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The number the text reads once its commas are points.
double numberWithDecimalComma(std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return ReadFieldNumber(text);
    return ReadFieldNumber(NormaliseDecimalComma(std::string(text)));
}

// The shape of a number: an optional sign, digits with at most one
// separator, an optional exponent, blanks around it.
bool hasNumberShape(std::string_view text)
{
    const std::string_view s = trimmed(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false;
    bool separator = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            digits = true;
        else if ((s[i] == ',' || s[i] == '.') && !separator)
            separator = true;
        else
            break;
    }
    if (!digits)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == s.size();
}

}   // namespace

bool isNumberText(std::string_view text) { return hasNumberShape(text) && std::isfinite(numberWithDecimalComma(text)); }

bool normalisesOnLeave(Input input) { return input != Input::Kmaut && input != Input::Plafin; }

std::string NormaliseDecimalComma(std::string text)
{
    for (char &c : text)
        if (c == ',')
            c = '.';
    return text;
}

FieldCheckOutcome CheckNumericField(const std::string &text, bool locked)
{
    // The sign is judged on the number as it will be read once the comma is
    // a point, so "-0,5" is as negative as "-0.5". Blanks around the text
    // do not change the number it reads.
    const double value = numberWithDecimalComma(text);
    if (value < 0)
        return {std::string(), NegativeValueMessage};
    if (locked)
        return {text, std::nullopt};
    if (hasNumberShape(text) && std::isfinite(value))
        return {text.find(',') == std::string::npos ? text : NormaliseDecimalComma(text), std::nullopt};
    if (text.empty())
        return {std::string(), std::nullopt};
    return {std::string(), NotANumberMessage};
}

std::optional<double> checkedFieldValue(std::string_view text)
{
    if (!isNumberText(text))
        return std::nullopt;
    const double value = ReadFieldNumber(NormaliseDecimalComma(std::string(text)));
    if (!std::isfinite(value) || value < 0)
        return std::nullopt;
    return value == 0 ? 0.0 : value;   // "-0" is nought
}

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}   // namespace rotavex
