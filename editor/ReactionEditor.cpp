// SPDX-License-Identifier: GPL-3.0-or-later
// Reaction line editing: keys, caret, mouse, clipboard.

#include "core/ReactionText.h"
#include "editor/KOU.h"
#include "shell/MainU.h"

void TSTMainForm::hfKeyDown(int) {}
void TSTMainForm::hfKeyPress(char32_t) {}
void TSTMainForm::hfKeyUp() { DocumentModified = true; }
void TSTMainForm::hfEnter() {}
void TSTMainForm::hfExit() {}
void TSTMainForm::TextImgMouseDown(int) {}
void TSTMainForm::TextImgClick()
{
    if (HelpMode)
        EndHelpMode(false);
}
void TSTMainForm::BlinkTimTimer() {}
void TSTMainForm::TidyReaction() {}
void TSTMainForm::ScrollToCaret() {}
int TSTMainForm::WidthBefore(int) const { return 0; }
void TSTMainForm::ReactionCopyExecute() {}
void TSTMainForm::ReactionPasteExecute() {}
void TSTMainForm::SettingsKeyExecute()
{
    if (KOForm)
        KOForm->exec();
}
KeyOptions TSTMainForm::CurrentKeys() const { return KOForm ? KOForm->Keys() : KeyOptions(); }
