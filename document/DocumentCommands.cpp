// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save As, the defaults files and the HTML export of the open document.
// The line layout itself is document/DocumentFile; the page is document/HtmlPage.

#include "document/DefaultsLocation.h"
#include "document/DocumentFile.h"
#include "document/DocumentIO.h"
#include "document/HtmlPage.h"
#include "editor/ReactionWidgets.h"
#include "grid/PropertyGrid.h"
#include "shell/MainU.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
const char* const DocumentFilter = "Stoikon File (*.KVX *.kvx)";
const char* const HtmlFilter = "HTML files (*.htm *.html)";
} // namespace

QString TSTMainForm::DefaultsFilePath(Language lang) const
{
    const QString name = DefaultsFileName(lang == Language::Farsi);
    return DefaultsFolder.isEmpty() ? FindDefaultsFile(name) : QDir(DefaultsFolder).filePath(name);
}

bool TSTMainForm::WriteDefaultsFile()
{
    DocumentData doc = CurrentDocument();
    doc.ReactionText.clear();
    const QString folder = DefaultsFolder.isEmpty() ? DefaultsWriteFolder() : DefaultsFolder;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    return WriteCodePageLines(QDir(folder).filePath(DefaultsFileName(InterfaceLanguage == Language::Farsi)),
                              WriteDocumentLines(doc));
}

DocumentData TSTMainForm::CurrentDocument() const
{
    DocumentData doc;
    doc.ReactionText = ReactionText;
    doc.Farsi = InterfaceLanguage == Language::Farsi;
    for (int c = 0; c < Grid->ColCount(); ++c)
        doc.Widths.push_back(Grid->ColWidth(c));
    doc.Cells = Grid->ToCells();
    doc.Fonts = Fonts;
    doc.Formulas = FormulsList;
    doc.TypesList = TypesList;
    return doc;
}

void TSTMainForm::ApplyDocument(const DocumentData& doc)
{
    ApplyLanguage(doc.Farsi ? Language::Farsi : Language::English);
    ReactionText = doc.ReactionText;
    Grid->ClearDataRows();
    Grid->FromCells(doc.Cells);
    for (int c = 0; c < static_cast<int>(doc.Widths.size()) && c < Grid->ColCount(); ++c)
        Grid->SetColWidth(c, doc.Widths[c]);
    Fonts = doc.Fonts;
    ApplyFonts();
    FormulsList = doc.Formulas;
    TypesList = doc.TypesList;
    const int length = static_cast<int>(ReactionText.size());
    CaretPos = std::min(CaretPos, length);
    FirstVisible = std::min(FirstVisible, CaretPos);
    DrawReaction();
}

bool TSTMainForm::LoadDocument(const QString& fileName)
{
    const auto lines = ReadCodePageLines(fileName);
    if (!lines)
        return false;
    DocumentData doc;
    try {
        doc = ReadDocumentLines(*lines);
    } catch (const DocumentReadError&) {
        return false;
    }
    // The whole file has been read before anything of the open document changes.
    ApplyDocument(doc);
    DocumentFileName = fileName;
    SetCaption();
    DocumentModified = false;
    return true;
}

bool TSTMainForm::SaveDocumentTo(const QString& fileName)
{
    return WriteCodePageLines(fileName, WriteDocumentLines(CurrentDocument()));
}

bool TSTMainForm::AskSaveChanges()
{
    if (!DocumentModified)
        return true;
    const int answer = Message(Texts::MsgSaveChanges, MsgKind::Confirmation, mbYes | mbNo | mbCancel);
    if (answer == mrYes) {
        FileSaveExecute();
        // Only a document that really reached its file may be dropped.
        return !DocumentModified;
    }
    return answer == mrNo;
}

