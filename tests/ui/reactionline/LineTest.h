// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reaction line on a started main window, as its tests type into it, set it and read it.

#include "tests/common/Pixels.h"
#include "tests/common/WindowFixture.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/reactionline/ReactionLine.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

// Types as a keyboard would.
inline void Type(const WindowFixture& w, const QString& text)
{
    for (QChar ch : text)
        TypeCharacter(w.KeyBox(), ch);
}

// A text as Balance or Open leaves it, with the caret at caretPos.
inline void SetText(const WindowFixture& w, const QString& text, int caretPos = 0)
{
    w.Doc()->setReaction(text.toStdString());
    w.Line()->setCaretPos(caretPos);
    w.Line()->draw();
}

inline QString Text(const WindowFixture& w)
{
    return QString::fromStdString(w.Doc()->reactionText());
}

// Through the key-options dialog, whose every edit is in force at once.
inline void SetKeySets(const WindowFixture& w, const QStringList& sets, bool autoCase)
{
    auto* dialog = w.Find<KeyOptionsDialog>("keyOptionsDialog");
    if (!sets.isEmpty()) {
        dialog->plusKeys->setText(sets[0]);
        dialog->openKeys->setText(sets[1]);
        dialog->closeKeys->setText(sets[2]);
        dialog->arrowKeys->setText(sets[3]);
    }
    dialog->autoCase->setChecked(autoCase);
}
