// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReactionParser.h"

#include "core/ChargeNotation.h"
#include "core/Errors.h"
#include "core/Fraction.h"

#include <algorithm>

namespace {

char ToLower(char c)
{
    return IsUpperLetter(c) ? char(c - 'A' + 'a') : c;
}

std::string_view Trim(std::string_view s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::int32_t CheckedCount(std::int64_t value)
{
    if (value > INT32_MAX || value < INT32_MIN)
        throw InvalidReactionError("element count outside 32 bits");
    return static_cast<std::int32_t>(value);
}

// Reads one formula item by item into row. Each open group is counted into a segment of its
// own on one stack (so deeply nested input cannot exhaust the call stack), and multiplied
// into the enclosing segment when its ")" and count are read.
void CountFormula(std::string_view formula, const std::vector<std::string>& elements, std::int32_t* row,
                  std::vector<std::int32_t>& stack)
{
    const size_t width = elements.size();
    stack.assign(width, 0);
    size_t depth = 0; // open groups
    size_t i = 0;
    // The electron has no atoms: only its charge is read.
    const bool electron = IsElectronAt(formula, 0);
    if (electron)
        i = formula.find('^');
    auto readCount = [&]() {
        const size_t start = i;
        if (i < formula.size() && formula[i] == '-')
            ++i;
        while (i < formula.size() && IsDigitChar(formula[i]))
            ++i;
        return ParseInt32(formula.substr(start, i - start));
    };
    while (i < formula.size()) {
        const char c = formula[i];
        if (IsUpperLetter(c) || IsLowerLetter(c)) {
            const size_t start = i++;
            while (i < formula.size() && IsLowerLetter(formula[i]))
                ++i;
            const int index = IndexOfSymbol(elements, formula.substr(start, i - start));
            if (index < 0)
                throw InvalidReactionError("symbol missing from the element list");
            const std::int32_t n = readCount();
            std::int32_t& entry = stack[stack.size() - width + size_t(index)];
            entry = CheckedCount(std::int64_t(entry) + n);
        } else if (c == '^') {
            // The charge ends its formula: "^", a count (1 when none), then its sign.
            if (i == 0 && !electron)
                throw InvalidReactionError("a charge without a formula");
            if (depth != 0)
                throw InvalidReactionError("a charge inside a group");
            const size_t start = ++i;
            while (i < formula.size() && IsDigitChar(formula[i]))
                ++i;
            const std::int32_t n = i == start ? 1 : ParseInt32(formula.substr(start, i - start));
            if (n == 0)
                throw InvalidReactionError("a charge of 0");
            if (i >= formula.size() || (formula[i] != '+' && formula[i] != '-'))
                throw InvalidReactionError("a charge without its sign");
            const bool negative = formula[i++] == '-';
            if (i != formula.size())
                throw InvalidReactionError("a charge before the end of its formula");
            const int index = IndexOfSymbol(elements, ChargeSymbol);
            if (index < 0)
                throw InvalidReactionError("charge missing from the element list");
            stack[size_t(index)] = negative ? -n : n;
        } else if (c == '(') {
            ++i;
            ++depth;
            stack.resize(stack.size() + width, 0);
        } else if (c == ')') {
            // ")" where a symbol must begin, as in "()", is not a group end.
            if (i > 0 && formula[i - 1] == '(')
                throw InvalidReactionError("empty group");
            ++i;
            if (depth == 0)
                throw InvalidReactionError("unmatched ')'");
            const std::int32_t n = readCount();
            if (n == 0)
                throw InvalidReactionError("group count 0");
            const size_t inner = stack.size() - width;
            for (size_t k = 0; k < width; ++k)
                stack[inner - width + k] =
                    CheckedCount(stack[inner - width + k] + std::int64_t(stack[inner + k]) * n);
            stack.resize(inner);
            --depth;
        } else {
            // A digit, "-" or foreign character where a symbol must begin.
            throw InvalidReactionError("symbol does not begin with a letter");
        }
    }
    if (depth != 0)
        throw InvalidReactionError("unmatched '('");
    for (size_t k = 0; k < width; ++k)
        row[k] = stack[k];
}

} // namespace

bool SameSymbol(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ToLower(a[i]) != ToLower(b[i]))
            return false;
    return true;
}

int IndexOfSymbol(const std::vector<std::string>& elements, std::string_view symbol)
{
    for (size_t i = 0; i < elements.size(); ++i)
        if (SameSymbol(elements[i], symbol))
            return int(i);
    return -1;
}

namespace {

// Where the prepared text stands with respect to charges, kept up as it grows: a charge's
// sign ends its formula, so nothing after it needs a count.
struct ChargeState
{
    bool Open = false;   // the text ends in "^" and digits
    bool Closed = false; // the text ends in a charge's sign

    void Append(char c)
    {
        Closed = Open && (c == '+' || c == '-');
        Open = c == '^' || (Open && IsDigitChar(c));
    }
};

// Whether PrepareReaction writes a "1" between before and c. A charge's "^" takes the count
// of its formula's last item before it (Fe^3+ becomes Fe1^3+), and a "+" sign right after "^"
// gets the charge's count (H^+ becomes H1^1+).
bool NeedsCount(char before, char c, const ChargeState& charge)
{
    const bool needsCount = c == '(' || c == ')' || c == '+' || c == '>' || c == '^' || IsUpperLetter(c);
    const bool hasCount =
        before == '(' || before == '+' || before == '>' || IsDigitChar(before) || charge.Closed;
    return needsCount && !hasCount;
}

} // namespace

