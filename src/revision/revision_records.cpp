#include "revision_records.h"

#include "report/plain_text.h"
#include "revision_report.h"
#include "study/json_text.h"
#include "study/record_writers.h"

namespace rotavex {

namespace {

constexpr const char *ItemFields[] = {"Weight", "Revised", "Ratio", "Capped", "Why"};

void appendItemJson(std::string &out, const ItemRevision &item)
{
    appendJsonKey(out, "{", "weight");
    appendJsonNumber(out, NumberText(item.weight));
    appendJsonFlag(out, ",\"revised\":", item.revised);
    appendJsonKey(out, ",", "ratio");
    appendJsonNumber(out, NumberText(item.ratio));
    appendJsonFlag(out, ",\"capped\":", item.capped);
    appendJsonKey(out, ",", "why");
    if (item.revised)
        out += "null";
    else
        appendJsonString(out, item.why);
    out += '}';
}

void appendCsvFigure(std::string &out, std::optional<double> value, const CsvStyle &style)
{
    out += style.fieldSeparator;
    appendCsvNumber(out, NumberText(value).text(), style);
}

void appendCsvFlag(std::string &out, bool flag, const CsvStyle &style)
{
    out += style.fieldSeparator;
    out += flag ? "true" : "false";
}

}   // namespace

void appendRevisionJson(std::string &out, const RevisionRecord &record)
{
    out += "{\"file\":";
    if (record.file)
        appendJsonString(out, *record.file);
    else
        out += "null";
    appendJsonFlag(out, ",\"accepted\":", record.accepted());
    if (!record.accepted()) {
        out += ",\"error\":";
        appendJsonString(out, record.error());
        out += "}\n";
        return;
    }
    const RevisionOutcome &outcome = record.outcome;
    const std::pair<const char *, double> figures[] = {{"price", outcome.price},
                                                       {"Kt", outcome.kt},
                                                       {"revisedPrice", outcome.revisedPrice},
                                                       {"fixedShare", outcome.fixedShare}};
    for (const auto &[name, value] : figures) {
        appendJsonKey(out, ",", name);
        appendJsonNumber(out, NumberText(value));
    }
    const char *separator = ",\"items\":{";
    for (std::size_t item = 0; item < RevisionItemCount; ++item) {
        appendJsonKey(out, separator, revisionItems()[item].key);
        appendItemJson(out, outcome.items[item]);
        separator = ",";
    }
    out += "}}\n";
}

void appendRevisionCsvHeader(std::string &out, const CsvStyle &style)
{
    if (style.byteOrderMark)
        out += "\xef\xbb\xbf";
    out += "file";
    for (const char *name : {"accepted", "price", "Kt", "revisedPrice", "fixedShare"}) {
        out += style.fieldSeparator;
        out += name;
    }
    for (const RevisionItem &item : revisionItems())
        for (const char *field : ItemFields) {
            out += style.fieldSeparator;
            out += item.key;
            out += field;
        }
    out += style.fieldSeparator;
    out += "error";
    out += style.lineEnd;
}

void appendRevisionCsv(std::string &out, const RevisionRecord &record, const CsvStyle &style)
{
    appendCsvText(out, record.file.value_or(""), style);
    appendCsvFlag(out, record.accepted(), style);
    if (record.accepted()) {
        const RevisionOutcome &outcome = record.outcome;
        for (double figure : {outcome.price, outcome.kt, outcome.revisedPrice, outcome.fixedShare})
            appendCsvFigure(out, figure, style);
        for (const ItemRevision &item : outcome.items) {
            appendCsvFigure(out, item.weight, style);
            appendCsvFlag(out, item.revised, style);
            appendCsvFigure(out, item.ratio, style);
            appendCsvFlag(out, item.capped, style);
            out += style.fieldSeparator;
            appendCsvText(out, item.why, style);
        }
    } else {
        out.append(4 + RevisionItemCount * std::size(ItemFields), style.fieldSeparator);
    }
    out += style.fieldSeparator;
    appendCsvText(out, record.accepted() ? std::string() : record.error(), style);
    out += style.lineEnd;
}

void appendRevisionText(std::string &out, const RevisionRecord &record, const Revision &revision,
                        const RevisionTerms &terms, const NumberLocale &locale)
{
    if (!record.accepted())
        return;
    if (record.file)
        out += "==> " + terminalName(*record.file) + " <==\n";
    out += renderAlignedPlainText(revisionReport(revision, terms, record.outcome), locale);
}

}   // namespace rotavex
