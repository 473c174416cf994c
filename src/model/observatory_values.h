#pragma once
// Averages of the regional bus-cost observatory, used for every field group
// the user has switched to "Observatorio".

namespace rotavex {

struct ObservatoryValues {
    double driverSalary;      // euros per year
    double driverHours;       // working hours per year
    double generalCostsPct;   // percent of the service total
    double vehiclePrice;      // euros
    double vehicleLife;       // years
    double financingRate;     // per year
    double financingYears;
    double annualKm;
    float maintenancePerKm;   // the three per-km figures are single precision
    float fuelPerKm;
    float tyresPerKm;
    double tyreSetValue;      // euros
    double annualInsurance;   // euros
};

// The averages of bus class 1..4; callers make sure the class is known.
const ObservatoryValues &observatoryValues(int busClass);

}   // namespace rotavex
