#include "results_text_record.h"

#include "report/plain_text.h"
#include "results_report.h"
#include "study/record_writers.h"

namespace rotavex {

void appendTextRecord(std::string &out, const PricedRecord &record, bool headed, const NumberLocale &locale)
{
    if (!record.calculation)
        return;
    if (headed)
        out += "==> " + terminalName(record.name) + " <==\n";
    const CalculatedResults &calculation = *record.calculation;
    out += renderAlignedPlainText(
        resultsScreenReport(calculation.results, calculation.kmText(), calculation.vacioText()), locale);
    if (record.comparison)
        out += renderAlignedPlainText(record.comparison->report, locale);
}

}   // namespace rotavex
