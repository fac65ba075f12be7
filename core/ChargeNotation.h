// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// Charges in the reaction text: at the end of a formula "^", an optional count of digits and
// one "+" or "-": Fe^3+, MnO4^-, SO4^2-. e^- is the electron. A sign right after "^", or after
// "^" and digits, always belongs to the charge, so the "+" that separates the next substance
// follows it: H^++Fe^2+ is H^+ plus Fe^2+.

// True when the text before pos ends in "^" and digits only: a sign at pos closes a charge,
// and a digit there adds to its count.
inline bool ChargeOpenAt(const std::string& text, std::size_t pos)
{
    while (pos > 0 && text[pos - 1] >= '0' && text[pos - 1] <= '9')
        --pos;
    return pos > 0 && text[pos - 1] == '^';
}

// True when the character at pos separates substances or the two sides: ">" always, "+" when
// it is not the sign of a charge.
inline bool IsSeparatorAt(const std::string& text, std::size_t pos)
{
    return text[pos] == '>' || (text[pos] == '+' && !ChargeOpenAt(text, pos));
}
