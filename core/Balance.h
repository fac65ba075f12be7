// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// The Balance command's work on the text: tidy, check, parse, solve, scale and compose.

// Coefficients in front of the prepared formulas, then every "1" that is only an implicit
// count or coefficient removed: H2, O2, H2O1 with 2, 1, 2 give 2H2+O2>2H2O.
std::string ComposeBalancedReaction(const std::vector<std::string>& prepared,
                                    const std::vector<long long>& coefficients, int reactants);
std::string ComposeBalancedReaction(const std::vector<std::string_view>& prepared,
                                    const std::vector<long long>& coefficients, int reactants);

struct BalanceOutcome
{
    enum class Status
    {
        Balanced,
        InvalidReaction,
        CannotBalance
    } status = Status::InvalidReaction;
    std::string TidiedText;            // the text after the clean-up (what the line keeps after a failure)
    std::string BalancedText;          // the reaction with its coefficients, when Balanced
    std::vector<std::string> Formulas; // the formulas as the user sees them, substance order
    std::vector<long long> Coefficients;
    int Reactants = 0;
    // True when the text passes failed or went wrong and the exact solution was used.
    bool UsedExactSolution = false;
};

// Never throws. A reaction with exactly one balanced form always ends Balanced; several
// independent forms, or none, end CannotBalance; anything unreadable ends InvalidReaction.
// budget bounds the text passes (the fuzzer shortens it); the exact solution follows when
// they run out of it.
BalanceOutcome BalanceReaction(std::string reactionText, bool autoCase,
                               std::chrono::milliseconds budget = std::chrono::milliseconds(5000));
