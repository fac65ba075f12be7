// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line editor's text keeps only the characters a document can store (Windows-1256), so
// that what is typed, pasted or dropped into a cell, a name or a formula is what a save
// keeps. The characters are dropped as they arrive, as the key filter drops the keys a
// column does not take; a field may drop some characters of its own besides.

#include "texts/CodePage.h"

#include <QValidator>

class CodePageValidator : public QValidator
{
  public:
    explicit CodePageValidator(QObject* parent, const QString& alsoDropped = QString())
        : QValidator(parent), AlsoDropped(alsoDropped)
    {
    }

    State validate(QString& input, int& pos) const override
    {
        QString kept;
        int keptPos = pos;
        for (int i = 0; i < input.size();) {
            char32_t ch = input.at(i).unicode();
            int length = 1;
            if (input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
                ch = QChar::surrogateToUcs4(input.at(i), input.at(i + 1));
                length = 2;
            }
            if (CodePageHolds(ch) && !AlsoDropped.contains(input.at(i)))
                kept += input.mid(i, length);
            else if (i < pos)
                keptPos -= length;
            i += length;
        }
        input = kept;
        pos = keptPos;
        return Acceptable;
    }

  private:
    QString AlsoDropped;
};
