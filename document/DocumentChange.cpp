// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentChange.h"

namespace {
template <typename T> void Compare(std::optional<BeforeAfter<T>>& part, const T& before, const T& after)
{
    if (!(before == after))
        part = BeforeAfter<T>{before, after};
}
} // namespace

bool DocumentChange::changesNothing() const
{
    return !Reaction && !Lang && !Fonts && !Formulas && !TypesList && !Widths && Cells.empty() && !Grid &&
           !Notes && !LimitingRow;
}

DocumentChange ChangeBetween(const DocumentContent& before, const DocumentContent& after)
{
    DocumentChange change;
    const DocumentData& b = before.Data;
    const DocumentData& a = after.Data;
    Compare(change.Reaction, b.ReactionText, a.ReactionText);
    Compare(change.Lang, b.Lang, a.Lang);
    Compare(change.Fonts, b.Fonts, a.Fonts);
    Compare(change.Formulas, b.Formulas, a.Formulas);
    Compare(change.TypesList, b.TypesList, a.TypesList);
    Compare(change.Widths, b.Widths, a.Widths);
    Compare(change.Notes, before.Notes, after.Notes);
    Compare(change.LimitingRow, before.LimitingRow, after.LimitingRow);
    const bool sameShape = b.Cells.size() == a.Cells.size() && b.Widths.size() == a.Widths.size();
    if (!sameShape) {
        change.Grid = BeforeAfter<GridContent>{{b.Cells, before.WorkedOut}, {a.Cells, after.WorkedOut}};
        return change;
    }
    for (size_t r = 0; r < a.Cells.size(); ++r)
        for (size_t c = 0; c < a.Cells[r].size() && c < b.Cells[r].size(); ++c) {
            const bool markBefore = before.WorkedOut[r][c];
            const bool markAfter = after.WorkedOut[r][c];
            if (b.Cells[r][c] != a.Cells[r][c] || markBefore != markAfter)
                change.Cells.push_back(
                    {int(c), int(r), {b.Cells[r][c], a.Cells[r][c]}, {markBefore, markAfter}});
        }
    return change;
}
