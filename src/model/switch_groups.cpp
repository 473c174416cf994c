#include "switch_groups.h"

#include <algorithm>
#include <stdexcept>

namespace rotavex {

const std::vector<SwitchGroup> &switchGroups()
{
    static const std::vector<SwitchGroup> groups = {
        {ObservatoryGroup::Driver,
         {{Switch::Driver, {Input::Salacon, Input::Htraba}}},
         false,
         "Conductor",
         "Datos del conductor: salario y horas"},
        {ObservatoryGroup::General,
         {{Switch::General, {Input::Cosgen}}},
         false,
         "Costes generales",
         "Costes generales: porcentaje del coste total"},
        {ObservatoryGroup::Vehicle,
         {{Switch::Vehicle, {Input::Cosaut, Input::Vidaut}}, {Switch::Financing, {Input::Cosfin, Input::Plafin}}},
         true,
         "Vehículo y financiación",
         "Datos del vehículo: coste de adquisición, vida útil, coste y plazo de financiación"},
        {ObservatoryGroup::Maintenance,
         {{Switch::Maintenance, {Input::Cosman}}},
         true,
         "Mantenimiento",
         "Coste anual de mantenimiento del vehículo"},
        {ObservatoryGroup::AnnualKm,
         {{Switch::AnnualKm, {Input::Kmaut}}},
         true,
         "Kilómetros anuales",
         "Kilómetros recorridos al año por el vehículo"},
        {ObservatoryGroup::Fuel, {{Switch::Fuel, {Input::Cosgas}}}, true, "Combustible", "Coste de combustible"},
        {ObservatoryGroup::Tyres,
         {{Switch::Tyres, {Input::Cosneu, Input::Vidneu}}},
         true,
         "Neumáticos",
         "Neumáticos: coste y vida útil de cada neumático"},
        {ObservatoryGroup::Insurance,
         {{Switch::Insurance, {Input::Cosseg}}},
         true,
         "Seguros",
         "Coste anual del seguro del vehículo"},
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

const std::vector<Input> &switchFields(Switch sw)
{
    for (const SwitchGroup &group : switchGroups())
        for (const SwitchPart &part : group.parts)
            if (part.sw == sw)
                return part.fields;
    throw std::out_of_range("unknown switch");
}

std::optional<Switch> switchOf(Input input)
{
    static const auto switchOfInput = [] {
        std::array<std::optional<Switch>, InputCount> covering{};
        for (const SwitchGroup &group : switchGroups())
            for (const SwitchPart &part : group.parts)
                for (Input field : part.fields)
                    covering[static_cast<std::size_t>(field)] = part.sw;
        return covering;
    }();
    return switchOfInput[static_cast<std::size_t>(input)];
}

bool onObservatory(const StudyChoices &choices, Input input)
{
    const std::optional<Switch> sw = switchOf(input);
    return sw && choices.switches[*sw];
}

bool onObservatory(const StudyChoices &choices, const SwitchGroup &group)
{
    return std::any_of(group.parts.begin(), group.parts.end(),
                       [&](const SwitchPart &part) { return choices.switches[part.sw]; });
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
