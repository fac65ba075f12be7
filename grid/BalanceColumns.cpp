// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/BalanceColumns.h"

#include "core/ElementTable.h"
#include "grid/GridItems.h"
#include <exception>

namespace {
std::string MolarMassOrEmpty(const std::string& formula, AtomicWeights weights)
{
    try {
        return MolarMass(formula, weights);
    } catch (const std::exception&) {
        return std::string();
    }
}
} // namespace

void FillBalanceColumns(GridCells& cells, const std::vector<std::string>& typesList,
                        const std::vector<std::string>& formulas,
                        const std::vector<std::string>& coefficients, AtomicWeights weights)
{
    if (cells.empty())
        return;
    const int columns = static_cast<int>(cells.front().size());
    const int substances = std::min(static_cast<int>(formulas.size()), static_cast<int>(cells.size()) - 1);
    std::vector<std::string> masses;
    const auto sweep = [&](char type, const auto& valueOf) {
        for (int c = 0; c < columns; ++c) {
            if (TypeCodeAt(typesList, c) != type)
                continue;
            for (int i = 0; i < substances; ++i)
                cells[i + 1][c] = valueOf(i);
        }
    };
    sweep(GridType::SubstanceFormula, [&](int i) { return formulas[i]; });
    sweep(GridType::SubstanceNumber,
          [&](int i) { return i < static_cast<int>(coefficients.size()) ? coefficients[i] : std::string(); });
    sweep(GridType::AtomicWeight, [&](int i) {
        if (masses.empty())
            for (const std::string& formula : formulas)
                masses.push_back(MolarMassOrEmpty(formula, weights));
        return masses[i];
    });
}

bool RefillMolarMasses(GridCells& cells, const std::vector<std::string>& typesList, AtomicWeights weights)
{
    if (cells.empty())
        return false;
    const int columns = static_cast<int>(cells.front().size());
    int formulaColumn = -1;
    for (int c = 0; c < columns && formulaColumn < 0; ++c)
        if (TypeCodeAt(typesList, c) == GridType::SubstanceFormula)
            formulaColumn = c;
    if (formulaColumn < 0)
        return false;
    bool changed = false;
    for (std::size_t r = 1; r < cells.size(); ++r) {
        const std::string& formula = cells[r][size_t(formulaColumn)];
        if (formula.empty())
            continue;
        const std::string mass = MolarMassOrEmpty(formula, weights);
        for (int c = 0; c < columns; ++c)
            if (TypeCodeAt(typesList, c) == GridType::AtomicWeight && cells[r][size_t(c)] != mass) {
                cells[r][size_t(c)] = mass;
                changed = true;
            }
    }
    return changed;
}
