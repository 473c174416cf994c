#pragma once
// What the main window runs behind the save and load windows.

#include "model/inputs.h"
#include "model/workspace.h"
#include "storage/data_file.h"

#include <QString>

#include <optional>

namespace rotavex {

// Writes the data file for the workspace and the field texts. DataSaved
// becomes true only when the file was written; otherwise the user is told
// why it was not.
bool saveWorkspace(const QString &path, Workspace &ws, const FieldTexts &texts);

// The content of the data file at path, or absent after telling the user
// why: what kept it from being read, or that a file that was read is not
// one of ours (no mark, or too big).
std::optional<DataFileContent> readWorkspaceFile(const QString &path);

// What the user is told when a file could not be saved or read, and why.
QString saveFailedMessage(const QString &path, const QString &cause);
QString loadFailedMessage(const QString &path, const QString &cause);

}   // namespace rotavex
