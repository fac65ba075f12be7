// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and replacing whole files, without any toolkit. Documents, defaults files and
// exports all go through here, so that no save reports success after a failed write, a
// failed save leaves the previous file as it was, and nothing but a regular file is read
// or replaced.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Why a file could not be read or written, as "PATH: cause", the cause in the system's
// words where the system gave one ("doc.KVX: No space left on device").
class FileError : public std::runtime_error
{
  public:
    FileError(const std::string& path, const std::string& cause);
};

// The largest file the program reads. A document of 1,000 rows by 50 columns with a
// 20-character number in every cell takes 1 MB, and the largest grid the reader accepts
// fits with cells of that length; 16 MiB leaves ample room above any real document while
// keeping a stray large file (a log, a disk image) from being read into memory.
constexpr std::size_t MaxReadBytes = 16 * 1024 * 1024;

// The bytes of a regular file of at most maxBytes. Anything else (a directory, a FIFO, a
// device such as /dev/zero) is refused without reading from it, so it can neither block
// nor fill the memory. Throws FileError.
std::string ReadRegularFile(const std::string& path, std::size_t maxBytes = MaxReadBytes);

// Replaces the file at path by bytes, or creates it. The bytes go to a temporary file in
// the same folder (see ReplacementFile), which is flushed to the disk and only then renamed
// over the old one; every write, the flush and the rename are checked, and on any failure
// the old file stays as it was and no temporary file is left. A path that exists must be a
// regular file the user could write in place, and the user's own unless the user is root
// (a rename would otherwise replace a write-protected file, or give someone's file to the
// saving user); a device, a FIFO or a directory is refused. A symbolic link stays and its
// target is replaced, or created when the link leads nowhere yet; a hard link is split, the
// other names keeping the old contents. The replacement keeps the old file's owner, group,
// permissions, access control list and extended attributes. Throws FileError.
void ReplaceFile(const std::string& path, std::string_view bytes);
