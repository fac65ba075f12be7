// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One formula line of one pair of rows, shared by the two ways through Calculate Grid: the
// line once its references are replaced, checked and evaluated, and the cells a pair
// writes.

#include "grid/GridCells.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The column a formula line writes to: the first column whose name equals, ignoring the
// case of ASCII letters, the text between the leading "#" and the three characters before
// the first "=" (taken to be "(a)" without being checked).
class TargetColumns
{
  public:
    explicit TargetColumns(const GridRow& header);
    int Find(const std::string& line, std::size_t equals) const;

  private:
    std::unordered_map<std::string, int> ByName;
};

// The expressions already evaluated in this sweep: the same text always gives the same
// value, and a row whose formula fails for one partner fails the same way for the next.
// Each evaluation adds its cost to work.
class Evaluations
{
  public:
    const std::optional<std::string>& Of(const std::string& expression, long long& work);

  private:
    std::unordered_map<std::string, std::optional<std::string>> Known;
};

// The sheet's constants put into its formulas: a line "#Name=value" (a name without "(",
// a value that evaluates, as "#T=273.15") states a constant of the sheet, and "#Name"
// elsewhere, not followed by "(", stands for its value; the gas conditions of the shipped
// sheets are such constants. The lines that state them are left out of what is returned
// (they write no cell); formulas without such lines are returned unchanged.
std::vector<std::string> WithSheetConstants(const std::vector<std::string>& formulas);

// A cell's text as it goes into a formula: a negative number in parentheses, so that it is
// one operand with its sign (2*#Mol(a) with -3 is -6, #Mol(a)^2 is 9); any other text as it is.
std::string AsOperand(const std::string& cell);

// A written cell of one pair: every line of a pair sees the cells as they were when the
// pair began, and of two lines with the same target the later one wins.
struct Write
{
    std::size_t Column;
    std::string Value;
};

// The line's checks once its references are replaced: it starts with "#" (its target
// was empty), holds no other "#" and no "(b)" (every other cell it names was filled),
// has an "=", and its target is a column that was empty when the pair began. A value it
// gives is added to writes.
void TryLine(const std::string& line, const GridRow& rowAtStart, const TargetColumns& targets,
             Evaluations& evaluations, std::vector<Write>& writes, long long& work);

// Applies a pair's writes to row a; true when there were any.
bool Apply(GridRow& row, const std::vector<Write>& writes, std::size_t columnCount);
