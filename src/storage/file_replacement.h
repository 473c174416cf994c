#pragma once
// Replacing a file's contents so that it is either wholly the new bytes or
// still wholly the old ones: the bytes go to a new file in the same folder,
// are forced onto the disk, and only then take the old file's name. Any
// failure on the way (a full disk, a quota, an I/O error when writing,
// syncing or closing, a refused rename) removes the new file and leaves the
// old one untouched. The new file's name carries the saving process's
// machine, process namespace and number, so that a later save into the same
// folder can remove what a save cut short (a killed program, a power cut)
// left behind.

#include <sys/types.h>

#include <functional>
#include <optional>
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

// The step of a replacement that failed.
enum class ReplacementStep {
    CheckTarget,        // what is at the path cannot or may not be replaced
    CreateNewFile,      // the folder did not take the new file
    WriteNewFile,       // writing, syncing or closing the new file
    RenameOverTarget,   // the new file could not take the old one's name
};

struct FileReplacement {
    bool replaced = false;
    int error = 0;        // the errno of the step that failed
    std::string reason;   // the system's text for it
    ReplacementStep step = ReplacementStep::CheckTarget;
    bool newFileRemoved = false;   // another program removed the new file before it took the name
};

// Puts bytes in the file at path, replacing what it held. A file that
// already exists keeps its permission bits, and its owner and group where
// the program may give them (when run by root); a new one gets 0666 less the
// umask. A link is followed, so the file it points to is replaced and the
// link stays; a link to nothing gets the file it names. A chain of links
// that loops or goes on too long (ELOOP), another user's link in a folder
// anyone may write to (as /tmp), a folder, a pipe or a device at path, or a
// file we may not write, is refused.
FileReplacement replaceFileContents(const std::string &path, std::string_view bytes,
                                    const FileSystemCalls &calls = systemFileCalls());

// The process that made a replacement's new file: its number, and its
// process namespace, which names given before namespaces were told apart do
// not carry.
struct NewFileWriter {
    long pid = 0;
    std::optional<unsigned long long> pidNamespace;
};

// Whether name is one a replacement on this machine gives its new file, and
// if so who made it.
std::optional<NewFileWriter> writerOfNewFileName(std::string_view name);

}   // namespace rotavex
