// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Balance.h"

#include <string>
#include <vector>

// Check: whether the coefficients written in a reaction (1 where none is written) balance
// it, with each element's tally and the charge's on both sides, and whether they are in
// lowest terms.
struct ReactionCheck
{
    // InvalidReaction (with Reason and Names as Balance gives them) when the text does not
    // read; otherwise Balanced or CannotBalance as the tallies agree or not.
    BalanceOutcome::Status status = BalanceOutcome::Status::InvalidReaction;
    RefusalReason Reason = RefusalReason::None;
    std::vector<std::string> Names;
    std::string Text; // the reaction checked, tidied, with the coefficients written
    // One entry per element in order of appearance, the charge last as ChargeSymbol; the
    // tallies are decimal texts of any length.
    std::vector<std::string> Elements;
    std::vector<std::string> Left;
    std::vector<std::string> Right;
    // The greatest common divisor of the coefficients: "1" when they are in lowest terms.
    std::string CommonDivisor = "1";
};

ReactionCheck CheckReaction(std::string reactionText, bool autoCase);
