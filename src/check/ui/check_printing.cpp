#include "check_printing.h"

#include "check/check_report.h"
#include "report/ui/report_printer.h"

namespace rotavex {

void printCheckReport(const DataCheckResult &check)
{
    ReportPrinter(QStringLiteral("Comprobación de datos")).print(checkPaperReport(check));
}

}   // namespace rotavex
