// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutU.h"

#include "shell/MainU.h"

TAboutForm::TAboutForm(TSTMainForm* form) : QDialog(form), Form(form)
{
    setObjectName("AboutForm");
    setFixedSize(306, 149);
}

void TAboutForm::Recaption(Language lang)
{
    static const LocalText caption{"About...", "درباره اين برنامه"};
    setWindowTitle(caption.In(lang));
    setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
}
