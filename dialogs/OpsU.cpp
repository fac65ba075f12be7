// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OpsU.h"

#include "shell/MainU.h"

TOpsForm::TOpsForm(TSTMainForm* form) : QDialog(form), Form(form)
{
    setObjectName("OpsForm");
    setFixedSize(521, 351);
}

void TOpsForm::Recaption(Language lang)
{
    static const LocalText caption{"Options", "تنظيمات"};
    setWindowTitle(caption.In(lang));
}

void TSTMainForm::SettingsOptionsExecute()
{
    if (OpsForm)
        OpsForm->exec();
}
