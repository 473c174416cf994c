#pragma once
// The one record of the run, shared by every window, in three parts: what
// the next calculation is asked (bus class, service mode and the observatory
// switches), every result of the last calculation, and the session's two
// flags.

#include "observatory_values.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace rotavex {

// One switch for each group of inputs that can take the observatory's
// averages instead of the user's data; the vehicle's group has two.
enum class Switch { Driver, General, Fuel, Vehicle, Financing, Maintenance, Tyres, Insurance, AnnualKm };

inline constexpr std::size_t SwitchCount = 9;

class ObservatorySwitches {
public:
    bool operator[](Switch sw) const { return on_[static_cast<std::size_t>(sw)]; }
    bool &operator[](Switch sw) { return on_[static_cast<std::size_t>(sw)]; }

    // Every group on the observatory's averages.
    static ObservatorySwitches allOn()
    {
        ObservatorySwitches all;
        all.on_.fill(true);
        return all;
    }

private:
    std::array<bool, SwitchCount> on_{};
};

// What a calculation is asked besides the field texts.
struct StudyChoices {
    int16_t BusClass = 0;       // 1..4; 0 while no class is chosen
    bool ServiceMode = false;   // false: unit costs only; true: full service
    ObservatorySwitches switches;
    // The values the switched groups take: the set in use when the
    // calculation was asked, kept with it.
    std::shared_ptr<const ReferenceSet> reference = builtInReferenceSet();

    // While a switch is on, the calculation reads the reference value for
    // its fields, whatever they hold.
    bool ObsDriver() const { return switches[Switch::Driver]; }
    bool ObsGeneral() const { return switches[Switch::General]; }
    bool ObsFuel() const { return switches[Switch::Fuel]; }
    bool ObsVehicle() const { return switches[Switch::Vehicle]; }
    bool ObsFinancing() const { return switches[Switch::Financing]; }
    bool ObsMaintenance() const { return switches[Switch::Maintenance]; }
    bool ObsTyres() const { return switches[Switch::Tyres]; }
    bool ObsInsurance() const { return switches[Switch::Insurance]; }
    bool ObsAnnualKm() const { return switches[Switch::AnnualKm]; }
};

// Written by the calculation only.
struct StudyResults {
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

// The choices a calculation ran with and the figures it gave: what the
// reports and the chart show.
struct PricedStudy : StudyChoices, StudyResults {};

struct SessionFlags {
    bool ResultsReady = false;   // a calculation is on display and the inputs are locked
    bool DataSaved = false;      // no field has been changed since the last save
};

struct Workspace : PricedStudy, SessionFlags {};

inline constexpr bool isKnownBusClass(int busClass) { return busClass >= 1 && busClass <= 4; }

}   // namespace rotavex
