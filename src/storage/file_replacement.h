#pragma once
// Replacing a file's contents so that it is either wholly the new bytes or
// still wholly the old ones: the bytes go to a new file in the same folder,
// are forced onto the disk, and only then take the old file's name. Any
// failure on the way (a full disk, a quota, an I/O error when writing,
// syncing or closing, a refused rename) removes the new file and leaves the
// old one untouched.

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace rotavex {

// The system calls a replacement makes, so that each can be made to fail.
struct FileSystemCalls {
    std::function<int(const char *path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, const void *bytes, std::size_t count)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char *from, const char *to)> rename;
};

// The calls of the running system.
const FileSystemCalls &systemFileCalls();

struct FileReplacement {
    bool replaced = false;
    int error = 0;        // the errno of the step that failed
    std::string reason;   // the system's text for it
};

// Puts bytes in the file at path, replacing what it held. A file that
// already exists keeps its permission bits; a new one gets 0666 less the
// umask. A link is followed, so the file it points to is replaced and the
// link stays. A folder, a pipe or a device at path, or a file we may not
// write, is refused.
FileReplacement replaceFileContents(const std::string &path, std::string_view bytes,
                                    const FileSystemCalls &calls = systemFileCalls());

}   // namespace rotavex
