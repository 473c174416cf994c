#pragma once
// The pieces every JSON record is written with.

#include "record_numbers.h"

#include <string>
#include <string_view>

namespace rotavex {

// A string in double quotes: any bytes, written as valid UTF-8, with every
// control character escaped, so that each record is valid JSON and shows
// nothing a terminal would act on.
void appendJsonString(std::string &out, std::string_view s);

// The separator (",", "{" or nothing), then "name":.
void appendJsonKey(std::string &out, std::string_view separator, std::string_view name);

// The separator, then true or false.
void appendJsonFlag(std::string &out, std::string_view separator, bool flag);

// A number, or null where there is none.
void appendJsonNumber(std::string &out, const NumberText &number);

}   // namespace rotavex
