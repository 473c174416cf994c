#pragma once
// The user's data file: fifteen lines of Windows-1252 text ended by CR LF,
// holding the sixteen field texts, the bus class and the service mode. A
// group switched to the observatory is kept as the word "Observatorio".

#include "model/inputs.h"
#include "model/switch_groups.h"
#include "model/workspace.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotavex {

inline constexpr std::string_view DataFileMark = "ROTAVEX";
inline constexpr std::string_view ForeignFileMessage = "El fichero que intenta cargar no es de ROTAVEX";
inline constexpr std::size_t MaxDataFileBytes = 64 * 1024;

// The field groups in the order of the file; general costs are written twice.
struct FileGroup {
    Switch sw;
    std::vector<Input> items;
};
const std::vector<FileGroup> &fileGroups();

// The bytes of the file for the current bus class, service mode, switches
// and field texts. The format cannot hold a double quotation mark inside a
// text, so each is written as an apostrophe: the file loads back item for
// item and the text reads as the same number ("12\"5" is saved as "12'5",
// both read 12).
std::string writeDataFile(const StudyChoices &ws, const FieldTexts &texts);

// What a data file holds, item by item; an item the file lacks, or one not
// of its kind, is absent.
struct DataFileContent {
    std::optional<int16_t> busClass;
    std::vector<std::vector<std::optional<std::string>>> groups;   // by fileGroups(), UTF-8
    std::optional<bool> serviceMode;
    std::optional<std::string> km, horas, vacio;
};

// Absent when the bytes are not a data file: no mark (compared exactly), or
// more bytes than a data file can have.
std::optional<DataFileContent> readDataFile(std::string_view bytes);

// Loads the content into the bus class, the service mode and the field
// texts. A group whose switch is on keeps its texts; a group saved as
// "Observatorio" is emptied; every other text is taken as the field check
// would leave it, so a text that check refuses, or one longer than a field
// holds, leaves the field empty. The switches do not change. Returns the groups the file saved as
// "Observatorio" (by fileGroups() index).
std::vector<std::size_t> applyDataFile(const DataFileContent &content, StudyChoices &ws, FieldTexts &texts);

// Loads the content as applyDataFile does, then switches each group the file
// saved as "Observatorio" to the observatory as pressing its group's button
// once would: a group already on stays on, the vehicle and the financing
// share one button so either turns both on, and a class outside 1..4 leaves
// the groups that need one off.
void applyDataFileWithObservatory(const DataFileContent &content, StudyChoices &ws, FieldTexts &texts);

}   // namespace rotavex
