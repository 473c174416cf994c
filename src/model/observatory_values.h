#pragma once
// The reference values every field group the user has switched to
// "Observatorio" takes: by default the averages of the regional bus-cost
// observatory of 2018, built in; or a set of the user's own, with the same
// quantities for each bus class under a name of its own.

#include <array>
#include <memory>
#include <string>

namespace rotavex {

struct ObservatoryValues {
    double driverSalary;       // euros per year
    double driverHours;        // working hours per year
    double generalCostsPct;    // percent of the service total
    double vehiclePrice;       // euros
    double vehicleLife;        // years
    double financingRatePct;   // percent per year
    double financingYears;
    double annualKm;
    float maintenancePerKm;   // the three per-km figures are single precision
    float fuelPerKm;
    float tyresPerKm;
    double tyreSetValue;      // euros
    double annualInsurance;   // euros
};

struct ReferenceSet {
    std::string name;
    std::array<ObservatoryValues, 4> classes;

    // The values of bus class 1..4; callers make sure the class is known.
    const ObservatoryValues &of(int busClass) const;
};

inline constexpr const char *BuiltInReferenceName = "Observatorio 2018";

// The observatory's 2018 averages, which cannot be changed: the set every
// calculation uses until the user chooses another.
const std::shared_ptr<const ReferenceSet> &builtInReferenceSet();
bool isBuiltIn(const ReferenceSet &set);

}   // namespace rotavex
