// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The character classes of written reactions, shared by the textbook-notation reader and
// the rule that decides when it applies.
namespace Notation {

// Spacing: the blank, the tab and the Unicode spaces that copying from web pages and word
// processors brings along (no-break, thin, narrow no-break).
inline bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Zero-width characters and the byte-order mark: invisible, so they are passed over.
inline bool IsIgnorable(char32_t c)
{
    return (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF;
}

inline bool IsAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

inline bool IsAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// → ⟶ ⇒ ⟹ ⇌ ⇋ ⇄ ⇆ ↔ ⟷ ⇔ ⟺: every one separates the reactants from the products.
inline bool IsUnicodeArrow(char32_t c)
{
    switch (c) {
    case 0x21D4:
    case 0x27FA:
    case 0x2192:
    case 0x27F6:
    case 0x21D2:
    case 0x27F9:
    case 0x21CC:
    case 0x21CB:
    case 0x21C4:
    case 0x21C6:
    case 0x2194:
    case 0x27F7:
        return true;
    default:
        return false;
    }
}

// ↑ (a gas given off) and ↓ (a precipitate) mark a state, like (g) and (s).
inline bool IsStateArrow(char32_t c)
{
    return c == 0x2191 || c == 0x2193;
}

// · • ∙ ⋅ and the asterisk; "." is one only between formulas (see below).
inline bool IsHydrateDot(char32_t c)
{
    return c == 0xB7 || c == 0x2022 || c == 0x2219 || c == 0x22C5 || c == U'*';
}

inline int SubscriptDigit(char32_t c)
{
    return c >= 0x2080 && c <= 0x2089 ? int(c - 0x2080) : -1;
}

inline int SuperscriptDigit(char32_t c)
{
    switch (c) {
    case 0x2070:
        return 0;
    case 0xB9:
        return 1;
    case 0xB2:
        return 2;
    case 0xB3:
        return 3;
    default:
        return c >= 0x2074 && c <= 0x2079 ? int(c - 0x2070) : -1;
    }
}

// The sign of a charge, from ASCII, superscript or the Unicode minus; 0 for anything else.
inline char ChargeSign(char32_t c)
{
    if (c == U'+' || c == 0x207A)
        return '+';
    if (c == U'-' || c == 0x207B || c == 0x2212)
        return '-';
    return 0;
}

inline bool IsSuperscript(char32_t c)
{
    return SuperscriptDigit(c) >= 0 || c == 0x207A || c == 0x207B;
}

// s is decoded text (std::u32string), or the bytes of an ASCII text, where each byte is its
// character.
template <class Text> inline bool StartsWith(const Text& s, std::size_t i, const char* ascii)
{
    for (; *ascii; ++ascii, ++i)
        if (i >= s.size() || char32_t(s[i]) != char32_t(*ascii))
            return false;
    return true;
}

// Length of the state symbol (s), (l), (g) or (aq) at i, or 0.
template <class Text> inline std::size_t StateSymbolAt(const Text& s, std::size_t i)
{
    for (const char* state : {"(s)", "(l)", "(g)", "(aq)"})
        if (StartsWith(s, i, state))
            return std::char_traits<char>::length(state);
    return 0;
}

} // namespace Notation
