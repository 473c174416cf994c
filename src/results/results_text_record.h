#pragma once
// A priced record as a terminal reads it: the reports the windows show.

#include "report/number_format.h"
#include "study/priced_record.h"

#include <string>

namespace rotavex {

// A priced file's results report, then its comparison's, as the windows
// show them, aligned for a terminal; headed "==> name <==" when asked.
// Nothing for a file that was not priced.
void appendTextRecord(std::string &out, const PricedRecord &record, bool headed, const NumberLocale &locale);

}   // namespace rotavex
