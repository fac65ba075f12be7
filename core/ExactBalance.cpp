// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactBalance.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <charconv>
#include <limits>
#include <type_traits>
#include <utility>

namespace {

using BigInt = boost::multiprecision::cpp_int;

// Thrown by the 64-bit operations when their result would not fit: the solve starts again
// with BigInt, whose operations of the same names never throw.
struct Overflow
{
};

std::int64_t Mul(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r))
        throw Overflow();
    return r;
}

std::int64_t Sub(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_sub_overflow(a, b, &r))
        throw Overflow();
    return r;
}

std::int64_t Neg(std::int64_t a)
{
    return Sub(0, a);
}

std::int64_t Add(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r))
        throw Overflow();
    return r;
}

// The greatest common divisors of the numbers below 64, which hold most counts and
// coefficients: a look-up instead of a loop.
struct SmallGcds
{
    unsigned char Of[64][64] = {};

    constexpr SmallGcds()
    {
        for (unsigned a = 0; a < 64; ++a)
            for (unsigned b = 0; b < 64; ++b) {
                unsigned s = a, t = b;
                while (t != 0) {
                    const unsigned r = s % t;
                    s = t;
                    t = r;
                }
                Of[a][b] = static_cast<unsigned char>(s);
            }
    }
};

constexpr SmallGcds SmallGcd;

// Greatest common divisor of the magnitudes; 0 only when both are 0.
inline std::int64_t Gcd(std::int64_t a, std::int64_t b)
{
    std::uint64_t s = a < 0 ? std::uint64_t(Neg(a)) : std::uint64_t(a);
    std::uint64_t t = b < 0 ? std::uint64_t(Neg(b)) : std::uint64_t(b);
    if ((s | t) < 64)
        return SmallGcd.Of[s][t];
    if (s == 0 || t == 0)
        return std::int64_t(s | t);
    if (s == 1 || t == 1)
        return 1;
    // Binary (Stein's) algorithm: shifts instead of divisions.
    const int shift = __builtin_ctzll(s | t);
    s >>= __builtin_ctzll(s);
    do {
        t >>= __builtin_ctzll(t);
        if (s > t)
            std::swap(s, t);
        t -= s;
    } while (t != 0);
    return std::int64_t(s << shift);
}

void AppendDecimal(std::string& out, std::int64_t n)
{
    if (n >= 0 && n < 10) { // most coefficients
        out += char('0' + n);
        return;
    }
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
}

BigInt Mul(const BigInt& a, const BigInt& b)
{
    return a * b;
}
BigInt Sub(const BigInt& a, const BigInt& b)
{
    return a - b;
}
BigInt Neg(const BigInt& a)
{
    return -a;
}
BigInt Add(const BigInt& a, const BigInt& b)
{
    return a + b;
}
BigInt Gcd(const BigInt& a, const BigInt& b)
{
    return boost::multiprecision::gcd(a, b);
}
void AppendDecimal(std::string& out, const BigInt& n)
{
    out += n.str();
}

