#pragma once

#include <string_view>

namespace rotavex {

// Reads the number a field's text starts with, "." being the decimal point:
// leading blanks, a sign, digits with at most one ".", an exponent; blanks
// between digits are passed over and reading stops at the first character
// that cannot go on with the number. A text with no leading number reads 0,
// so "" and "Observatorio" are 0 and "12,5" is 12. A number too large for a
// double reads as infinity, one too small as zero.
double ReadFieldNumber(std::string_view text);

}   // namespace rotavex
