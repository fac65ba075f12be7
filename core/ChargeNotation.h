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
