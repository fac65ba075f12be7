// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calculate Grid: fills empty cells of the substance rows from the user's formulas.
// Every substance row in turn is the current substance "a" and every other row is
// "b"; for each such pair the formula lines are instantiated with the two rows' cell
// texts and evaluated, and each result goes into row a.

#include "grid/GridCells.h"

#include <string>
#include <vector>

// The work one sweep may do, in steps of about a tenth of a microsecond: far more than any
// table of substances needs (a thousand rows of fifty columns take a few million), and
// about a second at most. Only a grid made to be slow, whose formulas are tried and fail
// for most of its pairs of rows, reaches it.
constexpr long long CalculationWorkLimit = 20'000'000;

// One sweep over all ordered pairs of substance rows (rows 1 and below), in row
// order. Only cells that were empty when their pair began are written, so a value the
// user typed is never replaced. Nothing happens with fewer than two substance rows.
// Failures are silent and local to one formula line of one pair. Help mode and the
// document's modified flag are the caller's. False when the sweep stopped at its work
// limit; the cells it wrote until then stay.
//
// Formulas are read once into text and references, and only the pairs of rows that can
// fill a cell are visited. A grid whose item names or referenced cells could change what
// a formula refers to once substituted (a "#" in a cell, a name holding "(a)") goes the
// way of the text itself: CalculateGridByText.
bool CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas,
                   long long workLimit = CalculationWorkLimit);

// The sweep as text: for every pair, every reference "#name(a)" and "#name(b)" replaced by
// the cell's text, column by column, and the lines read again. The definition the faster
// sweep gives the same cells as.
bool CalculateGridByText(GridCells& cells, const std::vector<std::string>& formulas,
                         long long workLimit = CalculationWorkLimit);
