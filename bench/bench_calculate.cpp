// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate Grid on a large grid: the work grows with rows² × columns × formulas, and
// the command runs on the interface thread, so it has to stay well under a second.

#include "grid/AmountAnalysis.h"
#include "grid/GridCalculation.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> ColumnNames{"Formula",  "Number",  "Weight",      "Mol",
                                           "Mass",     "Volume",  "Particles",   "Molarity",
                                           "Solution", "Density", "Temperature", "Note"};

const std::vector<std::string> Formulas{
    "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)",  "#Mass(a)=#Mol(a)*#Weight(a)", "#Mol(a)=#Mass(a)/#Weight(a)",
    "#Particles(a)=#Mol(a)*6.02214076*10^23", "#Volume(a)=(#Mol(a)*22.4)",
};

// One substance with a known mass; Calculate Grid works out the rest from it.
GridCells MakeGrid(int substances)
{
    GridCells cells;
    cells.push_back(ColumnNames);
    for (int row = 1; row <= substances; ++row) {
        GridRow cellsOfRow(ColumnNames.size());
        cellsOfRow[0] = "C" + std::to_string(row) + "H" + std::to_string(2 * row + 2);
        cellsOfRow[1] = std::to_string(row % 7 + 1);
        cellsOfRow[2] = std::to_string(14.03 * row + 2.02);
        cellsOfRow[11] = "sample";
        cells.push_back(cellsOfRow);
    }
    cells[1][4] = "16.04";
    return cells;
}

void BM_CalculateGrid(benchmark::State& state)
{
    const GridCells start = MakeGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        GridCells cells = start;
        CalculateGrid(cells, Formulas);
        benchmark::DoNotOptimize(cells);
    }
}

// Two reactants with given amounts: the sheet is worked out once from each, until settled,
// and the one that runs out first decides (what the window does after every edit once the
// grid is calculated).
void BM_WorkOutTwoAmounts(benchmark::State& state)
{
    const int substances = static_cast<int>(state.range(0));
    GridCells start = MakeGrid(substances);
    start[2][4] = "30";
    for (auto _ : state) {
        CalculationBudget budget;
        std::optional<WorkOutResult> result = WorkOutAmounts(start, Formulas, substances / 2, budget);
        benchmark::DoNotOptimize(result);
    }
}

} // namespace

BENCHMARK(BM_CalculateGrid)->Arg(10)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkOutTwoAmounts)->Arg(100)->Unit(benchmark::kMillisecond);
