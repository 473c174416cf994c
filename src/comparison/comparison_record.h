#pragma once
// A priced record's comparison with the observatory.

#include "study/priced_record.h"

namespace rotavex {

// Adds to a priced record its comparison, with the fields beyond
// tolerancePct flagged. A record whose service the observatory's averages
// cannot price keeps its own figures and gets, instead, the error that says
// so.
void addComparison(PricedRecord &record, double tolerancePct);

}   // namespace rotavex
