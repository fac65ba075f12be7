// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/FormulaEvaluator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace {

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// One entry of a flat expression: an operand text, or an operator character.
struct Token
{
    std::string Text;
    char Op = 0; // 0 for an operand
};

bool IsOperatorChar(char ch)
{
    return ch == '*' || ch == '+' || ch == '-' || ch == '/' || ch == '^';
}

// Whether an operand typed so far is a mantissa waiting for its exponent's sign, as in
// "6.26E" of 6.26E-5: digits with at most one ".", then "E" or "e". The operand's leading
// "0" is not counted, so a lone "E" stays a name.
bool AwaitsExponentSign(const std::string& operand)
{
    if (operand.size() < 3 || (operand.back() != 'E' && operand.back() != 'e'))
        return false;
    bool digit = false;
    bool separator = false;
    for (std::size_t i = 1; i + 1 < operand.size(); ++i) {
        if (IsDigit(operand[i]))
            digit = true;
        else if (operand[i] == '.' && !separator)
            separator = true;
        else
            return false;
    }
    return digit;
}

// Every operand starts as the text "0": an operator with nothing before it thus gets
// the operand 0 (a leading minus subtracts from zero), and 12 is read as 012. A number
// written with an exponent (5E-5, 1.2E+20, the number format's own 6.26E-5) is one
// operand: the sign after its "E" is not an operator. Such text split at the sign and
// failed before, so no formula that worked changes; only text dropped after a "!"
// (3!2E-5) keeps splitting, as it did.
std::vector<Token> Tokenize(const std::string& text)
{
    std::vector<Token> tokens;
    std::string current = "0";
    for (char ch : text) {
        if (ch == ' ')
            continue;
        const bool afterFactorial = !tokens.empty() && tokens.back().Op == '!';
        if ((ch == '-' || ch == '+') && !afterFactorial && AwaitsExponentSign(current)) {
            current += ch;
            continue;
        }
        if (ch == '!' || IsOperatorChar(ch)) {
            tokens.push_back({current, 0});
            tokens.push_back({std::string(1, ch), ch});
            current = "0";
        } else {
            current += ch;
        }
    }
    tokens.push_back({current, 0});
    return tokens;
}

// The product 2*3*...*n in 32-bit arithmetic is exact only up to 12!, so larger
// operands fail rather than give a wrapped-around value.
std::optional<std::string> Factorial(const std::string& operand)
{
    const std::optional<std::int32_t> n = ParseWholeNumber(operand);
    if (!n || *n > 12)
        return std::nullopt;
    std::int32_t product = 1;
    for (std::int32_t factor = 2; factor <= *n; ++factor)
        product *= factor;
    return std::to_string(product);
}

std::optional<long double> Power(long double base, long double exponent)
{
    if (exponent == 0)
        return 1.0L;
    if (base == 0 && exponent > 0)
        return 0.0L;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= std::numeric_limits<std::int32_t>::max()) {
        // Whole exponents by multiplication (squaring keeps 2^2147483647 quick), so a
        // negative base with a whole exponent works.
        auto count = static_cast<unsigned long long>(std::fabs(exponent));
        long double result = 1.0L;
        long double factor = base;
        while (count != 0) {
            if (count & 1U)
                result *= factor;
            count >>= 1U;
            if (count != 0)
                factor *= factor;
        }
        if (!std::isfinite(result))
            return std::nullopt;
        if (exponent < 0) {
            if (result == 0)
                return std::nullopt;
            result = 1.0L / result;
        }
        return result;
    }
    // A negative base gives NaN here and a zero base infinity: both fail at the caller.
    return std::exp(exponent * std::log(base));
}

std::optional<long double> Apply(char op, long double left, long double right)
{
    switch (op) {
    case '^':
        return Power(left, right);
    case '*':
        return left * right;
    case '/':
        if (right == 0)
            return std::nullopt;
        return left / right;
    case '+':
        return left + right;
    default:
        return left - right;
    }
}

// One pass for one operator: each occurrence, from the left, joins its two operands
// into one. Results go back as text and are read again by the next occurrence, so the
// 15-digit rounding of the number format applies at every step.
bool RunPass(std::vector<Token>& tokens, char op)
{
    std::vector<Token> out;
    out.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].Op != op) {
            out.push_back(std::move(tokens[i]));
            continue;
        }
        // The list alternates operand, operator, operand, so both neighbours exist.
        const std::optional<long double> left = ParseRealNumber(out.back().Text);
        const std::optional<long double> right = ParseRealNumber(tokens[i + 1].Text);
        if (!left || !right)
            return false;
        const std::optional<long double> result = Apply(op, *left, *right);
        if (!result || !std::isfinite(*result))
            return false;
        out.back().Text = FormatGeneral(*result);
        ++i;
    }
    tokens = std::move(out);
    return true;
}

