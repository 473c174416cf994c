#pragma once
// The eight items a service's cost is split into, and the three groups they
// fall in: every report layout, the chart and the data exports go through
// these tables, so an item's fields, labels and colour are written once.

#include "workspace.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace rotavex {

enum class CostGroup { PerKm, PerHour, General };

struct CostItem {
    CostGroup group;
    float StudyResults::*unitCost;   // euros per km or per hour; null for general costs
    float StudyResults::*total;      // euros for the service
    float StudyResults::*share;      // per cent of the service total
    std::string_view reportLabel;    // "Coste de mantenimiento: "
    std::string_view chartLabel;     // "Mantenimiento"
    std::uint32_t colour;            // 0xRRGGBB
};

// In the order of the reports: the per-km items, the per-hour items, then
// general costs.
const std::array<CostItem, 8> &costItems();

struct CostGroupLabels {
    std::string_view heading;      // "Costes por Km (" before the group's share
    std::string_view rule;         // the dashes below the heading
    std::string_view unitLabel;    // "Costes por km: " in the unit-cost layout
    std::string_view rateLabel;    // "Costes/km:  " before the unit cost times the trip
    std::string_view chartLabel;   // the group's column in the unit-cost chart
    std::uint32_t colour;          // that column's colour
};

const CostGroupLabels &costGroup(CostGroup group);

// The item of general costs, last of the items.
inline const CostItem &generalCostItem() { return costItems().back(); }

}   // namespace rotavex
