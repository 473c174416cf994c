#include "switch_groups.h"

#include <stdexcept>

namespace rotavex {

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

ToggleOutcome ToggleObservatorySource(StudyChoices &choices, const SwitchGroup &group, FieldTexts &texts)
{
    ToggleOutcome outcome;
    bool turnsSomethingOn = false;
    for (const SwitchPart &part : group.parts)
        turnsSomethingOn = turnsSomethingOn || !choices.switches[part.sw];
    // A class outside 1..4 (possible from a foreign data file) has no
    // averages, so it counts as no class chosen.
    if (turnsSomethingOn && group.needsBusClass && !isKnownBusClass(choices.BusClass)) {
        outcome.refused = true;
        return outcome;
    }
    for (const SwitchPart &part : group.parts) {
        bool &flag = choices.switches[part.sw];
        flag = !flag;
        for (Input field : part.fields)
            texts[field] = flag ? std::string(ObservatoryText) : std::string();
        outcome.changes.push_back({&part, flag});
    }
    return outcome;
}

}   // namespace rotavex
