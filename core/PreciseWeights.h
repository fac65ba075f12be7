// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Which atomic weights molar masses are summed from: the program's own table, or the IUPAC
// standard atomic weights abridged to five significant figures (the "Precise Atomic
// Weights" setting and --precise).
enum class AtomicWeights
{
    Table,
    Precise
};

// The precise weights as text, parallel to MetsLst(): the same symbols in the same order,
// so a formula has a molar mass under both choices or under neither.
const std::vector<std::string>& PreciseAWList();
