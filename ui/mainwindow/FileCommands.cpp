// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save As, the defaults files and the exports: the window's side, with its
// dialogs and messages. The work on the document is the document's.

#include "document/DefaultsLocation.h"
#include "document/Exports.h"
#include "document/FileAccess.h"
#include "model/DocumentModel.h"
#include "model/FileNames.h"
#include "texts/Texts.h"
#include "ui/dialogs/Hints.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/reactionline/ReactionLine.h"

#include <QDir>
#include <QFileInfo>

namespace {
const char* const DocumentFilter = "Stoikon File (*.KVX *.kvx)";
} // namespace

QString TSTMainForm::DefaultsFilePath(Language lang) const
{
    const QString name = QString::fromLatin1(LanguageRowOf(lang).DefaultsFile);
    return DefaultsFolder.isEmpty() ? ShownPath(FindDefaultsFile(NativePath(name)))
                                    : QDir(DefaultsFolder).filePath(name);
}

QString TSTMainForm::MarksFolderPath() const
{
    return MarksFolder.isEmpty() ? ShownPath(WorkedOutRecordFolder()) : MarksFolder;
}

bool TSTMainForm::WriteDefaultsFile()
{
    const QString folder = DefaultsFolder.isEmpty() ? ShownPath(DefaultsWriteFolder()) : DefaultsFolder;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    try {
        Doc->saveDefaults(
            QDir(folder).filePath(QString::fromLatin1(LanguageRowOf(Doc->language()).DefaultsFile)));
    } catch (const FileError&) {
        return false;
    }
    return true;
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
    if (AskSaveChanges())
        StartNewDocument();
}

void TSTMainForm::StartNewDocument()
{
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
    try {
        Doc->open(fileName, MarksFolderPath());
        TextImg->DrawReaction(); // the fonts may be new
    } catch (const FileError&) {
        Message(Texts::MsgCannotOpen, MsgKind::Error, mbOK);
        // Nothing of the failed file can be saved over it: the new document is untitled and
        // asks nothing.
        StartNewDocument();
    }
}

QString TSTMainForm::ChooseSaveFileName(const QString& title, const QString& filter, const QString& extension)
{
    for (;;) {
        QString name = AskFileName(FileDialogKind::Save, title, filter);
        if (name.isEmpty())
            return QString();
        if (QFileInfo(name).suffix().isEmpty())
            name += extension;
        if (QFileInfo::exists(name) && Message(name + Texts::MsgAlreadyExists.In(Doc->language()),
                                               MsgKind::Warning, mbYes | mbNo) != mrYes)
            continue;
        return name;
    }
}

bool TSTMainForm::FileSaveAsAccept(const QString& chosenName)
{
    try {
        Doc->save(chosenName, MarksFolderPath());
    } catch (const FileError&) {
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
        return false;
    }
    return true;
}

void TSTMainForm::FileSaveExecute()
{
    QString name = Doc->fileName();
    if (name.isEmpty()) {
        name = ChooseSaveFileName(Texts::SaveDialogTitle.In(Doc->language()), DocumentFilter,
                                  QStringLiteral(".KVX"));
        if (name.isEmpty())
            return;
    }
    FileSaveAsAccept(name);
}

void TSTMainForm::FileSaveAsExecute()
{
    const QString name = ChooseSaveFileName(Texts::SaveDialogTitle.In(Doc->language()), DocumentFilter,
                                            QStringLiteral(".KVX"));
    if (!name.isEmpty())
        FileSaveAsAccept(name);
}

void TSTMainForm::ExportDocument(const DocumentExport& row)
{
    const Language lang = Doc->language();
    const QString title = row.DialogTitle ? QString::fromUtf8(row.DialogTitle->In(lang))
                                          : ShortHint(QString::fromUtf8(row.Hint->In(lang)));
    const QString fileName =
        ChooseSaveFileName(title, QString::fromLatin1(row.Filter), QString::fromLatin1(row.Extension));
    if (fileName.isEmpty())
        return;
    // The rows as high as they stand on screen; the reaction unscrolled, whatever the line shows.
    try {
        row.Write(Doc->document(), ExportView{Grid->rowHeights()}, NativePath(fileName));
    } catch (const FileError&) {
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
    }
}

void TSTMainForm::FileHTMLExecute()
{
    for (const DocumentExport& row : DocumentExports())
        if (QLatin1String(row.Id) == QLatin1String("exportHtml"))
            ExportDocument(row);
}

void TSTMainForm::FilePrintExecute()
{
    for (const DocumentExport& row : DocumentExports())
        if (QLatin1String(row.Id) == QLatin1String("exportBitmap"))
            ExportDocument(row);
}
