// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/CompiledFormulas.h"

#include "grid/FormulaLine.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace {

// A formula read once: literal text and references to cells.
struct Reference
{
    std::string Text; // as written, "#Mol(b)"
    bool OfB = false;
    std::vector<std::size_t> Columns; // the columns of that exact name; the first filled one counts
};

struct Piece
{
    std::string Literal;
    int Ref = -1; // index into the references, or -1 for literal text
};

struct CompiledLine
{
    std::vector<Piece> Pieces; // the first is the reference to the target, "#name(a)"
    std::vector<int> RefsA;    // references to row a after the target
    std::vector<int> RefsB;
    std::vector<std::uint64_t> RowsB; // the rows whose cells fill every reference to b
};

class Compiled
{
  public:
    std::vector<Reference> Refs;
    std::vector<CompiledLine> Lines; // only those that can ever write

    // The value a reference takes in a row, or null while every cell it names is empty.
    const std::string* ValueIn(const GridRow& row, int ref) const
    {
        for (std::size_t column : Refs[static_cast<std::size_t>(ref)].Columns)
            if (column < row.size() && !row[column].empty())
                return &row[column];
        return nullptr;
    }
    bool FillsB(const GridRow& row, const CompiledLine& line) const
    {
        return std::all_of(line.RefsB.begin(), line.RefsB.end(), [&](int ref) { return ValueIn(row, ref); });
    }
    // A line can write in a pair only while its target is empty and its other references
    // to row a are filled.
    bool Live(const GridRow& row, const CompiledLine& line) const
    {
        return !ValueIn(row, line.Pieces.front().Ref) &&
               std::all_of(line.RefsA.begin(), line.RefsA.end(), [&](int ref) { return ValueIn(row, ref); });
    }
    std::string Text(const CompiledLine& line, const GridRow& rowA, const GridRow& rowB) const
    {
        std::string text;
        for (const Piece& piece : line.Pieces) {
            if (piece.Ref < 0) {
                text += piece.Literal;
                continue;
            }
            const Reference& ref = Refs[static_cast<std::size_t>(piece.Ref)];
            const std::string* value = ValueIn(ref.OfB ? rowB : rowA, piece.Ref);
            text += value ? AsOperand(*value) : ref.Text;
        }
        return text;
    }
};

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

// The formulas as literal text and references, when substituting the cells cannot change
// what refers to what: every "#" of a formula opens a reference that ends at the first
// "(a)" or "(b)" after it; no item name holds "#", "(a)" or "(b)"; no cell that a formula
// names holds "#"; nothing holds a line break. Otherwise nothing.
std::optional<Compiled> Compile(const GridCells& cells, const std::vector<std::string>& formulas)
{
    const GridRow& header = cells[0];
    std::unordered_map<std::string, std::vector<std::size_t>> columnsByName;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string& name = header[column];
        if (Contains(name, "#") || Contains(name, "(a)") || Contains(name, "(b)") || Contains(name, "\r") ||
            Contains(name, "\n"))
            return std::nullopt;
        columnsByName[name].push_back(column);
    }
    Compiled compiled;
    std::unordered_map<std::string, int> refIndex;
    for (const std::string& formula : formulas) {
        if (Contains(formula, "\r") || Contains(formula, "\n"))
            return std::nullopt;
        CompiledLine line;
        std::size_t pos = 0;
        for (;;) {
            const std::size_t hash = formula.find('#', pos);
            if (hash != pos)
                line.Pieces.push_back({formula.substr(pos, hash - pos), -1});
            if (hash == std::string::npos)
                break;
            const std::size_t end = std::min(formula.find("(a)", hash + 1), formula.find("(b)", hash + 1));
            if (end == std::string::npos || formula.find('#', hash + 1) < end)
                return std::nullopt;
            const std::string text = formula.substr(hash, end + 3 - hash);
            auto [entry, added] = refIndex.emplace(text, static_cast<int>(compiled.Refs.size()));
            if (added) {
                const auto columns = columnsByName.find(text.substr(1, text.size() - 4));
                compiled.Refs.push_back(
                    {text, formula[end + 1] == 'b',
                     columns == columnsByName.end() ? std::vector<std::size_t>() : columns->second});
            }
            line.Pieces.push_back({std::string(), entry->second});
            pos = end + 3;
        }
        // Only a line that starts with a reference to row a can write, and only when every
        // other cell it names can be filled.
        if (line.Pieces.empty() || line.Pieces.front().Ref < 0 ||
            compiled.Refs[static_cast<std::size_t>(line.Pieces.front().Ref)].OfB)
            continue;
        bool possible = true;
        for (std::size_t i = 1; i < line.Pieces.size(); ++i) {
            const int ref = line.Pieces[i].Ref;
            if (ref < 0)
                continue;
            const Reference& reference = compiled.Refs[static_cast<std::size_t>(ref)];
            possible = possible && !reference.Columns.empty();
            (reference.OfB ? line.RefsB : line.RefsA).push_back(ref);
        }
        if (possible)
            compiled.Lines.push_back(std::move(line));
    }
    for (const Reference& ref : compiled.Refs)
        for (std::size_t column : ref.Columns)
            for (std::size_t row = 1; row < cells.size(); ++row)
                if (column < cells[row].size() &&
                    (Contains(cells[row][column], "#") || Contains(cells[row][column], "\r") ||
                     Contains(cells[row][column], "\n")))
                    return std::nullopt;
    return compiled;
}

