#include "revision.h"

namespace rotavex {

const std::array<RevisionItem, RevisionItemCount> &revisionItems()
{
    using W = StudyResults;
    static const std::array<RevisionItem, RevisionItemCount> items = {{
        {"Conductor", "Driver", &W::DriverTotal, true, ""},
        {"Combustible", "Fuel", &W::FuelTotal, true, ""},
        {"Neumáticos", "Tyres", &W::TyresTotal, true, ""},
        {"Mantenimiento", "Maintenance", &W::MaintenanceTotal, true, ""},
        {"Seguros", "Insurance", &W::InsuranceTotal, true, ""},
        {"Amortización", "Amortisation", &W::AmortisationTotal, false,
         "la amortización no se revisa (Real Decreto 55/2017)"},
        {"Financieros", "Financing", &W::FinancingTotal, false,
         "los costes financieros no se revisan (Real Decreto 55/2017)"},
        {"Generales", "General", &W::GeneralCosts, false, "los costes generales no se revisan (Real Decreto 55/2017)"},
    }};
    return items;
}

}   // namespace rotavex
