// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lines of the HTML page that "Export as HTML file" writes: the reaction drawn
// with its fonts (coefficients in the numbers font, counts in the subscripts font,
// the arrow as a Wingdings glyph) above the grid as a bordered table. The widget
// layer encodes the lines to Windows-1256 and ends each with CR LF.

#include "document/FontSettings.h"
#include "document/ShownCells.h"
#include "grid/GridCells.h"
#include "texts/Language.h"

#include <string>
#include <vector>

// The HTML font size (1 to 7) for a size in points.
int HtmlFontSize(int points);

// title is the window caption. Texts from the document (title, reaction, cells, face
// names) are escaped for "&", "<", ">" and '"', so a shared document cannot put its
// own markup into the page. The page names its code page, Windows-1256, so that a browser
// need not guess it; a Farsi page reads right to left, its reaction left to right as in
// the window.
std::vector<std::string> BuildHtmlPage(const std::string& title, const std::string& reactionText,
                                       const FontSettings& fonts, const GridCells& cells,
                                       Language lang = Language::English);

// The same page with the cells as the window shows them (document/ShownCells): numbers
// right-aligned and to the sheet's figures, a given amount's note beside it, formulas with
// their counts lowered and charges raised.
std::vector<std::string> BuildShownHtmlPage(const std::string& title, const std::string& reactionText,
                                            const FontSettings& fonts, const ShownGrid& cells, Language lang);