bool Has(const std::vector<std::uint64_t>& bits, std::size_t row)
{
    return (bits[row / 64] >> (row % 64)) & 1U;
}

void Set(std::vector<std::uint64_t>& bits, std::size_t row)
{
    bits[row / 64] |= std::uint64_t(1) << (row % 64);
}

// The first row from `from` on that is in bits and is not `skip`; rows when there is none.
std::size_t NextRow(const std::vector<std::uint64_t>& bits, std::size_t from, std::size_t skip,
                    std::size_t rows, long long& work)
{
    for (std::size_t row = from; row < rows;) {
        const std::uint64_t word = bits[row / 64] >> (row % 64);
        ++work;
        if (word == 0) {
            row = (row / 64 + 1) * 64;
            continue;
        }
        row += static_cast<std::size_t>(__builtin_ctzll(word));
        if (row >= rows)
            break;
        if (row != skip)
            return row;
        ++row;
    }
    return rows;
}

// The pairs that can write, in the order the text sweep visits them: for row a only the
// lines that can still write are tried, and only with the rows whose cells fill their
// references to b. A line that names no other row gives the same text with every partner,
// so it is tried once until row a changes.
bool SweepCompiled(GridCells& cells, Compiled& compiled, CalculationBudget& budget)
{
    const std::size_t rows = cells.size();
    const TargetColumns targets(cells[0]);
    Evaluations evaluations;
    std::vector<Write> writes;
    long long work = 0;
    for (CompiledLine& line : compiled.Lines) {
        line.RowsB.assign(rows / 64 + 1, 0);
        for (std::size_t row = 1; row < rows; ++row)
            if (compiled.FillsB(cells[row], line))
                Set(line.RowsB, row);
        work += static_cast<long long>(rows) / 8;
    }
    const std::size_t lineCount = compiled.Lines.size();
    std::vector<char> live(lineCount);
    std::vector<char> tried(lineCount);
    for (std::size_t a = 1; a < rows; ++a) {
        GridRow& rowA = cells[a];
        bool any = false;
        const auto findLive = [&] {
            any = false;
            for (std::size_t i = 0; i < lineCount; ++i) {
                live[i] = compiled.Live(rowA, compiled.Lines[i]);
                tried[i] = false;
                any = any || live[i];
            }
            work += static_cast<long long>(lineCount);
        };
        findLive();
        for (std::size_t from = 1; any && from < rows;) {
            // The next partner with which some line can write.
            std::size_t b = rows;
            for (std::size_t i = 0; i < lineCount; ++i) {
                if (!live[i] || tried[i])
                    continue;
                const CompiledLine& line = compiled.Lines[i];
                const std::size_t first = from == a ? from + 1 : from;
                b = std::min(b, line.RefsB.empty() ? first : NextRow(line.RowsB, from, a, rows, work));
            }
            if (b >= rows)
                break;
            writes.clear();
            for (std::size_t i = 0; i < lineCount; ++i) {
                const CompiledLine& line = compiled.Lines[i];
                if (!live[i] || tried[i] || (!line.RefsB.empty() && !Has(line.RowsB, b)))
                    continue;
                const std::string text = compiled.Text(line, rowA, cells[b]);
                work += 4 + static_cast<long long>(text.size()) / 16;
                TryLine(text, rowA, targets, evaluations, writes, work);
                if (line.RefsB.empty())
                    tried[i] = true;
            }
            if (Apply(rowA, writes, cells[0].size()))
                findLive();
            if (!budget.Allows(work))
                return false;
            from = b + 1;
        }
        // Row a is done: its cells now fill the references to b of more lines perhaps.
        for (CompiledLine& line : compiled.Lines)
            if (!line.RefsB.empty() && !Has(line.RowsB, a) && compiled.FillsB(rowA, line))
                Set(line.RowsB, a);
        work += static_cast<long long>(lineCount);
        if (!budget.Allows(work))
            return false;
    }
    return true;
}

} // namespace

std::optional<bool> CalculateCompiled(GridCells& cells, const std::vector<std::string>& formulas,
                                      CalculationBudget& budget)
{
    std::optional<Compiled> compiled = Compile(cells, formulas);
    if (!compiled)
        return std::nullopt;
    return SweepCompiled(cells, *compiled, budget);
}
