#pragma once
// Every result of the calculation under its Workspace name, in the order in
// which results are listed and exported, with what it holds.

#include "workspace.h"

#include <cstdint>
#include <vector>

namespace rotavex {

struct ResultField {
    const char *name;               // as in Workspace: "DriverPerHour"
    float StudyResults::*real;      // the field, or null for a whole number
    int32_t StudyResults::*whole;   // the field, or null for a real number
    const char *meaning;            // Spanish, with the unit; "" shares the one before
};

// In export order: TotalKm, the hours, the unit costs, the service's items,
// general costs and total, then the shares.
const std::vector<ResultField> &resultFields();

}   // namespace rotavex
