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

enum class WhenNoData { Wait, Refuse };

// Reads until the end of the file or until limit bytes; false on an error
// (EAGAIN when a descriptor that must not be waited on has no data yet).
// Only what was read takes room: a data file is a few hundred bytes.
bool readUpTo(int fd, std::size_t limit, WhenNoData whenNoData, std::string &bytes)
{
    char chunk[16 * 1024];
    bytes.clear();
    while (bytes.size() < limit) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && whenNoData == WhenNoData::Wait) {
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

DataFileBytes readUpToLimit(int fd, WhenNoData whenNoData, std::size_t limit)
{
    DataFileBytes result;
    if (!readUpTo(fd, limit, whenNoData, result.bytes))
        return failed(DataFileReadFailure::CannotBeRead, errno);
    return result;
}

// A regular file never lacks data and never refuses a read; when what was
// opened does, it is named from what it turned out to be.
DataFileBytes readOpenedPath(int fd, std::size_t limit)
{
    DataFileBytes result = readUpToLimit(fd, WhenNoData::Refuse, limit);
    struct stat status {};
    if (result.failure && ::fstat(fd, &status) == 0)
        if (const auto refusal = refusalForKind(status.st_mode))
            return failed(*refusal);
    return result;
}

}   // namespace

DataFileBytes readDataFileFromDisk(const std::string &path, std::size_t largest)
{
    // The look before opening refuses what is not a file, as opening some
    // devices has effects of its own. It is the only one: should something
    // else take the file's place before the open, the read still never waits
    // (the descriptor is non-blocking and is not waited on).
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        if (const auto refusal = refusalForKind(status.st_mode))
            return failed(*refusal);

    const int fd = openWithoutWaiting(path);
    if (fd < 0) {
        const int openError = errno;
        return failed(causeOfFailedOpen(path, openError), openError);
    }
    DataFileBytes result = readOpenedPath(fd, largest + 1);
    ::close(fd);
    return result;
}

DataFileBytes readDataFileFromDescriptor(int fd) { return readUpToLimit(fd, WhenNoData::Wait, MaxDataFileBytes + 1); }

}   // namespace rotavex
