// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReactionText.h"

#include "core/ElementTable.h"
#include "core/ReactionParser.h"

#include <utility>

namespace {

bool IsSeparator(char c)
{
    return c == '+' || c == '>';
}

} // namespace

std::u32string DecodeUtf8(const std::string& text)
{
    std::u32string chars;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 && lead < 0xF5   ? 3
                          : lead >= 0xE0 && lead < 0xF0 ? 2
                          : lead >= 0xC2 && lead < 0xE0 ? 1
                                                        : 0;
        char32_t ch = lead & (0x3F >> extra);
        bool sequence = extra > 0 && i + extra < text.size();
        for (int k = 1; sequence && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            sequence = (next & 0xC0) == 0x80;
            ch = (ch << 6) | (next & 0x3F);
        }
        chars.push_back(sequence ? ch : lead); // ASCII, or a stray byte standing for itself
        i += sequence ? extra + 1 : 1;
    }
    return chars;
}

std::string EncodeUtf8(const std::u32string& chars)
{
    std::string text;
    for (char32_t ch : chars) {
        if ((ch >= 0xD800 && ch < 0xE000) || ch > 0x10FFFF)
            ch = 0xFFFD;
        if (ch < 0x80) {
            text += char(ch);
        } else if (ch < 0x800) {
            text += char(0xC0 | (ch >> 6));
            text += char(0x80 | (ch & 0x3F));
        } else if (ch < 0x10000) {
            text += char(0xE0 | (ch >> 12));
            text += char(0x80 | ((ch >> 6) & 0x3F));
            text += char(0x80 | (ch & 0x3F));
        } else {
            text += char(0xF0 | (ch >> 18));
            text += char(0x80 | ((ch >> 12) & 0x3F));
            text += char(0x80 | ((ch >> 6) & 0x3F));
            text += char(0x80 | (ch & 0x3F));
        }
    }
    return text;
}

char32_t MapKey(char32_t ch, const KeyOptions& keys)
{
    const std::pair<const std::string*, char32_t> sets[] = {
        {&keys.KP, U'+'}, {&keys.KF, U'>'}, {&keys.KOP, U'('}, {&keys.KCP, U')'}};
    for (const auto& [set, symbol] : sets)
        if (DecodeUtf8(*set).find(ch) != std::u32string::npos)
            ch = symbol;
    return ch;
}

bool IsReactionChar(char ch)
{
    return IsUpperLetter(ch) || IsLowerLetter(ch) || IsDigitChar(ch) || ch == '-' || ch == '(' || ch == ')' ||
           ch == '+' || ch == '>';
}

namespace {

// The clean-up from position start on. Every rule looks only at a character and the one
// before it, so a text that is tidy before start needs no work there.
void TidyFrom(std::string& text, int& caretPos, bool autoCase, size_t start)
{
    size_t p = start; // 0-based; the caret counts characters, so it sits after p when caretPos > p
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

} // namespace

void TidyReaction(std::string& text, int& caretPos, bool autoCase)
{
    TidyFrom(text, caretPos, autoCase, 0);
}

char TypedChar(char32_t ch, const KeyOptions& keys)
{
    const char32_t c = MapKey(ch, keys);
    return c < 0x80 && IsReactionChar(char(c)) ? char(c) : 0;
}

std::string TypeReaction(const std::string& typed, const KeyOptions& keys)
{
    // The editor tidies the whole line after every character. The line was tidy before the
    // character, and the caret stays at its end (a deletion before it moves it along), so
    // only the new last character needs the clean-up: typing stays linear in the length.
    std::string text;
    int caretPos = 0;
    for (char32_t typedChar : DecodeUtf8(typed)) {
        if (const char c = TypedChar(typedChar, keys)) {
            text.push_back(c);
            ++caretPos;
            TidyFrom(text, caretPos, keys.ChB, text.size() - 1);
        }
    }
    return text;
}

std::vector<ReactionPart> ClassifyReaction(const std::string& text)
{
    std::vector<ReactionPart> parts;
    parts.reserve(text.size());
    bool coefficient = !text.empty() && IsDigitChar(text[0]);
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (coefficient)
            parts.push_back(ReactionPart::Coefficient);
        else if (IsDigitChar(ch))
            parts.push_back(ReactionPart::Count);
        else if (ch == '-')
            parts.push_back(ReactionPart::Minus);
        else if (ch == '>')
            parts.push_back(ReactionPart::Arrow);
        else
            parts.push_back(ReactionPart::Symbol);
        const bool nextIsDigit = i + 1 < text.size() && IsDigitChar(text[i + 1]);
        if (coefficient && !nextIsDigit)
            coefficient = false;
        if ((ch == '+' || ch == '>') && nextIsDigit)
            coefficient = true;
    }
    return parts;
}
