// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridCalculation.h"

#include "grid/FormulaEvaluator.h"
#include "grid/GridItems.h"

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

// The column a formula line writes to, or -1. The target name lies between the
// leading "#" and the three characters before the first "=", which are taken to be
// "(a)" without being checked.
int TargetColumn(const std::string& line, const GridRow& header, std::size_t equals)
{
    const std::string name = equals > 4 ? line.substr(1, equals - 4) : std::string();
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (SameNameIgnoringCase(header[column], name))
            return static_cast<int>(column);
    }
    return -1;
}

} // namespace

void CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas)
{
    const std::size_t rowCount = cells.size();
    if (rowCount <= 2 || formulas.empty())
        return;
    const GridRow header = cells[0];
    const std::size_t columnCount = header.size();

    std::vector<std::string> referencesA;
    std::vector<std::string> referencesB;
    for (const std::string& name : header) {
        referencesA.push_back("#" + name + "(a)");
        referencesB.push_back("#" + name + "(b)");
    }
    std::string formulaText;
    for (const std::string& formula : formulas)
        formulaText += formula + "\n";

    std::vector<bool> writtenInPair(columnCount);
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
                    ReplaceAll(text, referencesA[column], valueA);
                const std::string& valueB = CellAt(cells, b, column);
                if (!valueB.empty())
                    ReplaceAll(text, referencesB[column], valueB);
            }

            writtenInPair.assign(columnCount, false);
            for (const std::string& line : SplitLines(text)) {
                // A filled target has been replaced by its value, so only lines whose
                // target is still empty start with "#". A "#" or "(b)" further on is a
                // reference to an empty cell.
                if (line.empty() || line[0] != '#')
                    continue;
                if (line.find('#', 1) != std::string::npos || line.find("(b)", 1) != std::string::npos)
                    continue;
                const std::size_t equals = line.find('=');
                if (equals == std::string::npos)
                    continue;
                const int target = TargetColumn(line, header, equals);
                if (target < 0)
                    continue;
                const auto column = static_cast<std::size_t>(target);
                // A target written in another letter case than its column is never
                // replaced; checking the cell keeps such a formula from overwriting a
                // value the pair began with. Two lines with the same empty target may
                // both write: the later one wins.
                if (!CellAt(cells, a, column).empty() && !writtenInPair[column])
                    continue;
                const std::optional<std::string> value = EvaluateExpression(line.substr(equals + 1));
                if (!value)
                    continue;
                GridRow& row = cells[a];
                if (row.size() <= column)
                    row.resize(columnCount);
                row[column] = *value;
                writtenInPair[column] = true;
            }
        }
    }
}
