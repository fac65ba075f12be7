// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The menu painter's measures, in pixels, and the main window's selection colours: the one
// place the painter and its tests read them from.

#include "document/FontSettings.h"

namespace MenuMetrics {
constexpr int ImageSize = 24;             // the icons of the drop-down menus
constexpr int IconColumn = ImageSize + 2; // the column the icons stand in
constexpr int RowHeight = ImageSize + 3;  // an item of a menu with icons
constexpr int SeparatorHeight = 8;        // the separator line runs through its middle
constexpr int ItemExtraWidth = 46;        // an item's width beyond its caption and shortcut
constexpr int ShortcutGap = 24;           // at the least between a caption and its shortcut
constexpr int CaptionGap = 4;             // from the icon column to the caption
constexpr int TextMargin = 12;            // texts from the far edge (the shortcut), and
                                          // from the near edge where there is no icon column
constexpr int BarCaptionIndent = 6;       // a menu bar item's caption from its leading edge
constexpr int BarItemExtraWidth = 12;     // a menu bar item's width beyond its caption
constexpr int TextRowExtraHeight = 6;     // a row without icons, beyond its font's height

// The main window's selection: light blue with a blue outline (RGB C6D3EF and 3169C6).
constexpr ColorValue SelectedBackColor = 0x00EFD3C6;
constexpr ColorValue SelectedBorderColor = 0x00C66931;
} // namespace MenuMetrics
