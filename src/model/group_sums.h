#pragma once
// The sums the reports and the chart show beside the stored results: the
// unit costs per km and per hour, and the full service's shares per km and
// per hour. Each report has always summed in its own order and in single
// precision, so each has its own function here; the calculation checks
// every one before it accepts its results.

#include "workspace.h"

namespace rotavex {

struct GroupSums {
    float perKm;        // euros per km: maintenance, fuel and tyres
    float perHour;      // euros per hour: amortisation, driver, financing and insurance
    float perKmPct;     // share of the total: maintenance, fuel and tyres
    float perHourPct;   // share of the total: insurance, financing, amortisation and driver
};

// As the results window's report sums them.
GroupSums screenGroupSums(const Workspace &ws);

// As the printed report sums them: fuel and maintenance first, each further
// item added to the single-precision partial sum.
GroupSums paperGroupSums(const Workspace &ws);

// The chart's two unit-cost columns in euros: the per-km and per-hour sums,
// here in double precision, times the trip's kilometres and hours.
struct UnitCostColumns {
    double kilometric;
    double hourly;
};

UnitCostColumns unitCostColumns(const Workspace &ws);

} // namespace rotavex
