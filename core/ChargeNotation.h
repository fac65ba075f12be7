// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// Charges in the reaction text: at the end of a formula "^", an optional count of digits and
// one "+" or "-": Fe^3+, MnO4^-, SO4^2-. e^- is the electron. A sign right after "^", or after
// "^" and digits, always belongs to the charge, so the "+" that separates the next substance
// follows it: H^++Fe^2+ is H^+ plus Fe^2+.

// True when the text before pos ends in "^" and digits only: a sign at pos closes a charge,
// and a digit there adds to its count.
inline bool ChargeOpenAt(std::string_view text, std::size_t pos)
{
    while (pos > 0 && text[pos - 1] >= '0' && text[pos - 1] <= '9')
        --pos;
    return pos > 0 && text[pos - 1] == '^';
}

// True when the character at pos separates substances or the two sides: ">" always, "+" when
// it is not the sign of a charge.
inline bool IsSeparatorAt(std::string_view text, std::size_t pos)
{
    return text[pos] == '>' || (text[pos] == '+' && !ChargeOpenAt(text, pos));
}

// The name under which the parser lists charge among the elements: one more quantity that
// both sides must hold alike. No symbol is spelled so; it comes after every element.
constexpr std::string_view ChargeSymbol = "^";

// True when the formula that begins at text[start] is the electron: a lone e (of either case,
// as symbols are) with a count of 1 at most, right before its charge: e^-, or e1^- prepared.
inline bool IsElectronAt(std::string_view text, std::size_t start)
{
    std::size_t i = start;
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E'))
        return false;
    ++i;
    if (i < text.size() && text[i] == '1')
        ++i;
    return i < text.size() && text[i] == '^';
}

// True when a cell text is a formula with a charge, such as Fe^3+: in a right-to-left table
// it is laid out left to right, so that its sign stays at its end. (It holds a "^", and a
// Latin letter comes before any character beyond ASCII.)
inline bool IsChargedFormulaText(std::string_view text)
{
    if (text.find('^') == std::string_view::npos)
        return false;
    for (char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            return true;
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return false;
}