// Text after a "!" (3!2) belongs to the operand that was reset by the "!", and is
// dropped with it.
bool RunFactorialPass(std::vector<Token>& tokens)
{
    std::vector<Token> out;
    out.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].Op != '!') {
            out.push_back(std::move(tokens[i]));
            continue;
        }
        const std::optional<std::string> result = Factorial(out.back().Text);
        if (!result)
            return false;
        out.back().Text = *result;
        ++i;
    }
    tokens = std::move(out);
    return true;
}

} // namespace

std::optional<std::string> EvaluateFlatExpression(const std::string& text)
{
    std::vector<Token> tokens = Tokenize(text);
    if (!RunFactorialPass(tokens))
        return std::nullopt;
    for (char op : {'^', '*', '/', '+', '-'}) {
        if (!RunPass(tokens, op))
            return std::nullopt;
    }
    return tokens.front().Text;
}

// Each group is replaced by its value as text, innermost first, and read again as an
// ordinary operand of the enclosing level. Every open group keeps its own text until its
// ")" comes, so each character is copied once and the work grows with the length of the
// expression, however deep its groups; a stack of texts rather than recursion keeps deep
// input from exhausting the call stack. A ")" with no "(" before it stays in the text as an
// ordinary character.
std::optional<std::string> EvaluateExpression(const std::string& text)
{
    std::vector<std::string> levels(1);
    std::size_t from = 0; // the start of the characters not yet copied to the innermost level
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '(' && (text[i] != ')' || levels.size() == 1))
            continue;
        levels.back().append(text, from, i - from);
        from = i + 1;
        if (text[i] == '(') {
            if (levels.size() > MaxFormulaDepth)
                return std::nullopt;
            levels.emplace_back();
            continue;
        }
        const std::optional<std::string> value = EvaluateFlatExpression(levels.back());
        if (!value)
            return std::nullopt;
        levels.pop_back();
        levels.back() += *value;
    }
    if (levels.size() > 1)
        return std::nullopt;
    levels.back().append(text, from, std::string::npos);
    return EvaluateFlatExpression(levels.back());
}

std::string FormatGeneral(long double value, int significantDigits)
{
    if (value == 0 || !std::isfinite(value))
        return "0";
    significantDigits = std::clamp(significantDigits, 1, 15);
    // d.dddddddddddddde±x: the value rounded to the significant digits, written without
    // any regard to the locale.
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                                       std::chars_format::scientific, significantDigits - 1);
    const std::string scientific(buffer, written.ptr);

    const bool negative = scientific[0] == '-';
    std::string digits;
    std::size_t pos = negative ? 1 : 0;
    for (; pos < scientific.size() && scientific[pos] != 'e'; ++pos) {
        if (IsDigit(scientific[pos]))
            digits += scientific[pos];
    }
    const int exponent = std::stoi(scientific.substr(pos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string result = negative ? "-" : "";
    const int integerDigits = exponent + 1;
    if (integerDigits > significantDigits || integerDigits < -3) {
        result += digits[0];
        if (digits.size() > 1)
            result += "." + digits.substr(1);
        result += "E" + std::to_string(exponent);
    } else if (integerDigits <= 0) {
        result += "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(integerDigits);
        if (digits.size() <= whole) {
            result += digits + std::string(whole - digits.size(), '0');
        } else {
            result += digits.substr(0, whole) + "." + digits.substr(whole);
        }
    }
    return result;
}

std::optional<long double> ParseRealNumber(const std::string& text)
{
    const std::size_t size = text.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digitCount = 0;
    bool separatorSeen = false;
    // Decimal position of the first significant digit, to tell an overflow from an
    // underflow when the value is out of range.
    long long magnitude = 0;
    bool significantSeen = false;
    for (; i < size; ++i) {
        const char ch = text[i];
        if (IsDigit(ch)) {
            ++digitCount;
            if (ch != '0')
                significantSeen = true;
            if (!separatorSeen && significantSeen)
                ++magnitude;
            else if (separatorSeen && !significantSeen)
                --magnitude;
        } else if (ch == '.' && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digitCount == 0)
        return std::nullopt;
    long long exponent = 0;
    if (i < size && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < size && IsDigit(text[i]); ++i) {
            if (exponent < 1000000000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == exponentStart)
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != size)
        return std::nullopt;

    long double value = 0;
    const char* first = text.c_str() + mantissaStart;
    const char* last = text.c_str() + size;
    const std::from_chars_result read = std::from_chars(first, last, value, std::chars_format::general);
    if (read.ec == std::errc::result_out_of_range) {
        if (significantSeen && magnitude + exponent > 0)
            return std::nullopt;
        value = 0;
    } else if (read.ec != std::errc() || read.ptr != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
