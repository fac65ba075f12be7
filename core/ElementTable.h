// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"

#include <string>
#include <string_view>
#include <vector>

// The fixed table of 103 elements: symbols and atomic weights as text, two parallel lists
// in their stored order (alphabetical by English name, with the old symbols Lw and Mv).
const std::vector<std::string>& MetsLst();
const std::vector<std::string>& AWList();

// Row of symbol ignoring letter case, or -1.
int FindElement(std::string_view symbol);

// Molar mass of one formula as text with "." for the decimal point ("18.01" for H2O, and
// "18.015" with the precise weights). Throws InvalidReactionError for a symbol the table
// lacks and the parser's errors for a formula it cannot read.
std::string MolarMass(std::string_view formula, AtomicWeights weights = AtomicWeights::Table);
