// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of the main window that its commands use besides the document and the views:
// the window itself, its status bar, help mode, the language switch, the user settings,
// the three dialogs, the undo history and the items of the atomic weights and of the
// students' sheet.

class AboutDialog;
class DocumentHistory;
class HelpMode;
class KeyOptionsDialog;
class LanguageSwitch;
class OptionsDialog;
class QAction;
class QMainWindow;
class StatusBar;
struct Settings;

struct WindowParts
{
    QMainWindow* Window = nullptr; // closed by Quit; its title is the document's caption
    StatusBar* Status = nullptr;
    HelpMode* Help = nullptr;
    LanguageSwitch* Languages = nullptr;
    Settings* UserSettings = nullptr;
    OptionsDialog* Options = nullptr;
    KeyOptionsDialog* KeyOptions = nullptr;
    AboutDialog* About = nullptr;
    QAction* PreciseWeights = nullptr; // checked: molar masses from the precise weights
    DocumentHistory* History = nullptr;
    QAction* StudentsSheet = nullptr; // checked: handouts leave the worked-out cells empty
};
