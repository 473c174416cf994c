#pragma once
// Reading a data file from disk, for the windows and the command-line
// calculator alike. Only a regular file is read: a pipe, a terminal or
// another device could keep the program waiting for ever or never end, and
// is refused at once without waiting for it.

#include "data_file.h"

#include <cstddef>
#include <optional>
#include <string>

namespace rotavex {

enum class DataFileReadFailure {
    DoesNotExist,
    IsADirectory,
    IsAPipe,
    IsADevice,
    IsASocket,
    CannotBeRead,   // no permission, or an error while reading
};

struct DataFileBytes {
    std::string bytes;   // meaningful only without a failure
    std::optional<DataFileReadFailure> failure;
    int systemError = 0;   // the errno behind CannotBeRead, where there is one
};

// The bytes of the file at path, at most one more than the largest file of
// its kind (a data file's MaxDataFileBytes unless told), so that a bigger
// file is still refused by the reader of the content.
DataFileBytes readDataFileFromDisk(const std::string &path, std::size_t largest = MaxDataFileBytes);

// The same from a descriptor already open, whatever it is (standard input is
// usually a pipe); reading waits for the writer to end.
DataFileBytes readDataFileFromDescriptor(int fd);

}   // namespace rotavex
