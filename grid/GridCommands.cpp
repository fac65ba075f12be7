// SPDX-License-Identifier: GPL-3.0-or-later
// Balance, cell edits and Calculate Grid: the window's side of the grid commands. The
// work itself is done on plain text by the core and the grid library.

#include "core/Balance.h"
#include "core/ReactionText.h"
#include "editor/ReactionWidgets.h"
#include "grid/BalanceColumns.h"
#include "grid/GridCalculation.h"
#include "grid/GridItems.h"
#include "grid/PropertyGrid.h"
#include "shell/MainU.h"

#include <QTimer>

#include <algorithm>

namespace {
// Writes back the cells that differ, so untouched cells keep their items.
void StoreChangedCells(TPropertyGrid* grid, const GridCells& before, const GridCells& after)
{
    for (int r = 1; r < static_cast<int>(after.size()); ++r)
        for (int c = 0; c < static_cast<int>(after[r].size()); ++c)
            if (after[r][c] != before[r][c])
                grid->SetCell(c, r, QString::fromStdString(after[r][c]));
}
} // namespace

void TSTMainForm::WeightBtnClick()
{
    if (HelpMode) {
        EndHelpMode(false);
        return;
    }
    TidyReaction();
    DocumentModified = true;
    const BalanceOutcome outcome = BalanceReaction(ReactionText, CurrentKeys().ChB);
    if (outcome.status == BalanceOutcome::Status::InvalidReaction) {
        Message(Texts::MsgInvalidReaction, MsgKind::Error, mbOK);
        return;
    }
    if (outcome.status == BalanceOutcome::Status::CannotBalance) {
        Message(Texts::MsgCannotBalance, MsgKind::Error, mbOK);
        return;
    }

    Grid->SetRowCount(static_cast<int>(outcome.Formulas.size()) + 1);
    const GridCells before = Grid->ToCells();
    GridCells cells = before;
    FillBalanceColumns(cells, TypesList, outcome.Formulas, outcome.Coefficients);
    StoreChangedCells(Grid, before, cells);

    ReactionText = outcome.BalancedText;
    const int length = static_cast<int>(ReactionText.size());
    CaretPos = std::min(CaretPos, length);
    FirstVisible = std::min(FirstVisible, CaretPos);
    DrawReaction();
}

void TSTMainForm::GridClick()
{
    if (HelpMode)
        EndHelpMode(true);
}

void TSTMainForm::GridSetEditText(int col, int, const QString& text)
{
    DocumentModified = true;
    if (text.isEmpty() || CellTextConverts(Grid->TypeCodeOf(col), text.toStdString()))
        return;
    // The warning leaves the text as typed. It is shown once the editor has finished
    // handling the keystroke, since the box takes the focus from the cell editor.
    QTimer::singleShot(0, this, [this] { Message(Texts::MsgInvalidNumber, MsgKind::Error, mbOK); });
}

void TSTMainForm::CalGridClick()
{
    if (HelpMode) {
        EndHelpMode(true);
        return;
    }
    const GridCells before = Grid->ToCells();
    GridCells cells = before;
    CalculateGrid(cells, FormulsList);
    StoreChangedCells(Grid, before, cells);
    DocumentModified = true;
}
