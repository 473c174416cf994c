#include "record_numbers.h"
#include "record_writers.h"

#include "storage/valid_utf8.h"

#include <cstdio>

namespace rotavex {

namespace {

// A terminal acts on C0 and C1 control characters alike, so both are
// escaped, as is DEL.
void appendJsonString(std::string &out, std::string_view s)
{
    out += '"';
    const std::string text = validUtf8(s);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        unsigned control = c < 0x20 || c == 0x7f ? c : 0x100;
        if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xa0)
            control = static_cast<unsigned char>(text[++i]);   // U+0080 to U+009F
        if (control < 0x100) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", control);
            out += buffer;
            continue;
        }
        if (c == '"' || c == '\\')
            out += '\\';
        out += char(c);
    }
    out += '"';
}

void appendKey(std::string &out, const char *separator, std::string_view name)
{
    out += separator;
    out += '"';
    out += name;
    out += "\":";
}

void appendFlag(std::string &out, const char *separator, bool flag)
{
    out += separator;
    out += flag ? "true" : "false";
}

// A number, or null where there is none.
void appendNumber(std::string &out, const NumberText &number)
{
    out += number.empty() ? std::string_view("null") : number.text();
}

// Every result field as "name":figure, the first after the separator.
void appendResults(std::string &out, const char *separator, const StudyResults &results)
{
    for (const ResultField &field : resultFields()) {
        appendKey(out, separator, field.name);
        appendNumber(out, NumberText(results, field));
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
        appendKey(out, separator, fields[i].name);
        appendNumber(out, NumberText(comparison.deviationPct[i]));
        separator = ",";
    }
    out += "},\"sensitivity\":{";
    separator = "";
    for (const auto &[input, change] : comparison.sensitivity) {
        appendKey(out, separator, inputName(input));
        appendNumber(out, NumberText(change));
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
    appendFlag(out, ",\"accepted\":", record.accepted());
    if (record.read) {
        out += ",\"BusClass\":";
        out += std::to_string(record.choices.BusClass);
        appendFlag(out, ",\"ServiceMode\":", record.choices.ServiceMode);
        appendFlag(out, ",\"check\":{\"missing\":", record.check.verdict.missing);
        appendFlag(out, ",\"blockingZero\":", record.check.verdict.blockingZero);
        appendFlag(out, ",\"allowedZero\":", record.check.allowedZero);
        appendFlag(out, ",\"negative\":", record.check.verdict.negative);
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
