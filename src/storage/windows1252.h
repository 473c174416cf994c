#pragma once
// Data files are Windows-1252 text on every system; the program works in UTF-8.

#include <string>
#include <string_view>

namespace rotavex {

std::string utf8FromWindows1252(std::string_view bytes);

// Characters Windows-1252 cannot hold, and bytes that are not UTF-8, become "?".
std::string windows1252FromUtf8(std::string_view text);

}   // namespace rotavex
