// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Balance.h"
#include "core/ReactionText.h"
#include "core/TextbookNotation.h"

#include <string>
#include <vector>

// Which reading of a reaction Balance uses, where the text leaves more than one open: a
// sign that may be a charge (Mn2+), Pr or Ac as a group or an element, and two letters
// typed in lower case that are one symbol or two (co2: Co2 or CO2). Each reading is
// balanced by BalanceReaction as it stands.

// A substance as it was typed and as it was read: "co2" and "CO2".
struct ReadAs
{
    std::string Typed;
    std::string Read;
};

struct ChosenReading
{
    BalanceOutcome Outcome;
    // The reading used: 0 for the first text, k for the k-th after it.
    std::size_t Candidate = 0;
    // The two-letter symbols read as two (Co as C and O), and the substances so read,
    // when the text as cased did not balance and exactly one such reading did.
    std::vector<std::string> Split;
    std::vector<ReadAs> Read;
    // When several such readings balance, the text keeps its own reading (and its failure)
    // and these are the others, each with the substances it reads otherwise.
    std::vector<std::vector<ReadAs>> Balancing;
};

// Balances the first of texts that balances, in their order; when none does and
// caseReadings, tries the first text with its ambiguous two-letter symbols read as two
// (Co as CO, No as NO, Cs as CS, Hf as HF, Sc as SC, Si as SI ...). Never throws. The
// readings after the first are tried for a few seconds at most.
ChosenReading BalanceReadings(const std::vector<std::string>& texts, bool autoCase, bool caseReadings,
                              Medium medium = Medium::None);

// The same for a line read as typed keys or textbook notation: text (the reading's text as
// Balance is to get it, with the coefficients the line wrote), then the reading's others
// with the same coefficients. A textbook reading keeps the letter case it was written in;
// typed letters take the automatic case when autoCase. textTidy: text is the typed reading's
// own, tidied already with autoCase, and the balance need not tidy it again.
ChosenReading BalanceReading(const NotationReading& reading, std::string text, bool autoCase,
                             Medium medium = Medium::None, bool textTidy = false);

// How the reading Balance used was written, its split symbols read apart.
WrittenReaction ChosenWritten(const NotationReading& reading, const ChosenReading& chosen);

// The reaction text Balance gets from a line and its reading (ReadReactionLine with the
// keys typing maps), with the coefficients the line wrote in front of their substances:
// the textbook reading keeps them aside, and a typed line holds them where its keys put
// them (the reaction line's clean-up, which Balance runs, takes them out). When the typed
// keys do not give the reading back exactly (a character typing drops), the reading stands
// alone. The reading's own text is handed over where it stands, not copied. The command
// line balances its lines so, and so must anything that reads a line as it does.
std::string TextToBalance(const std::string& line, NotationReading& reading, const KeyMap& typing,
                          bool autoCase);
