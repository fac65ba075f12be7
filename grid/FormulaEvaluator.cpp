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

// A group's value inside the text of the enclosing level: where it stands and its text.
struct GroupValue
{
    std::size_t Position;
    std::string Text;
};

// Whether a group's value standing at position is followed by nothing but spaces and then
// an operator, a "!", or the end of the text: then it is an operand of its own.
bool EndsOperand(const std::string& text, const std::vector<GroupValue>& groups, std::size_t group)
{
    const std::size_t position = groups[group].Position;
    if (group + 1 < groups.size() && groups[group + 1].Position == position)
        return false;
    for (std::size_t i = position; i < text.size(); ++i) {
        if (text[i] == ' ')
            continue;
        if (group + 1 < groups.size() && groups[group + 1].Position <= i)
            return false;
        return text[i] == '!' || IsOperatorChar(text[i]);
    }
    return group + 1 == groups.size();
}

// Every operand starts as the text "0": an operator with nothing before it thus gets
// the operand 0 (a leading minus subtracts from zero), and 12 is read as 012. A number
// written with an exponent (5E-5, 1.2E+20, the number format's own 6.26E-5) is one
// operand: the sign after its "E" is not an operator. Such text split at the sign and
// failed before, so no formula that worked changes; only text dropped after a "!"
// (3!2E-5) keeps splitting, as it did.
//
// A group's value that stands alone between operators is one operand, its sign included,
// so 2*(0-3) is -6 and (0-3)^2 is 9. A group's value run together with other text, as in
// 2(3), is read as that text, as it always was.
std::vector<Token> Tokenize(const std::string& text, const std::vector<GroupValue>& groups = {})
{
    std::vector<Token> tokens;
    std::string current = "0";
    bool touched = false; // anything added to the current operand
    const auto feed = [&](char ch) {
        if (ch == ' ')
            return;
        const bool afterFactorial = !tokens.empty() && tokens.back().Op == '!';
        if ((ch == '-' || ch == '+') && !afterFactorial && AwaitsExponentSign(current)) {
            current += ch;
            return;
        }
        if (ch == '!' || IsOperatorChar(ch)) {
            tokens.push_back({current, 0});
            tokens.push_back({std::string(1, ch), ch});
            current = "0";
            touched = false;
        } else {
            current += ch;
            touched = true;
        }
    };
    std::size_t group = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        for (; group < groups.size() && groups[group].Position == i; ++group) {
            if (!touched && EndsOperand(text, groups, group)) {
                current = groups[group].Text;
                touched = true;
            } else {
                for (char ch : groups[group].Text)
                    feed(ch);
            }
        }
        if (i < text.size())
            feed(text[i]);
    }
    tokens.push_back({current, 0});
    return tokens;
}

// A result that is a lone operand comes back as its text; a number among them is written
// without the leading zeros every operand starts with (02.5 is 2.5, 0002 is 2).
std::string WithoutLeadingZeros(std::string text)
{
    if (!ParseRealNumber(text))
        return text;
    const std::size_t digits = text[0] == '-' || text[0] == '+' ? 1 : 0;
    std::size_t zeros = 0;
    while (digits + zeros + 1 < text.size() && text[digits + zeros] == '0' &&
           IsDigit(text[digits + zeros + 1]))
        ++zeros;
    text.erase(digits, zeros);
    return text;
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

namespace {
std::optional<std::string> EvaluateTokens(std::vector<Token> tokens)
{
    if (!RunFactorialPass(tokens))
        return std::nullopt;
    for (char op : {'^', '*', '/', '+', '-'}) {
        if (!RunPass(tokens, op))
            return std::nullopt;
    }
    return WithoutLeadingZeros(std::move(tokens.front().Text));
}

// The text of one open group and the values of the groups already closed inside it.
struct Level
{
    std::string Text;
    std::vector<GroupValue> Groups;
};
} // namespace

std::optional<std::string> EvaluateFlatExpression(const std::string& text)
{
    return EvaluateTokens(Tokenize(text));
}

// Each group is evaluated innermost first, and its value is an operand of the enclosing
// level. Every open group keeps its own text until its
// ")" comes, so each character is copied once and the work grows with the length of the
// expression, however deep its groups; a stack of texts rather than recursion keeps deep
// input from exhausting the call stack. A ")" with no "(" before it stays in the text as an
// ordinary character.
std::optional<std::string> EvaluateExpression(const std::string& text)
{
    std::vector<Level> levels(1);
    std::size_t from = 0; // the start of the characters not yet copied to the innermost level
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '(' && (text[i] != ')' || levels.size() == 1))
            continue;
        levels.back().Text.append(text, from, i - from);
        from = i + 1;
        if (text[i] == '(') {
            if (levels.size() > MaxFormulaDepth)
                return std::nullopt;
            levels.emplace_back();
            continue;
        }
        std::optional<std::string> value = EvaluateTokens(Tokenize(levels.back().Text, levels.back().Groups));
        if (!value)
            return std::nullopt;
        levels.pop_back();
        levels.back().Groups.push_back({levels.back().Text.size(), std::move(*value)});
    }
    if (levels.size() > 1)
        return std::nullopt;
    levels.back().Text.append(text, from, std::string::npos);
    return EvaluateTokens(Tokenize(levels.back().Text, levels.back().Groups));
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
