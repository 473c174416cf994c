#pragma once
// The check a numeric field gets when the user leaves it: negative values
// and texts that are not numbers are refused, a decimal comma becomes a
// point.

#include "model/inputs.h"

#include <optional>
#include <string>
#include <string_view>

namespace rotavex {

inline constexpr std::string_view NegativeValueMessage = "Por favor, no introduzca valores negativos";
inline constexpr std::string_view NotANumberMessage = "Por favor, introduzca sólo números.";

// True when the whole text, blanks around it allowed, is one number written
// with "," or "." as the decimal separator: an optional sign, digits with at
// most one separator, an optional exponent. Digit grouping, currency signs
// and trailing signs are not numbers; neither is a number too large to hold.
bool isNumberText(std::string_view text);

// A text of nothing but blanks is a field left empty: a value not given.
bool isBlank(std::string_view text);

// The value of a text the field check keeps as it is: a number, not
// negative, read as the calculation reads it ("+20", " 7,5"); none for a
// text the check refuses.
std::optional<double> checkedFieldValue(std::string_view text);

struct FieldCheckOutcome {
    std::string text;                          // what the field holds afterwards
    std::optional<std::string_view> message;   // at most one message
};

// The text a field holds after the user has left it, and the message to
// show. A locked field keeps its text unless it is negative.
FieldCheckOutcome CheckNumericField(const std::string &text, bool locked);

// Whether the field turns its remaining commas into points whenever the
// focus leaves it: every field but kilometres per year and the financing
// period, which keep their commas while locked and only lose them to the
// field check.
bool normalisesOnLeave(Input input);

// Every "," becomes ".".
std::string NormaliseDecimalComma(std::string text);

}   // namespace rotavex
