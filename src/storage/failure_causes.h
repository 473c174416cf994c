#pragma once
// Why a data file could not be read or saved, in the user's words: one table
// for the windows' messages and the command-line calculator's, so that the
// same cause always reads the same.

#include <string>

namespace rotavex {

struct DataFileBytes;
struct FileReplacement;

// The system's error in Spanish ("no queda espacio en el dispositivo").
std::string systemErrorText(int error);

// Why the bytes could not be read ("el fichero no existe", "es una carpeta,
// no un fichero de datos", ...); meaningful only for a failed read.
std::string readFailureText(const DataFileBytes &read);

// Why a save did not replace the file. A folder that refuses the new file
// the save writes first is named as such, with the way out: another folder.
std::string saveFailureText(const FileReplacement &replacement);

// A value the user gave, as a message quotes it: valid UTF-8, and at most
// its first 40 characters followed by "…", so that a refusal stays readable
// however long the value.
std::string shownValue(const std::string &text);

// The text with every control character written as an escape ("\n",
// "\033"), as a terminal must not act on a file name it shows; a backslash
// is doubled so that the escapes cannot be mistaken.
std::string printableText(const std::string &text);

// A value the user gave, as a refusal quotes it: «…», printable, and no
// longer than a line.
std::string quotedValue(const std::string &text);

}   // namespace rotavex
