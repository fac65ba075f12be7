// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/AmountAnalysis.h"

#include "grid/FormulaEvaluator.h"
#include "grid/FormulaLine.h"
#include "texts/Texts.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Amounts worked out along different ways through the formulas differ in their last digits.
constexpr long double Tolerance = 1e-9L;

std::optional<long double> NumberIn(const GridCells& cells, int row, int column)
{
    const GridRow& cellsOfRow = cells[size_t(row)];
    if (size_t(column) >= cellsOfRow.size() || cellsOfRow[size_t(column)].empty())
        return std::nullopt;
    return ParseRealNumber(cellsOfRow[size_t(column)]);
}

bool Exceeds(long double value, long double limit)
{
    return value > limit + Tolerance * std::max(std::fabs(value), std::fabs(limit));
}

class Analysis
{
  public:
    Analysis(const GridCells& given, const std::vector<std::string>& formulas, CalculationBudget& budget)
        : Given(given), Formulas(formulas), Budget(budget)
    {
        // The columns formulas write to; a number given elsewhere (a coefficient, a molar
        // mass, a density) is a constant of its row.
        std::vector<bool> written(given[0].size());
        const TargetColumns targets(given[0]);
        for (const std::string& formula : formulas) {
            const std::size_t equals = formula.find('=');
            if (!formula.empty() && formula[0] == '#' && equals != std::string::npos)
                if (const int column = targets.Find(formula, equals); column >= 0)
                    written[size_t(column)] = true;
        }
        for (int r = 1; r < int(given.size()); ++r)
            for (int c = 0; c < int(given[size_t(r)].size()) && c < int(written.size()); ++c)
                if (written[size_t(c)] && NumberIn(given, r, c))
                    Amounts[r].push_back(c);
    }

    const GridCells& Given;
    const std::vector<std::string>& Formulas;
    CalculationBudget& Budget;
    std::map<int, std::vector<int>> Amounts; // the rows with given numbers, and their columns
    CalculationEnd End = CalculationEnd::Settled;

    // The sheet calculated from the given numbers of the rows in keep alone (those of the
    // other rows with numbers emptied).
    GridCells From(const std::vector<int>& keep)
    {
        GridCells cells = Given;
        for (const auto& [row, columns] : Amounts)
            if (std::find(keep.begin(), keep.end(), row) == keep.end())
                for (int c : columns)
                    cells[size_t(row)][size_t(c)].clear();
        if (End == CalculationEnd::Settled)
            End = CalculateUntilSettled(cells, Formulas, Budget);
        return cells;
    }

    // Whether the row's values filled a cell of another row.
    bool Flows(const GridCells& cells, int row) const
    {
        for (int r = 1; r < int(cells.size()); ++r)
            if (r != row)
                for (size_t c = 0; c < cells[size_t(r)].size(); ++c)
                    if (Given[size_t(r)][c].empty() && !cells[size_t(r)][c].empty())
                        return true;
        return false;
    }

    // Whether the sheet worked out from one row asks no more of row q than q was given.
    bool Fits(const GridCells& cells, int q) const
    {
        for (int c : Amounts.at(q)) {
            const std::optional<long double> needed = NumberIn(cells, q, c);
            if (needed && Exceeds(*needed, *NumberIn(Given, q, c)))
                return false;
        }
        return true;
    }
};

} // namespace

std::string NoteText(const CellNote& note, Language lang, int significantDigits)
{
    const LocalText& text = note.What == CellNote::Kind::Excess  ? Texts::ExcessNote
                            : note.What == CellNote::Kind::Yield ? Texts::YieldNote
                                                                 : Texts::ContradictsNote;
    std::string out = text.In(lang);
    const std::optional<long double> value = ParseRealNumber(note.Value);
    const std::size_t mark = out.find("%1");
    if (mark != std::string::npos)
        out.replace(mark, 2, value ? FormatGeneral(*value, significantDigits) : note.Value);
    return out;
}

std::optional<WorkOutResult> WorkOutAmounts(const GridCells& given, const std::vector<std::string>& formulas,
                                            int reactants, CalculationBudget& budget)
{
    if (given.size() < 3)
        return std::nullopt;
    Analysis analysis(given, formulas, budget);
    if (analysis.Amounts.size() < 2)
        return std::nullopt;
    // A row whose numbers fill no other row (a density, a note) is kept in every calculation.
    std::map<int, GridCells> alone;
    std::vector<int> local;
    for (const auto& [row, columns] : analysis.Amounts) {
        GridCells cells = analysis.From({row});
        if (analysis.Flows(cells, row))
            alone.emplace(row, std::move(cells));
        else
            local.push_back(row);
    }
    if (analysis.End != CalculationEnd::Settled)
        return WorkOutResult{given, {}, 0, analysis.End};
    if (alone.size() < 2)
        return std::nullopt;
    std::vector<int> sources;
    for (auto& [row, cells] : alone) {
        sources.push_back(row);
        if (!local.empty()) {
            std::vector<int> keep = local;
            keep.push_back(row);
            cells = analysis.From(keep);
        }
    }
    if (analysis.End != CalculationEnd::Settled)
        return WorkOutResult{given, {}, 0, analysis.End};

    // The reactants decide; without a given reactant, the first product that fits the others.
    std::vector<int> deciding;
    std::copy_if(sources.begin(), sources.end(), std::back_inserter(deciding),
                 [&](int r) { return r <= reactants; });
    const bool byReactants = !deciding.empty();
    if (!byReactants)
        deciding = sources;
    int limiting = deciding.front();
    for (int r : deciding)
        if (std::all_of(deciding.begin(), deciding.end(),
                        [&](int q) { return q == r || analysis.Fits(alone[r], q); })) {
            limiting = r;
            break;
        }

    WorkOutResult result{
        alone[limiting], {}, byReactants && deciding.size() > 1 ? limiting : 0, CalculationEnd::Settled};
    const GridCells& decided = alone[limiting];
    for (int q : sources) {
        if (q == limiting)
            continue;
        const bool reactant = q <= reactants;
        bool contradicts = false;
        std::vector<CellNote> notes;
        for (int c : analysis.Amounts[q]) {
            const long double value = *NumberIn(given, q, c);
            const std::optional<long double> worked = NumberIn(decided, q, c);
            if (!worked)
                continue;
            if (byReactants && reactant) {
                notes.push_back(
                    {CellNote::Kind::Excess, c, q, FormatGeneral(std::max(0.0L, value - *worked))});
            } else if (Exceeds(value, *worked) || (!byReactants && Exceeds(*worked, value))) {
                contradicts = true;
                notes.push_back({CellNote::Kind::Contradicts, c, q, std::string()});
            } else if (*worked != 0) {
                notes.push_back({CellNote::Kind::Yield, c, q, FormatGeneral(value / *worked * 100)});
            }
        }
        // A contradicting amount is not used: its row is the one the others decide, the
        // given values kept.
        GridRow& row = result.Cells[size_t(q)];
        if (contradicts) {
            for (int c : analysis.Amounts[q])
                row[size_t(c)] = given[size_t(q)][size_t(c)];
        } else {
            row = alone[q][size_t(q)];
        }
        result.Notes.insert(result.Notes.end(), notes.begin(), notes.end());
    }
    return result;
}
