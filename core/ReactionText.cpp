// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReactionText.h"

#include "core/ElementTable.h"
#include "core/ReactionParser.h"

namespace {

bool IsSeparator(char c)
{
    return c == '+' || c == '>';
}

} // namespace

char MapKey(char ch, const KeyOptions& keys)
{
    if (keys.KP.find(ch) != std::string::npos)
        ch = '+';
    if (keys.KF.find(ch) != std::string::npos)
        ch = '>';
    if (keys.KOP.find(ch) != std::string::npos)
        ch = '(';
    if (keys.KCP.find(ch) != std::string::npos)
        ch = ')';
    return ch;
}

bool IsReactionChar(char ch)
{
    return IsUpperLetter(ch) || IsLowerLetter(ch) || IsDigitChar(ch) || ch == '-' || ch == '(' || ch == ')' ||
           ch == '+' || ch == '>';
}

void TidyReaction(std::string& text, int& caretPos, bool autoCase)
{
    size_t p = 0; // 0-based; the caret counts characters, so it sits after p when caretPos > p
    while (p < text.size()) {
        char c = text[p];
        if (autoCase && IsLowerLetter(c)) {
            // A lower-case letter stays only as the second letter of a known two-letter
            // symbol: "co" becomes Co, "ch" becomes CH.
            bool secondLetter =
                p > 0 && IsUpperLetter(text[p - 1]) && FindElement(std::string{text[p - 1], c}) >= 0;
            if (!secondLetter)
                text[p] = char(c - 'a' + 'A');
        }
        bool deleted = false;
        auto erase = [&]() {
            text.erase(p, 1);
            if (caretPos > int(p))
                --caretPos;
            deleted = true;
        };
        if (p == 0 && IsDigitChar(text[p]))
            erase();
        if (p < text.size() && p > 0 && IsDigitChar(text[p]) && IsSeparator(text[p - 1]))
            erase();
        if (p < text.size() && p > 0 && IsSeparator(text[p]) && IsSeparator(text[p - 1]))
            erase();
        if (!deleted)
            ++p;
    }
}

std::string TypeReaction(const std::string& typed, const KeyOptions& keys)
{
    std::string text;
    int caretPos = 0;
    for (char typedChar : typed) {
        char c = MapKey(typedChar, keys);
        if (IsReactionChar(c)) {
            text.insert(size_t(caretPos), 1, c);
            ++caretPos;
        }
        // The editor tidies twice per character (before and after scrolling); the second
        // run matters only if the first left work, which it never does, so once is enough.
        TidyReaction(text, caretPos, keys.ChB);
    }
    return text;
}
