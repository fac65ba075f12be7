// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paths as the system's bytes, and the few things the program asks of folders.

#include <string>

// The path with "." and ".." resolved on its text, repeated and trailing "/" removed:
// "/usr/bin/../share/" is "/usr/share".
std::string CleanPath(const std::string& path);

// folder and name joined by one "/"; name alone when it is absolute or folder is empty.
std::string JoinPath(const std::string& folder, const std::string& name);

// The path made absolute from the working folder, "." and ".." resolved on its text.
std::string AbsolutePath(const std::string& path);

// The path with every link and "." or ".." resolved, for a path that exists; otherwise
// the path made absolute from the working folder and cleaned.
std::string CanonicalPath(const std::string& path);

// The folder of the stoikon command, which an installation's folders are found from: the
// running program's, or for the window program installed apart, the command's.
std::string ProgramFolder();

bool PathExists(const std::string& path);
// A regular file, or a link to one.
bool IsRegularFile(const std::string& path);

// Makes the folder and any missing folder above it; true when it exists afterwards.
bool MakeFolders(const std::string& folder);

// The value of an environment variable, empty when it is not set.
std::string Environment(const char* name);
