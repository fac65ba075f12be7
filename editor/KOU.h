// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key-options dialog: the key sets that type "+", "(", ")" and the arrow, and the
// automatic element-letter case. Its controls are the settings: the editor reads them on
// every key, so a change takes effect at once and there is no OK button. The values are
// read from the user settings when the dialog is created and written back when it is
// destroyed at exit.

#include "core/ReactionText.h"
#include "shell/InterfaceTexts.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLineEdit;

// The dialog's texts in both languages, for checks over all of them.
const std::vector<const LocalText*>& KeyOptionsTexts();

class TKOForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TKOForm(QWidget* parent = nullptr);
    ~TKOForm() override;

    KeyOptions Keys() const;
    void Recaption(Language lang);
    // Before each opening: the program font, and the dialog centred on the screen.
    void PrepareToOpen(const QFont& programFont);

    QLineEdit* KP = nullptr;
    QLineEdit* KOP = nullptr;
    QLineEdit* KCP = nullptr;
    QLineEdit* KF = nullptr;
    QCheckBox* ChB = nullptr;

  private:
    void ReadSettings();
    void WriteSettings();
};
