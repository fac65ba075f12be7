// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table of user commands: every menu item, tool button and key runs one action.

#include "texts/Texts.h"
#include "ui/dialogs/Hints.h"
#include "ui/mainwindow/MainWindow.h"

#include <QKeySequence>

#include <vector>

struct ActionDef
{
    using Slots = TSTMainForm::TActionList;
    QAction* Slots::*Slot;
    const char* Name;
    const char* Category;
    QKeySequence Key;
    int Icon;                 // index into the tool-bar image list, -1 for none
    const LocalText* Caption; // null: the caption is the same in both languages (below)
    const LocalText* Hint;
    const char* FixedCaption;
    const char* FixedHint;
    void (TSTMainForm::*Handler)();
};

const std::vector<ActionDef>& ActionTable();
