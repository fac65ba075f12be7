// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the grid's cells are shown, alike on screen, in the bitmap and in the web page: a
// worked-out number to the sheet's significant figures (the document keeps its full value),
// numbers right-aligned, a substance's formula with its counts lowered and its charge raised,
// and a given amount followed by what the sheet says of it (left over, yield).

#include "document/DocumentState.h"

#include <string>
#include <vector>

struct ShownCell
{
    std::string Text;     // a formula with Unicode subscripts and superscripts (MnO₄⁻)
    std::string Note;     // beside a given amount, in the document's language
    bool Number = false;  // drawn right-aligned
    bool Formula = false; // a Substance Formula cell: Source holds its text as typed
    std::string Source;
};
using ShownGrid = std::vector<std::vector<ShownCell>>;

// The significant figures of a number as typed: its digits from the first that is not zero,
// trailing zeros of a whole number not counted (20 has one, 20.0 three).
int SignificantFiguresOf(const std::string& number);

// The figures worked-out numbers are shown to: the document's setting, or by default as many
// as the least precise given number has, at least 3.
int ShownSignificantFigures(const DocumentState& document);

ShownCell ShowCell(const DocumentState& document, int column, int row, int figures);
// Every cell, the header row as it is.
ShownGrid ShowCells(const DocumentState& document);
