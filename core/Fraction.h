// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

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
Fraction MakeFraction(std::int64_t n);
// "7", "+4", "-3/2", "6/4" (reduced to 3/2); each part a signed 32-bit integer.
// Throws ConversionError on anything else.
Fraction ParseFraction(const std::string& text);
// Numerator "/" denominator as stored: 2/1, -3/2, 0/5.
std::string FormatFraction(const Fraction& f);
Fraction ReduceFraction(const Fraction& f);
// Both reduce their result; overflow throws ArithmeticOverflowError.
Fraction MultiplyFractions(const Fraction& a, const Fraction& b);
Fraction AddFractions(const Fraction& a, const Fraction& b);
// The two fields swapped, nothing else: the denominator may end up negative or zero.
Fraction ReciprocalFraction(const Fraction& f);
// Greatest common divisor of the magnitudes, or 1 when either is zero (so zero numerators
// and zero denominators are never divided).
std::int64_t CommonDivisor(std::int64_t x, std::int64_t y);

// Strict signed 32-bit decimal conversion shared by the fraction and count readers.
std::int32_t ParseInt32(const std::string& text);
