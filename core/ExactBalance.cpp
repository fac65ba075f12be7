// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactBalance.h"

#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionParser.h"

#include <utility>

namespace {

// The fraction operations never reduce a zero (0/5 stays 0/5), so here every zero is set
// back to 0/1 to keep denominators from growing through the elimination.
Fraction Canonical(const Fraction& f)
{
    return f.Numerator == 0 ? MakeFraction(0) : f;
}

Fraction Negate(const Fraction& f)
{
    return Canonical(MultiplyFractions(f, MakeFraction(-1)));
}

Fraction Divide(const Fraction& a, const Fraction& b)
{
    return Canonical(MultiplyFractions(a, ReciprocalFraction(b)));
}

// Rows are elements, columns substances; product columns are negated so that a balanced
// set of coefficients is a vector of the null space.
std::vector<std::vector<Fraction>> BalanceMatrix(const std::vector<std::string>& countVectors, int reactants)
{
    std::vector<std::vector<Fraction>> matrix;
    for (size_t k = 0; k < countVectors.size(); ++k) {
        std::vector<long long> counts = ParseCountVector(countVectors[k]);
        if (matrix.size() < counts.size())
            matrix.resize(counts.size(), std::vector<Fraction>(countVectors.size(), MakeFraction(0)));
        for (size_t e = 0; e < counts.size(); ++e)
            matrix[e][k] = MakeFraction(int(k) < reactants ? counts[e] : -counts[e]);
    }
    return matrix;
}

} // namespace

ExactSolution SolveExactly(const std::vector<std::string>& countVectors, int reactants)
{
    const size_t columns = countVectors.size();
    std::vector<std::vector<Fraction>> m = BalanceMatrix(countVectors, reactants);
    // Reduced row echelon form; pivotColumn[r] is the pivot column of row r.
    std::vector<size_t> pivotColumn;
    size_t row = 0;
    for (size_t col = 0; col < columns && row < m.size(); ++col) {
        size_t found = row;
        while (found < m.size() && m[found][col].Numerator == 0)
            ++found;
        if (found == m.size())
            continue;
        std::swap(m[row], m[found]);
        Fraction pivot = m[row][col];
        for (Fraction& f : m[row])
            f = Divide(f, pivot);
        for (size_t r = 0; r < m.size(); ++r) {
            if (r == row || m[r][col].Numerator == 0)
                continue;
            Fraction factor = Negate(m[r][col]);
            for (size_t c = 0; c < columns; ++c)
                m[r][c] = Canonical(AddFractions(m[r][c], MultiplyFractions(factor, m[row][c])));
        }
        pivotColumn.push_back(col);
        ++row;
    }

    ExactSolution solution;
    solution.Dimension = int(columns - pivotColumn.size());
    if (solution.Dimension != 1)
        return solution;
    std::vector<bool> isPivot(columns, false);
    for (size_t c : pivotColumn)
        isPivot[c] = true;
    size_t freeColumn = 0;
    while (isPivot[freeColumn])
        ++freeColumn;
    std::vector<Fraction> values(columns, MakeFraction(0));
    values[freeColumn] = MakeFraction(1);
    for (size_t r = 0; r < pivotColumn.size(); ++r)
        values[pivotColumn[r]] = Negate(m[r][freeColumn]);
    bool flip = false;
    for (const Fraction& v : values) {
        if (v.Numerator != 0) {
            flip = v.Numerator < 0;
            break;
        }
    }
    for (const Fraction& v : values)
        solution.Values.push_back(FormatFraction(flip ? Negate(v) : v));
    return solution;
}

bool IsBalanced(const std::vector<std::string>& countVectors, int reactants,
                const std::vector<long long>& coefficients)
{
    if (coefficients.size() != countVectors.size())
        return false;
    bool anyNonzero = false;
    for (long long c : coefficients)
        anyNonzero = anyNonzero || c != 0;
    if (!anyNonzero)
        return false;
    std::vector<__int128> totals;
    for (size_t k = 0; k < countVectors.size(); ++k) {
        std::vector<long long> counts = ParseCountVector(countVectors[k]);
        if (totals.size() < counts.size())
            totals.resize(counts.size(), 0);
        for (size_t e = 0; e < counts.size(); ++e)
            totals[e] += __int128(counts[e]) * coefficients[k] * (int(k) < reactants ? 1 : -1);
    }
    for (__int128 t : totals)
        if (t != 0)
            return false;
    return true;
}
