// SPDX-License-Identifier: GPL-3.0-or-later
// Export of the drawn reaction and the grid as a bitmap picture.

#include "shell/MainU.h"

void TSTMainForm::FilePrintExecute() {}
