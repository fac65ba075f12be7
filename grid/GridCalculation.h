// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calculate Grid: fills empty cells of the substance rows from the user's formulas.
// Every substance row in turn is the current substance "a" and every other row is
// "b"; for each such pair the formula lines are instantiated with the two rows' cell
// texts and evaluated, and each result goes into row a.

#include "grid/GridCells.h"

#include <string>
#include <vector>

// One sweep over all ordered pairs of substance rows (rows 1 and below), in row
// order. Only cells that were empty when their pair began are written, so a value the
// user typed is never replaced. Nothing happens with fewer than two substance rows.
// Failures are silent and local to one formula line of one pair. Help mode and the
// document's modified flag are the caller's.
void CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas);
