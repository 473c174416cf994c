#include "result_fields.h"

namespace rotavex {

namespace {

constexpr ResultField real(const char *name, float StudyResults::*field, const char *meaning = "")
{
    return {name, field, nullptr, meaning};
}

}   // namespace

const std::vector<ResultField> &resultFields()
{
    static const std::vector<ResultField> fields = {
        {"TotalKm", nullptr, &StudyResults::TotalKm, "km con pasajeros más km de posicionamiento (km)"},
        real("ServiceHours", &StudyResults::ServiceHours, "horas del servicio (horas)"),
        real("EffectiveAnnualHours", &StudyResults::EffectiveAnnualHours,
             "horas al año sobre las que se reparten los costes por hora (horas)"),
        real("DriverPerHour", &StudyResults::DriverPerHour,
             "conductor, amortización, financiación y seguros (euros por hora)"),
        real("AmortisationPerHour", &StudyResults::AmortisationPerHour),
        real("FinancingPerHour", &StudyResults::FinancingPerHour),
        real("InsurancePerHour", &StudyResults::InsurancePerHour),
        real("FuelPerKm", &StudyResults::FuelPerKm, "combustible, mantenimiento y neumáticos (euros por km)"),
        real("MaintenancePerKm", &StudyResults::MaintenancePerKm),
        real("TyresPerKm", &StudyResults::TyresPerKm),
        real("DriverTotal", &StudyResults::DriverTotal, "coste de cada partida en el servicio (euros)"),
        real("FuelTotal", &StudyResults::FuelTotal),
        real("AmortisationTotal", &StudyResults::AmortisationTotal),
        real("FinancingTotal", &StudyResults::FinancingTotal),
        real("MaintenanceTotal", &StudyResults::MaintenanceTotal),
        real("TyresTotal", &StudyResults::TyresTotal),
        real("InsuranceTotal", &StudyResults::InsuranceTotal),
        real("GeneralCosts", &StudyResults::GeneralCosts, "costes generales del servicio (euros)"),
        real("ServiceTotal", &StudyResults::ServiceTotal,
             "coste total del servicio, costes generales incluidos (euros)"),
        real("DriverPct", &StudyResults::DriverPct, "parte de cada partida en ServiceTotal (porcentaje, de 0 a 100)"),
        real("GeneralPct", &StudyResults::GeneralPct),
        real("FuelPct", &StudyResults::FuelPct),
        real("AmortisationPct", &StudyResults::AmortisationPct),
        real("FinancingPct", &StudyResults::FinancingPct),
        real("MaintenancePct", &StudyResults::MaintenancePct),
        real("TyresPct", &StudyResults::TyresPct),
        real("InsurancePct", &StudyResults::InsurancePct),
    };
    return fields;
}

}   // namespace rotavex
