// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the user's own files are, by the XDG base directory rules, and the settings file
// read with the same care as a document: the program never trusts its own files more than
// the user's. A variable that is unset, empty or not an absolute path is ignored, as the
// rules say; without HOME the home folder is the one the system's user database names,
// and without that there is no user folder at all (never "/" or the current folder).

#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

// $XDG_DATA_HOME, or ~/.local/share; empty when there is no home folder.
QString UserDataHome();
// $XDG_DATA_DIRS, or /usr/local/share and /usr/share.
QStringList SystemDataFolders();
// $XDG_CONFIG_HOME, or ~/.config; empty when there is no home folder.
QString UserConfigHome();

// The settings file: Velk/ST1.conf in the user's configuration folder, as earlier versions
// named it.
QString UserSettingsPath();

// The largest settings file that is read: the program's own settings take a few hundred bytes.
constexpr long long MaxSettingsBytes = 64 * 1024;

// The user's settings. A settings file that is not a regular file (a FIFO would block the
// start, a link to /dev/zero fill the memory) or is larger than MaxSettingsBytes is neither
// read nor written: the settings start from their defaults and live in memory only.
std::unique_ptr<QSettings> OpenUserSettings();

// The main window's values in the settings, in the order they are written: each counts as
// soon as it is read, and the first missing or malformed one ends the reading, the rest
// keeping their defaults (all of them on a first run). The values are whatever the file
// holds, a hand-edited one included: the size is kept between a usable least and the
// largest screen's working area, and the position near the screens.
struct StoredWindow
{
    QRect Bounds{10, 9, 780, 551}; // the frame's, as designed
    int State = 0;                 // 1 minimised, 2 maximised, anything else normal
    std::optional<bool> Farsi;     // the language, once one was stored
};
StoredWindow ReadStoredWindow(const QSettings& settings, QSize largestScreen);
