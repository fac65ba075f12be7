// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Working out a worksheet in which more than one substance has a given amount. What is an
// amount is read from the user's formulas themselves: a number given in a column that
// formulas write to (a column that could have been worked out), and whose row, calculated
// alone, fills cells of other rows. Of the
// reactants with a given amount the limiting one is the one whose amount, worked out to the
// others, asks no more of them than they were given; it decides every other row and the
// products. The other reactants keep their own given values, with what is left over of them;
// a given product amount is an actual yield beside the amount worked out for it, or is
// marked when more than can form.
//   WorkOutResult result = WorkOutAmounts(cells, formulas, reactants, budget);

#include "grid/GridCalculation.h"
#include "grid/GridCells.h"
#include "texts/Language.h"

#include <optional>
#include <string>
#include <vector>

// What a worked-out sheet says about one given cell beside its value.
struct CellNote
{
    enum class Kind
    {
        Excess,     // a reactant's given amount of which Value is left over
        Yield,      // a product's actual amount, Value percent of the amount worked out
        Contradicts // a given amount the others' cannot give; not used
    };
    Kind What = Kind::Excess;
    int Column = 0;
    int Row = 0;
    std::string Value; // a number as the evaluator writes them; empty for Contradicts

    bool operator==(const CellNote& other) const
    {
        return What == other.What && Column == other.Column && Row == other.Row && Value == other.Value;
    }
};

// What a note says, in the language asked for, its number to the significant digits given.
std::string NoteText(const CellNote& note, Language lang, int significantDigits = 4);

struct WorkOutResult
{
    GridCells Cells;
    std::vector<CellNote> Notes;
    int LimitingRow = 0; // the limiting reactant's row, 0 when no reactant limits another
    CalculationEnd End = CalculationEnd::Settled;
};

// given: the grid with no worked-out values (only what the user and Balance wrote);
// reactants: how many substance rows, from row 1, are reactants. Nothing when fewer than two
// rows give an amount: the sheet is then calculated as it always was.
std::optional<WorkOutResult> WorkOutAmounts(const GridCells& given, const std::vector<std::string>& formulas,
                                            int reactants, CalculationBudget& budget);
