// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text through the formula evaluator and through Calculate Grid. The evaluator
// must answer or fail, never crash or hang. Whatever number it reads must come back
// readable from the number format, and read inside an expression as the one number it is
// (6.26E-5*1 is 6.26E-5), since results are read again by the formulas that follow.
//
// The same text is also a grid with its formulas: the first line holds the item names,
// the lines up to an empty one the substance rows, the rest the formulas, cells split at
// ",". Substituting cell texts into the formulas must never change a cell that held a
// value, the header, or the grid's size, and the faster sweep must give the cells the
// substitution as text gives.

#include "grid/FormulaEvaluator.h"
#include "grid/GridCalculation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// A few rows, columns and formulas reach every path; more only slow the run down.
constexpr std::size_t MaxRows = 6;
constexpr std::size_t MaxColumns = 6;
constexpr std::size_t MaxFormulas = 8;

void CalculateAsGrid(const std::string& text)
{
    const std::vector<std::string> lines = Split(text, '\n');
    GridCells cells;
    GridRow header = Split(lines[0], ',');
    header.resize(std::min(header.size(), MaxColumns));
    cells.push_back(header);
    std::size_t i = 1;
    for (; i < lines.size() && !lines[i].empty() && cells.size() <= MaxRows; ++i) {
        GridRow row = Split(lines[i], ',');
        row.resize(header.size()); // every row as wide as the header, as the grid keeps them
        cells.push_back(row);
    }
    std::vector<std::string> formulas;
    for (++i; i < lines.size() && formulas.size() < MaxFormulas; ++i)
        formulas.push_back(lines[i]);

    const GridCells before = cells;
    CalculateGrid(cells, formulas);
    // The sweep that reads formulas once must fill exactly what the text substitution fills.
    GridCells asText = before;
    CalculateGridByText(asText, formulas);
    if (asText != cells)
        std::abort();
    if (cells.size() != before.size() || cells[0] != before[0])
        std::abort();
    for (std::size_t r = 1; r < cells.size(); ++r) {
        if (cells[r].size() != before[r].size())
            std::abort();
        for (std::size_t c = 0; c < cells[r].size(); ++c)
            if (!before[r][c].empty() && cells[r][c] != before[r][c])
                std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> result = EvaluateExpression(text);
    if (result && result->empty())
        std::abort();

    const std::optional<long double> value = ParseRealNumber(text);
    if (value) {
        if (!std::isfinite(*value))
            std::abort();
        if (!ParseRealNumber(FormatGeneral(*value)))
            std::abort();
        if (EvaluateExpression(text + "*1") != FormatGeneral(*value))
            std::abort();
    }
    CalculateAsGrid(text);
    return 0;
}
