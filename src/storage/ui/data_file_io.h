#pragma once
// Reading and writing the bytes of a data file on disk. Paths are taken by
// the bytes they stand for (see fileNameBytes), whatever their encoding.

#include "storage/data_file_reader.h"

#include <QString>

#include <string>

namespace rotavex {

// Replaces the file with the bytes (see replaceFileContents), so a failed or
// interrupted save leaves the previous file as it was. False (with the
// cause in the user's words in *cause, when given) for an empty name, a
// folder, a missing folder, no permission, a full disk or any other write
// error.
bool saveDataFile(const QString &path, const std::string &bytes, QString *cause = nullptr);

// The bytes of the file, at most one more than a data file can hold, so that
// a bigger file is refused by the reader; or why they could not be read.
DataFileBytes readDataFileBytes(const QString &path);

}   // namespace rotavex
