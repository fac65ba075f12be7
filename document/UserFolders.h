// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the user's own files are, by the XDG base directory rules. A variable that is unset,
// empty or not an absolute path is ignored, as the rules say; without HOME the home folder is
// the one the system's user database names, and without that there is no user folder at all
// (never "/" or the current folder). Paths are the system's bytes.

#include <string>
#include <vector>

// $XDG_DATA_HOME, or ~/.local/share; empty when there is no home folder.
std::string UserDataHome();
// $XDG_DATA_DIRS, or /usr/local/share and /usr/share.
std::vector<std::string> SystemDataFolders();
// $XDG_CONFIG_HOME, or ~/.config; empty when there is no home folder.
std::string UserConfigHome();
