// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calculate Grid: fills empty cells of the substance rows from the user's formulas.
// Every substance row in turn is the current substance "a" and every other row is
// "b"; for each such pair the formula lines are instantiated with the two rows' cell
// texts and evaluated, and each result goes into row a.

#include "grid/GridCells.h"

#include <atomic>
#include <string>
#include <vector>

// The work a calculation may do, in steps of about a tenth of a microsecond: far more than
// any table of substances needs (a thousand rows of fifty columns take a few million), and
// about a second at most. Only a grid made to be slow, whose formulas are tried and fail
// for most of its pairs of rows, or that fills one cell a sweep along thousands of rows,
// reaches it.
constexpr long long CalculationWorkLimit = 20'000'000;

// The work left to a whole calculation, one sweep or many, and a stop that another thread
// may pull (the window's Cancel). The sweeps check it as they go.
class CalculationBudget
{
  public:
    explicit CalculationBudget(long long limit = CalculationWorkLimit) : Limit(limit) {}

    // Before each sweep.
    void StartSweep() { Spent = Used.load(std::memory_order_relaxed); }
    // The current sweep's work so far; false once the whole is past the limit or stopped.
    bool Allows(long long sweepWork)
    {
        const long long used = Spent + sweepWork;
        Used.store(used, std::memory_order_relaxed);
        return used <= Limit && !Stopped.load(std::memory_order_relaxed);
    }
    // From any thread.
    void Cancel() { Stopped.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return Stopped.load(std::memory_order_relaxed); }
    // The share of the work done, from 0 to 1; from any thread.
    double Progress() const { return double(Used.load(std::memory_order_relaxed)) / double(Limit); }

  private:
    const long long Limit;
    long long Spent = 0; // by the sweeps before the current one
    std::atomic<long long> Used{0};
    std::atomic<bool> Stopped{false};
};

// One sweep over all ordered pairs of substance rows (rows 1 and below), in row
// order. Only cells that were empty when their pair began are written, so a value the
// user typed is never replaced. Nothing happens with fewer than two substance rows.
// Failures are silent and local to one formula line of one pair. Help mode and the
// document's modified flag are the caller's. False when the sweep stopped at its work
// limit; the cells it wrote until then stay.
//
// Formulas are read once into text and references, and only the pairs of rows that can
// fill a cell are visited. A grid whose item names or referenced cells could change what
// a formula refers to once substituted (a "#" in a cell, a name holding "(a)") goes the
// way of the text itself: CalculateGridByText.
bool CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas,
                   long long workLimit = CalculationWorkLimit);
bool CalculateGrid(GridCells& cells, const std::vector<std::string>& formulas, CalculationBudget& budget);

// The sweep as text: for every pair, every reference "#name(a)" and "#name(b)" replaced by
// the cell's text, column by column, and the lines read again. The definition the faster
// sweep gives the same cells as.
bool CalculateGridByText(GridCells& cells, const std::vector<std::string>& formulas,
                         long long workLimit = CalculationWorkLimit);

// How a calculation of many sweeps ended.
enum class CalculationEnd
{
    Settled,   // a sweep filled no empty cell
    OutOfWork, // the budget ran out; the cells filled until then stay
    Cancelled  // stopped through the budget; the cells filled until then stay
};

// Sweeps until one fills no empty cell, within one budget for all of them: every sweep
// before the last fills at least one, so there are never more sweeps than empty cells, and
// the budget bounds the whole however many that is.
CalculationEnd CalculateUntilSettled(GridCells& cells, const std::vector<std::string>& formulas,
                                     CalculationBudget& budget);
