// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReactionParser.h"

#include "core/Errors.h"
#include "core/Fraction.h"

#include <cstdint>

namespace {

char ToLower(char c)
{
    return IsUpperLetter(c) ? char(c - 'A' + 'a') : c;
}

std::string Trim(const std::string& s)
{
    size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

std::int32_t CheckedCount(std::int64_t value)
{
    if (value > INT32_MAX || value < INT32_MIN)
        throw InvalidReactionError("element count outside 32 bits");
    return static_cast<std::int32_t>(value);
}

// Reads one formula item by item. Groups are counted into their own vector and multiplied
// into the enclosing one when their ")" and count are read; an explicit stack keeps deeply
// nested input from exhausting the call stack.
std::vector<std::int32_t> CountFormula(const std::string& formula, const std::vector<std::string>& elements)
{
    std::vector<std::vector<std::int32_t>> groups(1, std::vector<std::int32_t>(elements.size(), 0));
    size_t i = 0;
    auto readCount = [&]() {
        size_t start = i;
        if (i < formula.size() && formula[i] == '-')
            ++i;
        while (i < formula.size() && IsDigitChar(formula[i]))
            ++i;
        return ParseInt32(formula.substr(start, i - start));
    };
    while (i < formula.size()) {
        char c = formula[i];
        if (IsUpperLetter(c) || IsLowerLetter(c)) {
            size_t start = i++;
            while (i < formula.size() && IsLowerLetter(formula[i]))
                ++i;
            int index = IndexOfSymbol(elements, formula.substr(start, i - start));
            if (index < 0)
                throw InvalidReactionError("symbol missing from the element list");
            std::int32_t n = readCount();
            auto& entry = groups.back()[size_t(index)];
            entry = CheckedCount(std::int64_t(entry) + n);
        } else if (c == '(') {
            ++i;
            groups.emplace_back(elements.size(), 0);
        } else if (c == ')') {
            // ")" where a symbol must begin, as in "()", is not a group end.
            if (i > 0 && formula[i - 1] == '(')
                throw InvalidReactionError("empty group");
            ++i;
            if (groups.size() < 2)
                throw InvalidReactionError("unmatched ')'");
            std::int32_t n = readCount();
            if (n == 0)
                throw InvalidReactionError("group count 0");
            std::vector<std::int32_t> inner = std::move(groups.back());
            groups.pop_back();
            for (size_t k = 0; k < inner.size(); ++k)
                groups.back()[k] = CheckedCount(groups.back()[k] + std::int64_t(inner[k]) * n);
        } else {
            // A digit, "-" or foreign character where a symbol must begin.
            throw InvalidReactionError("symbol does not begin with a letter");
        }
    }
    if (groups.size() != 1)
        throw InvalidReactionError("unmatched '('");
    return groups.front();
}

} // namespace

bool SameSymbol(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ToLower(a[i]) != ToLower(b[i]))
            return false;
    return true;
}

int IndexOfSymbol(const std::vector<std::string>& elements, const std::string& symbol)
{
    for (size_t i = 0; i < elements.size(); ++i)
        if (SameSymbol(elements[i], symbol))
            return int(i);
    return -1;
}

std::string PrepareReaction(const std::string& text)
{
    std::string result = text;
    // The first character is never examined; an inserted "1" becomes the character before
    // the next one, so one place gets one "1".
    for (size_t i = 1; i < result.size(); ++i) {
        char c = result[i];
        char before = result[i - 1];
        bool needsCount = c == '(' || c == ')' || c == '+' || c == '>' || IsUpperLetter(c);
        bool hasCount = before == '(' || before == '+' || before == '>' || IsDigitChar(before);
        if (needsCount && !hasCount)
            result.insert(i, 1, '1');
    }
    if (!result.empty() && !IsDigitChar(result.back()))
        result += '1';
    return result;
}

SubstanceLists SplitSubstances(const std::string& prepared)
{
    SubstanceLists lists;
    std::vector<std::string>* current = &lists.Reactants;
    size_t start = 0;
    for (;;) {
        size_t separator = prepared.find_first_of("+>", start);
        if (separator == std::string::npos)
            break;
        current->push_back(Trim(prepared.substr(start, separator - start)));
        if (prepared[separator] == '>')
            current = &lists.Products;
        start = separator + 1;
    }
    if (start < prepared.size())
        current->push_back(Trim(prepared.substr(start)));
    return lists;
}

std::vector<std::string> CollectElements(const std::string& prepared)
{
    std::vector<std::string> elements;
    std::string symbol;
    auto close = [&]() {
        if (!symbol.empty() && IndexOfSymbol(elements, symbol) < 0)
            elements.push_back(symbol);
        symbol.clear();
    };
    for (char c : prepared) {
        if (IsLowerLetter(c)) {
            symbol += c;
            continue;
        }
        close();
        if (IsUpperLetter(c))
            symbol += c;
    }
    close();
    return elements;
}

std::vector<std::string> CountElements(const std::vector<std::string>& formulas,
                                       const std::vector<std::string>& elements)
{
    std::vector<std::string> vectors;
    vectors.reserve(formulas.size());
    for (const std::string& formula : formulas) {
        std::string text;
        for (std::int32_t n : CountFormula(formula, elements)) {
            if (!text.empty())
                text += ',';
            text += std::to_string(n);
        }
        vectors.push_back(text);
    }
    return vectors;
}

std::vector<long long> ParseCountVector(const std::string& text)
{
    std::vector<long long> counts;
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        counts.push_back(ParseInt32(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return counts;
}
