// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options dialog: the five fonts, the subscript position, the grid columns and the
// formulas of the open document.

#include "shell/InterfaceTexts.h"

#include <QDialog>

class TSTMainForm;

class TOpsForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOpsForm(TSTMainForm* form);
    void Recaption(Language lang);

private:
    TSTMainForm* Form;
};
