#include "switch_groups.h"

#include <stdexcept>

namespace rotavex {

bool &switchFlag(Workspace &ws, Switch sw)
{
    switch (sw) {
    case Switch::Driver: return ws.ObsDriver;
    case Switch::General: return ws.ObsGeneral;
    case Switch::Fuel: return ws.ObsFuel;
    case Switch::Vehicle: return ws.ObsVehicle;
    case Switch::Financing: return ws.ObsFinancing;
    case Switch::Maintenance: return ws.ObsMaintenance;
    case Switch::Tyres: return ws.ObsTyres;
    case Switch::Insurance: return ws.ObsInsurance;
    case Switch::AnnualKm: return ws.ObsAnnualKm;
    }
    throw std::logic_error("unknown switch");
}

bool switchFlag(const Workspace &ws, Switch sw) { return switchFlag(const_cast<Workspace &>(ws), sw); }

const std::vector<SwitchGroup> &switchGroups()
{
    static const std::vector<SwitchGroup> groups = {
        {ObservatoryGroup::Driver, {{Switch::Driver, {Input::Salacon, Input::Htraba}}}, false},
        {ObservatoryGroup::General, {{Switch::General, {Input::Cosgen}}}, false},
        {ObservatoryGroup::Vehicle,
         {{Switch::Vehicle, {Input::Cosaut, Input::Vidaut}}, {Switch::Financing, {Input::Cosfin, Input::Plafin}}},
         true},
        {ObservatoryGroup::Maintenance, {{Switch::Maintenance, {Input::Cosman}}}, true},
        {ObservatoryGroup::AnnualKm, {{Switch::AnnualKm, {Input::Kmaut}}}, true},
        {ObservatoryGroup::Fuel, {{Switch::Fuel, {Input::Cosgas}}}, true},
        {ObservatoryGroup::Tyres, {{Switch::Tyres, {Input::Cosneu, Input::Vidneu}}}, true},
        {ObservatoryGroup::Insurance, {{Switch::Insurance, {Input::Cosseg}}}, true},
    };
    return groups;
}

const SwitchGroup &switchGroup(ObservatoryGroup id)
{
    for (const SwitchGroup &group : switchGroups())
        if (group.id == id)
            return group;
    throw std::out_of_range("unknown observatory group");
}

ToggleOutcome ToggleObservatorySource(Workspace &ws, const SwitchGroup &group, FieldTexts &texts)
{
    ToggleOutcome outcome;
    bool turnsSomethingOn = false;
    for (const SwitchPart &part : group.parts)
        turnsSomethingOn = turnsSomethingOn || !switchFlag(ws, part.sw);
    // A class outside 1..4 (possible from a foreign data file) has no
    // averages, so it counts as no class chosen.
    if (turnsSomethingOn && group.needsBusClass && !isKnownBusClass(ws.BusClass)) {
        outcome.refused = true;
        return outcome;
    }
    for (const SwitchPart &part : group.parts) {
        bool &flag = switchFlag(ws, part.sw);
        flag = !flag;
        for (Input field : part.fields)
            texts[field] = flag ? std::string(ObservatoryText) : std::string();
        outcome.changes.push_back({&part, flag});
    }
    return outcome;
}

}   // namespace rotavex
