// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Fraction.h"
#include "core/ReactionParser.h"

#include <string>
#include <vector>

// The safety net around the text solver: exact rational elimination on the element
// equations. It tells how many independent balanced forms a reaction has, and gives the
// one form when there is exactly one.
struct ExactSolution
{
    // Dimension of the solution space: 1 for a reaction with one balanced form, 0 for none,
    // 2 or more for several independent forms (or separate reactions).
    int Dimension = 0;
    // When Dimension is 1: one fraction per substance, the first nonzero one positive.
    std::vector<Fraction> Values;
};

// One count row per substance, reactants first. Throws ArithmeticOverflowError when the
// elimination leaves 64 bits.
ExactSolution SolveExactly(const CountTable& counts, int reactants);
ExactSolution SolveExactly(const std::vector<std::string>& countVectors, int reactants);

// True when the coefficients are not all zero and every element has the same number of
// atoms on both sides.
bool IsBalanced(const CountTable& counts, int reactants, const std::vector<long long>& coefficients);
bool IsBalanced(const std::vector<std::string>& countVectors, int reactants,
                const std::vector<long long>& coefficients);
