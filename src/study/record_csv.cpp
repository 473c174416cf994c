#include "record_numbers.h"
#include "record_writers.h"

#include <algorithm>

namespace rotavex {

namespace {

void appendNames(std::string &out, const char *prefix, const CsvStyle &style)
{
    for (const ResultField &field : resultFields()) {
        out += style.fieldSeparator;
        out += prefix;
        out += field.name;
    }
}

void appendNumber(std::string &out, const NumberText &number, const CsvStyle &style)
{
    out += style.fieldSeparator;
    appendCsvNumber(out, number.text(), style);
}

void appendFlag(std::string &out, bool flag, const CsvStyle &style)
{
    out += style.fieldSeparator;
    out += flag ? "true" : "false";
}

void appendResults(std::string &out, const StudyResults &results, const CsvStyle &style)
{
    for (const ResultField &field : resultFields())
        appendNumber(out, NumberText(results, field), style);
}

// The comparison's columns, empty for a record without one.
void appendComparison(std::string &out, const PricedRecord &record, const CsvStyle &style)
{
    if (!record.comparison) {
        out.append(2 * resultFields().size() + InputCount, style.fieldSeparator);
        return;
    }
    const RecordComparison &comparison = *record.comparison;
    appendResults(out, comparison.observatory, style);
    for (std::optional<double> deviation : comparison.deviationPct)
        appendNumber(out, NumberText(deviation), style);
    for (Input input : AllInputs) {
        const auto given = std::find_if(comparison.sensitivity.begin(), comparison.sensitivity.end(),
                                        [input](const auto &sensitivity) { return sensitivity.first == input; });
        appendNumber(out, NumberText(given == comparison.sensitivity.end() ? std::nullopt : given->second), style);
    }
}

}   // namespace

void appendCsvHeader(std::string &out, bool compare, bool reference, const CsvStyle &style)
{
    if (style.byteOrderMark)
        out += "\xef\xbb\xbf";
    bool first = true;
    for (const char *name :
         {"file", "accepted", "BusClass", "ServiceMode", "missing", "blockingZero", "allowedZero", "negative"}) {
        if (!first)
            out += style.fieldSeparator;
        out += name;
        first = false;
    }
    appendNames(out, "", style);
    out += style.fieldSeparator;
    out += "error";
    if (compare) {
        appendNames(out, "Obs", style);
        appendNames(out, "Dev", style);
        for (Input input : AllInputs) {
            out += style.fieldSeparator;
            out += "Sens";
            out += inputName(input);
        }
    }
    if (reference) {
        out += style.fieldSeparator;
        out += "reference";
    }
    out += style.lineEnd;
}

void appendCsvRecord(std::string &out, const PricedRecord &record, bool compare, bool reference, const CsvStyle &style)
{
    appendCsvText(out, record.name, style);
    appendFlag(out, record.accepted(), style);
    if (record.read) {
        out += style.fieldSeparator;
        out += std::to_string(record.choices.BusClass);
        appendFlag(out, record.choices.ServiceMode, style);
        appendFlag(out, record.check.verdict.missing, style);
        appendFlag(out, record.check.verdict.blockingZero, style);
        appendFlag(out, record.check.allowedZero, style);
        appendFlag(out, record.check.verdict.negative, style);
    } else {
        out.append(6, style.fieldSeparator);
    }
    if (record.calculation)
        appendResults(out, record.calculation->results, style);
    else
        out.append(resultFields().size(), style.fieldSeparator);
    out += style.fieldSeparator;
    appendCsvText(out, record.error, style);
    if (compare)
        appendComparison(out, record, style);
    if (reference) {
        out += style.fieldSeparator;
        appendCsvText(out, record.reference, style);
    }
    out += style.lineEnd;
}

}   // namespace rotavex
