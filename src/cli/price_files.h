#pragma once

#include "results/number_format.h"

#include <ostream>
#include <string>
#include <vector>

namespace rotavex {

// rotavex-calc: prices each data file named in args as the windows would.
// Returns the exit status: 0 when every file was priced, 1 when the check
// refused one or it could not be calculated, 2 for a usage error or a file
// that cannot be read or is not a data file.
int runCalculator(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
                  const NumberLocale &locale);

}   // namespace rotavex
