#pragma once
// A calculation beside the observatory's: the same bus class and the same
// service (km with passengers, positioning km and hours) priced with every
// group on the observatory's averages, and how far each figure lies from it;
// with what drives the total, the study the comparison's report is made of.

#include "total_sensitivity.h"

#include "model/calculation.h"
#include "model/workspace.h"
#include "study/cost_study.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotavex {

struct ObservatoryComparison {
    PricedStudy own;           // the calculation as it was made
    PricedStudy observatory;   // its class and service on the observatory's averages
};

// Absent, with the fault, when the observatory's pricing of the service
// cannot be made (a service too long for the results to hold).
struct ComparisonOutcome {
    std::optional<ObservatoryComparison> comparison;
    std::optional<CalculationFault> fault;
};
ComparisonOutcome compareWithObservatory(const CalculatedResults &calculation);

// (own − observatory) ÷ observatory × 100; none where the observatory's
// figure is nought.
std::optional<double> deviationPct(double own, double observatory);

// The share by which a figure may lie from the observatory's before it is
// marked.
inline constexpr double DefaultTolerancePct = 20;
bool beyondTolerance(std::optional<double> deviation, double tolerancePct);

// One row of the comparison: a unit cost, an item of the service, a group's
// sum or the total.
enum class ComparedKind { UnitCost, Item, Group, Total };
struct ComparedRow {
    ComparedKind kind;
    std::string_view label;   // "Combustible", "Costes por Km", "Coste total del trayecto"
    std::string_view unit;    // "euros/km", "euros/hora" or "euros"
    double own;
    double observatory;
};

// In the order of the report: the seven unit costs (per km, then per hour),
// the eight items, the per-km and per-hour groups, the total.
std::vector<ComparedRow> comparedRows(const ObservatoryComparison &comparison);

struct ComparisonStudy {
    ObservatoryComparison comparison;
    std::vector<InputSensitivity> sensitivity;
    std::string kmText, vacioText;   // the trip as it was calculated
};

// Compares the calculation with the observatory and prices its inputs 10 %
// higher; absent, with the fault, when the observatory's pricing fails.
struct ComparisonStudyOutcome {
    std::optional<ComparisonStudy> study;
    std::optional<CalculationFault> fault;
};
ComparisonStudyOutcome studyAgainstObservatory(const CalculatedResults &calculation);

// Where a group of inputs took its figures from in the calculation.
struct DataSource {
    std::string_view group;   // "Conductor"
    bool observatory;
};
std::vector<DataSource> dataSources(const StudyChoices &choices);

}   // namespace rotavex
