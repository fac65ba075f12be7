// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Notations.h"

#include <string>

// One line of --balance: read (textbook notation or typed keys), balanced and written in the
// chosen notation (core/Notations).

struct BalancedLine
{
    std::string Output; // without the line feed
    bool Failed = false;
    // Why the reading failed, for standard error: "cannot read '@' (U+0040) at character 10";
    // empty when it did not.
    std::string Note;
};

// A blank line gives an empty output line, so that outputs stay in step with inputs. A
// character that no reading can use fails the line as an invalid reaction. A record's
// molar masses are summed from weights.
BalancedLine BalanceLine(const std::string& line, const ReactionNotation& notation, AtomicWeights weights);
