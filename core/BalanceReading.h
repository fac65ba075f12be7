// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Balance.h"
#include "core/ReactionParser.h"

#include <string>
#include <string_view>
#include <vector>

// A tidied reaction text read into what the solver and the check work on, and the texts
// Balance composes from it. Shared by Balance and Check; the rest of the program sees only
// their results (and the functions Balance.h declares, which live here too).
struct ReactionReading
{
    std::vector<std::string_view> Shown; // the substances in the text as given, reactants first
    int Reactants = 0;
    std::vector<std::string> Elements; // the charge, when any, last (ChargeSymbol)
    std::vector<unsigned char> Sides;  // per element: bit 1 left, bit 2 right
    CountTable Counts;

    bool Charged() const;
    // The substances with every count made explicit, as the answer is composed from them;
    // made when first asked for, as the usual reaction is read, and answered, as written.
    const std::vector<std::string_view>& PreparedFormulas() const;

    // Made by PreparedFormulas, or by a reading that needed them.
    mutable std::string Prepared;                   // the text, every count made explicit
    mutable std::vector<std::string_view> Formulas; // into Prepared
    mutable bool IsPrepared = false;
    std::string_view Text; // what was read
};

// ComposeBalancedReaction (Balance.h) of the formulas prepared, into text from the same
// formulas as written (shown) where that gives the same text, which is most of the time: no
// count is then put in and taken out again. False, text untouched, where it may not. The
// coefficients are positive.
bool ComposeAsWritten(const std::vector<std::string_view>& shown,
                      const std::vector<std::string>& coefficients, int reactants, std::string& text);

// Why a text cannot be read.
struct ReactionRefused
{
    BalanceOutcome::Status Status;
    RefusalReason Reason;
    std::vector<std::string> Names;
    std::vector<std::string> OtherNames;
};

// Reads text (tidied; it must outlive the reading, whose views point into it) into
// reading, whose storage is kept from reaction to reaction. With bothSides, an element
// found on one side only refuses the reaction, as Balance does; the check reads it anyway
// and shows the difference.
// False, with refused saying why, when the text does not read: a refusal is an answer of
// its own, as usual as a balanced reaction from a command line's input, so it is returned.
bool ReadReaction(const std::string& text, bool bothSides, ReactionReading& reading,
                  ReactionRefused& refused);
// The same, throwing ReactionRefused.
void ReadReaction(const std::string& text, bool bothSides, ReactionReading& reading);
