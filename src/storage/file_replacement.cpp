#include "file_replacement.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rotavex {

namespace {

constexpr mode_t NewFileMode = 0666;   // the umask is taken off by the system
constexpr int UniqueNameAttempts = 100;

constexpr std::string_view NewFilePrefix = ".rotavex-";
constexpr std::string_view NewFileSuffix = ".tmp";

FileReplacement failure(int error, ReplacementStep step = ReplacementStep::CheckTarget)
{
    return {false, error, std::system_category().message(error), step};
}

FileReplacement failure(int error, std::string reason) { return {false, error, std::move(reason)}; }

// The file a link points to, so that the link itself survives the rename;
// the path as given when it is no link or a link to nothing.
std::string followLinks(const std::string &path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The machine a new file's writer runs on, as eight hex digits of its host
// name: a folder shared over the network holds other machines' saves, whose
// process numbers mean nothing here.
std::string hostTag()
{
    char host[256] = {};
    (void)::gethostname(host, sizeof host - 1);
    std::uint32_t hash = 2166136261u;   // FNV-1a
    for (const char *c = host; *c; ++c)
        hash = (hash ^ std::uint8_t(*c)) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", unsigned(hash));
    return tag;
}

// A name no other save, of this or another program, is using at the moment;
// hidden, so that the file lists do not show it while it is written.
std::string temporaryName(const std::string &folder)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    char name[96];
    std::snprintf(name, sizeof name, "%s%ld-%u-%llx-%s%s", NewFilePrefix.data(), long(::getpid()), counter++,
                  static_cast<unsigned long long>(ticks), hostTag().c_str(), NewFileSuffix.data());
    return (folder == "/" ? std::string() : folder) + "/" + name;
}

// Only a regular file we may write is replaced: renaming over a folder fails
// anyway, and renaming over a pipe or a device would take it away.
std::optional<FileReplacement> refusalToReplace(const std::string &target, const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(status.st_mode))
        return failure(EINVAL, "not a regular file");
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return failure(errno);
    return std::nullopt;
}

bool processIsGone(long pid) { return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH; }

// What saves into folder cut short left there: the new files of processes
// that no longer run. A process that runs, even as another user (who may not
// be signalled), may still be saving and keeps its file.
void removeLeftovers(const std::string &folder)
{
    DIR *entries = ::opendir(folder.c_str());
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        const auto writer = writerOfNewFileName(entry->d_name);
        if (!writer || *writer == long(::getpid()) || !processIsGone(*writer))
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode))
            (void)::unlinkat(::dirfd(entries), entry->d_name, 0);
    }
    ::closedir(entries);
}

class Replacement {
public:
    Replacement(const FileSystemCalls &calls, std::string target) : calls_(calls), target_(std::move(target)) {}

    FileReplacement run(std::string_view bytes)
    {
        struct stat existing {};
        const bool exists = ::stat(target_.c_str(), &existing) == 0;
        if (exists)
            if (const auto refusal = refusalToReplace(target_, existing))
                return *refusal;
        removeLeftovers(folderOf(target_));
        const mode_t permissions = existing.st_mode & 0777;
        step_ = ReplacementStep::CreateNewFile;
        if (!createTemporary(exists ? permissions : NewFileMode))
            return failedStep();
        if (exists) {
            keepOwner(existing);
            keepPermissions(permissions);
        }
        step_ = ReplacementStep::WriteNewFile;
        if (!writeAll(bytes) || !syncToDisk() || !closeTemporary())
            return failedStep();
        step_ = ReplacementStep::RenameOverTarget;
        if (!renameOverTarget())
            return failedStep();
        syncFolder();
        return {true, 0, std::string()};
    }

private:
    bool createTemporary(mode_t mode)
    {
        const std::string folder = folderOf(target_);
        for (int attempt = 0; attempt < UniqueNameAttempts; ++attempt) {
            const std::string name = temporaryName(folder);
            do
                fd_ = calls_.open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            while (fd_ < 0 && errno == EINTR);
            if (fd_ >= 0) {
                temporary_ = name;
                return true;
            }
            if (errno != EEXIST)
                return noteError();
        }
        return noteError();
    }

