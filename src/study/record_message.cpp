#include "record_writers.h"

#include "check/check_report.h"
#include "report/plain_text.h"
#include "storage/failure_causes.h"
#include "storage/valid_utf8.h"

namespace rotavex {

std::string terminalName(const std::string &name) { return printableText(validUtf8(name)); }

std::string recordMessage(const PricedRecord &record, const NumberLocale &locale)
{
    if (record.read && !record.check.calculationOffered())
        return terminalName(record.name) + ":\n" + renderPlainText(checkScreenReport(record.check), locale) + "\n";
    if (record.error.empty())
        return {};
    return terminalName(record.name) + ": " + record.error + "\n";
}

}   // namespace rotavex
