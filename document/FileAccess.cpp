// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

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

// Closes the descriptor on every way out; Close reports the result of closing, since a
// file system may report a failed write only then.
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
    bool Close()
    {
        const int fd = Fd;
        Fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int Fd;
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new, hidden file beside target, named after it so that one left behind by a crash
// shows what it belonged to. Created with the usual permissions (0666 less the umask).
int CreateTemporary(const std::string& target, std::string& temporary)
{
    static std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
    const std::size_t slash = target.find_last_of('/');
    const std::string name = target.substr(slash == std::string::npos ? 0 : slash + 1);
    // The suffix must not push a long name beyond what the folder allows.
    const std::string stem = FolderOf(target) + "/." + name.substr(0, 200) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + std::to_string(random() % 1000000000u);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes every byte and flushes the file to the disk; the error number of the first
// failure, or 0. Data still in the system's buffers may yet fail to reach the disk (a full
// disk, a network file system), so only a flushed and closed file may replace the old one.
int WriteFlushed(Descriptor& file, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file.Get(), bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        done += static_cast<std::size_t>(written);
    }
    if (::fsync(file.Get()) != 0 || !file.Close())
        return errno;
    return 0;
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
    std::string target = path;
    struct stat old;
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        Fail(path, errno);
    if (exists) {
        RequireRegularFile(path, old);
        // Through a link, the file it leads to is replaced and the link stays.
        char* real = ::realpath(path.c_str(), nullptr);
        if (!real)
            Fail(path, errno);
        target = real;
        std::free(real);
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        Fail(path, errno);
    Descriptor file(fd);
    if (exists) {
        // Best effort: only root may give a file to another user, and some file systems
        // have neither owners nor modes.
        const bool ownerKept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
        const bool modeKept = ::fchmod(fd, old.st_mode & 07777) == 0;
        static_cast<void>(ownerKept && modeKept);
    }
    int error = WriteFlushed(file, bytes);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        Fail(path, error);
    }
    // The rename itself reaches the disk with the folder; the file is already replaced,
    // so a failure here is not reported.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}
