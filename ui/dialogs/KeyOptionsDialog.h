// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key-options dialog: the key sets that type "+", "(", ")" and the arrow, and the
// automatic element-letter case. It has no OK button: every edit is reported at once, and
// the reaction line types with the new sets from the next key on. The values live in the
// user settings between runs.

#include "core/ReactionText.h"
#include "texts/Language.h"

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

    KeyOptions Keys() const;
    void setKeys(const KeyOptions& keys); // shows them; reports nothing
    void Recaption(Language lang);
    // Before each opening: the program font, and the dialog centred on the screen.
    void PrepareToOpen(const QFont& programFont);

    QLineEdit* KP = nullptr;
    QLineEdit* KOP = nullptr;
    QLineEdit* KCP = nullptr;
    QLineEdit* KF = nullptr;
    QCheckBox* ChB = nullptr;

  signals:
    void keysChanged(const KeyOptions& keys); // an edit in any control

  private:
    static constexpr int DesignedWidth = 175;
    static constexpr int DesignedHeight = 145;
    static constexpr int FieldMargin = 6; // from the fields' right end to the dialog's edge
    void FitCaption();

    bool Loading = false;
};

// The key options as kept in the user settings (read at start-up, written at exit).
KeyOptions ReadKeyOptions();
void WriteKeyOptions(const KeyOptions& keys);
