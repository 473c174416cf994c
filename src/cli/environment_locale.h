#pragma once

#include "results/number_format.h"

#include <string>

namespace rotavex {

// The locale the environment names (LC_ALL, then LC_NUMERIC, then LANG),
// e.g. "es_ES.UTF-8"; "C" when none is set.
std::string environmentLocaleName();

// The decimal separator of a locale name as the windows would use it, from
// the language and territory alone, so the answer is the same on every
// machine whether or not that locale is installed.
NumberLocale numberLocaleFor(const std::string &localeName);

} // namespace rotavex
