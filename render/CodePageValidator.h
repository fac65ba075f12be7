// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line editor's text keeps only the characters a document can store (Windows-1256), so
// that what is typed, pasted or dropped into a cell, a name or a formula is what a save
// keeps. The characters are dropped as they arrive, as the key filter drops the keys a
// column does not take; a field may drop some characters of its own besides, and be told
// when it did, to say why.

#include "texts/CodePage.h"

#include <QValidator>

#include <functional>

class CodePageValidator : public QValidator
{
  public:
    explicit CodePageValidator(QObject* parent, const QString& alsoDropped = QString(),
                               std::function<void(const QString& dropped)> onAlsoDropped = {})
        : QValidator(parent), AlsoDropped(alsoDropped), OnAlsoDropped(std::move(onAlsoDropped))
    {
    }

    State validate(QString& input, int& pos) const override
    {
        QString kept;
        int keptPos = pos;
        QString alsoDropped;
        for (int i = 0; i < input.size();) {
            char32_t ch = input.at(i).unicode();
            int length = 1;
            if (input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
                ch = QChar::surrogateToUcs4(input.at(i), input.at(i + 1));
                length = 2;
            }
            const bool own = AlsoDropped.contains(input.at(i));
            if (own)
                alsoDropped += input.at(i);
            if (CodePageHolds(ch) && !own)
                kept += input.mid(i, length);
            else if (i < pos)
                keptPos -= length;
            i += length;
        }
        input = kept;
        pos = keptPos;
        if (!alsoDropped.isEmpty() && OnAlsoDropped)
            OnAlsoDropped(alsoDropped);
        return Acceptable;
    }

  private:
    QString AlsoDropped;
    std::function<void(const QString&)> OnAlsoDropped;
};

// A comma separates the cells of a grid row, and an item name from the next, in a
// document: within one it would shift the rest of the row when the file is read back.
// Cells and item names drop it as typed or pasted (Farsi text has its own comma, "،",
// which the code page holds).
inline const QString CellSeparators = QStringLiteral(",");
