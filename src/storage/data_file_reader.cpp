#include "data_file_reader.h"

#include "data_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rotavex {

namespace {

DataFileBytes failed(DataFileReadFailure failure, int systemError = 0) { return {std::string(), failure, systemError}; }

std::optional<DataFileReadFailure> refusalForKind(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return DataFileReadFailure::IsADirectory;
    if (S_ISFIFO(mode))
        return DataFileReadFailure::IsAPipe;
    if (S_ISSOCK(mode))
        return DataFileReadFailure::IsASocket;
    return DataFileReadFailure::IsADevice;
}

// Why path cannot be opened, named from what is there.
DataFileReadFailure causeOfFailedOpen(const std::string &path, int openError)
{
    if (openError == ENOENT || openError == ENOTDIR)
        return DataFileReadFailure::DoesNotExist;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return refusalForKind(status.st_mode).value_or(DataFileReadFailure::CannotBeRead);
    return DataFileReadFailure::CannotBeRead;
}

int openWithoutWaiting(const std::string &path)
{
    // Non-blocking so that even a pipe with no writer opens at once; no
    // controlling terminal is taken from a terminal device.
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads until the end of the file or until limit bytes; false on an error.
// Only what was read takes room: a data file is a few hundred bytes.
bool readUpTo(int fd, std::size_t limit, std::string &bytes)
{
    char chunk[16 * 1024];
    bytes.clear();
    while (bytes.size() < limit) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A descriptor handed over in non-blocking mode: wait for data.
            pollfd ready{fd, POLLIN, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return true;
}

DataFileBytes readUpToLimit(int fd)
{
    DataFileBytes result;
    if (!readUpTo(fd, MaxDataFileBytes + 1, result.bytes))
        return failed(DataFileReadFailure::CannotBeRead, errno);
    return result;
}

DataFileBytes readOpenFile(int fd)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failed(DataFileReadFailure::CannotBeRead, errno);
    // The kind is judged on what was opened, so nothing can be put in the
    // file's place between the look and the read.
    if (const auto refusal = refusalForKind(status.st_mode))
        return failed(*refusal);
    return readUpToLimit(fd);
}

}   // namespace

DataFileBytes readDataFileFromDisk(const std::string &path)
{
    // A first look refuses what is plainly not a file before opening it, as
    // opening some devices has effects of its own.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        if (const auto refusal = refusalForKind(status.st_mode))
            return failed(*refusal);

    const int fd = openWithoutWaiting(path);
    if (fd < 0) {
        const int openError = errno;
        return failed(causeOfFailedOpen(path, openError), openError);
    }
    DataFileBytes result = readOpenFile(fd);
    ::close(fd);
    return result;
}

DataFileBytes readDataFileFromDescriptor(int fd) { return readUpToLimit(fd); }

}   // namespace rotavex
