// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the defaults files for new documents (New.KVX for English, NewF.KVX for Farsi) are
// found, and where the options dialog's Default writes them. An installed program ships
// them in <prefix>/share/stoikon and never writes there: Default keeps the user's own copy
// in the user's data folder (~/.local/share/stoikon, $XDG_DATA_HOME/stoikon), which New
// then reads first. A program started from its CMake build tree reads and writes the copies
// beside itself, so working on Stoikon does not touch the user's own defaults. Paths are
// the system's bytes.

#include "document/Paths.h"

#include <string>
#include <vector>

// True when the program folder is a CMake build tree (it holds CMakeCache.txt).
bool RunsFromBuildTree(const std::string& programFolder = ProgramFolder());

// The folders New looks in, in order, each once: where Default writes, the user's data
// folder (and ~/.local/share/Stoikon, where earlier versions wrote), the system data folders
// ($XDG_DATA_DIRS), the data folder of the installation the program belongs to
// (<prefix>/share/stoikon for <prefix>/bin/stoikon, wherever the prefix is), the program's
// own folder.
std::vector<std::string> DefaultsSearchFolders(const std::string& programFolder = ProgramFolder());

// The first of the search folders that holds the file; empty when none does.
std::string FindDefaultsFile(const std::string& name, const std::string& programFolder = ProgramFolder());

// Where Default writes: beside the program in a build tree, otherwise the user's data folder
// (empty when the user has none).
std::string DefaultsWriteFolder(const std::string& programFolder = ProgramFolder());
