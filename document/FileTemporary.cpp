// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileTemporary.h"

#include "document/FileAccess.h"

#include <acl/libacl.h>
#include <attr/libattr.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporary files are hidden and named after the file they replace, so that one left
// behind shows what it belonged to and the next save of that file finds it: ".NAME."
// and a number. The name is cut so that the number still fits what the folder allows.
std::string TemporaryStem(const std::string& target)
{
    return "." + BaseName(target).substr(0, 200) + ".";
}

std::string TemporaryName(const std::string& target)
{
    static std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
    return FolderOf(target) + "/" + TemporaryStem(target) + std::to_string(random() % 1000000000u);
}

// The signals that end a program by default and that a user or a session sends on
// purpose: each removes the named temporary file, then takes its course as before.
constexpr int CleanedSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int CleanedCount = sizeof CleanedSignals / sizeof CleanedSignals[0];
char PendingName[PATH_MAX + 1];
volatile sig_atomic_t PendingSet = 0;
struct sigaction PreviousActions[CleanedCount];
bool Installed[CleanedCount];

extern "C" void RemovePendingTemporary(int signal)
{
    if (PendingSet)
        ::unlink(PendingName);
    for (int k = 0; k < CleanedCount; ++k)
        if (CleanedSignals[k] == signal)
            ::sigaction(signal, &PreviousActions[k], nullptr);
    // Delivered once the handler returns, to what the program had before.
    ::raise(signal);
}

// While a temporary file has a name, the signals remove it. A signal the program ignores
// (SIGHUP under nohup) stays ignored.
void WatchSignals(const std::string& name)
{
    if (name.size() > PATH_MAX)
        return;
    std::memcpy(PendingName, name.c_str(), name.size() + 1);
    PendingSet = 1;
    struct sigaction action = {};
    action.sa_handler = RemovePendingTemporary;
    sigemptyset(&action.sa_mask);
    for (int k = 0; k < CleanedCount; ++k) {
        Installed[k] = ::sigaction(CleanedSignals[k], nullptr, &PreviousActions[k]) == 0 &&
                       PreviousActions[k].sa_handler != SIG_IGN &&
                       ::sigaction(CleanedSignals[k], &action, nullptr) == 0;
    }
}

void StopWatchingSignals()
{
    for (int k = 0; k < CleanedCount; ++k)
        if (Installed[k])
            ::sigaction(CleanedSignals[k], &PreviousActions[k], nullptr);
    PendingSet = 0;
}

// A file opened with O_TMPFILE is given a name through /proc, which needs no privilege.
bool CanNameUnnamedFiles()
{
    static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
    return proc;
}

int ErrorOf(int result)
{
    return result < 0 ? errno : 0;
}

} // namespace

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

ReplacementFile::ReplacementFile(const std::string& path, const std::string& target) : Target(target)
{
    if (CanNameUnnamedFiles()) {
        Fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (Fd >= 0) {
            Unnamed = true;
            // Held until the rename, so that no other save takes it for a leftover.
            ::flock(Fd, LOCK_EX);
            return;
        }
        // Only a file system without unnamed files goes on to a named one.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            throw FileError(path, std::strerror(errno));
    }
    for (int attempt = 0; attempt < 100 && Fd < 0; ++attempt) {
        Name = TemporaryName(target);
        // Without any permission until it is locked: another save that looks for leftovers
        // can neither open it nor mistake it for one.
        Fd = ::open(Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0);
        if (Fd < 0 && errno != EEXIST)
            break;
    }
    if (Fd < 0) {
        const int error = errno;
        Name.clear();
        throw FileError(path, std::strerror(error));
    }
    WatchSignals(Name);
    ::flock(Fd, LOCK_EX);
    if (::fchmod(Fd, 0600) != 0) {
        const int error = errno;
        Discard();
        throw FileError(path, std::strerror(error));
    }
}

ReplacementFile::~ReplacementFile()
{
    Discard();
}

void ReplacementFile::Discard()
{
    if (Fd >= 0)
        ::close(Fd);
    Fd = -1;
    if (!Committed && !Name.empty())
        ::unlink(Name.c_str());
    Name.clear();
    StopWatchingSignals();
}

int ReplacementFile::Write(std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(Fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

int ReplacementFile::TakeOver(const struct stat* old, int oldFd)
{
    if (!old) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(Fd, 0666 & ~mask) == 0 ? 0 : errno;
    }
    // Only root may give a file to another user, and a user may give it only to a group of
    // their own; the owner is the saving user's anyway unless root saves. Where the group
    // cannot be kept, the file has the user's own.
    if (::fchown(Fd, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        return errno;
    if (oldFd < 0)
        return ::fchmod(Fd, old->st_mode & 07777) == 0 ? 0 : errno;
    // The permissions with their access control list, whose mask the group bits of the
    // mode only show: a lost entry would take someone's access away, so it fails the save.
    if (::perm_copy_fd(Target.c_str(), oldFd, Target.c_str(), Fd, nullptr) != 0)
        return errno != 0 ? errno : EPERM;
    // The extended attributes are the file's notes (a desktop's tags, a download's origin);
    // one the user may not set (some security labels) is left out.
    static_cast<void>(::attr_copy_fd(Target.c_str(), oldFd, Target.c_str(), Fd, nullptr, nullptr));
    return 0;
}

int ReplacementFile::Commit()
{
    // Data still in the system's buffers may yet fail to reach the disk (a full disk, a
    // network file system), so only a flushed file may replace the old one.
    if (::fsync(Fd) != 0)
        return errno;
    if (Unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(Fd);
        int error = EEXIST;
        for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
            Name = TemporaryName(Target);
            error = ErrorOf(::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, Name.c_str(), AT_SYMLINK_FOLLOW));
        }
        if (error != 0) {
            Name.clear();
            return error;
        }
        WatchSignals(Name);
    }
    // A file system may report a failed write only when the file is closed. The lock stays
    // with a second descriptor until the rename.
    const int lock = ::dup(Fd);
    const int fd = Fd;
    Fd = -1;
    int error = ::close(fd) == 0 ? 0 : errno;
    if (error == 0 && ::rename(Name.c_str(), Target.c_str()) != 0)
        error = errno;
    Committed = error == 0;
    if (lock >= 0)
        ::close(lock);
    return error;
}

void RemoveStaleTemporaries(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::string stem = TemporaryStem(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= stem.size() || name.size() > stem.size() + 9 ||
            name.compare(0, stem.size(), stem) != 0 ||
            name.find_first_not_of("0123456789", stem.size()) != std::string::npos)
            continue;
        const int fd =
            ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A save that still runs holds its lock; one still being created has no permissions.
        struct stat info;
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            (info.st_mode & 07777) != 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, name.c_str(), 0);
        ::close(fd);
    }
    ::closedir(dir);
}
