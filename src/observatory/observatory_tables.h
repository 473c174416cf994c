#pragma once
// The table of the reference values' average costs per bus class, as the
// observatory window shows it and as it is printed. It depends on nothing the
// user has entered. The built-in observatory's is the fixed table the
// observatory publishes; a set of the user's own is named on a line of its
// own, and its per-hour figures are worked out as the observatory's are: for
// a one-hour service, on every one of the set's values.

#include "model/observatory_values.h"
#include "report/report_lines.h"

namespace rotavex {

// The table written into the observatory window's report area.
Report observatoryScreenTable(const ReferenceSet &set);

// The table as printed: title, fonts, footer and the end of the document.
Report observatoryPaperTable(const ReferenceSet &set);

}   // namespace rotavex
