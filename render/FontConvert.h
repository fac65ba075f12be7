// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Turns the stored font records into Qt fonts and colours for drawing.

#include "document/FontSettings.h"

#include <QColor>
#include <QFont>
#include <QPalette>

QFont ToQFont(const FontSpec& stored);

// An RGB value becomes its colour; a system colour (top byte set) is drawn with the
// palette role that matches its index, so it follows the desktop's colour scheme.
QColor ToQColor(ColorValue value, const QPalette& palette = QPalette());

// The palette role used for a system colour index (window text, button face, ...).
QPalette::ColorRole SystemColorRole(int index);

// The palette for system colours drawn on a ground of a fixed colour, such as the white of
// the reaction line, the exported picture and the menus' drop-downs: the desktop's, when its
// colour scheme is as light (or as dark) as the ground; otherwise a standard scheme that is.
// A dark desktop's window text is light and would vanish on white.
QPalette PaletteOnGround(const QColor& ground, const QPalette& desktop);