// Elimination without fractions to echelon form, then back substitution for each form:
// every row is kept as whole numbers with no common divisor when they grow, so the numbers
// stay as small as the reaction allows. The pivot columns do not depend on the order of the
// rows, and each form is the one solution with its free column set and the other free
// columns zero, in smallest whole numbers: the answer is the same on both paths (and as
// reduced echelon form gives it, at half the eliminations).
template <class Int> class Elimination
{
  public:
    // Column c of the matrix is substance order[c].
    Elimination(const CountTable& counts, int reactants, const std::vector<std::vector<std::int64_t>>& extra,
                const std::vector<size_t>& order, std::vector<Int>& cells)
        : Rows(counts.Elements + extra.size()), Columns(counts.Substances), Order(order), Cells(cells)
    {
        // Every cell is written below; the storage only grows, so that no reaction pays for
        // zeroing what a smaller one left.
        if (Cells.size() < Rows * Columns)
            Cells.resize(Rows * Columns);
        // The table's row and the column's cells through pointers of their own: a cell
        // written through the storage could otherwise be the table's, read again each time.
        const size_t elements = counts.Elements;
        for (size_t c = 0; c < Columns; ++c) {
            const size_t k = Substance(c);
            const std::int64_t* row = counts.Row(k);
            Int* cell = Cells.data() + c;
            const bool reactant = int(k) < reactants;
            if (reactant)
                for (size_t e = 0; e < elements; ++e, cell += Columns)
                    *cell = Int(row[e]);
            else
                for (size_t e = 0; e < elements; ++e, cell += Columns)
                    *cell = Neg(Int(row[e]));
        }
        for (size_t r = 0; r < extra.size(); ++r)
            for (size_t c = 0; c < Columns; ++c) {
                const size_t k = Substance(c);
                At(elements + r, c) = k < extra[r].size() ? Int(extra[r][k]) : Int(0);
            }
    }

    void Solve(size_t maxForms, ExactSolution& solution)
    {
        thread_local std::vector<size_t> pivots; // the pivot column of each row in turn
        pivots.clear();
        size_t row = 0;
        for (size_t col = 0; col < Columns && row < Rows; ++col) {
            size_t found = row;
            while (found < Rows && At(found, col) == 0)
                ++found;
            if (found == Rows)
                continue;
            if (found != row)
                for (size_t c = 0; c < Columns; ++c)
                    std::swap(At(row, c), At(found, c));
            for (size_t r = row + 1; r < Rows; ++r)
                if (At(r, col) != 0)
                    Clear(r, row, col);
            pivots.push_back(col);
            ++row;
        }
        solution.Dimension = int(Columns - pivots.size());
        solution.Forms.clear();
        solution.Large = false;
        solution.Forms.reserve(std::min(size_t(solution.Dimension), maxForms));
        thread_local std::vector<Int> x;
        x.resize(Columns);
        size_t next = 0; // index into pivots
        for (size_t free = 0; free < Columns && solution.Forms.size() < maxForms; ++free) {
            if (next < pivots.size() && pivots[next] == free) {
                ++next;
                continue;
            }
            solution.Forms.push_back(Form(pivots, free, x));
        }
    }

  private:
    Int& At(size_t r, size_t c) { return Cells[r * Columns + c]; }
    size_t Substance(size_t column) const { return Order.empty() ? column : Order[column]; }

    // Row r, below the pivot row p, loses its entry in column col: r·a − p·b with a, b the
    // two entries over their common divisor; then r is divided by the common divisor of its
    // entries when they grow. Both rows are zero in the columns before col (each earlier
    // pivot cleared its column in them, and a column without a pivot was zero in them
    // already), so only the columns after col are worked out.
    void Clear(size_t r, size_t p, size_t col)
    {
        Int* const target = &At(r, 0);
        const Int* const pivot = &At(p, 0);
        const Int g = Gcd(pivot[col], target[col]);
        const Int a = g == 1 ? pivot[col] : pivot[col] / g;
        const Int b = g == 1 ? target[col] : target[col] / g;
        bool large = false;
        target[col] = 0;
        for (size_t c = col + 1; c < Columns; ++c) {
            target[c] = Sub(Mul(target[c], a), Mul(pivot[c], b));
            large |= IsLarge(target[c]);
        }
        if (!large)
            return;
        Int common(0);
        for (size_t c = 0; c < Columns; ++c)
            common = Gcd(common, target[c]);
        if (common > 1)
            for (size_t c = 0; c < Columns; ++c)
                target[c] /= common;
    }

    // Rows of small numbers are left as they are: dividing out their common divisor costs
    // more than it saves.
    static bool IsLarge(const Int& n)
    {
        if constexpr (std::is_same_v<Int, std::int64_t>)
            return std::uint64_t(n) + (1 << 20) > (2u << 20); // one comparison, no branch
        else
            return n > (1 << 20) || n < -(1 << 20);
    }

    // The form with the free column free set and every other free column zero, by back
    // substitution from the last pivot row up: row r reads p·x[pivot] + sum = 0, the sum over
    // the columns after its pivot, whose values are known. Every value found so far is first
    // multiplied by |p|/gcd(p, sum), so that x[pivot] is whole. A pivot after the free column
    // has only zeros after it: its value is 0.
    std::vector<std::string> Form(const std::vector<size_t>& pivots, size_t free, std::vector<Int>& x)
    {
        for (Int& v : x)
            v = 0;
        x[free] = 1;
        for (size_t r = pivots.size(); r-- > 0;) {
            const size_t pivot = pivots[r];
            if (pivot > free)
                continue;
            Int sum(0);
            for (size_t c = pivot + 1; c < Columns; ++c)
                if (At(r, c) != 0 && x[c] != 0)
                    sum = Add(sum, Mul(At(r, c), x[c]));
            if (sum == 0)
                continue;
            const Int& p = At(r, pivot);
            const Int g = Gcd(p, sum);
            Int scale = p / g;
            if (scale < 0)
                scale = Neg(scale);
            if (scale != 1)
                for (size_t c = pivot + 1; c < Columns; ++c)
                    x[c] = Mul(x[c], scale);
            x[pivot] = p < 0 ? sum / g : Neg(sum / g);
        }
        Int common(0);
        size_t first = Columns; // the column of the first substance with a nonzero entry
        for (size_t c = 0; c < Columns; ++c) {
            if (common != 1) // once 1, always 1
                common = Gcd(common, x[c]);
            if (x[c] != 0 && (first == Columns || (!Order.empty() && Order[c] < Order[first])))
                first = c;
        }
        const bool flip = x[first] < 0;
        std::vector<std::string> texts(Columns);
        for (size_t c = 0; c < Columns; ++c) {
            const Int v = common == 1 ? x[c] : x[c] / common;
            AppendDecimal(texts[Substance(c)], flip ? Neg(v) : v);
        }
        return texts;
    }

    const size_t Rows;
    const size_t Columns;
    const std::vector<size_t>& Order;
    std::vector<Int>& Cells;
};

} // namespace

void SolveExactly(const CountTable& counts, int reactants, ExactSolution& solution,
                  const std::vector<std::vector<std::int64_t>>& extraRows, const std::vector<size_t>& order,
                  size_t maxForms)
{
    // The 64-bit storage is kept from reaction to reaction, unless one was very large.
    thread_local std::vector<std::int64_t> cells;
    struct ReleaseLarge
    {
        ~ReleaseLarge()
        {
            if (cells.capacity() > (1 << 16))
                cells = std::vector<std::int64_t>();
        }
    } releaseLarge;
    try {
        Elimination<std::int64_t>(counts, reactants, extraRows, order, cells).Solve(maxForms, solution);
    } catch (const Overflow&) {
        std::vector<BigInt> bigCells;
        Elimination<BigInt>(counts, reactants, extraRows, order, bigCells).Solve(maxForms, solution);
        solution.Large = true;
    }
}

ExactSolution SolveExactly(const CountTable& counts, int reactants,
                           const std::vector<std::vector<std::int64_t>>& extraRows,
                           const std::vector<size_t>& order, size_t maxForms)
{
    ExactSolution solution;
    SolveExactly(counts, reactants, solution, extraRows, order, maxForms);
    return solution;
}
