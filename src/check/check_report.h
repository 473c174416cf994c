#pragma once

#include "data_check.h"
#include "results/report_lines.h"

namespace rotavex {

// The check report as the check window shows it.
Report checkScreenReport(const DataCheckResult &check);

// The check report as it is printed, with its heading and footer.
Report checkPaperReport(const DataCheckResult &check);

}   // namespace rotavex
