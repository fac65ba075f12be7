// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ReactionParser.h"

#include <cstdint>
#include <string>
#include <vector>

// The balanced forms of a reaction, solved exactly: the null space of the element matrix
// (one row per element and the charge, one column per substance, products counted
// negative), found by integer elimination. Whole numbers of 64 bits carry the usual
// reaction; when a step would leave them, the whole solve runs again with integers of any
// size, so no answer is ever cut short or wrong.
struct ExactSolution
{
    // The number of independent balanced forms: 1 for a reaction with one balanced form,
    // 0 for none, 2 or more for several (or separate reactions written as one).
    int Dimension = 0;
    // A basis of the forms, one per free substance, as decimal texts ("3", "-2", "0"): each
    // in the smallest whole numbers, its first nonzero entry positive. With one form it is
    // the form itself, whatever the signs. At most the number asked for.
    std::vector<std::vector<std::string>> Forms;
    // True when the integers of any size were needed.
    bool Large = false;
};

// counts holds one row per substance, reactants first. Each of extraRows is one more
// equation on the coefficients as written (no sign for the products), one entry per
// substance: how given coefficients narrow several forms down. order, when given, is the
// order in which the elimination takes the substances: the last ones it cannot pivot on are
// the free ones, each of which gives a form of the basis (the forms keep substance order).
// The first maxForms forms are worked out: a reaction of thousands of substances can have
// thousands of forms of thousands of numbers each.
ExactSolution SolveExactly(const CountTable& counts, int reactants,
                           const std::vector<std::vector<std::int64_t>>& extraRows = {},
                           const std::vector<size_t>& order = {}, size_t maxForms = 100);
// The same into solution, whose storage is kept: a caller balancing one reaction after
// another allocates the list of forms once.
void SolveExactly(const CountTable& counts, int reactants, ExactSolution& solution,
                  const std::vector<std::vector<std::int64_t>>& extraRows = {},
                  const std::vector<size_t>& order = {}, size_t maxForms = 100);
