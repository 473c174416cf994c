#pragma once
// The thirteen quantities of a set of reference values: how each is named in
// its file and in the window, its unit, and what it may hold.

#include "model/observatory_values.h"
#include "model/workspace.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rotavex {

enum class Quantity {
    DriverSalary,
    DriverHours,
    GeneralCosts,
    VehiclePrice,
    VehicleLife,
    FinancingRate,
    FinancingYears,
    AnnualKm,
    MaintenancePerKm,
    FuelPerKm,
    TyresPerKm,
    TyreSet,
    Insurance,
};

struct ReferenceQuantity {
    Quantity quantity;
    std::string_view key;     // its row in the file: "HorasConductor"
    std::string_view label;   // its row in the window: "Horas anuales del conductor"
    std::string_view unit;    // "horas/año"
};

inline constexpr std::size_t QuantityCount = 13;

// In the order of the file and the window.
const std::array<ReferenceQuantity, QuantityCount> &referenceQuantities();
const ReferenceQuantity &referenceQuantity(Quantity quantity);

// The value as the set holds it; a per-km cost as the decimal its single
// precision stands for (0.1062573, not 0.10625729709863663).
double quantityValue(const ObservatoryValues &values, Quantity quantity);
void setQuantityValue(ObservatoryValues &values, Quantity quantity, double value);

// Why the value cannot stand for the quantity ("debe ser mayor que cero"):
// nothing is negative or beyond what the calculation can hold, no hours,
// life or annual km is nought, general costs are at most 90 %. None when it
// can.
std::optional<std::string> quantityRefusal(Quantity quantity, double value);

// "Clase 2", as the columns are headed.
std::string classHeading(int busClass);

// The line that names a set under a report's heading: "Valores de
// referencia: Observatorio julio 2025".
std::string referenceNote(const ReferenceSet &set);

// Whether a report of a calculation names its set: a set of the user's own
// of which a group took its values. The built-in observatory's reports stay
// as they always were.
bool namesItsReference(const StudyChoices &choices);

}   // namespace rotavex