std::string PrepareReaction(std::string_view text)
{
    // The first character is never examined; an inserted "1" becomes the character before
    // the next one, so one place gets one "1". Counted first, so a long text is written into
    // a buffer of its final size.
    auto walk = [&](auto&& append) {
        ChargeState charge;
        for (size_t i = 0; i < text.size(); ++i) {
            if (i > 0 && NeedsCount(text[i - 1], text[i], charge)) {
                append('1');
                charge.Append('1');
            }
            append(text[i]);
            charge.Append(text[i]);
        }
        return charge;
    };
    size_t size = 1;
    walk([&](char) { ++size; });
    std::string result;
    result.reserve(size);
    const ChargeState end = walk([&](char c) { result += c; });
    if (!result.empty() && !IsDigitChar(result.back()) && !end.Closed)
        result += '1';
    return result;
}

std::vector<std::string_view> SplitFormulas(std::string_view prepared, int& reactants)
{
    std::vector<std::string_view> formulas;
    formulas.reserve(1 + size_t(std::count_if(prepared.begin(), prepared.end(),
                                              [](char c) { return c == '+' || c == '>'; })));
    reactants = -1;
    size_t start = 0;
    for (size_t from = 0;;) {
        const size_t separator = prepared.find_first_of("+>", from);
        if (separator == std::string_view::npos)
            break;
        from = separator + 1;
        if (!IsSeparatorAt(prepared, separator))
            continue; // a charge's sign
        formulas.push_back(Trim(prepared.substr(start, separator - start)));
        if (prepared[separator] == '>' && reactants < 0)
            reactants = int(formulas.size());
        start = separator + 1;
    }
    if (start < prepared.size())
        formulas.push_back(Trim(prepared.substr(start)));
    if (reactants < 0)
        reactants = int(formulas.size());
    return formulas;
}

SubstanceLists SplitSubstances(std::string_view prepared)
{
    int reactants = 0;
    const std::vector<std::string_view> formulas = SplitFormulas(prepared, reactants);
    SubstanceLists lists;
    lists.Reactants.assign(formulas.begin(), formulas.begin() + reactants);
    lists.Products.assign(formulas.begin() + reactants, formulas.end());
    return lists;
}

std::vector<std::string> CollectElements(std::string_view prepared, size_t arrow,
                                         std::vector<unsigned char>& sides)
{
    std::vector<std::string> elements;
    sides.clear();
    size_t start = std::string_view::npos; // of the current symbol
    unsigned char chargeSides = 0;
    auto close = [&](size_t end) {
        if (start == std::string_view::npos)
            return;
        // The electron's e is no element.
        const bool electron = end == start + 1 && (start == 0 || IsSeparatorAt(prepared, start - 1)) &&
                              IsElectronAt(prepared, start);
        if (!electron) {
            const std::string_view symbol = prepared.substr(start, end - start);
            int index = IndexOfSymbol(elements, symbol);
            if (index < 0) {
                index = int(elements.size());
                elements.emplace_back(symbol);
                sides.push_back(0);
            }
            sides[size_t(index)] |= start < arrow ? 1 : 2;
        }
        start = std::string_view::npos;
    };
    for (size_t i = 0; i < prepared.size(); ++i) {
        const char c = prepared[i];
        if (IsLowerLetter(c)) {
            if (start == std::string_view::npos)
                start = i;
            continue;
        }
        close(i);
        if (IsUpperLetter(c))
            start = i;
        else if (c == '^')
            chargeSides |= i < arrow ? 1 : 2;
    }
    close(prepared.size());
    if (chargeSides != 0) {
        elements.emplace_back(ChargeSymbol);
        sides.push_back(chargeSides);
    }
    return elements;
}

std::vector<std::string> CollectElements(std::string_view prepared)
{
    std::vector<unsigned char> sides;
    return CollectElements(prepared, std::string_view::npos, sides);
}

CountTable CountTable::FromTexts(const std::vector<std::string>& countVectors)
{
    std::vector<std::vector<long long>> rows;
    size_t width = 0;
    for (const std::string& text : countVectors) {
        rows.push_back(ParseCountVector(text));
        width = std::max(width, rows.back().size());
    }
    CountTable table(rows.size(), width);
    for (size_t k = 0; k < rows.size(); ++k)
        for (size_t e = 0; e < rows[k].size(); ++e)
            table.Cell(k, e) = std::int32_t(rows[k][e]);
    return table;
}

CountTable CountFormulas(const std::vector<std::string_view>& formulas,
                         const std::vector<std::string>& elements)
{
    CountTable table(formulas.size(), elements.size());
    std::vector<std::int32_t> stack;
    for (size_t k = 0; k < formulas.size(); ++k)
        CountFormula(formulas[k], elements, table.Counts.data() + k * elements.size(), stack);
    return table;
}

CountTable CountFormulas(const std::vector<std::string>& formulas, const std::vector<std::string>& elements)
{
    return CountFormulas(std::vector<std::string_view>(formulas.begin(), formulas.end()), elements);
}

std::vector<std::string> CountElements(const std::vector<std::string>& formulas,
                                       const std::vector<std::string>& elements)
{
    const CountTable table = CountFormulas(formulas, elements);
    std::vector<std::string> vectors;
    vectors.reserve(formulas.size());
    for (size_t k = 0; k < table.Substances; ++k) {
        std::string text;
        for (size_t e = 0; e < table.Elements; ++e) {
            if (e > 0)
                text += ',';
            AppendWholeNumber(text, table.At(k, e));
        }
        vectors.push_back(std::move(text));
    }
    return vectors;
}

std::vector<long long> ParseCountVector(std::string_view text)
{
    std::vector<long long> counts;
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        counts.push_back(ParseInt32(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return counts;
}
