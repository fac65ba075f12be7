// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The about box: the program's icon, name, version and rights notice, and a link to
// the web site.

#include "shell/InterfaceTexts.h"

#include <QDialog>

class TSTMainForm;

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(TSTMainForm* form);
    void Recaption(Language lang);

private:
    TSTMainForm* Form;
};
