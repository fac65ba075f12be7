// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exported bitmap of a document: the whole reaction as the line draws it, over the grid
// drawn as a table of bordered cells. It needs no window, so the command line exports the
// same picture as the File menu.

#include "document/FontSettings.h"
#include "grid/GridCells.h"
#include "texts/Language.h"

#include <QImage>
#include <QPalette>

#include <string>
#include <vector>

class Document;
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
// first), or as high as a new grid shows them.
BitmapSource BitmapSourceOf(const Document& document, const ExportView& view);

// The picture: the unscrolled reaction at (10, 10) and the grid under it; in the Farsi
// interface the columns run from right to left and the cell texts are right-aligned. The
// fonts' system colours are the desktop's as they read on the picture's white.
QImage RenderBitmap(const BitmapSource& source, const QPalette& desktop = QPalette());

// Writes the picture as a 24-bit Windows bitmap. An existing file is replaced only once
// the new one is completely written and flushed. Throws FileError.
void WriteBitmapFile(const QImage& picture, const std::string& path);

// Writes the bitmap of the document export listed in document/Exports, for the File menu and
// the command line: drawn with the desktop's colours, and with an offscreen GUI application
// for its fonts where none runs (the command line's).
void RegisterBitmapExport();
