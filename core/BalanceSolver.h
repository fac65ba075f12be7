// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Fraction.h"
#include "core/ReactionParser.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// The balancing solver. One equation per element is built as text ("2[0]+1[1]=2[2]", where
// [k] is the coefficient of substance k), the scale is fixed by seeding two values, and
// passes of substitution, normalisation, combination, single-variable solving and
// elimination run on the text until no equation is left. All numbers are fraction texts.
// The count vectors come as texts ("2,0,1") or as the table they stand for.

// One equation line per element, in element-list order.
std::vector<std::string> BuildEquations(const std::vector<std::string>& elements, const CountTable& counts,
                                        int reactants);
std::vector<std::string> BuildEquations(const std::vector<std::string>& elements,
                                        const std::vector<std::string>& countVectors, int reactants);

struct SolverState
{
    std::vector<std::string> System; // the working equation lines
    std::vector<std::string> Values; // one per substance, empty while unknown
    int N = 0;                       // number of substances
    std::string History;             // system texts seen since the system last shrank
    size_t StartLines = 0;
    std::chrono::steady_clock::time_point StartTime;
};

// Every line followed by CR LF: the text the progress test compares.
std::string SystemText(const std::vector<std::string>& system);

// Index of the element that seeds the solve (the first in exactly two substances), or -1.
int SeedElement(const CountTable& counts);
int SeedElement(const std::vector<std::string>& countVectors);

// Fills the value list and the working system for a run, seeded from the seed element's
// equation (or substance 0 with the value 1 when there is none).
SolverState StartSolver(const CountTable& counts, const std::vector<std::string>& equations);
SolverState StartSolver(const std::vector<std::string>& countVectors,
                        const std::vector<std::string>& equations);

// One transformation of the working system: substitute known values, drop settled lines,
// normalise to "constant=terms", combine repeated variables, solve single-variable lines,
// eliminate one variable. Throws on a text it cannot read.
void SolverPass(SolverState& state);

// Runs passes until the system is empty (true) or repeats itself or outlives the budget
// (false). values receives the value list either way.
bool SolveBalance(const CountTable& counts, const std::vector<std::string>& equations,
                  std::vector<std::string>& values,
                  std::chrono::milliseconds budget = std::chrono::milliseconds(5000));
bool SolveBalance(const std::vector<std::string>& countVectors, const std::vector<std::string>& equations,
                  std::vector<std::string>& values,
                  std::chrono::milliseconds budget = std::chrono::milliseconds(5000));

// Whole-number coefficients from the solved values: multiplied by the least common multiple
// of the denominators, then divided by the common divisor of all of them.
std::vector<long long> ScaleToWholeNumbers(const std::vector<Fraction>& values);
std::vector<std::string> ScaleToWholeNumbers(const std::vector<std::string>& values);
