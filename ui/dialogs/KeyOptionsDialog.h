// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key-options dialog: the key sets that type "+", "(", ")" and the arrow, and the
// automatic element-letter case. It has no OK button: every edit is reported at once, and
// the reaction line types with the new sets from the next key on. It captions itself in the
// document's language.

#include "core/ReactionText.h"
#include "texts/Language.h"

#include <QDialog>

#include <vector>

class DocumentModel;
class QCheckBox;
class QLineEdit;

class KeyOptionsDialog : public QDialog
{
    Q_OBJECT

  public:
    KeyOptionsDialog(DocumentModel* document, QWidget* parent);

    KeyOptions keys() const;
    void setKeys(const KeyOptions& keys); // shows them; reports nothing
    // Before each opening: the program font, and the dialog centred on the screen.
    void prepareToOpen(const QFont& programFont);

    QLineEdit* plusKeys = nullptr;
    QLineEdit* openKeys = nullptr;
    QLineEdit* closeKeys = nullptr;
    QLineEdit* arrowKeys = nullptr;
    QCheckBox* autoCase = nullptr;

  signals:
    void keysChanged(const KeyOptions& keys); // an edit in any control

  private:
    static constexpr int DesignedWidth = 175;
    static constexpr int DesignedHeight = 145;
    static constexpr int FieldMargin = 6; // from the fields' right end to the dialog's edge
    void retranslate(Language lang);
    void fitCaption();

    bool Loading = false;
};
