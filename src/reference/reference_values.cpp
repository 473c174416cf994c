#include "reference_values.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace rotavex {

namespace {

using Q = Quantity;

const std::array<ReferenceQuantity, QuantityCount> quantities = {{
    {Q::DriverSalary, "SalarioConductor", "Salario anual del conductor", "euros/año"},
    {Q::DriverHours, "HorasConductor", "Horas anuales del conductor", "horas/año"},
    {Q::GeneralCosts, "CostesGenerales", "Costes generales", "% del total"},
    {Q::VehiclePrice, "PrecioVehiculo", "Precio del vehículo", "euros"},
    {Q::VehicleLife, "VidaVehiculo", "Vida útil del vehículo", "años"},
    {Q::FinancingRate, "TipoFinanciacion", "Tipo de financiación", "% anual"},
    {Q::FinancingYears, "PlazoFinanciacion", "Plazo de financiación", "años"},
    {Q::AnnualKm, "KmAnuales", "Kilómetros anuales", "km/año"},
    {Q::MaintenancePerKm, "MantenimientoKm", "Mantenimiento", "euros/km"},
    {Q::FuelPerKm, "CombustibleKm", "Combustible", "euros/km"},
    {Q::TyresPerKm, "NeumaticosKm", "Neumáticos", "euros/km"},
    {Q::TyreSet, "JuegoNeumaticos", "Juego de neumáticos", "euros"},
    {Q::Insurance, "SeguroAnual", "Seguro anual", "euros/año"},
}};

double ObservatoryValues::*wholeField(Quantity quantity)
{
    switch (quantity) {
    case Q::DriverSalary: return &ObservatoryValues::driverSalary;
    case Q::DriverHours: return &ObservatoryValues::driverHours;
    case Q::GeneralCosts: return &ObservatoryValues::generalCostsPct;
    case Q::VehiclePrice: return &ObservatoryValues::vehiclePrice;
    case Q::VehicleLife: return &ObservatoryValues::vehicleLife;
    case Q::FinancingRate: return &ObservatoryValues::financingRatePct;
    case Q::FinancingYears: return &ObservatoryValues::financingYears;
    case Q::AnnualKm: return &ObservatoryValues::annualKm;
    case Q::TyreSet: return &ObservatoryValues::tyreSetValue;
    case Q::Insurance: return &ObservatoryValues::annualInsurance;
    default: return nullptr;
    }
}

float ObservatoryValues::*perKmField(Quantity quantity)
{
    switch (quantity) {
    case Q::MaintenancePerKm: return &ObservatoryValues::maintenancePerKm;
    case Q::FuelPerKm: return &ObservatoryValues::fuelPerKm;
    case Q::TyresPerKm: return &ObservatoryValues::tyresPerKm;
    default: return nullptr;
    }
}

// The shortest decimal that reads back as the single-precision value.
double asDecimal(float value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    *end = '\0';
    return std::strtod(buffer, nullptr);
}

}   // namespace

const std::array<ReferenceQuantity, QuantityCount> &referenceQuantities() { return quantities; }

const ReferenceQuantity &referenceQuantity(Quantity quantity) { return quantities[std::size_t(quantity)]; }

double quantityValue(const ObservatoryValues &values, Quantity quantity)
{
    if (float ObservatoryValues::*perKm = perKmField(quantity))
        return asDecimal(values.*perKm);
    return values.*wholeField(quantity);
}

void setQuantityValue(ObservatoryValues &values, Quantity quantity, double value)
{
    if (float ObservatoryValues::*perKm = perKmField(quantity))
        values.*perKm = static_cast<float>(value);
    else
        values.*wholeField(quantity) = value;
}

std::optional<std::string> quantityRefusal(Quantity quantity, double value)
{
    if (!std::isfinite(value))
        return "no es un número";
    if (value < 0)
        return "no puede ser negativo";
    const bool divides = quantity == Q::DriverHours || quantity == Q::VehicleLife || quantity == Q::AnnualKm;
    if (divides && value == 0)
        return "debe ser mayor que cero";
    if (quantity == Q::GeneralCosts && value > 90)
        return "no puede ser más del 90 %";
    if (perKmField(quantity) && value > FLT_MAX)
        return "es demasiado grande";
    return std::nullopt;
}

std::string classHeading(int busClass) { return "Clase " + std::to_string(busClass); }

std::string referenceNote(const ReferenceSet &set) { return "Valores de referencia: " + set.name; }

bool namesItsReference(const StudyChoices &choices)
{
    if (isBuiltIn(*choices.reference))
        return false;
    for (std::size_t i = 0; i < SwitchCount; ++i)
        if (choices.switches[static_cast<Switch>(i)])
            return true;
    return false;
}

}   // namespace rotavex
