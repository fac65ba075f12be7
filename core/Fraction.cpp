// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Fraction.h"

#include "core/Errors.h"
#include <charconv>

void ThrowFractionOverflow()
{
    throw ArithmeticOverflowError("fraction arithmetic overflows 64 bits");
}

void ThrowNotWholeNumber()
{
    throw ConversionError("not a 32-bit whole number");
}

std::int32_t ParseInt32(bool negative, std::string_view text)
{
    // A sign after the one in front makes no number, so only digits may follow.
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            ThrowNotWholeNumber();
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            ThrowNotWholeNumber();
    }
    if (text.empty() || (!negative && value > 2147483647LL))
        ThrowNotWholeNumber();
    return static_cast<std::int32_t>(negative ? -value : value);
}

void AppendWholeNumber(std::string& out, std::int64_t n)
{
    // Most numbers the solver writes have one or two digits.
    if (n >= 0 && n < 100) {
        if (n >= 10)
            out += char('0' + n / 10);
        out += char('0' + n % 10);
        return;
    }
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, result.ptr);
}

void AppendFraction(std::string& out, const Fraction& f)
{
    AppendWholeNumber(out, f.Numerator);
    out += '/';
    AppendWholeNumber(out, f.Denominator);
}

std::string FormatFraction(const Fraction& f)
{
    std::string text;
    AppendFraction(text, f);
    return text;
}
