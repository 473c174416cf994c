#include "result_fields.h"

namespace rotavex {

namespace {

constexpr ResultField real(const char *name, float Workspace::*field, const char *meaning = "")
{
    return {name, field, nullptr, meaning};
}

}   // namespace

const std::vector<ResultField> &resultFields()
{
    static const std::vector<ResultField> fields = {
        {"TotalKm", nullptr, &Workspace::TotalKm, "km con pasajeros más km de posicionamiento (km)"},
        real("ServiceHours", &Workspace::ServiceHours, "horas del servicio (horas)"),
        real("EffectiveAnnualHours", &Workspace::EffectiveAnnualHours,
             "horas al año sobre las que se reparten los costes por hora (horas)"),
        real("DriverPerHour", &Workspace::DriverPerHour,
             "conductor, amortización, financiación y seguros (euros por hora)"),
        real("AmortisationPerHour", &Workspace::AmortisationPerHour),
        real("FinancingPerHour", &Workspace::FinancingPerHour),
        real("InsurancePerHour", &Workspace::InsurancePerHour),
        real("FuelPerKm", &Workspace::FuelPerKm, "combustible, mantenimiento y neumáticos (euros por km)"),
        real("MaintenancePerKm", &Workspace::MaintenancePerKm),
        real("TyresPerKm", &Workspace::TyresPerKm),
        real("DriverTotal", &Workspace::DriverTotal, "coste de cada partida en el servicio (euros)"),
        real("FuelTotal", &Workspace::FuelTotal),
        real("AmortisationTotal", &Workspace::AmortisationTotal),
        real("FinancingTotal", &Workspace::FinancingTotal),
        real("MaintenanceTotal", &Workspace::MaintenanceTotal),
        real("TyresTotal", &Workspace::TyresTotal),
        real("InsuranceTotal", &Workspace::InsuranceTotal),
        real("GeneralCosts", &Workspace::GeneralCosts, "costes generales del servicio (euros)"),
        real("ServiceTotal", &Workspace::ServiceTotal, "coste total del servicio, costes generales incluidos (euros)"),
        real("DriverPct", &Workspace::DriverPct, "parte de cada partida en ServiceTotal (porcentaje, de 0 a 100)"),
        real("GeneralPct", &Workspace::GeneralPct),
        real("FuelPct", &Workspace::FuelPct),
        real("AmortisationPct", &Workspace::AmortisationPct),
        real("FinancingPct", &Workspace::FinancingPct),
        real("MaintenancePct", &Workspace::MaintenancePct),
        real("TyresPct", &Workspace::TyresPct),
        real("InsurancePct", &Workspace::InsurancePct),
    };
    return fields;
}

}   // namespace rotavex
