// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drawing a reaction text as the reaction line shows it, on any painter: the line itself,
// the exported bitmap, any later picture. Coefficients are drawn in NumbersFont, counts and
// their minus signs as subscripts in SubscriptsFont, charges (Fe^3+) raised in SubscriptsFont
// without their "^", the arrow as an arrow glyph, the rest in ReactionFont, each character on
// an opaque white cell (or a cell of another colour, or none on a transparent picture).

#include "document/FontSettings.h"

#include <QColor>
#include <QPalette>

#include <string>
#include <vector>

class QPainter;

// The height of the reaction line: the text height of ReactionFont plus 3 pixels.
int ReactionLineHeight(const FontSettings& fonts);

// Where a charge is drawn: the top of its cell in the line, and its height (SubscriptsFont's).
int SuperscriptTop();
int SuperscriptHeight(const FontSettings& fonts);

// Paints text as one line whose top is at y = 0 of the painter and whose first character
// starts at x (negative when the line is scrolled), each character on a cell of ground (none
// when ground is transparent). Returns the drawn width of every character; measuring and
// painting use the same metrics, so the widths match the ink.
std::vector<int> DrawReaction(QPainter& painter, const std::string& text, const FontSettings& fonts,
                              long long x, int lineHeight, const QPalette& palette,
                              const QColor& ground = Qt::white);

// The drawn widths of a reaction's characters, without painting.
std::vector<int> MeasureReaction(const std::string& text, const FontSettings& fonts);
