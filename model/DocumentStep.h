// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of the user's work as an undo history keeps them: each operation the document
// model runs for the user hands what it changed to the history as a step (an operation that
// changed nothing hands none), and the history hands a step back to the model to undo or
// redo it. The history itself lives above the model (undo/DocumentHistory): Qt's undo stack
// is Qt Gui's.

#include "document/DocumentChange.h"
#include "texts/Language.h"

#include <vector>

struct DocumentStep
{
    const LocalText* Name = nullptr;     // "Balance": the Edit menu's "Undo Balance"
    std::vector<DocumentChange> Changes; // in the order they were made
    // An edit of the reaction line: edits of one run (letters typed up to a formula's end,
    // characters deleted one after the other) join into one step when each starts where the
    // one before left the caret; 0 for a step that stands alone. The caret is put back where
    // it stood before the step (undo) or after it (redo).
    int Run = 0;
    int CaretBefore = -1;
    int CaretAfter = -1;
};

// How the reaction line tells the history about an edit of its text.
struct ReactionEdit
{
    const LocalText* Name = nullptr; // null: typing
    int Run = 0;
    int CaretBefore = -1;
    int CaretAfter = -1;
};
