// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What one of a document's operations changed, part by part, so that an undo history can
// take it back and do it again (Document::undo and Document::redo): the reaction, the
// language, the fonts, the formulas, the column types and widths, the cells with their
// worked-out marks and what the worked-out sheet says of them, either those that changed (the grid kept its
// shape) or the whole grid. Only what changed is kept: a letter typed or a cell edited costs no copy of the
// grid.

#include "document/DocumentState.h"

#include <optional>
#include <string>
#include <vector>

template <typename T> struct BeforeAfter
{
    T Before;
    T After;
    const T& side(bool after) const { return after ? After : Before; }
};

struct CellChange
{
    int Column;
    int Row;
    BeforeAfter<std::string> Text;
    BeforeAfter<bool> WorkedOut;
};

// The cells and their marks, for a grid whose shape changed.
struct GridContent
{
    GridCells Cells;
    std::vector<std::vector<bool>> WorkedOut;
};

struct DocumentChange
{
    std::optional<BeforeAfter<std::string>> Reaction;
    std::optional<BeforeAfter<Language>> Lang;
    std::optional<BeforeAfter<FontSettings>> Fonts;
    std::optional<BeforeAfter<std::vector<std::string>>> Formulas;
    std::optional<BeforeAfter<std::vector<std::string>>> TypesList;
    std::optional<BeforeAfter<std::vector<int>>> Widths;
    std::vector<CellChange> Cells;                // the grid kept its shape
    std::optional<BeforeAfter<GridContent>> Grid; // the grid changed its shape
    // What the sheet says beside given amounts, and its limiting reactant's row.
    std::optional<BeforeAfter<std::vector<CellNote>>> Notes;
    std::optional<BeforeAfter<int>> LimitingRow;

    bool changesNothing() const;
};

// What turned before into after.
DocumentChange ChangeBetween(const DocumentContent& before, const DocumentContent& after);
