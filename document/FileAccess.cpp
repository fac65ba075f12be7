// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileAccess.h"

#include "document/FileTemporary.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::string& path, int error)
{
    throw FileError(path, std::strerror(error));
}

// Refuses anything but a regular file, in the same words for reading and writing.
void RequireRegularFile(const std::string& path, const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        Fail(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        throw FileError(path, "not a regular file");
}

std::string SizeText(std::size_t bytes)
{
    constexpr std::size_t MiB = 1024 * 1024;
    return bytes % MiB == 0 ? std::to_string(bytes / MiB) + " MiB" : std::to_string(bytes) + " bytes";
}

// Closes the descriptor on every way out.
class Descriptor
{
  public:
    explicit Descriptor(int fd) : Fd(fd) {}
    ~Descriptor()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return Fd; }

  private:
    int Fd;
};

// The file a save of path writes: path itself or, through symbolic links, the file they
// lead to, which is created where the last link leads nowhere yet. The link stays a link.
std::string ResolveLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info;
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return current;
            Fail(path, errno);
        }
        if (!S_ISLNK(info.st_mode))
            return current;
        std::string link(PATH_MAX + 1, '\0');
        const ssize_t size = ::readlink(current.c_str(), link.data(), link.size());
        if (size < 0)
            Fail(path, errno);
        link.resize(static_cast<std::size_t>(size));
        current = link.empty() || link[0] == '/' ? link : FolderOf(current) + "/" + link;
    }
    Fail(path, ELOOP);
}

} // namespace

FileError::FileError(const std::string& path, const std::string& cause)
    : std::runtime_error(path + ": " + cause)
{
}

std::string ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    // Checked before opening: opening a FIFO waits for a writer, and opening some devices
    // acts on them.
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        Fail(path, errno);
    RequireRegularFile(path, info);

    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        Fail(path, errno);
    Descriptor file(fd);
    // The path may have been replaced since; what counts is what was opened.
    if (::fstat(fd, &info) != 0)
        Fail(path, errno);
    RequireRegularFile(path, info);
    const std::string tooLarge = "file is larger than " + SizeText(maxBytes);
    if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        throw FileError(path, tooLarge);

    // The size is only a hint: the file may grow while it is read.
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxBytes)
                throw FileError(path, tooLarge);
            bytes.resize(std::min(bytes.size() * 2 + 4096, maxBytes + 1));
        }
        const ssize_t got = ::read(fd, &bytes[done], bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(path, errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    if (done > maxBytes)
        throw FileError(path, tooLarge);
    bytes.resize(done);
    return bytes;
}

void ReplaceFile(const std::string& path, std::string_view bytes)
{
    const std::string target = ResolveLinks(path);
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        Fail(path, errno);
    int oldFd = -1;
    if (exists) {
        RequireRegularFile(path, old);
        // The rename needs only the folder's permission; the file's own decides, as it does
        // for any program that writes into it.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            Fail(path, errno);
        // A replaced file would become the saving user's.
        if (old.st_uid != ::geteuid() && ::geteuid() != 0)
            throw FileError(path, "the file belongs to another user");
        // Its permissions and attributes are read from it; a file the user may write but not
        // read keeps only its mode.
        oldFd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    }
    const Descriptor oldFile(oldFd);
    RemoveStaleTemporaries(target);
    ReplacementFile replacement(path, target);
    int error = replacement.Write(bytes);
    if (error == 0)
        error = replacement.TakeOver(exists ? &old : nullptr, oldFile.Get());
    if (error == 0)
        error = replacement.Commit();
    if (error != 0)
        Fail(path, error);
    // The rename itself reaches the disk with the folder; the file is already replaced,
    // so a failure here is not reported.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}
