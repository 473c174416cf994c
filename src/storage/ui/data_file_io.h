#pragma once
// Reading and writing the bytes of a data file on disk.

#include <QString>

#include <optional>
#include <string>

namespace rotavex {

// Replaces the file with the bytes (see replaceFileContents), so a failed or
// interrupted save leaves the previous file as it was. False (with the
// system's reason in *error, when given) for an empty name, a folder, a
// missing folder, no permission, a full disk or any other write error.
bool saveDataFile(const QString &path, const std::string &bytes, QString *error = nullptr);

// The bytes of the file, at most one more than a data file can hold, so that
// a bigger file is refused by the reader. Absent when the path is not a
// readable plain file.
std::optional<std::string> readDataFileBytes(const QString &path);

}   // namespace rotavex
