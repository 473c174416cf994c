#pragma once
// The revision's report: where its weights come from, each item with its
// weight, indices, ratio and contribution, or why it is not revised, then
// the fixed part, Kₜ to four decimals and the revised price to the cent.

#include "report/report_lines.h"
#include "revision_formula.h"

#include <string>

namespace rotavex {

Report revisionReport(const Revision &revision, const RevisionTerms &terms, const RevisionOutcome &outcome);
Report printedRevisionReport(const Revision &revision, const RevisionTerms &terms, const RevisionOutcome &outcome,
                             const DateTime &when);

// Whether the item is revised ("sí", with the cap or the efficiency factor
// where they changed it) or why not ("no: …"), as the report words it.
std::string itemVerdict(const RevisionTerms &terms, const RevisionOutcome &outcome, std::size_t item);

// The items as tab-separated rows under their column names, for a
// spreadsheet to paste.
std::string revisionTabSeparatedRows(const RevisionTerms &terms, const RevisionOutcome &outcome,
                                     const std::string &decimalSeparator);

}   // namespace rotavex
