// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The substance property grid as plain text, row 0 being the header row with the
// item names. Every row has the same number of cells. The widget layer copies its
// table into this form so that the calculation, the Balance sweeps, the document
// writer and the HTML export can work without a widget.

#include <string>
#include <vector>

using GridRow = std::vector<std::string>;
using GridCells = std::vector<GridRow>;
