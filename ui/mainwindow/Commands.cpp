// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/Commands.h"

#include "document/Exports.h"
#include "texts/Texts.h"
#include "ui/mainwindow/CommandFunctions.h"

#include <algorithm>

std::vector<CommandRow> CommandRows()
{
    using namespace Texts;
    // clang-format off
    std::vector<CommandRow> rows = {
        {"newDocument", NewDocumentCaption, NewDocumentHint, "Ctrl+N", "document-new", Menu::File, 1, 11, NewDocument},
        {"openDocument", OpenDocumentCaption, OpenDocumentHint, "Ctrl+O", "document-open", Menu::File, 1, 12, OpenDocument},
        {"saveDocument", SaveDocumentCaption, SaveDocumentHint, "Ctrl+S", "document-save", Menu::File, 1, 13, SaveDocument},
        {"saveDocumentAs", SaveDocumentAsCaption, SaveDocumentAsHint, "Ctrl+Shift+S", "document-save-as", Menu::File, 1, 14, SaveDocumentAs},
        // The exports come here, in their order (group 2, tool bar places 15 and on).
        // Ctrl+P stays with Export as Bitmap.
        {"print", PrintCaption, PrintHint, "Ctrl+Shift+P", "document-print", Menu::File, 3, 19, PrintHandout},
        {"studentsSheet", StudentsSheetCaption, StudentsSheetHint, "", "", Menu::File, 3, 0, ChooseStudentsSheet, true},
        {"quit", QuitCaption, QuitHint, "Ctrl+Q", "application-exit", Menu::File, 4, 0, Quit},
        {"undo", UndoCaption, UndoHint, "Ctrl+Z", "edit-undo", Menu::Edit, 1, 21, Undo},
        {"redo", RedoCaption, RedoHint, "Ctrl+Shift+Z; Ctrl+Y", "edit-redo", Menu::Edit, 1, 22, Redo},
        // Copy has a key of its own: Ctrl+Q stays with Exit. Ctrl+V pastes as Ctrl+W does.
        {"copyReaction", CopyReactionCaption, CopyReactionHint, "Ctrl+C", "edit-copy", Menu::Reaction, 1, 23, CopyReaction},
        {"pasteReaction", PasteReactionCaption, PasteReactionHint, "Ctrl+W; Ctrl+V", "edit-paste", Menu::Reaction, 1, 24, PasteReaction},
        // F5 recalculates, as it refreshes in most programs; F9, the spreadsheets' key, is Farsi.
        {"recalculateGrid", RecalculateGridCaption, RecalculateGridHint, "F5", "view-refresh", Menu::Reaction, 2, 25, RecalculateGrid},
        {"checkCoefficients", CheckCoefficientsCaption, CheckCoefficientsHint, "Ctrl+K", "", Menu::Reaction, 2, 0, CheckCoefficients},
        {"options", OptionsCaption, OptionsHint, "F3", "preferences-system", Menu::Settings, 1, 33, ShowOptions},
        {"keyOptions", KeyOptionsCaption, KeyOptionsHint, "F4", "preferences-desktop-keyboard", Menu::Settings, 1, 34, ShowKeyOptions},
        {"preciseWeights", PreciseWeightsCaption, PreciseWeightsHint, "", "", Menu::Settings, 1, 0, ChoosePreciseWeights, true},
        // The languages come here (group 2, tool bar places 31 and on).
        {"help", HelpCaption, HelpHint, "F1", "help-contents", Menu::Help, 1, 41, StartHelpMode},
        {"onlineHelp", OnlineHelpCaption, OnlineHelpHint, "", "help-browser", Menu::Help, 1, 42, ShowOnlineHelp},
        {"farsiProblems", {FarsiProblemsCaption, FarsiProblemsCaption}, {FarsiProblemsHint, FarsiProblemsHint}, "", "", Menu::Help, 1, 0, ExplainFarsiProblems},
        {"comments", CommentsCaption, CommentsHint, "Shift+F1", "mail-message-new", Menu::Help, 2, 43, WriteComments},
        {"website", WebsiteCaption, WebsiteHint, "", "internet-web-browser", Menu::Help, 2, 44, VisitWebsite},
        {"sourceCode", SourceCodeCaption, SourceCodeHint, "", "text-x-script", Menu::Help, 2, 45, ShowSourceCode},
        {"about", AboutCaption, AboutHint, "", "help-about", Menu::Help, 3, 46, ShowAbout},
    };
    // clang-format on

    std::vector<DocumentExport> exports = DocumentExports();
    std::sort(exports.begin(), exports.end(),
              [](const DocumentExport& a, const DocumentExport& b) { return a.Order < b.Order; });
    auto at = rows.begin() + 4;
    for (const DocumentExport& row : exports)
        at = rows.insert(at,
                         CommandRow{row.Id, *row.Caption, *row.Hint, row.Key, row.Icon, Menu::File, 2,
                                    14 + row.Order,
                                    [row](const CommandContext& context) { ExportDocument(context, row); }}) +
             1;

    at = std::find_if(rows.begin(), rows.end(),
                      [](const CommandRow& row) { return row.InMenu == Menu::Help; });
    int place = 31;
    for (const LanguageRow& language : Languages()) {
        const Language lang = language.Id;
        at = rows.insert(
                 at, CommandRow{language.SwitchId,
                                {language.SwitchCaption, language.SwitchCaption},
                                {language.SwitchHint, language.SwitchHint},
                                language.SwitchKey,
                                language.SwitchIcon,
                                Menu::Settings,
                                2,
                                place++,
                                [lang](const CommandContext& context) { SwitchLanguage(context, lang); }}) +
             1;
    }
    return rows;
}
