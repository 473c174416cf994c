#pragma once
// File names come from the system as bytes that need not be UTF-8; what the
// program prints must be.

#include <string>
#include <string_view>

namespace rotavex {

// The text with each ill-formed UTF-8 sequence replaced by U+FFFD: a byte
// that cannot start a character, a sequence cut short (one replacement for
// the bytes that began it), an overlong form, a surrogate or a code point
// beyond U+10FFFF. Well-formed text comes back unchanged.
std::string validUtf8(std::string_view bytes);

}   // namespace rotavex
