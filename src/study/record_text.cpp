#include "record_writers.h"

#include "check/check_report.h"
#include "report/plain_text.h"
#include "results/results_report.h"
#include "storage/failure_causes.h"
#include "storage/valid_utf8.h"

namespace rotavex {

namespace {

// A file name as a terminal shows it: UTF-8, and no control character that
// the terminal would act on.
std::string shownName(const std::string &name) { return printableText(validUtf8(name)); }

}   // namespace

void appendTextRecord(std::string &out, const PricedRecord &record, bool headed, const NumberLocale &locale)
{
    if (!record.calculation)
        return;
    if (headed)
        out += "==> " + shownName(record.name) + " <==\n";
    const CalculatedResults &calculation = *record.calculation;
    out += renderAlignedPlainText(
        resultsScreenReport(calculation.results, calculation.kmText(), calculation.vacioText()), locale);
    if (record.comparison)
        out += renderAlignedPlainText(record.comparison->report, locale);
}

std::string recordMessage(const PricedRecord &record, const NumberLocale &locale)
{
    if (record.read && !record.check.calculationOffered())
        return shownName(record.name) + ":\n" + renderPlainText(checkScreenReport(record.check), locale) + "\n";
    if (record.error.empty())
        return {};
    return shownName(record.name) + ": " + record.error + "\n";
}

}   // namespace rotavex
