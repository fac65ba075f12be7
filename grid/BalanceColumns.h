// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What Balance writes into the grid: rows 1 to N get the substances' formulas, their
// coefficients and their molar masses, in the columns whose type asks for them.

#include "core/PreciseWeights.h"
#include "grid/GridCells.h"

#include <string>
#include <vector>

// Three sweeps over all columns, in this order: Substance Formula columns, Substance Number
// columns, Atomic Weight columns. The cells must already have N + 1 rows. A formula whose
// molar mass cannot be computed (a symbol the element table lacks) gets an empty Atomic
// Weight cell, so no value from an earlier reaction is left beside it; other columns are
// not touched. The molar masses are summed from the chosen atomic weights.
void FillBalanceColumns(GridCells& cells, const std::vector<std::string>& typesList,
                        const std::vector<std::string>& formulas,
                        const std::vector<std::string>& coefficients,
                        AtomicWeights weights = AtomicWeights::Table);

// The Atomic Weight columns summed again from the chosen weights, for every row whose
// first Substance Formula column holds a formula. True when a cell changed.
bool RefillMolarMasses(GridCells& cells, const std::vector<std::string>& typesList, AtomicWeights weights);
