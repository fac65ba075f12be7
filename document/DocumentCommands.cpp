// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save As and the HTML export of the open document.

#include "shell/MainU.h"

bool TSTMainForm::AskSaveChanges()
{
    if (!DocumentModified)
        return true;
    const int answer = Message(Texts::MsgSaveChanges, MsgKind::Confirmation, mbYes | mbNo | mbCancel);
    if (answer == mrYes) {
        FileSaveExecute();
        return !DocumentFileName.isEmpty();
    }
    return answer == mrNo;
}
void TSTMainForm::FileNewExecute()
{
    if (!AskSaveChanges())
        return;
    DocumentFileName.clear();
    DocumentModified = false;
    SetCaption();
}
void TSTMainForm::FileOpenExecute() {}
void TSTMainForm::FileOpenAccept(const QString&) {}
void TSTMainForm::FileSaveExecute() {}
void TSTMainForm::FileSaveAsExecute() {}
bool TSTMainForm::FileSaveAsAccept(const QString&)
{
    return false;
}
void TSTMainForm::FileHTMLExecute() {}
QString TSTMainForm::DefaultsFilePath(Language) const
{
    return QString();
}
