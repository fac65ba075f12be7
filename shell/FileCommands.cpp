// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save As, the defaults files and the two exports: the window's side, with
// its dialogs and messages. The work on the document is the document model's.

#include "document/DefaultsLocation.h"
#include "document/DocumentModel.h"
#include "document/FilePath.h"
#include "document/WorkedOutRecord.h"
#include "editor/BitmapExport.h"
#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "shell/ActionTable.h"
#include "shell/InterfaceTexts.h"
#include "shell/MainU.h"

#include <QDir>
#include <QFileInfo>

#include <iostream>

namespace {
const char* const DocumentFilter = "Stoikon File (*.KVX *.kvx)";
const char* const HtmlFilter = "HTML files (*.htm *.html)";

// The message box says what failed; standard error also says why, as the command line does.
void ReportFileFailure(const char* message, const std::string& reason)
{
    std::cerr << message << '\n' << reason << std::endl;
}
} // namespace

QString TSTMainForm::DefaultsFilePath(Language lang) const
{
    const QString name = DefaultsFileName(lang == Language::Farsi);
    return DefaultsFolder.isEmpty() ? FindDefaultsFile(name) : QDir(DefaultsFolder).filePath(name);
}

QString TSTMainForm::MarksFolderPath() const
{
    return MarksFolder.isEmpty() ? WorkedOutRecordFolder() : MarksFolder;
}

bool TSTMainForm::WriteDefaultsFile()
{
    const QString folder = DefaultsFolder.isEmpty() ? DefaultsWriteFolder() : DefaultsFolder;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    return Doc->writeDefaults(QDir(folder).filePath(DefaultsFileName(Doc->language() == Language::Farsi)));
}

bool TSTMainForm::AskSaveChanges()
{
    if (!Doc->isModified())
        return true;
    const int answer = Message(Texts::MsgSaveChanges, MsgKind::Confirmation, mbYes | mbNo | mbCancel);
    if (answer == mrYes) {
        FileSaveExecute();
        // Only a document that really reached its file may be dropped.
        return !Doc->isModified();
    }
    return answer == mrNo;
}

void TSTMainForm::FileNewExecute()
{
    if (!AskSaveChanges())
        return;
    Doc->startNew(DefaultsFilePath(Doc->language()));
    TextImg->DrawReaction(); // the fonts may be new
    TextImg->focusEditor();
    SetCaption();
}

void TSTMainForm::FileOpenExecute()
{
    const QString name =
        AskFileName(FileDialogKind::Open, Texts::OpenDialogTitle.In(Doc->language()), DocumentFilter);
    if (!name.isEmpty())
        FileOpenAccept(name);
}

void TSTMainForm::FileOpenAccept(const QString& fileName)
{
    if (!AskSaveChanges())
        return;
    std::string reason;
    if (Doc->load(fileName, &reason)) {
        RestoreWorkedOutMarks(MarksFolderPath(), fileName, *Doc);
        TextImg->DrawReaction(); // the fonts may be new
        return;
    }
    ReportFileFailure("Can not open this file", reason);
    Message(Texts::MsgCannotOpen, MsgKind::Error, mbOK);
    // Nothing of the failed file can be saved over it: the new document is untitled and
    // asks nothing.
    Doc->setFileName(QString());
    Doc->setModified(false);
    FileNewExecute();
}

QString TSTMainForm::ChooseSaveFileName(FileDialogKind kind, const QString& title, const QString& filter,
                                        const QString& extension)
{
    for (;;) {
        QString name = AskFileName(kind, title, filter);
        if (name.isEmpty())
            return QString();
        if (QFileInfo(name).suffix().isEmpty())
            name += extension;
        if (PathExists(name) && Message(name + Texts::MsgAlreadyExists.In(Doc->language()), MsgKind::Warning,
                                        mbYes | mbNo) != mrYes)
            continue;
        return name;
    }
}

bool TSTMainForm::FileSaveAsAccept(const QString& chosenName)
{
    std::string reason;
    if (!Doc->saveTo(chosenName, &reason)) {
        ReportFileFailure("Can not save this file", reason);
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
        return false;
    }
    SaveWorkedOutRecord(MarksFolderPath(), chosenName, *Doc);
    Doc->setFileName(chosenName);
    Doc->setModified(false);
    return true;
}

void TSTMainForm::FileSaveExecute()
{
    QString name = Doc->fileName();
    if (name.isEmpty()) {
        name = ChooseSaveFileName(FileDialogKind::SaveDocument, Texts::SaveDialogTitle.In(Doc->language()),
                                  DocumentFilter, QStringLiteral(".KVX"));
        if (name.isEmpty())
            return;
    }
    FileSaveAsAccept(name);
}

void TSTMainForm::FileSaveAsExecute()
{
    const QString name =
        ChooseSaveFileName(FileDialogKind::SaveDocument, Texts::SaveDialogTitle.In(Doc->language()),
                           DocumentFilter, QStringLiteral(".KVX"));
    if (!name.isEmpty())
        FileSaveAsAccept(name);
}

void TSTMainForm::FileHTMLExecute()
{
    const QString name =
        ChooseSaveFileName(FileDialogKind::SaveHtml, Texts::SaveDialogTitle.In(Doc->language()), HtmlFilter,
                           QStringLiteral(".html"));
    if (name.isEmpty())
        return;
    std::string reason;
    if (!Doc->writeHtmlPage(name, &reason)) {
        ReportFileFailure("Can not save this file", reason);
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
    }
}

void TSTMainForm::FilePrintExecute()
{
    const QString title = ShortHint(Texts::FilePrintHint.In(Doc->language()));
    const QString fileName = ChooseSaveFileName(FileDialogKind::SaveBitmap, title,
                                                QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral(".bmp"));
    if (fileName.isEmpty())
        return;
    // The rows as high as they stand on screen; the reaction unscrolled, whatever the line shows.
    const QImage picture = RenderBitmap(BitmapSourceOf(*Doc, Grid->rowHeights()), palette());
    std::string reason;
    if (!WriteBitmapFile(picture, fileName, &reason)) {
        ReportFileFailure("Can not save this file", reason);
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
    }
}
