// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the user's grid formulas. The evaluator works on text in which
// every item reference has already been replaced by a cell's text, and answers with
// text again, because its results go straight back into grid cells. A group's value is
// one operand of the enclosing expression. Numbers always use "." as the decimal separator, whatever
// the locale, matching the key filter of the numeric grid columns.
//
// The operator passes run in the fixed order "!", "^", "*", "/", "+", "-", each from
// left to right, so "*" binds tighter than "/" and "+" tighter than "-"; users'
// stored formulas rely on that order.

#include "core/WholeNumber.h"

#include <cstdint>
#include <optional>
#include <string>

// Groups nested deeper than this fail the evaluation. A formula a person writes has a
// handful of levels; only a made-up one (a document with a division in 200,000 parentheses)
// reaches it.
constexpr std::size_t MaxFormulaDepth = 1000;

// Evaluates an expression with parentheses; nullopt when the evaluation fails
// (a token that is not a number, division by zero, an invalid power, a result out of
// range, a "(" without its ")", groups nested deeper than MaxFormulaDepth). The time it
// takes grows with the length of the text alone.
std::optional<std::string> EvaluateExpression(const std::string& text);

// Evaluates an expression without parentheses; same failure outcome.
std::optional<std::string> EvaluateFlatExpression(const std::string& text);

// Whether an operand typed so far is a mantissa waiting for its exponent's sign, as in
// "6.26E" of 6.26E-5: digits with at most one ".", then "E" or "e". The operand's leading
// "0" (every operand starts with it) is not counted, so a lone "E" stays a name.
bool AwaitsExponentSign(const std::string& operand);

// General number format with 15 significant digits: fixed notation for magnitudes
// from 0.0001 up to 15 digits before the separator, otherwise mantissa, "E" and the
// exponent without leading zeros (1.5E20, 1E-5). Trailing zeros are dropped. With fewer
// digits the value is rounded to them, and E notation starts where the whole part has
// more digits than that (123456 to three digits is 1.23E5).
std::string FormatGeneral(long double value, int significantDigits = 15);

// A real number: optional sign, decimal digits with at most one ".", optional
// exponent ("E" or "e", optional sign, digits). Underflow reads as zero; a value
// beyond the range of long double does not convert.
std::optional<long double> ParseRealNumber(const std::string& text);
