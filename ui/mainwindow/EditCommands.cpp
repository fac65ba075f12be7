// SPDX-License-Identifier: GPL-3.0-or-later
// Balance, Calculate Grid and Recalculate, the cell edits, the reaction line's clipboard and the two settings
// dialogs: the window's side. The work is the document's and the line's; the window shows
// their messages.

#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "texts/Messages.h"
#include "texts/Texts.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/reactionline/ReactionLine.h"

#include <QStatusBar>
#include <QTimer>

void TSTMainForm::WeightBtnClick()
{
    if (HelpMode) {
        EndHelpMode(false);
        return;
    }
    TextImg->TidyReaction();
    if (const LocalText* message = BalanceMessage(Doc->balance(TextImg->keyOptions().ChB, ChosenWeights())))
        Message(*message, MsgKind::Error, mbOK);
}

void TSTMainForm::GridSetEditText(int col, int, const QString& text)
{
    if (text.isEmpty() || CellTextConverts(Doc->grid()->typeCodeOf(col), text.toStdString()))
        return;
    // The warning leaves the text as typed, in the editor, which stays open for the user to
    // go on typing. It is shown once the editor has finished handling the keystroke.
    QTimer::singleShot(0, this, [this] {
        Grid->WarnWhileEditing([this] { Message(Texts::MsgInvalidNumber, MsgKind::Error, mbOK); });
    });
}

void TSTMainForm::CalGridClick()
{
    if (HelpMode) {
        EndHelpMode(true);
        return;
    }
    // Only a grid made to be slow stops short of its end; the status bar says so.
    if (!Doc->calculate())
        statusBar()->showMessage(Texts::MsgGridTooLarge.In(Doc->language()));
}

void TSTMainForm::ReactionRecalculateExecute()
{
    // The worked-out cells go and the grid fills again from the values given now.
    if (!Doc->recalculate())
        statusBar()->showMessage(Texts::MsgGridTooLarge.In(Doc->language()));
}

void TSTMainForm::SettingsOptionsExecute()
{
    // The dialog loads itself as it shows; its Default result has the defaults file written.
    if (OpsForm)
        OpsForm->exec();
}

void TSTMainForm::ReactionCopyExecute()
{
    TextImg->copy();
}

void TSTMainForm::ReactionPasteExecute()
{
    TextImg->paste();
}

void TSTMainForm::SettingsKeyExecute()
{
    if (!KOForm)
        return;
    KOForm->setKeys(TextImg->keyOptions());
    KOForm->PrepareToOpen(ProgramQFont());
    KOForm->exec();
}
