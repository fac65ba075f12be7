// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu and a document's life through the window: New, Open, Save, Save As, the
// exports, printing, the defaults files, and the question before changes are dropped. The
// work on the document is the document's; here are the window's dialogs and messages.

#include "core/ReactionText.h"
#include "document/Exports.h"
#include "document/FileAccess.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "model/Settings.h"
#include "render/BitmapExport.h"
#include "render/Handout.h"
#include "texts/Texts.h"
#include "ui/dialogs/Hints.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/CommandFunctions.h"
#include "ui/mainwindow/DesktopServices.h"
#include "ui/mainwindow/WindowParts.h"
#include "ui/reactionline/ReactionLine.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPrinter>

#include <iostream>

namespace {
const char* const DocumentFilter = "Stoikon File (*.KVX *.kvx)";

// The message box says what failed; standard error also says why, as the command line does.
void ReportFileFailure(const CommandContext& context, const LocalText& message, const FileError& error)
{
    std::cerr << message.In(Language::English) << '\n' << error.what() << std::endl;
    context.Desktop.message(message, MessageKind::Error, ButtonOk);
}

// A name made from the reaction, its formulas without coefficients and the arrow as "="
// (2H2+O2>2H2O: H2+O2=H2O), for a document that has no name yet.
QString NameFromReaction(const std::string& reaction)
{
    constexpr int longest = 80;
    const std::vector<ReactionPart> parts = ClassifyReaction(reaction);
    std::string name;
    for (size_t i = 0; i < reaction.size() && name.size() < size_t(longest); ++i) {
        if (parts[i] == ReactionPart::Coefficient || parts[i] == ReactionPart::ChargeMark)
            continue;
        name += parts[i] == ReactionPart::Arrow ? '=' : reaction[i];
    }
    return name.empty() ? QStringLiteral("Untitled") : QString::fromStdString(name);
}

// What a save or export dialog offers: the document's own name with the file's extension,
// in its folder, or a name made from the reaction.
QString SuggestedName(const CommandContext& context, const QString& extension)
{
    const QString file = context.Document.fileName();
    if (file.isEmpty())
        return NameFromReaction(context.Document.reactionText()) + extension;
    const QFileInfo info(file);
    return info.dir().filePath(info.completeBaseName() + extension);
}

QString DocumentFileName(const CommandContext& context)
{
    return context.Desktop.askSaveFileName(
        QString::fromUtf8(Texts::SaveDialogTitle.In(context.Document.language())), DocumentFilter,
        QStringLiteral(".KVX"), SuggestedName(context, QStringLiteral(".KVX")));
}

// What the exports and the handouts show besides the document.
ExportView ViewOf(const CommandContext& context)
{
    return ExportView{context.Grid.rowHeights(), context.Parts.StudentsSheet->isChecked()};
}
} // namespace

QString WindowTitle(const CommandContext& context)
{
    return context.Document.caption() + QStringLiteral("[*]");
}

bool MaybeSave(const CommandContext& context)
{
    if (!context.Document.isModified())
        return true;
    const int answer = context.Desktop.message(Texts::MsgSaveChanges, MessageKind::Confirmation,
                                               ButtonYes | ButtonNo | ButtonCancel);
    if (answer == AnswerYes) {
        SaveDocument(context);
        // Only a document that really reached its file may be dropped.
        return !context.Document.isModified();
    }
    return answer == AnswerNo;
}

void StartNewDocument(const CommandContext& context)
{
    context.Document.startNew(context.Desktop.defaultsFile(context.Document.language()));
    context.Line.draw(); // the fonts may be new
    context.Line.focusEditor();
    context.Parts.Window->setWindowTitle(WindowTitle(context));
}

void OpenFile(const CommandContext& context, const QString& fileName)
{
    if (!MaybeSave(context))
        return;
    try {
        context.Document.open(fileName, context.Desktop.marksFolder());
        context.Line.draw(); // the fonts may be new
    } catch (const FileError& error) {
        ReportFileFailure(context, Texts::MsgCannotOpen, error);
        // Nothing of the failed file can be saved over it: the new document is untitled and
        // asks nothing.
        StartNewDocument(context);
    }
}

bool SaveTo(const CommandContext& context, const QString& fileName)
{
    try {
        context.Document.save(fileName, context.Desktop.marksFolder());
    } catch (const FileError& error) {
        ReportFileFailure(context, Texts::MsgCannotSave, error);
        return false;
    }
    return true;
}

bool WriteDefaults(const CommandContext& context)
{
    const QString folder = context.Desktop.defaultsWriteFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const Language lang = context.Document.language();
    try {
        context.Document.saveDefaults(
            QDir(folder).filePath(QString::fromLatin1(LanguageRowOf(lang).DefaultsFile)));
    } catch (const FileError&) {
        return false;
    }
    return true;
}

void NewDocument(const CommandContext& context)
{
    if (MaybeSave(context))
        StartNewDocument(context);
}

void OpenDocument(const CommandContext& context)
{
    const QString name = context.Desktop.askFileName(
        FileDialogKind::Open, QString::fromUtf8(Texts::OpenDialogTitle.In(context.Document.language())),
        DocumentFilter);
    if (!name.isEmpty())
        OpenFile(context, name);
}

void SaveDocument(const CommandContext& context)
{
    QString name = context.Document.fileName();
    if (name.isEmpty())
        name = DocumentFileName(context);
    if (!name.isEmpty())
        SaveTo(context, name);
}

void SaveDocumentAs(const CommandContext& context)
{
    const QString name = DocumentFileName(context);
    if (!name.isEmpty())
        SaveTo(context, name);
}

void ExportDocument(const CommandContext& context, const DocumentExport& row)
{
    const Language lang = context.Document.language();
    const QString title = row.DialogTitle ? QString::fromUtf8(row.DialogTitle->In(lang))
                                          : ShortHint(QString::fromUtf8(row.Hint->In(lang)));
    const QString extension = QString::fromLatin1(row.Extension);
    const QString fileName = context.Desktop.askSaveFileName(title, QString::fromLatin1(row.Filter),
                                                             extension, SuggestedName(context, extension));
    if (fileName.isEmpty())
        return;
    // The rows as high as they stand on screen; the reaction unscrolled, whatever the line shows.
    try {
        row.Write(context.Document.document(), ViewOf(context), PathBytes(fileName));
    } catch (const FileError& error) {
        ReportFileFailure(context, Texts::MsgCannotSave, error);
    }
}

void PrintHandout(const CommandContext& context)
{
    QPrinter printer(QPrinter::HighResolution);
    SetHandoutPage(printer, LocalePaper());
    printer.setDocName(context.Document.caption());
    if (!context.Desktop.askPrinter(printer))
        return;
    // The handout is laid out in the screen's units, on the paper chosen; the printer scales
    // them to its own.
    printer.setResolution(HandoutResolution);
    PaintHandout(printer, BitmapSourceOf(context.Document.document(), ViewOf(context)),
                 QGuiApplication::palette());
}

void ChooseStudentsSheet(const CommandContext& context)
{
    // Kept as soon as it is chosen, as the atomic weights are.
    Settings& settings = *context.Parts.UserSettings;
    settings.StudentsSheet = context.Parts.StudentsSheet->isChecked();
    settings.saveStudentsSheet();
}

void Quit(const CommandContext& context)
{
    context.Parts.Window->close();
}
