#include "group_sums.h"

namespace rotavex {

GroupSums screenGroupSums(const Workspace &ws)
{
    GroupSums sums;
    sums.perKm = ws.MaintenancePerKm + ws.FuelPerKm + ws.TyresPerKm;
    sums.perHour = ws.AmortisationPerHour + ws.DriverPerHour + ws.FinancingPerHour + ws.InsurancePerHour;
    sums.perKmPct = ws.FuelPct + ws.MaintenancePct + ws.TyresPct;
    sums.perHourPct = ws.InsurancePct + ws.FinancingPct + ws.AmortisationPct + ws.DriverPct;
    return sums;
}

GroupSums paperGroupSums(const Workspace &ws)
{
    GroupSums sums;
    sums.perKm = ws.FuelPerKm + ws.MaintenancePerKm;
    sums.perKm = sums.perKm + ws.TyresPerKm;
    sums.perHour = ws.DriverPerHour + ws.AmortisationPerHour;
    sums.perHour = sums.perHour + ws.FinancingPerHour;
    sums.perHour = sums.perHour + ws.InsurancePerHour;
    sums.perKmPct = ws.MaintenancePct + ws.FuelPct;
    sums.perKmPct = sums.perKmPct + ws.TyresPct;
    sums.perHourPct = ws.FinancingPct + ws.InsurancePct;
    sums.perHourPct = sums.perHourPct + ws.AmortisationPct;
    sums.perHourPct = sums.perHourPct + ws.DriverPct;
    return sums;
}

UnitCostColumns unitCostColumns(const Workspace &ws)
{
    const double perKm = double(ws.MaintenancePerKm) + ws.FuelPerKm + ws.TyresPerKm;
    const double perHour = double(ws.AmortisationPerHour) + ws.DriverPerHour + ws.FinancingPerHour + ws.InsurancePerHour;
    return {perKm * ws.TotalKm, perHour * ws.ServiceHours};
}

} // namespace rotavex
