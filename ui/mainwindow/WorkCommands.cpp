// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit, Reaction, Settings and Help menus and the window's two buttons. The work is the
// document's and the reaction line's; here are the window's messages and dialogs.

#include "core/NotationWriters.h"
#include "model/DocumentModel.h"
#include "model/HelpPages.h"
#include "model/Settings.h"
#include "texts/Messages.h"
#include "texts/Texts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/CalculationRun.h"
#include "ui/mainwindow/CommandFunctions.h"
#include "ui/mainwindow/DesktopServices.h"
#include "ui/mainwindow/HelpMode.h"
#include "ui/mainwindow/LanguageSwitch.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/mainwindow/WindowParts.h"
#include "ui/reactionline/ReactionLine.h"
#include "undo/DocumentHistory.h"

#include <QAction>
#include <QInputDialog>
#include <QMainWindow>

namespace {
// Balances the line, completed in medium, the coefficients given choosing among several
// forms. A refusal shows its reason, and offers the solution that would balance it.
void BalanceIn(const CommandContext& context, Medium medium, const std::vector<std::string>& given)
{
    const AtomicWeights weights =
        context.Parts.PreciseWeights->isChecked() ? AtomicWeights::Precise : AtomicWeights::Table;
    // Letters typed in lower case may have been read otherwise (co2 as CO2): the status bar
    // says so, or names the readings that would balance.
    ChosenReading reading;
    const BalanceOutcome outcome =
        context.Document.balance(context.Line.keyOptions().AutoCase, weights, medium, given, &reading);
    if (!ReadingNote(reading, Language::English).empty())
        context.Parts.Status->showNotice([reading](Language lang) { return ReadingNote(reading, lang); });
    if (outcome.status == BalanceOutcome::Status::Balanced) {
        // The caret after the answer, and as much of it in view as fits, from its start.
        context.Line.showWhole();
        return;
    }
    const Language lang = context.Document.language();
    MessageRequest request{QString::fromStdString(RefusalMessage(outcome, lang)), MessageKind::Error,
                           ButtonOk};
    // A reaction that balances in solution: the box offers to complete it.
    if (outcome.CompletesInAcid || outcome.CompletesInBase) {
        request.Buttons =
            ButtonYes | (outcome.CompletesInAcid && outcome.CompletesInBase ? ButtonNo : 0) | ButtonCancel;
        request.YesCaption = outcome.CompletesInAcid ? &Texts::AcidicButton : &Texts::BasicButton;
        request.NoCaption = &Texts::BasicButton;
    }
    const int answer = context.Desktop.message(request);
    if (answer == AnswerYes || answer == AnswerNo)
        BalanceIn(context, answer == AnswerYes && outcome.CompletesInAcid ? Medium::Acidic : Medium::Basic,
                  given);
}
} // namespace

void Balance(const CommandContext& context)
{
    // The clean-up, the balance and a second try in solution are one step to undo.
    const StepScope step(context.Document, Texts::StepBalance);
    // Coefficients the line shows (a book's, pasted) may choose among several balanced
    // forms; the clean-up takes them out of the line.
    const std::vector<std::string> given = GivenCoefficients(context.Document.reactionText());
    context.Line.tidy();
    BalanceIn(context, Medium::None, given);
}

void Undo(const CommandContext& context)
{
    context.Parts.History->undo();
}

void Redo(const CommandContext& context)
{
    context.Parts.History->redo();
}

void CheckCoefficients(const CommandContext& context)
{
    const ReactionCheck check =
        CheckReaction(context.Document.reactionText(), context.Line.keyOptions().AutoCase);
    const Language lang = context.Document.language();
    QString text = QString::fromStdString(ReactionAsUnicode(check.Text));
    if (lang == Language::Farsi) // the reaction left to right, on a line that runs right to left
        text = QChar(0x200F) + (QChar(0x2066) + text + QChar(0x2069));
    for (const std::string& line : CheckLines(check, lang, true))
        text += '\r' + QString::fromStdString(line);
    context.Desktop.message(text,
                            check.status == BalanceOutcome::Status::Balanced ? MessageKind::Information
                                                                             : MessageKind::Warning,
                            ButtonOk);
}

namespace {
// The work runs away from the window (CalculationRun), and the document takes its cells
// only once it is over: a cancelled calculation leaves the document as it was.
void CalculateInWindow(const CommandContext& context, Document::CalculationJob job)
{
    const CalculationEnd end = RunCalculation(context.Parts.Window, job, context.Document.language());
    if (end == CalculationEnd::Cancelled) {
        context.Parts.Status->showNotice(Texts::MsgCalculationCancelled);
        return;
    }
    context.Document.applyCalculation(job);
    // Only a grid made to be slow stops short of its end; the status bar says so.
    if (end == CalculationEnd::OutOfWork)
        context.Parts.Status->showNotice(Texts::MsgGridTooLarge);
}
} // namespace

void CalculateGrid(const CommandContext& context)
{
    CalculateInWindow(context, context.Document.calculationJob(false, false));
}

void RecalculateGrid(const CommandContext& context)
{
    // The worked-out cells go and the grid fills again from the values given now.
    CalculateInWindow(context, context.Document.calculationJob(true, true));
}

void CopyReaction(const CommandContext& context)
{
    context.Line.copyToClipboard();
}

void PasteReaction(const CommandContext& context)
{
    context.Line.paste();
}

void ShowOptions(const CommandContext& context)
{
    // The dialog loads itself as it shows; its Default result has the defaults file written.
    context.Parts.Options->exec();
}

void ShowKeyOptions(const CommandContext& context)
{
    KeyOptionsDialog* dialog = context.Parts.KeyOptions;
    dialog->setKeys(context.Line.keyOptions());
    dialog->prepareToOpen(context.Desktop.programFont());
    dialog->exec();
}

void ChoosePreciseWeights(const CommandContext& context)
{
    // Kept as soon as it is chosen; the sheet's molar masses follow at once, and what was
    // worked out from them.
    Settings& settings = *context.Parts.UserSettings;
    settings.PreciseWeights = context.Parts.PreciseWeights->isChecked();
    settings.savePreciseWeights();
    context.Document.useWeights(*settings.PreciseWeights ? AtomicWeights::Precise : AtomicWeights::Table);
}

void ChooseSignificantFigures(const CommandContext& context)
{
    // A way of showing: documents keep their full values.
    Settings& settings = *context.Parts.UserSettings;
    const Language lang = context.Document.language();
    bool chosen = false;
    const int figures = QInputDialog::getInt(
        context.Grid.window(),
        QString::fromUtf8(Texts::SignificantFiguresHint.In(lang)).section(QLatin1Char('|'), 0, 0),
        QString::fromUtf8(Texts::SignificantFiguresPrompt.In(lang)), settings.SignificantFigures, 0, 15, 1,
        &chosen);
    if (!chosen)
        return;
    settings.SignificantFigures = figures;
    settings.saveSignificantFigures();
    context.Document.setSignificantFigures(figures);
}

void SwitchLanguage(const CommandContext& context, Language lang)
{
    context.Parts.Languages->switchTo(lang);
}

void StartHelpMode(const CommandContext& context)
{
    context.Parts.Help->enter();
}

void ShowOnlineHelp(const CommandContext& context)
{
    context.Desktop.openAddress(HelpPageAddress(HelpPage::OnlineHelp, context.Document.language()));
}

void ExplainFarsiProblems(const CommandContext& context)
{
    context.Desktop.message(QString::fromUtf8(Texts::FarsiProblemsText), MessageKind::Information, ButtonOk);
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
    context.Parts.About->exec();
}
