#include "field_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

}   // namespace

double ReadFieldNumber(std::string_view text)
{
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
