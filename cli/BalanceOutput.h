// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Balance.h"
#include "core/Notations.h"
#include "core/PreciseWeights.h"

#include <string>

// One line of --balance or --check: read (textbook notation or typed keys), balanced or
// checked and written in the chosen notation (core/Notations); what the refusals and checks
// say is texts/Messages', which the window says too.

struct BalancedLine
{
    std::string Output; // without the line feed
    bool Failed = false;
    // What standard error says about the line: why the reading failed ("cannot read '@'
    // (U+0040) at character 10") or why the reaction has no answer; empty when it has one.
    std::string Note;
};

// A blank line gives an empty output line, so that outputs stay in step with inputs. A
// character that no reading can use fails the line as an invalid reaction. The coefficients
// the line gives choose among several balanced forms; a medium completes a reaction of ions
// that needs it. A record's molar masses are summed from weights.
BalancedLine BalanceLine(const std::string& line, const ReactionNotation& notation, AtomicWeights weights,
                         Medium medium = Medium::None);

// A line that is not read at all (too long to be): the notation's record of an invalid
// reaction, or for any other notation and for Check "Invalid reaction"; Failed, with note.
BalancedLine UnreadLine(const ReactionNotation* notation, AtomicWeights weights, std::string note);

// The line checked: the reaction with its coefficients, a line per element (and the charge)
// with its tallies, and the verdict; Failed when they do not balance or the line does not
// read.
BalancedLine CheckLine(const std::string& line);
