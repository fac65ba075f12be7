// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"

#include <string>
#include <string_view>
#include <vector>

// The fixed table of elements: symbols and atomic weights as text, two parallel lists. The
// first 103 rows are the stored table, alphabetical by English name with the old symbols Lw
// and Mv; the elements 104 to 118 and deuterium (D) and tritium (T) follow.
const std::vector<std::string>& MetsLst();
const std::vector<std::string>& AWList();

// Row of symbol ignoring letter case, or -1. Lr and Md, today's symbols of lawrencium and
// mendelevium, find the rows of Lw and Mv, so documents that use either open alike.
int FindElement(std::string_view symbol);

// The automatic letter case of typing: true when letter, typed after capital, stays lower
// case because the two make a symbol (Co, Cl). Of the symbols added to the stored table,
// only those whose letters are not also two symbols count, so NH, CN and HS are typed as
// before while Og and Lr are no longer split.
bool KeepsLowerCase(char capital, char letter);

// Molar mass of one formula as text with "." for the decimal point ("18.01" for H2O, and
// "18.015" with the precise weights). Throws InvalidReactionError for a symbol the table
// lacks and the parser's errors for a formula it cannot read.
std::string MolarMass(std::string_view formula, AtomicWeights weights = AtomicWeights::Table);
