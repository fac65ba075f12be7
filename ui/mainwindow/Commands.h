// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's commands, a row each. The actions, the menus, the tool bar and the keys are
// built from the rows, so a new command is one row, one function and its two texts:
//   {"recalculateGrid", Texts::RecalculateCaption, Texts::RecalculateHint, "F5", "view-refresh",
//    Menu::Reaction, 2, 25, RecalculateGrid},
// Besides the table's own rows every document export (document/Exports) and every language
// (texts/Language) brings its command.

#include "texts/Language.h"

#include <functional>
#include <vector>

class DesktopServices;
class DocumentModel;
class GridView;
class ReactionLine;
struct WindowParts;

// What a command works with: the document, the views, the desktop's services and the
// window's other parts.
struct CommandContext
{
    DocumentModel& Document;
    ReactionLine& Line;
    GridView& Grid;
    const DesktopServices& Desktop;
    const WindowParts& Parts;
};

enum class Menu
{
    File,
    Edit,
    Reaction,
    Settings,
    Help
};

struct CommandRow
{
    const char* Id; // the action's object name
    LocalText Caption;
    LocalText Hint;   // "short|long": the tool tip, and the status bar's text
    const char* Key;  // "" for none; several are parted by "; "
    const char* Icon; // a picture of the resources' icons/, "" for none
    Menu InMenu;
    int Group;        // a separator stands between two groups of a menu
    int ToolBarPlace; // 0: not on the tool bar; a separator stands where the tens change
    std::function<void(const CommandContext&)> Run;
    bool Checkable = false;
};

// Every command in the order of the menus.
std::vector<CommandRow> CommandRows();
