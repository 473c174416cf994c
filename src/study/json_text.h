#pragma once
// The pieces every JSON record is written with.

#include "record_numbers.h"

#include <string>
#include <string_view>

namespace rotavex {

// A text as a JSON string: valid UTF-8 whatever bytes it held, every
// control character escaped.
void appendJsonString(std::string &out, std::string_view s);

// "name": after the separator.
void appendJsonKey(std::string &out, const char *separator, std::string_view name);

// true or false after the separator.
void appendJsonFlag(std::string &out, const char *separator, bool flag);

// A number, or null where there is none.
void appendJsonNumber(std::string &out, const NumberText &number);

}   // namespace rotavex
