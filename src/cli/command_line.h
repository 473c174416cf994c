#pragma once

#include "report/number_format.h"

#include <ostream>

namespace rotavex {

// rotavex-calc: answers its command line (argv once Qt has taken its own
// options) and returns the exit status; 2 for a usage error.
int runCalculator(int argc, char **argv, std::ostream &out, std::ostream &err, const NumberLocale &locale);

}   // namespace rotavex
