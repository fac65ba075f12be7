// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures of a document without a window: the reaction line as the editor draws it, and
// the exported bitmap (the whole reaction over the grid drawn as a table of bordered
// cells). The main window draws through these functions, and a command-line export can
// call them with a document read from a file.

#include "core/Language.h"
#include "document/FontSettings.h"
#include "grid/GridCells.h"

#include <QImage>
#include <QPalette>
#include <QString>

#include <string>
#include <vector>

class DocumentModel;
class QPainter;

// The height of the reaction line: the text height of ReactionFont plus 3 pixels.
int ReactionLineHeight(const FontSettings& fonts);

// Paints a reaction text as one line whose top is at y = 0 of the painter and whose first
// character starts at x (negative when the line is scrolled): coefficients in
// NumbersFont, counts and "-" as subscripts, the arrow as an arrow glyph, the rest in
// ReactionFont, each character on an opaque white cell. Returns the drawn width of every
// character; measuring and painting use the same metrics, so the widths match the ink.
std::vector<int> PaintReaction(QPainter& painter, const std::string& text, const FontSettings& fonts,
                               long long x, int lineHeight, const QPalette& palette);

// The drawn widths of a reaction's characters, without painting.
std::vector<int> MeasureReaction(const std::string& text, const FontSettings& fonts);

// Everything the exported picture shows.
struct BitmapSource
{
    std::string ReactionText;
    FontSettings Fonts;
    GridCells Cells;             // row 0 is the header row of item names
    std::vector<int> ColWidths;  // one per column, in pixels
    std::vector<int> RowHeights; // one per row of Cells, header included
    Language Lang = Language::English;
};

// What a document's picture shows, its rows as high as given (the header row first).
BitmapSource BitmapSourceOf(const DocumentModel& document, const std::vector<int>& rowHeights);

// The picture: the unscrolled reaction at (10, 10) and the grid under it; in the Farsi
// interface the columns run from right to left and the cell texts are right-aligned.
QImage RenderBitmap(const BitmapSource& source, const QPalette& palette = QPalette());

// Writes the picture as a 24-bit Windows bitmap. An existing file is replaced only once
// the new one is completely written and flushed. False when the file could not be
// written, with reason when given ("PATH: cause").
bool WriteBitmapFile(const QImage& picture, const QString& fileName, std::string* reason = nullptr);
