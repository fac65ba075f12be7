// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calculate Grid and Recalculate from the window. The work runs on a worker thread on a copy
// of the cells while the window keeps answering: it paints and, once the work has taken a
// moment, shows a progress dialog whose Cancel stops it. The document changes only when
// the work is over.

#include "document/Document.h"
#include "texts/Language.h"

class QWidget;

// Runs job: one sweep, or sweeps until the grid settles. The dialog, when it shows, is
// window's and speaks lang.
CalculationEnd RunCalculation(QWidget* window, Document::CalculationJob& job, Language lang);
