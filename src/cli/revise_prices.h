#pragma once

#include "price_files.h"

#include <ostream>
#include <string>
#include <vector>

namespace rotavex {

// How a revision run ended: its exit status, or why the command is wrong.
struct RevisionRunEnd {
    int status = 0;
    std::string usageError;   // the revision file cannot be revised as asked; nothing is written
};

// Revises the contract's price in the revision file at revisionPath on the
// structure of each data file's calculation, priced as priceFiles prices
// it, or, without data files, on the weights the file types. The status as
// priceFiles gives it, a data file whose revision is refused counting as one
// that could not be calculated. A usage error, before anything is written:
// a revision file that cannot be read or is refused, typed weights beside
// data files (two structures for one contract), a revision of labour
// without its cap.
RevisionRunEnd revisePrices(const std::string &revisionPath, const std::vector<std::string> &dataFiles,
                            const OutputRequest &request, std::ostream &out, std::ostream &err,
                            const NumberLocale &locale);

}   // namespace rotavex
