#pragma once
// The one record of the run, shared by every window: the user's choices, the
// observatory switches, two flags and every result of the last calculation.

#include <cstdint>

namespace rotavex {

struct Workspace {
    int16_t BusClass = 0;       // 1..4; 0 while no class is chosen
    bool ServiceMode = false;   // false: unit costs only; true: full service
    bool ResultsReady = false;
    bool DataSaved = false;

    bool ObsDriver = false;
    bool ObsGeneral = false;
    bool ObsFuel = false;
    bool ObsVehicle = false;
    bool ObsFinancing = false;
    bool ObsMaintenance = false;
    bool ObsTyres = false;
    bool ObsInsurance = false;
    bool ObsAnnualKm = false;

    int32_t TotalKm = 0;
    float ServiceHours = 0;
    float EffectiveAnnualHours = 0;

    float DriverPerHour = 0;
    float AmortisationPerHour = 0;
    float FinancingPerHour = 0;
    float InsurancePerHour = 0;
    float FuelPerKm = 0;
    float MaintenancePerKm = 0;
    float TyresPerKm = 0;

    float DriverTotal = 0;
    float FuelTotal = 0;
    float AmortisationTotal = 0;
    float FinancingTotal = 0;
    float MaintenanceTotal = 0;
    float TyresTotal = 0;
    float InsuranceTotal = 0;
    float GeneralCosts = 0;
    float ServiceTotal = 0;

    float DriverPct = 0;
    float GeneralPct = 0;
    float FuelPct = 0;
    float AmortisationPct = 0;
    float FinancingPct = 0;
    float MaintenancePct = 0;
    float TyresPct = 0;
    float InsurancePct = 0;
};

inline constexpr bool isKnownBusClass(int busClass) { return busClass >= 1 && busClass <= 4; }

}   // namespace rotavex
