#pragma once
// The fixed table of the observatory's average costs per bus class, as the
// observatory window shows it and as it is printed. It depends on nothing the
// user has entered.

#include "report/report_lines.h"

namespace rotavex {

// The table written into the observatory window's report area.
Report observatoryScreenTable();

// The table as printed: title, fonts, footer and the end of the document.
Report observatoryPaperTable();

}   // namespace rotavex
