// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Balance.h"
#include "core/PreciseWeights.h"
#include "core/WrittenReaction.h"

#include <string>

// Writers of the compact reaction text (coefficients, counts, charges such as Fe^3+) in the
// forms people paste into worksheets and documents. Each reads the text the way the reaction
// line draws it: digits at the start of a substance are its coefficient, other digits (and a
// "-" before them) a count, "^" with digits and a sign a charge, "+" a separator unless it
// is a charge's sign, ">" the arrow.

// 2H₂ + O₂ → 2H₂O, Fe³⁺ + e⁻ → Fe²⁺
std::string ReactionAsUnicode(const std::string& reaction);

// The mhchem form: \ce{2H2 + O2 -> 2H2O}, \ce{Fe^3+ + e^- -> Fe^2+}
std::string ReactionAsLatex(const std::string& reaction);

// 2H<sub>2</sub> + O<sub>2</sub> &rarr; 2H<sub>2</sub>O, Fe<sup>3+</sup>
std::string ReactionAsHtml(const std::string& reaction);

// One JSON object, on one line, for one balanced (or failed) input line: the keys input,
// status ("balanced", "invalid_reaction" or "cannot_balance"), balanced (the balanced text,
// null after a failure), substances, coefficients, molar_masses (null for a substance
// whose mass is unknown, such as one holding a symbol the element table lacks), summed from
// the chosen atomic weights, and reason (null, or RefusalCode's name) with what the reason
// names: character, formula, only_left and only_right, side, moved or left_out and
// reaction, count and reactions (the first hundred; given_coefficients "unsettled" when
// they chose none); completes_in lists the
// media a refusal would balance in, medium the one an answer was completed in, given_coefficients "chose"
// when they picked the answer. After balanced comes written: the balanced reaction in the
// notation of the input when given, otherwise the balanced text (null after a failure).
std::string BalanceAsJson(const std::string& input, const BalanceOutcome& outcome,
                          AtomicWeights weights = AtomicWeights::Table, const std::string& written = "");

// A reaction written as it was read (WrittenReaction), with coefficients in front of its
// substances: CuSO₄·5H₂O, K₄[Fe(CN)₆], Zn(s), ⇌, Fe³⁺ in unicode; \ce{CuSO4*5H2O},
// \ce{Na+}, \ce{BaSO4 v} and ->[\Delta] in the LaTeX of mhchem, which reads back the same.
enum class WrittenFormat
{
    Unicode,
    Latex,
    Html
};
std::string ReactionAsWritten(const WrittenReaction& written, const std::vector<std::string>& coefficients,
                              WrittenFormat format);

// input as it was given, its given coefficients replaced by coefficients (a 1 left out):
// "Zn(s) + HCl(aq) → ZnCl2(aq) + H2(g)" becomes "Zn(s) + 2HCl(aq) → ZnCl2(aq) + H2(g)".
// Empty when the places of written do not fit input.
std::string InputWithCoefficients(const std::string& input, const WrittenReaction& written,
                                  const std::vector<std::string>& coefficients);
