#include "field_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace rotavex {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, skipping blanks, and hands out its characters one by one.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}
    char peek()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void take() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Beyond this size an exponent decides the number alone: no text that fits
// in memory has enough digits before it to bring the value back into range.
constexpr long long ExponentCeiling = 1'000'000'000'000'000;

// The exponent after the "e": a sign and any number of digits, leading zeros
// passed over, the size held at ExponentCeiling. Nothing when no digit follows.
std::optional<long long> readExponent(Cursor &cursor)
{
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.take();
    }
    if (!isDigit(cursor.peek()))
        return std::nullopt;
    long long exponent = 0;
    for (char c = cursor.peek(); isDigit(c); c = cursor.peek()) {
        cursor.take();
        exponent = std::min(exponent * 10 + (c - '0'), ExponentCeiling);
    }
    return negative ? -exponent : exponent;
}

// A text that is nothing but a sign, at most 15 digits and at most one
// point, as nearly every field holds, read at once: its digits make an
// integer that a double holds exactly, and so does the power of ten it is
// divided by, so one correctly rounded division gives the very value of the
// full reading below. Nothing for any other text.
std::optional<double> readPlainDecimal(std::string_view text)
{
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    std::int64_t digits = 0;
    int count = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c) && count < 15) {
            digits = digits * 10 + (c - '0');
            ++count;
            fractionDigits += seenPoint;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0)
        return std::nullopt;
    const double value = double(digits) / powersOfTen[fractionDigits];
    return negative ? -value : value;
}

}   // namespace

double ReadFieldNumber(std::string_view text)
{
    if (const auto plain = readPlainDecimal(text))
        return *plain;
    Cursor cursor(text);
    std::string number;
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.take();
    }
    int integerDigits = 0;   // significant digits before the point
    int leadingFractionZeros = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    bool significant = false;
    for (char c = cursor.peek(); isDigit(c) || (c == '.' && !seenPoint); c = cursor.peek()) {
        cursor.take();
        number += c;
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        anyDigit = true;
        if (c != '0')
            significant = true;
        if (!seenPoint && significant)
            ++integerDigits;
        if (seenPoint && !significant)
            ++leadingFractionZeros;
    }
    if (!anyDigit)
        return negative ? -0.0 : 0.0;

    long long exponent = 0;
    const std::size_t beforeExponent = cursor.position();
    if (cursor.peek() == 'e' || cursor.peek() == 'E') {
        cursor.take();
        if (const auto read = readExponent(cursor)) {
            exponent = *read;
            number += 'e';
            number += std::to_string(exponent);
        } else {
            cursor.rewind(beforeExponent);
        }
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (!significant)
            value = 0;
        else {
            const long long magnitude = exponent + (integerDigits > 0 ? integerDigits : -leadingFractionZeros);
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    return negative ? -value : value;
}

}   // namespace rotavex
