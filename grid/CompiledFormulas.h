// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calculate Grid with the formulas read once: every formula becomes literal text and
// references to cells, and for each row only the lines that can still write are tried, and
// only with the rows whose cells fill their references to the other substance. The cells
// it fills are exactly those of the substitution as text, as long as the grid's texts
// cannot change what a formula refers to.

#include "grid/GridCalculation.h"
#include "grid/GridCells.h"

#include <optional>
#include <string>
#include <vector>

// Nothing (and no cell changed) when the grid's item names or referenced cells could change
// what a formula refers to once substituted; otherwise whether the sweep ended within the
// work limit.
std::optional<bool> CalculateCompiled(GridCells& cells, const std::vector<std::string>& formulas,
                                      CalculationBudget& budget);
