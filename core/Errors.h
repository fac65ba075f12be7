// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

// The chemistry core reports failures by throwing one of these; the command at the top
// (Balance, the command line, the grid filling) catches them once and decides what to show.
struct StoikonError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// The reaction text cannot be read: bad structure, an unknown symbol, a missing count.
struct InvalidReactionError : StoikonError
{
    using StoikonError::StoikonError;
};

// The reaction is readable but has no single balanced form.
struct CannotBalanceError : StoikonError
{
    using StoikonError::StoikonError;
};

// A number in text form does not convert (an empty text, a stray sign, outside 32 bits).
struct ConversionError : StoikonError
{
    using StoikonError::StoikonError;
};

// 64-bit fraction arithmetic overflowed; the solve ends as unbalanceable, never with a
// wrong result.
struct ArithmeticOverflowError : CannotBalanceError
{
    using CannotBalanceError::CannotBalanceError;
};
