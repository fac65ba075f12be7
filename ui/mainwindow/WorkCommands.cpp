// SPDX-License-Identifier: GPL-3.0-or-later
// The Reaction, Settings and Help menus and the window's two buttons. The work is the
// document's and the reaction line's; here are the window's messages and dialogs.

#include "model/DocumentModel.h"
#include "model/HelpPages.h"
#include "texts/Messages.h"
#include "texts/Texts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/mainwindow/CommandFunctions.h"
#include "ui/mainwindow/HelpMode.h"
#include "ui/mainwindow/LanguageSwitch.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/reactionline/ReactionLine.h"

#include <QAction>

void Balance(const CommandContext& context)
{
    context.Line.tidy();
    const BalanceOutcome::Status outcome =
        context.Document.balance(context.Line.keyOptions().AutoCase, context.Window.chosenWeights());
    if (const LocalText* message = BalanceMessage(outcome))
        context.Desktop.message(*message, MessageKind::Error, ButtonOk);
}

void CalculateGrid(const CommandContext& context)
{
    // Only a grid made to be slow stops short of its end; the status bar says so.
    if (!context.Document.calculate())
        static_cast<StatusBar*>(context.Window.statusBar())->showNotice(Texts::MsgGridTooLarge);
}

void RecalculateGrid(const CommandContext& context)
{
    // The worked-out cells go and the grid fills again from the values given now.
    if (!context.Document.recalculate())
        static_cast<StatusBar*>(context.Window.statusBar())->showNotice(Texts::MsgGridTooLarge);
}

void CopyReaction(const CommandContext& context)
{
    context.Line.copy();
}

void PasteReaction(const CommandContext& context)
{
    context.Line.paste();
}

void ShowOptions(const CommandContext& context)
{
    // The dialog loads itself as it shows; its Default result has the defaults file written.
    context.Window.optionsDialog()->exec();
}

void ShowKeyOptions(const CommandContext& context)
{
    KeyOptionsDialog* dialog = context.Window.keyOptionsDialog();
    dialog->setKeys(context.Line.keyOptions());
    dialog->prepareToOpen(context.Desktop.programFont());
    dialog->exec();
}

void ChoosePreciseWeights(const CommandContext& context)
{
    // Kept as soon as it is chosen; it applies from the next Balance.
    Settings& settings = context.Window.settings();
    settings.PreciseWeights = context.Window.command("preciseWeights")->isChecked();
    settings.writePreciseWeights();
}

void SwitchLanguage(const CommandContext& context, Language lang)
{
    context.Window.languageSwitch().switchTo(lang);
}

void StartHelpMode(const CommandContext& context)
{
    context.Window.helpMode().start();
}

void ShowOnlineHelp(const CommandContext& context)
{
    context.Desktop.openAddress(HelpPageAddress(HelpPage::OnlineHelp, context.Document.language()));
}

void ExplainFarsiProblems(const CommandContext& context)
{
    context.Desktop.message(QString::fromUtf8(Texts::ProblemFarsiText), MessageKind::Information, ButtonOk);
}

void WriteComments(const CommandContext& context)
{
    context.Desktop.openAddress(HelpPageAddress(HelpPage::Feedback, context.Document.language()));
}

void VisitWebsite(const CommandContext& context)
{
    context.Desktop.openAddress(HelpPageAddress(HelpPage::Website, context.Document.language()));
}

void ShowSourceCode(const CommandContext& context)
{
    context.Desktop.openAddress(HelpPageAddress(HelpPage::SourceCode, context.Document.language()));
}

void ShowAbout(const CommandContext& context)
{
    context.Window.aboutDialog()->exec();
}
