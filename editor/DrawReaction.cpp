// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the reaction line.

#include "shell/MainU.h"

void TSTMainForm::DrawReaction(QImage*) { LayoutMainWindow(); }
