#pragma once

#include "results/number_format.h"

class QLocale;

namespace rotavex {

// What the reports take from a Qt locale: the decimal separator, the short
// date format and the time format.
NumberLocale numberLocaleOf(const QLocale &locale);

// The same for the user's locale (QLocale::system()).
NumberLocale systemNumberLocale();

} // namespace rotavex
