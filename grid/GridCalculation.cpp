// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridCalculation.h"

#include "grid/CompiledFormulas.h"
#include "grid/FormulaLine.h"

#include <cstddef>

namespace {

const std::string& CellAt(const GridCells& cells, std::size_t row, std::size_t column)
{
    static const std::string empty;
    const GridRow& cellsOfRow = cells[row];
    return column < cellsOfRow.size() ? cellsOfRow[column] : empty;
}

// Replaces every occurrence from left to right; inserted text is not searched again.
void ReplaceAll(std::string& text, const std::string& pattern, const std::string& replacement)
{
    std::size_t found = text.find(pattern);
    if (found == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size() + replacement.size());
    std::size_t from = 0;
    while (found != std::string::npos) {
        result.append(text, from, found - from);
        result += replacement;
        from = found + pattern.size();
        found = text.find(pattern, from);
    }
    result.append(text, from, std::string::npos);
    text = std::move(result);
}

// The formulas are instantiated as one text, so a cell text holding a line break
// splits its line; CR, LF and CR LF all end a line.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace

namespace {
bool SweepByText(GridCells& cells, const std::vector<std::string>& formulas, CalculationBudget& budget)
{
    const std::size_t rowCount = cells.size();
    if (rowCount <= 2 || formulas.empty())
        return true;
    const GridRow header = cells[0];
    const std::size_t columnCount = header.size();
    const TargetColumns targets(header);

    std::vector<std::string> referencesA;
    std::vector<std::string> referencesB;
    for (const std::string& name : header) {
        referencesA.push_back("#" + name + "(a)");
        referencesB.push_back("#" + name + "(b)");
    }
    std::string formulaText;
    for (const std::string& formula : formulas)
        formulaText += formula + "\n";

    Evaluations evaluations;
    std::vector<Write> writes;
    long long work = 0;
    for (std::size_t a = 1; a < rowCount; ++a) {
        for (std::size_t b = 1; b < rowCount; ++b) {
            if (b == a)
                continue;
            // Every reference is replaced before any line is evaluated, so all lines
            // of this pair see the cells as they were when the pair began.
            std::string text = formulaText;
            for (std::size_t column = 0; column < columnCount; ++column) {
                const std::string& valueA = CellAt(cells, a, column);
                if (!valueA.empty())
                    ReplaceAll(text, referencesA[column], AsOperand(valueA));
                const std::string& valueB = CellAt(cells, b, column);
                if (!valueB.empty())
                    ReplaceAll(text, referencesB[column], AsOperand(valueB));
            }
            // Every reference of every column is looked for in the text of every pair.
            work += 2 * static_cast<long long>(columnCount + text.size() / 8 + 1);
            writes.clear();
            for (const std::string& line : SplitLines(text))
                TryLine(line, cells[a], targets, evaluations, writes, work);
            Apply(cells[a], writes, columnCount);
            if (!budget.Allows(work))
                return false;
        }
    }
    return true;
}

std::size_t EmptyCells(const GridCells& cells)
{
    std::size_t empty = 0;
    for (std::size_t r = 1; r < cells.size(); ++r)
        for (const std::string& cell : cells[r])
            empty += cell.empty() ? 1 : 0;
    return empty;
}
} // namespace

bool CalculateGridByText(GridCells& cells, const std::vector<std::string>& formulas, long long workLimit)
{
    CalculationBudget budget(workLimit);
    return SweepByText(cells, formulas, budget);
}

bool CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas, CalculationBudget& budget)
{
    budget.StartSweep();
    if (cells.size() <= 2 || formulas.empty())
        return true;
    const std::optional<bool> complete = CalculateCompiled(cells, formulas, budget);
    return complete ? *complete : SweepByText(cells, formulas, budget);
}

bool CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas, long long workLimit)
{
    CalculationBudget budget(workLimit);
    return CalculateGrid(cells, formulas, budget);
}

CalculationEnd CalculateUntilSettled(GridCells& cells, const std::vector<std::string>& formulas,
                                     CalculationBudget& budget)
{
    for (std::size_t before = EmptyCells(cells); before > 0;) {
        if (!CalculateGrid(cells, formulas, budget))
            return budget.Cancelled() ? CalculationEnd::Cancelled : CalculationEnd::OutOfWork;
        const std::size_t after = EmptyCells(cells);
        if (after >= before)
            break;
        before = after;
    }
    return CalculationEnd::Settled;
}
