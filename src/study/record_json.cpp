#include "json_text.h"
#include "record_writers.h"

namespace rotavex {

namespace {

// Every result field as "name":figure, the first after the separator.
void appendResults(std::string &out, const char *separator, const StudyResults &results)
{
    for (const ResultField &field : resultFields()) {
        appendJsonKey(out, separator, field.name);
        appendJsonNumber(out, NumberText(results, field));
        separator = ",";
    }
}

void appendComparison(std::string &out, const RecordComparison &comparison)
{
    const std::vector<ResultField> &fields = resultFields();
    out += ",\"observatory\":";
    appendResults(out, "{", comparison.observatory);
    out += "},\"deviationPct\":";
    const char *separator = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        appendJsonKey(out, separator, fields[i].name);
        appendJsonNumber(out, NumberText(comparison.deviationPct[i]));
        separator = ",";
    }
    out += "},\"sensitivity\":{";
    separator = "";
    for (const auto &[input, change] : comparison.sensitivity) {
        appendJsonKey(out, separator, inputName(input));
        appendJsonNumber(out, NumberText(change));
        separator = ",";
    }
    out += "},\"flagged\":[";
    separator = "";
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (comparison.flagged[i]) {
            out += separator;
            appendJsonString(out, fields[i].name);
            separator = ",";
        }
    out += ']';
}

}   // namespace

void appendJsonRecord(std::string &out, const PricedRecord &record)
{
    out += "{\"file\":";
    appendJsonString(out, record.name);
    appendJsonFlag(out, ",\"accepted\":", record.accepted());
    if (record.read) {
        out += ",\"BusClass\":";
        out += std::to_string(record.choices.BusClass);
        appendJsonFlag(out, ",\"ServiceMode\":", record.choices.ServiceMode);
        appendJsonFlag(out, ",\"check\":{\"missing\":", record.check.verdict.missing);
        appendJsonFlag(out, ",\"blockingZero\":", record.check.verdict.blockingZero);
        appendJsonFlag(out, ",\"allowedZero\":", record.check.allowedZero);
        appendJsonFlag(out, ",\"negative\":", record.check.verdict.negative);
        out += '}';
    }
    if (!record.error.empty()) {
        out += ",\"error\":";
        appendJsonString(out, record.error);
    }
    if (record.calculation)
        appendResults(out, ",", record.calculation->results);
    if (record.comparison)
        appendComparison(out, *record.comparison);
    if (!record.reference.empty()) {
        out += ",\"reference\":";
        appendJsonString(out, record.reference);
    }
    out += "}\n";
}

}   // namespace rotavex
