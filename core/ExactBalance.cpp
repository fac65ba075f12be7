// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactBalance.h"

#include "core/Errors.h"

#include <limits>
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
class Matrix
{
  public:
    // cells is the storage, kept by the caller from run to run.
    Matrix(const CountTable& counts, int reactants, std::vector<Fraction>& cells)
        : Rows(counts.Elements), Columns(counts.Substances), Cells(cells)
    {
        Cells.resize(Rows * Columns);
        for (size_t e = 0; e < Rows; ++e)
            for (size_t k = 0; k < Columns; ++k)
                At(e, k) =
                    MakeFraction(int(k) < reactants ? counts.At(k, e) : -std::int64_t(counts.At(k, e)));
    }
    Fraction& At(size_t row, size_t column) { return Cells[row * Columns + column]; }
    void SwapRows(size_t a, size_t b)
    {
        for (size_t c = 0; c < Columns; ++c)
            std::swap(At(a, c), At(b, c));
    }

    const size_t Rows;
    const size_t Columns;

  private:
    std::vector<Fraction>& Cells;
};

// row r += factor * row p. Where row p holds zero the sum is the entry itself (every entry
// is kept reduced with a positive denominator), but the products the addition forms along
// the way must still fit 64 bits, as they would if they were carried out.
void AddRowMultiple(Matrix& m, size_t r, size_t p, const Fraction& factor)
{
    for (size_t c = 0; c < m.Columns; ++c) {
        Fraction& target = m.At(r, c);
        const Fraction& source = m.At(p, c);
        if (source.Numerator == 0) {
            std::int64_t unused;
            if (__builtin_mul_overflow(target.Numerator, factor.Denominator, &unused) ||
                __builtin_mul_overflow(target.Denominator, factor.Denominator, &unused))
                ThrowFractionOverflow();
            continue;
        }
        target = Canonical(AddFractions(target, MultiplyFractions(factor, source)));
    }
}

} // namespace

ExactSolution SolveExactly(const CountTable& counts, int reactants)
{
    thread_local std::vector<Fraction> cells;
    thread_local std::vector<size_t> pivotColumn;
    // The storage is kept for the next reaction, unless this one was very large.
    struct ReleaseLarge
    {
        ~ReleaseLarge()
        {
            if (cells.capacity() > (1 << 16)) {
                cells = std::vector<Fraction>();
                pivotColumn = std::vector<size_t>();
            }
        }
    } releaseLarge;
    Matrix m(counts, reactants, cells);
    const size_t columns = m.Columns;
    // Reduced row echelon form; pivotColumn[r] is the pivot column of row r.
    pivotColumn.clear();
    size_t row = 0;
    for (size_t col = 0; col < columns && row < m.Rows; ++col) {
        size_t found = row;
        while (found < m.Rows && m.At(found, col).Numerator == 0)
            ++found;
        if (found == m.Rows)
            continue;
        m.SwapRows(row, found);
        const Fraction pivot = m.At(row, col);
        // A zero stays 0/1, as the division would leave it (unless a negative pivot's sign
        // cannot change in 64 bits: then the division reports the overflow).
        for (size_t c = 0; c < columns; ++c)
            if (m.At(row, c).Numerator != 0 || pivot.Numerator == std::numeric_limits<std::int64_t>::min())
                m.At(row, c) = Divide(m.At(row, c), pivot);
        for (size_t r = 0; r < m.Rows; ++r) {
            if (r == row || m.At(r, col).Numerator == 0)
                continue;
            AddRowMultiple(m, r, row, Negate(m.At(r, col)));
        }
        pivotColumn.push_back(col);
        ++row;
    }

    ExactSolution solution;
    solution.Dimension = int(columns - pivotColumn.size());
    if (solution.Dimension != 1)
        return solution;
    // The pivot columns rise, so the free column is the first that is not the next of them.
    size_t freeColumn = 0;
    while (freeColumn < pivotColumn.size() && pivotColumn[freeColumn] == freeColumn)
        ++freeColumn;
    std::vector<Fraction>& values = solution.Values;
    values.assign(columns, MakeFraction(0));
    values[freeColumn] = MakeFraction(1);
    for (size_t r = 0; r < pivotColumn.size(); ++r)
        values[pivotColumn[r]] = Negate(m.At(r, freeColumn));
    bool flip = false;
    for (const Fraction& v : values) {
        if (v.Numerator != 0) {
            flip = v.Numerator < 0;
            break;
        }
    }
    if (flip)
        for (Fraction& v : values)
            v = Negate(v);
    return solution;
}

ExactSolution SolveExactly(const std::vector<std::string>& countVectors, int reactants)
{
    return SolveExactly(CountTable::FromTexts(countVectors), reactants);
}

bool IsBalanced(const CountTable& counts, int reactants, const std::vector<long long>& coefficients)
{
    if (coefficients.size() != counts.Substances)
        return false;
    bool anyNonzero = false;
    for (long long c : coefficients)
        anyNonzero = anyNonzero || c != 0;
    if (!anyNonzero)
        return false;
    for (size_t e = 0; e < counts.Elements; ++e) {
        __int128 total = 0;
        for (size_t k = 0; k < counts.Substances; ++k)
            total += __int128(counts.At(k, e)) * coefficients[k] * (int(k) < reactants ? 1 : -1);
        if (total != 0)
            return false;
    }
    return true;
}

bool IsBalanced(const std::vector<std::string>& countVectors, int reactants,
                const std::vector<long long>& coefficients)
{
    if (coefficients.size() != countVectors.size())
        return false;
    return IsBalanced(CountTable::FromTexts(countVectors), reactants, coefficients);
}
