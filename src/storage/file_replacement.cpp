#include "file_replacement.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rotavex {

namespace {

constexpr mode_t NewFileMode = 0666;   // the umask is taken off by the system
constexpr int UniqueNameAttempts = 100;
constexpr int LinksFollowedAtMost = 40;   // as many as the system itself follows

constexpr std::string_view NewFilePrefix = ".rotavex-";
constexpr std::string_view NewFileSuffix = ".tmp";

FileReplacement failure(int error, ReplacementStep step = ReplacementStep::CheckTarget)
{
    return {false, error, std::system_category().message(error), step};
}

FileReplacement failure(int error, std::string reason) { return {false, error, std::move(reason)}; }

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string inFolder(const std::string &folder, std::string_view name)
{
    return (folder == "/" ? std::string() : folder) + "/" + std::string(name);
}

// A link in a folder where anyone may add files but only their owners
// remove them (as /tmp) may have been put there by another user to make the
// save write elsewhere. As the system does when it opens a file there, such
// a link is followed only if it belongs to the one saving or to the folder's
// owner.
bool mayFollow(const std::string &link, const struct stat &linkStatus)
{
    struct stat folder {};
    if (::stat(folderOf(link).c_str(), &folder) != 0)
        return false;
    const bool sharedFolder = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !sharedFolder || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

// Turns path into the name a save onto it replaces, so that a link survives
// the rename: the end of its chain of links, which is the file it points to
// or, where nothing is there yet, the name the last link gives, where the
// new file is made, as editors do. A link's target is read from the link's
// own folder. The errno of a chain that comes back on itself or goes on too
// long (ELOOP), or of a link that may not be followed.
int followLinks(std::string &path)
{
    for (int followed = 0;; ++followed) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return 0;
        if (followed == LinksFollowedAtMost)
            return ELOOP;
        if (!mayFollow(path, status))
            return EACCES;
        char linked[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), linked, sizeof linked);
        if (length <= 0)
            return length < 0 ? errno : ENOENT;
        if (std::size_t(length) == sizeof linked)
            return ENAMETOOLONG;
        const std::string_view next(linked, std::size_t(length));
        path = next.front() == '/' ? std::string(next) : inFolder(folderOf(path), next);
    }
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

// The process namespace the saving process runs in, as the number of its
// entry under /proc: containers on one machine may share a host name and a
// folder while each numbers its processes anew. Read once; none where /proc
// does not show it, and then no leftover is taken for a gone process's.
std::optional<unsigned long long> ownPidNamespace()
{
    static const std::optional<unsigned long long> id = []() -> std::optional<unsigned long long> {
        struct stat status {};
        if (::stat("/proc/self/ns/pid", &status) != 0 || status.st_ino == 0)
            return std::nullopt;
        return static_cast<unsigned long long>(status.st_ino);
    }();
    return id;
}

// The digits of text as a number, if it is nothing else.
template <typename Number> std::optional<Number> numberIn(std::string_view text, int base)
{
    Number number{};
    const char *end = text.data() + text.size();
    if (text.empty() || text.front() == '-')
        return std::nullopt;
    const auto [stop, error] = std::from_chars(text.data(), end, number, base);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

std::vector<std::string_view> fieldsOf(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (std::size_t dash; (dash = text.find('-')) != std::string_view::npos; text.remove_prefix(dash + 1))
        fields.push_back(text.substr(0, dash));
    fields.push_back(text);
    return fields;
}

// A name no other save, of this or another program, is using at the moment;
// hidden, so that the file lists do not show it while it is written. Without
// a process namespace it reads as a name of the time before namespaces were
// told apart, which no other save removes.
std::string temporaryName(const std::string &folder)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    char pidNamespace[24] = {};
    if (const auto id = ownPidNamespace())
        std::snprintf(pidNamespace, sizeof pidNamespace, "-%llx", *id);
    char name[128];
    std::snprintf(name, sizeof name, "%s%ld-%u-%llx-%s%s%s", NewFilePrefix.data(), long(::getpid()), counter++,
                  static_cast<unsigned long long>(ticks), hostTag().c_str(), pidNamespace, NewFileSuffix.data());
    return inFolder(folder, name);
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

// Only a writer of this machine and this process namespace can be known to
// be gone: a process number means nothing in another namespace, and a name
// that carries none may be another namespace's.
bool writerIsGone(const NewFileWriter &writer)
{
    const auto here = ownPidNamespace();
    return here && writer.pidNamespace == here && writer.pid != long(::getpid()) && processIsGone(writer.pid);
}

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
        if (!writer || !writerIsGone(*writer))
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
        if (calls_.rename(temporary_.c_str(), target_.c_str()) != 0) {
            const int error = errno;
            struct stat status {};
            newFileRemoved_ = error == ENOENT && ::lstat(temporary_.c_str(), &status) != 0 && errno == ENOENT
                              && ::stat(folderOf(target_).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
            return noteError(error);
        }
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
        FileReplacement result = failure(error_, step_);
        result.newFileRemoved = newFileRemoved_;
        return result;
    }

    const FileSystemCalls &calls_;
    const std::string target_;
    std::string temporary_;
    int fd_ = -1;
    int error_ = 0;
    ReplacementStep step_ = ReplacementStep::CheckTarget;
    bool newFileRemoved_ = false;
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

std::optional<NewFileWriter> writerOfNewFileName(std::string_view name)
{
    if (name.size() <= NewFilePrefix.size() + NewFileSuffix.size()
        || name.substr(0, NewFilePrefix.size()) != NewFilePrefix
        || name.substr(name.size() - NewFileSuffix.size()) != NewFileSuffix)
        return std::nullopt;
    // The process number, the save's count, its clock, the machine and the
    // process namespace: "1234-0-1a2b-89abcdef-effffffc". Only this
    // machine's are known; older names end at the machine.
    const auto fields = fieldsOf(
        name.substr(NewFilePrefix.size(), name.size() - NewFilePrefix.size() - NewFileSuffix.size()));
    if (fields.size() < 4 || fields.size() > 5)
        return std::nullopt;
    const auto pid = numberIn<long>(fields[0], 10);
    if (!pid || *pid <= 0 || *pid >= 1'000'000'000 || !numberIn<unsigned long>(fields[1], 10)
        || !numberIn<unsigned long long>(fields[2], 16) || fields[3] != hostTag())
        return std::nullopt;
    NewFileWriter writer{*pid, std::nullopt};
    if (fields.size() == 5 && !(writer.pidNamespace = numberIn<unsigned long long>(fields[4], 16)))
        return std::nullopt;
    return writer;
}

FileReplacement replaceFileContents(const std::string &path, std::string_view bytes, const FileSystemCalls &calls)
{
    if (path.empty())
        return failure(ENOENT);
    std::string target = path;
    if (const int error = followLinks(target))
        return failure(error);
    // Also a link that names a folder not there yet.
    if (target.back() == '/')
        return failure(EISDIR);
    return Replacement(calls, std::move(target)).run(bytes);
}

}   // namespace rotavex
