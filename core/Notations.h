// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The notations a reaction is written in, a row each: --balance --format takes their names,
// and Copy puts the reaction on the clipboard in every notation that names a MIME type. A
// new notation is one row and its writer.

#include "core/Balance.h"
#include "core/PreciseWeights.h"
#include "core/WrittenReaction.h"

#include <string>
#include <vector>

struct ReactionNotation
{
    const char* Name;     // --format's name
    const char* MimeType; // what Copy puts the reaction on the clipboard as; null: nothing
    // The compact reaction text (2H2+O2>2H2O) in this notation; null for a record.
    std::string (*Write)(const std::string& reaction);
    // A reaction read as textbook notation, given back as it was written (CuSO₄·5H₂O, Fe³⁺,
    // ⇌) with coefficients; null when the notation writes the compact text only.
    std::string (*WriteAsWritten)(const WrittenReaction& written,
                                  const std::vector<std::string>& coefficients);
    // A record of a whole balancing instead: the input line, the outcome, the molar masses
    // of its substances and the input with its coefficients when it was textbook notation,
    // written also when the balancing failed.
    std::string (*WriteRecord)(const std::string& input, const BalanceOutcome& outcome, AtomicWeights weights,
                               const std::string& written);
    // Write gives the compact text back as it stands (plain): a caller done with the text
    // may take it as the answer.
    bool WritesAsItStands = false;
};

// plain, unicode, latex, html, json.
const std::vector<ReactionNotation>& ReactionNotations();
// The notation called name; null for any other name.
const ReactionNotation* FindNotation(const std::string& name);
// The names for a message: "plain, unicode, latex, html or json".
std::string NotationNames();
