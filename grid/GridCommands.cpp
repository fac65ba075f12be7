// SPDX-License-Identifier: GPL-3.0-or-later
// Balance, cell edits and Calculate Grid.

#include "shell/MainU.h"

void TSTMainForm::WeightBtnClick()
{
    if (HelpMode)
        EndHelpMode(false);
}
void TSTMainForm::GridClick()
{
    if (HelpMode)
        EndHelpMode(true);
}
void TSTMainForm::GridSetEditText(int, int, const QString&)
{
    DocumentModified = true;
}
void TSTMainForm::CalGridClick()
{
    if (HelpMode)
        EndHelpMode(true);
}
