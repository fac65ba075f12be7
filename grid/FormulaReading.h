// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the evaluator will read a formula's expression, written out with the parentheses its
// operator order implies, for the person editing it: "*" binds tighter than "/" and "+"
// tighter than "-", so #Mass(a)/#Weight(a)*2 reads as #Mass(a)/(#Weight(a)*2).

#include <string>

// The expression with one pair of parentheses around each operation the evaluator joins,
// the user's own parentheses kept, references ("#Mol(b)") and numbers with an exponent
// (5E-5) kept whole, spaces dropped. The outermost operation has none.
std::string ReadingOfExpression(const std::string& expression);
