// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Fraction.h"

#include "core/Errors.h"
#include "core/WholeNumber.h"

#include <limits>

namespace {

std::int64_t CheckedMultiply(std::int64_t a, std::int64_t b)
{
    std::int64_t result;
    if (__builtin_mul_overflow(a, b, &result))
        throw ArithmeticOverflowError("fraction product overflows 64 bits");
    return result;
}

std::int64_t CheckedAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t result;
    if (__builtin_add_overflow(a, b, &result))
        throw ArithmeticOverflowError("fraction sum overflows 64 bits");
    return result;
}

std::int64_t CheckedNegate(std::int64_t a)
{
    if (a == std::numeric_limits<std::int64_t>::min())
        throw ArithmeticOverflowError("fraction sign change overflows 64 bits");
    return -a;
}

std::uint64_t Magnitude(std::int64_t x)
{
    return x < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
}

} // namespace

std::int32_t ParseInt32(const std::string& text)
{
    const std::optional<std::int32_t> value = ParseWholeNumber(text);
    if (!value)
        throw ConversionError("not a 32-bit whole number: '" + text + "'");
    return *value;
}

Fraction MakeFraction(std::int64_t n)
{
    return Fraction{n, 1};
}

Fraction ParseFraction(const std::string& text)
{
    size_t slash = text.find('/');
    if (slash == std::string::npos)
        return MakeFraction(ParseInt32(text));
    Fraction f{ParseInt32(text.substr(0, slash)), ParseInt32(text.substr(slash + 1))};
    return ReduceFraction(f);
}

std::string FormatFraction(const Fraction& f)
{
    return std::to_string(f.Numerator) + "/" + std::to_string(f.Denominator);
}

std::int64_t CommonDivisor(std::int64_t x, std::int64_t y)
{
    std::uint64_t s = Magnitude(x);
    std::uint64_t t = Magnitude(y);
    if (s == 0 || t == 0)
        return 1;
    while (t != 0) {
        std::uint64_t r = s % t;
        s = t;
        t = r;
    }
    if (s > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw ArithmeticOverflowError("common divisor overflows 64 bits");
    return static_cast<std::int64_t>(s);
}

Fraction ReduceFraction(const Fraction& f)
{
    std::int64_t g = CommonDivisor(f.Denominator, f.Numerator);
    Fraction r{f.Numerator / g, f.Denominator / g};
    if (r.Denominator < 0) {
        r.Numerator = CheckedNegate(r.Numerator);
        r.Denominator = CheckedNegate(r.Denominator);
    }
    return r;
}

Fraction MultiplyFractions(const Fraction& a, const Fraction& b)
{
    return ReduceFraction(
        {CheckedMultiply(a.Numerator, b.Numerator), CheckedMultiply(a.Denominator, b.Denominator)});
}

Fraction AddFractions(const Fraction& a, const Fraction& b)
{
    std::int64_t numerator =
        CheckedAdd(CheckedMultiply(a.Numerator, b.Denominator), CheckedMultiply(b.Numerator, a.Denominator));
    return ReduceFraction({numerator, CheckedMultiply(a.Denominator, b.Denominator)});
}

Fraction ReciprocalFraction(const Fraction& f)
{
    return Fraction{f.Denominator, f.Numerator};
}
