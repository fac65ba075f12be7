// SPDX-License-Identifier: GPL-3.0-or-later
// Balance, Calculate Grid and Recalculate, the cell edits, the reaction line's clipboard and the two settings
// dialogs: the window's side. The work is the document's and the line's; the window shows
// their messages.

#include "core/BalanceCheck.h"
#include "core/NotationWriters.h"
#include "dialogs/MessageBox.h"
#include "dialogs/OpsU.h"
#include "document/DocumentModel.h"
#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "grid/GridItems.h"
#include "grid/GridModel.h"
#include "grid/PropertyGrid.h"
#include "shell/BalanceOutput.h"
#include "shell/CalculationRun.h"
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
    // Coefficients the line shows (a book's, pasted) may choose among several balanced
    // forms; the clean-up takes them out of the line.
    const std::vector<std::string> given = GivenCoefficients(TextImg->text());
    TextImg->TidyReaction();
    BalanceLine(Medium::None, given);
}

void TSTMainForm::BalanceLine(Medium medium, const std::vector<std::string>& given)
{
    // Letters typed in lower case may have been read otherwise (co2 as CO2): the status bar
    // says so, or names the readings that would balance.
    ChosenReading reading;
    const BalanceOutcome outcome =
        Doc->balance(TextImg->keyOptions().ChB, ChosenWeights(), medium, given, &reading);
    const std::string note = ReadingNote(reading, Doc->language());
    if (!note.empty())
        statusBar()->showMessage(QString::fromStdString(note));
    if (outcome.status == BalanceOutcome::Status::Balanced)
        return;
    // The message names the case, and the reason follows on the lines under it.
    const Language lang = Doc->language();
    QString text = QString::fromUtf8(outcome.status == BalanceOutcome::Status::InvalidReaction
                                         ? Texts::MsgInvalidReaction.In(lang)
                                         : Texts::MsgCannotBalance.In(lang));
    if (outcome.Reason != RefusalReason::SeveralReactions)
        text = text.section('\r', 0, 0).trimmed();
    for (const std::string& line : RefusalLines(outcome, lang, true))
        text += '\r' + QString::fromStdString(line);
    MessageRequest request{text, MsgKind::Error, mbOK, lang};
    // A reaction that balances in solution: the box offers to complete it.
    if (outcome.CompletesInAcid || outcome.CompletesInBase) {
        request.Buttons = mbYes | (outcome.CompletesInAcid && outcome.CompletesInBase ? mbNo : 0) | mbCancel;
        request.YesCaption = outcome.CompletesInAcid ? &Texts::ButtonAcidic : &Texts::ButtonBasic;
        request.NoCaption = &Texts::ButtonBasic;
    }
    const int answer = ShowMessageBox(request, ProgramQFont(), this);
    if (answer == mrYes || answer == mrNo)
        BalanceLine(answer == mrYes && outcome.CompletesInAcid ? Medium::Acidic : Medium::Basic, given);
}

void TSTMainForm::ReactionCheckExecute()
{
    const ReactionCheck check = CheckReaction(TextImg->text(), TextImg->keyOptions().ChB);
    const Language lang = Doc->language();
    QString text = QString::fromStdString(ReactionAsUnicode(check.Text));
    if (lang == Language::Farsi) // the reaction left to right, on a line that runs right to left
        text = QChar(0x200F) + (QChar(0x2066) + text + QChar(0x2069));
    for (const std::string& line : CheckLines(check, lang, true))
        text += '\r' + QString::fromStdString(line);
    Message(text, check.status == BalanceOutcome::Status::Balanced ? MsgKind::Information : MsgKind::Warning,
            mbOK);
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

void TSTMainForm::SaySeparatorDropped()
{
    statusBar()->showMessage(Texts::MsgSeparatorDropped.In(Doc->language()));
}

void TSTMainForm::CalGridClick()
{
    if (HelpMode) {
        EndHelpMode(true);
        return;
    }
    CalculateInWindow(false);
}

void TSTMainForm::ReactionRecalculateExecute()
{
    // The worked-out cells go and the grid fills again from the values given now.
    CalculateInWindow(true);
}

void TSTMainForm::CalculateInWindow(bool recalculate)
{
    DocumentModel::CalculationJob job = Doc->calculationJob(recalculate);
    const CalculationEnd end = RunCalculation(this, job, recalculate, Doc->language());
    // A cancelled calculation leaves the document as it was.
    if (end == CalculationEnd::Cancelled) {
        statusBar()->showMessage(Texts::MsgCalculationCancelled.In(Doc->language()));
        return;
    }
    Doc->applyCalculation(job);
    // Only a grid made to be slow stops short of its end; the status bar says so.
    if (end == CalculationEnd::OutOfWork)
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
