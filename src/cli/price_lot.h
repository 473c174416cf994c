#pragma once

#include "price_files.h"

#include <ostream>
#include <string>

namespace rotavex {

// Prices the lot of services in the file at path, in the given form (the
// comparison aside: a lot sets each offer against its own service), each
// refused service told on err with its line and why. Returns the exit
// status: 0 when every service was priced, 1 when some were refused, 2 when
// the file cannot be read or is not a lot, its terms are wrong, or the
// output could not be written.
int priceLotFile(const std::string &path, const OutputRequest &request, std::ostream &out, std::ostream &err,
                 const NumberLocale &locale);

}   // namespace rotavex
