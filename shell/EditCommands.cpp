// SPDX-License-Identifier: GPL-3.0-or-later
// Balance, Calculate Grid and Recalculate, the cell edits, the reaction line's clipboard and the two settings
// dialogs: the window's side. The work is the document's and the line's; the window shows
// their messages.

#include "dialogs/OpsU.h"
#include "document/DocumentModel.h"
#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "grid/GridItems.h"
#include "grid/GridModel.h"
#include "grid/PropertyGrid.h"
#include "shell/InterfaceTexts.h"
#include "shell/MainU.h"

#include <QStatusBar>
#include <QTimer>

void TSTMainForm::WeightBtnClick()
{
    if (HelpMode) {
        EndHelpMode(false);
        return;
    }
    TextImg->TidyReaction();
    // Letters typed in lower case may have been read otherwise (co2 as CO2): the status bar
    // says so, or names the readings that would balance.
    std::string note;
    const BalanceOutcome::Status status = Doc->balance(TextImg->keyOptions().ChB, ChosenWeights(), &note);
    if (!note.empty())
        statusBar()->showMessage(QString::fromStdString(note));
    switch (status) {
    case BalanceOutcome::Status::InvalidReaction:
        Message(Texts::MsgInvalidReaction, MsgKind::Error, mbOK);
        break;
    case BalanceOutcome::Status::CannotBalance:
        Message(Texts::MsgCannotBalance, MsgKind::Error, mbOK);
        break;
    case BalanceOutcome::Status::Balanced:
        break;
    }
}

void TSTMainForm::GridSetEditText(int col, int, const QString& text)
{
    Doc->setModified(true);
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
    bool complete = true;
    Doc->calculateGrid(&complete);
    if (!complete)
        statusBar()->showMessage(Texts::MsgGridTooLarge.In(Doc->language()));
}

void TSTMainForm::ReactionRecalculateExecute()
{
    // The worked-out cells go and the grid fills again from the values given now.
    if (!Doc->recalculateGrid())
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
