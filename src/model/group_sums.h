#pragma once
// The sums the reports and the chart show beside the stored results: the
// unit costs per km and per hour, and the full service's shares per km and
// per hour. The reports add them in single precision, item after item; the
// calculation checks every one before it accepts its results.

#include "cost_items.h"
#include "workspace.h"

namespace rotavex {

struct GroupSums {
    float perKm;        // euros per km: maintenance, fuel and tyres
    float perHour;      // euros per hour: amortisation, driver, financing and insurance
    float perKmPct;     // share of the total: maintenance, fuel and tyres
    float perHourPct;   // share of the total: insurance, financing, amortisation and driver
};

// The same on screen and on paper: each further item is added to the
// single-precision partial sum.
GroupSums groupSums(const StudyResults &ws);

// A group's unit cost (per km or per hour) and share of the total; nought
// for general costs, which have neither.
float unitCostOf(const GroupSums &sums, CostGroup group);
float shareOf(const GroupSums &sums, CostGroup group);

// The chart's two unit-cost columns in euros: the per-km and per-hour sums,
// here in double precision, times the trip's kilometres and hours.
struct UnitCostColumns {
    double kilometric;
    double hourly;
};

UnitCostColumns unitCostColumns(const StudyResults &ws);

}   // namespace rotavex
