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
// the same folder, which is flushed to the disk and only then renamed over the old one;
// every write, the flush and the rename are checked, and on any failure the temporary
// file is removed and the old file stays as it was. A path that exists must be a regular
// file (a link to one replaces its target); a device, a FIFO or a directory is refused.
// The replacement keeps the old file's permissions and, where allowed, its owner.
// Throws FileError.
void ReplaceFile(const std::string& path, std::string_view bytes);
