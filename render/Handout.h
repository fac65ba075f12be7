// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A document as a handout for a class: the reaction and the grid laid out on A4 or Letter
// pages, printed or written as a PDF. The reaction stands at the top of the first page, the
// table under it, its header row again at the top of every page it continues on; content
// wider than the page is scaled down to its width. A Farsi document's page runs from the
// right. The fonts are the document's; the students' sheet leaves the worked-out cells
// empty (render/BitmapExport's BitmapSourceOf).

#include "render/BitmapExport.h"

#include <QPalette>

#include <string>

class QPagedPaintDevice;

enum class Paper
{
    A4,
    Letter
};

// Letter where the locale measures in US units, A4 everywhere else.
Paper LocalePaper();

// The handout's page: the paper, upright, with margins of 15 mm. Handouts are laid out in
// the screen's units, 96 to the inch: a device must be set to that resolution.
constexpr int HandoutResolution = 96;
void SetHandoutPage(QPagedPaintDevice& device, Paper paper);

// Paints the handout on the device, a page after the other; the number of pages.
int PaintHandout(QPagedPaintDevice& device, const BitmapSource& source, const QPalette& palette);

// The handout as a PDF file on the locale's paper. Throws FileError.
void WriteHandoutPdf(const BitmapSource& source, const std::string& path, Paper paper = LocalePaper());
