#pragma once
// What drives the total: for each input the user gave, how much the service
// total moves when that input is 10 % higher, everything else as it was.

#include "model/inputs.h"
#include "study/cost_study.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotavex {

struct InputSensitivity {
    Input input;
    std::optional<double> change;      // euros of the service total; none when refused
    std::optional<double> changePct;   // of the calculation's total; none when that is nought
    std::string refusal;               // why the higher value has no figure
};

// The inputs the calculation read from the user's data (their group not on
// the observatory) and that are not nought, the largest change first; the
// inputs whose higher value the data check refuses, or the calculation
// cannot price, come last, in the order of the windows. The higher value
// is priced by the same check and calculation as the data; no field changes.
std::vector<InputSensitivity> totalSensitivity(const CalculatedResults &calculation);

}   // namespace rotavex
