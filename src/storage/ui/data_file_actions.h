#pragma once
// What the main window runs behind the save and load windows.

#include "model/inputs.h"
#include "model/workspace.h"
#include "storage/data_file.h"

#include <QString>

#include <optional>

namespace rotavex {

// Writes the data file for the workspace and the field texts. DataSaved
// becomes true only when the file was written.
bool saveWorkspace(const QString &path, Workspace &ws, const FieldTexts &texts);

// The content of the data file at path, or absent after telling the user
// that the file is not one of ours (unreadable, foreign or too big).
std::optional<DataFileContent> readWorkspaceFile(const QString &path);

}   // namespace rotavex
