#pragma once

#include "data_check.h"
#include "report/report_lines.h"

#include <string>

namespace rotavex {

// The check report as the check window shows it.
Report checkScreenReport(const DataCheckResult &check);

// What withholds the calculation, in the verdict's words: its refusing
// sentences, in the verdict's order, joined by full stops; "" when the
// calculation is offered.
std::string refusalReason(const Verdict &verdict);

// The check report as it is printed, with its heading and footer.
Report checkPaperReport(const DataCheckResult &check);

}   // namespace rotavex
