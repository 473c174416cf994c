#include "field_number.h"

#include <charconv>
#include <cmath>
#include <limits>
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

} // namespace

double ReadFieldNumber(std::string_view text)
{
    Cursor cursor(text);
    std::string number;
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.take();
    }
    int integerDigits = 0;       // significant digits before the point
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
        std::string digits;
        bool exponentNegative = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            exponentNegative = cursor.peek() == '-';
            cursor.take();
        }
        while (isDigit(cursor.peek())) {
            if (digits.size() < 12)
                digits += cursor.peek();
            cursor.take();
        }
        if (digits.empty()) {
            cursor.rewind(beforeExponent);
        } else {
            exponent = std::stoll(digits);
            if (exponentNegative)
                exponent = -exponent;
            number += 'e';
            number += std::to_string(exponent);
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

} // namespace rotavex
