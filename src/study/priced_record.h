#pragma once
// What is written of one data file that was priced, or could not be: one
// record whatever its form (a JSON line, a CSV row, a text report), kept
// apart from the forms so that every kind of priced record is written the
// same way.

#include "check/data_check.h"
#include "cost_study.h"
#include "model/inputs.h"
#include "model/workspace.h"
#include "report/report_lines.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rotavex {

// The same service on the observatory's averages, as the record gives it.
struct RecordComparison {
    StudyResults observatory;
    std::vector<std::optional<double>> deviationPct;   // by resultFields(); none where the observatory's is nought
    std::vector<bool> flagged;                         // by resultFields(): beyond the tolerance
    // The inputs the file gives itself and that are not nought, in the order
    // of the inputs, each with the change of the total (none when refused).
    std::vector<std::pair<Input, std::optional<double>>> sensitivity;
    Report report;   // as the comparison window shows it
};

struct PricedRecord {
    std::string name;    // as given: any bytes
    bool read = false;   // read, and a data file
    StudyChoices choices;
    DataCheckResult check;
    std::optional<CalculatedResults> calculation;   // when it was priced
    std::optional<RecordComparison> comparison;     // when asked for and made
    std::string error;                              // why it was not read, priced or compared
    std::string reference;                          // the name of a set of the user's own it was priced on
    bool accepted() const { return calculation.has_value(); }
};

// The record of the data file at name ("-": standard input), loaded as
// rotavex-calc prices it: each group saved as "Observatorio" switched to
// the reference values as its button would, then checked and calculated.
PricedRecord priceDataFile(const std::string &name, const std::shared_ptr<const ReferenceSet> &reference);

}   // namespace rotavex
