#include "cost_items.h"

namespace rotavex {

const std::array<CostItem, 8> &costItems()
{
    using G = CostGroup;
    using W = StudyResults;
    static const std::array<CostItem, 8> items{{
        {G::PerKm, &W::MaintenancePerKm, &W::MaintenanceTotal, &W::MaintenancePct,
         "Coste de mantenimiento: ", "Mantenimiento", 0x1f77b4},
        {G::PerKm, &W::FuelPerKm, &W::FuelTotal, &W::FuelPct, "Coste del combustible: ", "Combustible", 0xff7f0e},
        {G::PerKm, &W::TyresPerKm, &W::TyresTotal, &W::TyresPct, "Coste de neumáticos: ", "Neumáticos", 0x2ca02c},
        {G::PerHour, &W::FinancingPerHour, &W::FinancingTotal, &W::FinancingPct, "Costes financieros: ", "Financieros",
         0xd62728},
        {G::PerHour, &W::InsurancePerHour, &W::InsuranceTotal, &W::InsurancePct, "Coste de seguros: ", "Seguros",
         0x9467bd},
        {G::PerHour, &W::AmortisationPerHour, &W::AmortisationTotal, &W::AmortisationPct,
         "Coste de amortización: ", "Amortización", 0x8c564b},
        {G::PerHour, &W::DriverPerHour, &W::DriverTotal, &W::DriverPct, "Coste del conductor: ", "Conductor", 0xe377c2},
        {G::General, nullptr, &W::GeneralCosts, &W::GeneralPct, "Costes generales: ", "Generales", 0x7f7f7f},
    }};
    return items;
}

const CostGroupLabels &costGroup(CostGroup group)
{
    static const CostGroupLabels groups[] = {
        {"Costes por Km (", "-------------", "Costes por km: ", "Costes/km:  ", "Kilométricos", 0x1f77b4},
        {"Costes por Hora (", "---------------", "Costes por hora: ", "Costes/hora: ", "Horarios", 0xff7f0e},
        // General costs are one item of their own, under the item's labels.
        {"", "", "", "", "", 0x2ca02c},
    };
    return groups[static_cast<int>(group)];
}

}   // namespace rotavex
