// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WholeNumber.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// An exact rational number as the balancing solver keeps it. The fields are stored exactly
// as the operations leave them: some results are deliberately unreduced (0/5, 3/-2), because
// their text forms are part of the solver's intermediate equations.
struct Fraction
{
    std::int64_t Numerator = 0;
    std::int64_t Denominator = 1;
};

inline bool operator==(const Fraction& a, const Fraction& b)
{
    return a.Numerator == b.Numerator && a.Denominator == b.Denominator;
}
inline bool operator!=(const Fraction& a, const Fraction& b)
{
    return !(a == b);
}

// n over 1, never reduced.
inline Fraction MakeFraction(std::int64_t n)
{
    return Fraction{n, 1};
}
// Numerator "/" denominator as stored: 2/1, -3/2, 0/5.
std::string FormatFraction(const Fraction& f);
// The same text appended to out, and a whole number alone.
void AppendFraction(std::string& out, const Fraction& f);
void AppendWholeNumber(std::string& out, std::int64_t n);

// The errors of the operations below, thrown out of line so that they stay small enough to
// inline: ConversionError and ArithmeticOverflowError.
[[noreturn]] void ThrowNotWholeNumber();
[[noreturn]] void ThrowFractionOverflow();

// Strict signed 32-bit decimal conversion shared by the fraction and count readers.
inline std::int32_t ParseInt32(std::string_view text)
{
    const std::optional<std::int32_t> value = ParseWholeNumber(text);
    if (!value)
        ThrowNotWholeNumber();
    return *value;
}
// The same for the text with a "-" (negative) or "+" in front of it.
std::int32_t ParseInt32(bool negative, std::string_view text);

namespace FractionDetail {

inline std::int64_t CheckedMultiply(std::int64_t a, std::int64_t b)
{
    std::int64_t result;
    if (__builtin_mul_overflow(a, b, &result))
        ThrowFractionOverflow();
    return result;
}

inline std::int64_t CheckedAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t result;
    if (__builtin_add_overflow(a, b, &result))
        ThrowFractionOverflow();
    return result;
}

inline std::uint64_t Magnitude(std::int64_t x)
{
    return x < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
}

} // namespace FractionDetail

// Greatest common divisor of the magnitudes, or 1 when either is zero (so zero numerators
// and zero denominators are never divided).
inline std::int64_t CommonDivisor(std::int64_t x, std::int64_t y)
{
    std::uint64_t s = FractionDetail::Magnitude(x);
    std::uint64_t t = FractionDetail::Magnitude(y);
    if (s == 0 || t == 0)
        return 1;
    // Binary (Stein's) algorithm: shifts instead of divisions.
    const int shift = __builtin_ctzll(s | t);
    s >>= __builtin_ctzll(s);
    do {
        t >>= __builtin_ctzll(t);
        if (s > t) {
            const std::uint64_t r = s;
            s = t;
            t = r;
        }
        t -= s;
    } while (t != 0);
    s <<= shift;
    if (s > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        ThrowFractionOverflow();
    return static_cast<std::int64_t>(s);
}

inline Fraction ReduceFraction(const Fraction& f)
{
    const std::int64_t g = CommonDivisor(f.Denominator, f.Numerator);
    Fraction r = g == 1 ? f : Fraction{f.Numerator / g, f.Denominator / g};
    if (r.Denominator < 0) {
        if (r.Numerator == std::numeric_limits<std::int64_t>::min() ||
            r.Denominator == std::numeric_limits<std::int64_t>::min())
            ThrowFractionOverflow();
        r.Numerator = -r.Numerator;
        r.Denominator = -r.Denominator;
    }
    return r;
}

// "7", "+4", "-3/2", "6/4" (reduced to 3/2); each part a signed 32-bit integer.
// Throws ConversionError on anything else.
inline Fraction ParseFraction(std::string_view text)
{
    // Fraction texts are a few characters long: a plain loop beats a library search.
    size_t slash = 0;
    while (slash < text.size() && text[slash] != '/')
        ++slash;
    if (slash == text.size())
        return MakeFraction(ParseInt32(text));
    return ReduceFraction({ParseInt32(text.substr(0, slash)), ParseInt32(text.substr(slash + 1))});
}

// Both reduce their result; overflow throws ArithmeticOverflowError.
inline Fraction MultiplyFractions(const Fraction& a, const Fraction& b)
{
    using namespace FractionDetail;
    return ReduceFraction(
        {CheckedMultiply(a.Numerator, b.Numerator), CheckedMultiply(a.Denominator, b.Denominator)});
}

inline Fraction AddFractions(const Fraction& a, const Fraction& b)
{
    using namespace FractionDetail;
    const std::int64_t numerator =
        CheckedAdd(CheckedMultiply(a.Numerator, b.Denominator), CheckedMultiply(b.Numerator, a.Denominator));
    return ReduceFraction({numerator, CheckedMultiply(a.Denominator, b.Denominator)});
}

// The two fields swapped, nothing else: the denominator may end up negative or zero.
inline Fraction ReciprocalFraction(const Fraction& f)
{
    return Fraction{f.Denominator, f.Numerator};
}