void TSTMainForm::FileNewExecute()
{
    if (!AskSaveChanges())
        return;
    Grid->ClearDataRows();
    Grid->SetRowCount(2);

    // The defaults of the current language; reading stops quietly at the first missing or
    // malformed line, and what was not read keeps its value from the previous document.
    if (const auto lines = ReadCodePageLines(DefaultsFilePath(InterfaceLanguage))) {
        const DefaultsData d = ReadDefaultsLines(*lines);
        if (d.Farsi)
            ApplyLanguage(*d.Farsi ? Language::Farsi : Language::English);
        if (d.ColumnCount)
            Grid->SetColCount(*d.ColumnCount);
        if (d.Widths)
            for (int c = 0; c < static_cast<int>(d.Widths->size()) && c < Grid->ColCount(); ++c)
                Grid->SetColWidth(c, (*d.Widths)[c]);
        if (d.HeaderNames)
            for (int c = 0; c < static_cast<int>(d.HeaderNames->size()) && c < Grid->ColCount(); ++c)
                Grid->SetCell(c, 0, QString::fromStdString((*d.HeaderNames)[c]));
        for (int i = 0; i < static_cast<int>(d.Fonts.size()) && i < FontSettings::Count; ++i)
            Fonts.At(i) = d.Fonts[i];
        if (!d.Fonts.empty())
            ApplyFonts();
        if (d.Formulas)
            FormulsList = *d.Formulas;
        if (d.TypesList)
            TypesList = *d.TypesList;
        if (d.SubscriptsPosition)
            Fonts.SubscriptsPosition = *d.SubscriptsPosition;
    }

    ReactionText.clear();
    CaretPos = 0;
    FirstVisible = 0;
    DocumentFileName.clear();
    DrawReaction();
    DocumentModified = false;
    TextBtn->setFocus();
    SetCaption();
}

void TSTMainForm::FileOpenExecute()
{
    const QString name =
        AskFileName(FileDialogKind::Open, OpenDialogTitle, QString::fromLatin1(DocumentFilter));
    if (!name.isEmpty())
        FileOpenAccept(name);
}

void TSTMainForm::FileOpenAccept(const QString& fileName)
{
    if (!AskSaveChanges())
        return;
    if (LoadDocument(fileName))
        return;
    Message(Texts::MsgCannotOpen, MsgKind::Error, mbOK);
    // Nothing of the failed file can be saved over it: the new document is untitled and
    // asks nothing.
    DocumentFileName.clear();
    DocumentModified = false;
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
        if (QFileInfo::exists(name) && Message(name + Texts::MsgAlreadyExists.In(InterfaceLanguage),
                                               MsgKind::Warning, mbYes | mbNo) != mrYes)
            continue;
        return name;
    }
}

bool TSTMainForm::FileSaveAsAccept(const QString& chosenName)
{
    if (!SaveDocumentTo(chosenName)) {
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
        return false;
    }
    DocumentFileName = chosenName;
    SetCaption();
    DocumentModified = false;
    return true;
}

void TSTMainForm::FileSaveExecute()
{
    QString name = DocumentFileName;
    if (name.isEmpty()) {
        name = ChooseSaveFileName(FileDialogKind::SaveDocument, SaveDialogTitle,
                                  QString::fromLatin1(DocumentFilter), QStringLiteral(".KVX"));
        if (name.isEmpty())
            return;
    }
    FileSaveAsAccept(name);
}

void TSTMainForm::FileSaveAsExecute()
{
    const QString name = ChooseSaveFileName(FileDialogKind::SaveDocument, SaveDialogTitle,
                                            QString::fromLatin1(DocumentFilter), QStringLiteral(".KVX"));
    if (!name.isEmpty())
        FileSaveAsAccept(name);
}

void TSTMainForm::FileHTMLExecute()
{
    const QString name = ChooseSaveFileName(FileDialogKind::SaveHtml, SaveDialogTitle,
                                            QString::fromLatin1(HtmlFilter), QStringLiteral(".html"));
    if (name.isEmpty())
        return;
    if (!ExportHtmlTo(name))
        Message(Texts::MsgCannotSave, MsgKind::Error, mbOK);
}

bool TSTMainForm::ExportHtmlTo(const QString& fileName)
{
    const auto page = BuildHtmlPage(windowTitle().toStdString(), ReactionText, Fonts, Grid->ToCells());
    return WriteCodePageLines(fileName, page);
}
