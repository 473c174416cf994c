#pragma once
// The nine observatory switches and the eight groups whose buttons drive
// them. Each button switches its group of fields between the user's own data
// and the observatory averages; the vehicle button drives two switches at
// once.

#include "inputs.h"
#include "workspace.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace rotavex {

// One switch with the fields it covers; the labels are named after the
// fields (lblX beside txtX).
struct SwitchPart {
    Switch sw;
    std::vector<Input> fields;
};

// The eight groups, each with one button in the data windows.
enum class ObservatoryGroup { Driver, General, Vehicle, Maintenance, AnnualKm, Fuel, Tyres, Insurance };

struct SwitchGroup {
    ObservatoryGroup id;
    std::vector<SwitchPart> parts;
    bool needsBusClass;
    std::string_view name;          // short, for the reports: "Conductor"
    std::string_view description;   // which data it covers: "Datos del conductor: salario y horas"
};

// The eight groups in the order of the windows: general data, vehicle,
// running costs.
const std::vector<SwitchGroup> &switchGroups();
const SwitchGroup &switchGroup(ObservatoryGroup id);

// The inputs a switch covers, in the order of its fields.
const std::vector<Input> &switchFields(Switch sw);
// The switch that covers an input; none for the trip's inputs.
std::optional<Switch> switchOf(Input input);
// The input's data are the observatory's: its switch is on.
bool onObservatory(const StudyChoices &choices, Input input);
// Some switch of the group is on, so its button offers the user's own data.
bool onObservatory(const StudyChoices &choices, const SwitchGroup &group);

inline constexpr std::string_view ObservatoryText = "Observatorio";
inline constexpr std::string_view UseObservatoryCaption = "Pulse aquí para utilizar los datos del Observatorio";
inline constexpr std::string_view UseOwnDataCaption = "Pulse aquí para introducir sus datos personalizados";
inline constexpr std::string_view NeedsBusClassMessage = "Debe seleccionar un tipo de autobus en los Datos Generales";

// What a press of a group's button did, for the window to show.
struct ToggleOutcome {
    bool refused = false;   // no bus class: show NeedsBusClassMessage, nothing changed
    struct PartChange {
        const SwitchPart *part;
        bool nowOn;   // on: fields "Observatorio" and locked, labels grey
    };
    std::vector<PartChange> changes;
};

// Flips each switch of the group by its own state and writes the new field
// texts ("Observatorio" or empty; the user's earlier value is not kept).
ToggleOutcome ToggleObservatorySource(StudyChoices &choices, const SwitchGroup &group, FieldTexts &texts);

}   // namespace rotavex
