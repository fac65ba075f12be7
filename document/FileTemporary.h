// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The new contents of a file being replaced, written beside it before they take its name.
// Nobody but the owner can read them on the way (the temporary file is created for the
// owner alone), they take over the old file's owner, group, permissions with their access
// control list and extended attributes, and no signal leaves them behind: where the file
// system allows, the temporary file has no name at all until it replaces the old one, so
// even SIGKILL leaves nothing; otherwise SIGTERM, SIGHUP and SIGINT remove it before the
// program ends, and a later save of the same file removes what a crash left.

#include <string>
#include <string_view>

#include <sys/stat.h>

class ReplacementFile
{
  public:
    // A temporary file in target's folder; throws FileError (named after path) when it
    // cannot be made.
    ReplacementFile(const std::string& path, const std::string& target);
    ~ReplacementFile(); // removes the temporary file unless it replaced the target
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Each returns the error number of its failure, or 0.
    int Write(std::string_view bytes);
    // The owner, group, permissions, access control list and extended attributes of old,
    // the file at target (open as oldFd, or -1 when it cannot be read); without old, the
    // permissions a new file gets (0666 less the umask).
    int TakeOver(const struct stat* old, int oldFd);
    // Flushed to the disk, then given the target's name in one step.
    int Commit();

  private:
    void Discard();

    int Fd = -1;
    std::string Target;
    std::string Name;     // the temporary's name while it has one
    bool Unnamed = false; // made with O_TMPFILE: named only just before the rename
    bool Committed = false;
};

// The folder part of a path: "." for a bare name, "/" for a file in the root.
std::string FolderOf(const std::string& path);

// Removes temporary files that earlier saves of target left behind (a crash, SIGKILL, a
// power cut): those of this user that no running save holds.
void RemoveStaleTemporaries(const std::string& target);