    // Only root may give a file away; anyone else saves a file of their own,
    // as they would writing it anew. Done before the permission bits, which
    // a change of owner may clear.
    void keepOwner(const struct stat &existing) { (void)::fchown(fd_, existing.st_uid, existing.st_gid); }

    // The umask may have taken bits off the old file's permissions. A volume
    // that keeps no permissions refuses this; the bytes are what matters.
    void keepPermissions(mode_t mode) { (void)::fchmod(fd_, mode); }

    // write may take fewer bytes than offered, or be interrupted before
    // taking any; it is called again for the rest.
    bool writeAll(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t written = calls_.write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return noteError(written == 0 ? EIO : errno);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool syncToDisk()
    {
        int result;
        do
            result = calls_.fsync(fd_);
        while (result != 0 && errno == EINTR);
        // A file system that has no way to sync has nothing more to write.
        if (result != 0 && errno != EINVAL && errno != ENOTSUP)
            return noteError();
        return true;
    }

    // Some file systems report a failed write only here. The descriptor is
    // gone whatever close answers, so it is never closed twice.
    bool closeTemporary()
    {
        const int result = calls_.close(fd_);
        fd_ = -1;
        return result == 0 || noteError();
    }

    bool renameOverTarget()
    {
        if (calls_.rename(temporary_.c_str(), target_.c_str()) != 0)
            return noteError();
        temporary_.clear();
        return true;
    }

    // So that the new name, not only the new bytes, survives a power cut.
    // Not every file system can sync a folder; the file is saved either way.
    void syncFolder() const
    {
        const int folder = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0)
            return;
        (void)::fsync(folder);
        ::close(folder);
    }

    bool noteError(int error = errno)
    {
        error_ = error;
        return false;
    }

    FileReplacement failedStep()
    {
        if (fd_ >= 0)
            calls_.close(fd_);
        if (!temporary_.empty())
            ::unlink(temporary_.c_str());
        return failure(error_, step_);
    }

    const FileSystemCalls &calls_;
    const std::string target_;
    std::string temporary_;
    int fd_ = -1;
    int error_ = 0;
    ReplacementStep step_ = ReplacementStep::CheckTarget;
};

}   // namespace

const FileSystemCalls &systemFileCalls()
{
    static const FileSystemCalls calls = {
        [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, const void *bytes, std::size_t count) { return ::write(fd, bytes, count); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char *from, const char *to) { return ::rename(from, to); },
    };
    return calls;
}

std::optional<long> writerOfNewFileName(std::string_view name)
{
    if (name.size() <= NewFilePrefix.size() + NewFileSuffix.size()
        || name.substr(0, NewFilePrefix.size()) != NewFilePrefix
        || name.substr(name.size() - NewFileSuffix.size()) != NewFileSuffix)
        return std::nullopt;
    // The process number, the save's count, its clock and the machine:
    // "1234-0-1a2b-89abcdef". Only this machine's are known.
    const std::string_view fields = name.substr(NewFilePrefix.size(),
                                                name.size() - NewFilePrefix.size() - NewFileSuffix.size());
    long pid = 0;
    std::size_t at = 0;
    while (at < fields.size() && fields[at] >= '0' && fields[at] <= '9' && pid < 1'000'000'000)
        pid = pid * 10 + (fields[at++] - '0');
    if (at == 0 || pid <= 0 || at >= fields.size() || fields[at] != '-')
        return std::nullopt;
    const std::string_view rest = fields.substr(at + 1);
    const std::size_t dash = rest.find('-');
    const auto all = [](std::string_view part, const char *digits) {
        return !part.empty() && part.find_first_not_of(digits) == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !all(rest.substr(0, dash), "0123456789"))
        return std::nullopt;
    const std::string_view clockAndHost = rest.substr(dash + 1);
    const std::size_t hostDash = clockAndHost.find('-');
    if (hostDash == std::string_view::npos || !all(clockAndHost.substr(0, hostDash), "0123456789abcdef")
        || clockAndHost.substr(hostDash + 1) != hostTag())
        return std::nullopt;
    return pid;
}

FileReplacement replaceFileContents(const std::string &path, std::string_view bytes, const FileSystemCalls &calls)
{
    if (path.empty())
        return failure(ENOENT);
    if (path.back() == '/')
        return failure(EISDIR);
    return Replacement(calls, followLinks(path)).run(bytes);
}

}   // namespace rotavex
