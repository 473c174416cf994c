#pragma once
// The check that comes before every calculation: which inputs are missing or
// zero, whether the trip implies an excessive speed, and whether the
// calculation may go ahead.

#include "model/inputs.h"
#include "model/workspace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotavex {

enum class CheckState { Missing, BlockingZero, AllowedZero, Negative };

// One finding of the check: an arrow line and maybe an explanation line.
// A finding with row 0 stands for the empty line that closes a group.
struct CheckFinding {
    int row = 0;
    std::string_view arrow;         // "No ha seleccionado el tipo de autobús"
    std::string_view explanation;   // "" when the row has none
    bool isGroupBreak() const { return row == 0; }
};

// The paragraphs of the check's conclusion. Each refusing paragraph is
// written when its reason holds, in this order: negative values, blocking
// zeros, missing data; any of them withholds the calculation. Without a
// refusal the calculation is offered, with a warning when some value is zero.
struct Verdict {
    bool negative = false;
    bool blockingZero = false;
    bool missing = false;
    bool zeroWarning = false;   // only when nothing refuses
    bool refused() const { return negative || blockingZero || missing; }
};

// What refuses the calculation is told by the verdict alone. An allowed zero
// is kept apart: the verdict warns of one only when nothing refuses.
struct DataCheckResult {
    std::vector<CheckFinding> findings;   // in table order, group breaks included
    bool allowedZero = false;
    std::optional<float> excessiveSpeed;   // km/h, when above 120
    Verdict verdict;
    bool calculationOffered() const { return !verdict.refused(); }
};

// ws supplies the bus class and the observatory switches.
DataCheckResult runDataCheck(const StudyChoices &ws, const FieldTexts &texts);

}   // namespace rotavex
