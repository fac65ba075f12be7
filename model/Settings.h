// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user settings, kept between runs by QSettings in Velk/ST1.conf in the user's
// configuration folder, as earlier versions named it: every key is read and written here alone, by its name,
// in the order the program has always kept (the window's bounds and state, the language, the key sets), so
// that files written by earlier versions read as they did.
//   Settings settings = Settings::load();
//   settings.Keys.PlusKeys = "+=";
//   settings.save();

#include "core/ReactionText.h"
#include "texts/Language.h"

#include <QRect>

#include <optional>
#include <string>

struct Settings
{
    // The window's outer bounds, frame included, as designed or as at the last close, and
    // its state: 0 normal, 1 minimised, 2 maximised (Width, Height, Top, Left, WS).
    QRect Bounds{10, 9, 780, 551};
    int WindowState = 0;
    // The interface language at the last close (Lang); none until one was stored.
    std::optional<Language> Lang;
    KeyOptions Keys; // KP, KOP, KCP, ChB, KF
    // The Precise Atomic Weights item (PreciseWeights); none until it was chosen once.
    std::optional<bool> PreciseWeights;
    // The Leave Worked-Out Cells Empty item of the handouts (StudentsSheet), likewise.
    std::optional<bool> StudentsSheet;

    // The stored values; what is missing keeps its default. The window's values count as
    // they are read: the first missing or malformed one ends their reading.
    static Settings load();
    // Every value that has one.
    void save() const;
    // The choice of atomic weights alone, kept as soon as it is made.
    void savePreciseWeights() const;
    void saveStudentsSheet() const; // the students' sheet's likewise
};

// The settings file, by the XDG rules; empty without a home folder. The program's own file is
// read with the care a document is: what is not a regular file of at most 64 KiB is passed
// over, and the settings then start from their defaults and live in memory only.
std::string UserSettingsPath();

// The interface language of the user's locale, for a first run: Farsi when the locale reads
// messages in Farsi (LC_ALL, LC_MESSAGES, LANG and LANGUAGE, as the C library counts them).
Language LocaleLanguage();
