#include "group_sums.h"

namespace rotavex {

GroupSums groupSums(const StudyResults &ws)
{
    GroupSums sums;
    sums.perKm = ws.MaintenancePerKm + ws.FuelPerKm + ws.TyresPerKm;
    sums.perHour = ws.AmortisationPerHour + ws.DriverPerHour + ws.FinancingPerHour + ws.InsurancePerHour;
    sums.perKmPct = ws.FuelPct + ws.MaintenancePct + ws.TyresPct;
    sums.perHourPct = ws.InsurancePct + ws.FinancingPct + ws.AmortisationPct + ws.DriverPct;
    return sums;
}

float unitCostOf(const GroupSums &sums, CostGroup group)
{
    switch (group) {
    case CostGroup::PerKm: return sums.perKm;
    case CostGroup::PerHour: return sums.perHour;
    case CostGroup::General: break;
    }
    return 0;
}

float shareOf(const GroupSums &sums, CostGroup group)
{
    switch (group) {
    case CostGroup::PerKm: return sums.perKmPct;
    case CostGroup::PerHour: return sums.perHourPct;
    case CostGroup::General: break;
    }
    return 0;
}

UnitCostColumns unitCostColumns(const StudyResults &ws)
{
    const double perKm = double(ws.MaintenancePerKm) + ws.FuelPerKm + ws.TyresPerKm;
    const double perHour = double(ws.AmortisationPerHour) + ws.DriverPerHour + ws.FinancingPerHour
                           + ws.InsurancePerHour;
    return {perKm * ws.TotalKm, perHour * ws.ServiceHours};
}

}   // namespace rotavex
