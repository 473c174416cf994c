#pragma once
// Revisions as rotavex-calc writes them: for programs, one JSON object on
// one line or one CSV row under a header, each item's fields in CSV after
// its name (DriverWeight, DriverRevised, DriverRatio, DriverCapped,
// DriverWhy, ...); for a terminal, the revision's report. Numbers are
// written as the shortest text that reads back to the same double.

#include "report/number_format.h"
#include "revision_formula.h"
#include "storage/spreadsheet_cells.h"

#include <optional>
#include <string>

namespace rotavex {

struct RevisionRecord {
    std::optional<std::string> file;   // the data file whose calculation gave the weights; none for typed weights
    std::string fileError;             // why that file gave no structure: not read, refused by the check, not priced
    RevisionOutcome outcome;           // the revision on that structure, when there is one
    bool accepted() const { return fileError.empty() && outcome.done(); }
    const std::string &error() const { return fileError.empty() ? outcome.refusal : fileError; }
};

// "file" (null for typed weights), "accepted", "error" when there is one,
// and for an accepted record "price", "Kt", "revisedPrice", "fixedShare" and
// "items", keyed by revisionItems().key, each with "weight" (after the
// efficiency factor), "revised", "ratio", "capped" and "why" (null for a
// ratio of an item not revised and for the reason of one that is).
void appendRevisionJson(std::string &out, const RevisionRecord &record);

// The same fields, error last; a record not accepted has its revision's
// cells empty.
void appendRevisionCsvHeader(std::string &out, const CsvStyle &style);
void appendRevisionCsv(std::string &out, const RevisionRecord &record, const CsvStyle &style);

// An accepted record's report, aligned for a terminal, headed
// "==> file <==" when it revises a data file's structure; nothing for one
// that was not accepted.
void appendRevisionText(std::string &out, const RevisionRecord &record, const Revision &revision,
                        const RevisionTerms &terms, const NumberLocale &locale);

}   // namespace rotavex
