// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exported picture of a document: the whole reaction as the line draws it, over the grid
// drawn as a table of bordered cells. It needs no window, so the command line exports the
// same picture as the File menu; the handouts draw their tables the same way.

#include "document/FontSettings.h"
#include "grid/GridCells.h"
#include "texts/Language.h"

#include <QImage>
#include <QPalette>

#include <string>
#include <vector>

class Document;
class QPainter;
struct ExportView;

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

// What a document's picture shows, its rows as high as the view has them (the header row
// first), or as high as a new grid shows them; for the students' sheet without the cells
// Calculate Grid filled.
BitmapSource BitmapSourceOf(const Document& document, const ExportView& view);

// The picture: the unscrolled reaction at (10, 10) and the grid under it; in the Farsi
// interface the columns run from right to left and the cell texts are right-aligned. The
// fonts' system colours are the desktop's as they read on the picture's white.
QImage RenderBitmap(const BitmapSource& source, const QPalette& desktop = QPalette());

// One row of the grid as a table row on the painter, whose font is the grid font: every cell
// a rectangle with a black one-pixel border sharing its border lines with its neighbours,
// and its text, from left on; cells at or beyond right are left out. In the Farsi interface
// the columns run from right to left and the texts are right-aligned.
void PaintGridRow(QPainter& painter, const BitmapSource& source, size_t row, int left, int top, int right,
                  const QColor& textColor);
// The width of the table, its shared borders counted twice.
long long GridWidth(const BitmapSource& source);

// Writes the picture as PNG when the name ends in ".png", otherwise as a 24-bit Windows
// bitmap. An existing file is replaced only once the new one is completely written and
// flushed. Throws FileError.
void WriteBitmapFile(const QImage& picture, const std::string& path);
