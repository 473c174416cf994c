#pragma once
// The cost calculation: unit costs per hour and per kilometre, the eight
// items of the service, general costs, total and shares.

#include "inputs.h"
#include "workspace.h"

#include <optional>
#include <string>

namespace rotavex {

// The step at which an arithmetic fault (a non-finite value, a division by
// zero, a value beyond what its field can hold) stopped the calculation.
struct CalculationFault {
    std::string step;   // Spanish, for the user: "coste del conductor por hora"
};

// What the user is told when a calculation stops on a fault.
std::string calculationFaultMessage(const CalculationFault &fault);

// Prices the field texts with the bus class and the observatory switches:
// every result, or the fault at which the calculation stopped (the results
// are then all nought, never an infinity or NaN).
struct CalculationOutcome {
    StudyResults results;
    std::optional<CalculationFault> fault;
};
CalculationOutcome calculateCosts(const StudyChoices &choices, const FieldTexts &texts);

// Fills every result field of ws from the field texts, the bus class and the
// observatory switches. At the first fault it stops and says where; the
// result fields are then left as the previous calculation left them, so no
// result ever holds an infinity or NaN.
std::optional<CalculationFault> Calculate(Workspace &ws, const FieldTexts &texts);

// The share of the annual working hours that counts for a service of the
// given length: 0.5 at one hour rising to 0.9 at ten hours and beyond.
double hourFactor(float serviceHours);

}   // namespace rotavex
