// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReactionParser.h"

#include "core/ChargeNotation.h"
#include "core/Errors.h"

#include <algorithm>

namespace {

char ToLower(char c)
{
    return IsUpperLetter(c) ? char(c - 'A' + 'a') : c;
}

[[noreturn]] void CountTooLarge()
{
    throw InvalidReactionError("an element count outside 64 bits");
}

std::int64_t AddCounts(std::int64_t a, std::int64_t b)
{
    std::int64_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        CountTooLarge();
    return sum;
}

std::int64_t MultiplyCounts(std::int64_t a, std::int64_t b)
{
    std::int64_t product;
    if (__builtin_mul_overflow(a, b, &product))
        CountTooLarge();
    return product;
}

// A count as written: an optional "-" and digits, within 64 bits.
std::int64_t ParseCount(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (text.size() == size_t(negative))
        throw InvalidReactionError("a missing count");
    if (text.size() <= 18) { // cannot leave 64 bits
        std::int64_t value = 0;
        for (size_t i = negative; i < text.size(); ++i)
            value = value * 10 + (text[i] - '0');
        return negative ? -value : value;
    }
    std::int64_t value = 0;
    for (size_t i = negative; i < text.size(); ++i)
        value = AddCounts(MultiplyCounts(value, 10), negative ? -(text[i] - '0') : text[i] - '0');
    return value;
}

// A symbol of up to seven letters as one number, its letters folded to lower case: finding
// it among the elements is then a comparison of numbers. Longer symbols get 0 and are
// compared letter by letter.
constexpr std::uint64_t SymbolKey(std::string_view symbol)
{
    if (symbol.size() > 7)
        return 0;
    std::uint64_t key = symbol.size();
    for (const char c : symbol)
        key = key << 8 | static_cast<unsigned char>(c | 0x20);
    return key;
}

// The charge's key: no symbol of letters has it ("^" folds to "~").
constexpr std::uint64_t ChargeKey = SymbolKey(ChargeSymbol);

// The element list with the key of each of its symbols.
struct ElementKeys
{
    const std::vector<std::string>& Elements;
    std::vector<std::uint64_t>& Keys;

    ElementKeys(const std::vector<std::string>& elements, std::vector<std::uint64_t>& keys)
        : Elements(elements), Keys(keys)
    {
        Keys.clear();
        for (const std::string& element : Elements)
            Keys.push_back(SymbolKey(element));
    }

    int Find(std::string_view symbol) const { return Find(symbol, SymbolKey(symbol)); }
    int Find(std::string_view symbol, std::uint64_t key) const
    {
        for (size_t i = 0; i < Keys.size(); ++i)
            if (Keys[i] == key && (key != 0 || SameSymbol(Elements[i], symbol)))
                return int(i);
        return -1;
    }
};

// symbol's place among the elements, added at the end of the list when it is new; side (1
// left, 2 right) is marked as holding it.
// Both inline: a reaction's symbols are new nearly half the time.
inline int Add(const ElementKeys& list, std::vector<std::string>& elements, std::vector<unsigned char>& sides,
               std::string_view symbol, std::uint64_t key)
{
    elements.emplace_back(symbol);
    list.Keys.push_back(key);
    sides.push_back(0);
    return int(elements.size()) - 1;
}

inline int FindOrAdd(const ElementKeys& list, std::vector<std::string>& elements,
                     std::vector<unsigned char>& sides, std::string_view symbol, std::uint64_t key,
                     unsigned char side)
{
    int index = list.Find(symbol, key);
    if (index < 0)
        index = Add(list, elements, sides, symbol, key);
    sides[size_t(index)] |= side;
    return index;
}

// Reads one formula item by item into row, of width entries, all 0; find gives a symbol's
// entry from the symbol and its key (ChargeSymbol and ChargeKey for the charge), or -1. Each
// open group is counted into a segment of its own on one stack (so deeply nested input
// cannot exhaust the call stack), and multiplied into the enclosing segment (row, outside
// every group) when its ")" and count are read. Returns what does not read, or null; a count
// outside 64 bits throws. A formula that does not read is an answer of its own (a student's
// typing), so it is returned, not thrown.
// With Implied, a count left out is 1 where the preparation would have written it (at the
// end, or before a capital, "(", ")" or "^"); anything else reads as prepared.
template <bool Implied = false, class Find>
const char* CountFormula(std::string_view formula, Find&& find, size_t width, std::int64_t* row,
                         std::vector<std::int64_t>& stack)
{
    stack.clear();
    size_t depth = 0;           // open groups
    std::int64_t* counts = row; // the innermost open group's segment
    const auto segment = [&](size_t d) { return d == 0 ? row : stack.data() + (d - 1) * width; };
    size_t i = 0;
    // The electron has no atoms: only its charge is read.
    const bool electron = IsElectronAt(formula, 0);
    if (electron)
        i = formula.find('^');
    auto readCount = [&]() {
        // Where the preparation puts a "1": at the end, or before what may take a count.
        if (Implied && (i == formula.size() || IsUpperLetter(formula[i]) || formula[i] == '(' ||
                        formula[i] == ')' || formula[i] == '^'))
            return std::int64_t(1);
        // Most counts are one digit, made explicit by the preparation.
        if (i < formula.size() && IsDigitChar(formula[i]) &&
            (i + 1 == formula.size() || !IsDigitChar(formula[i + 1])))
            return std::int64_t(formula[i++] - '0');
        const size_t start = i;
        if (i < formula.size() && formula[i] == '-')
            ++i;
        while (i < formula.size() && IsDigitChar(formula[i]))
            ++i;
        return ParseCount(formula.substr(start, i - start));
    };
    while (i < formula.size()) {
        const char c = formula[i];
        if (IsUpperLetter(c) || IsLowerLetter(c)) {
            // The symbol's key (SymbolKey) is made as its letters are read.
            const size_t start = i++;
            std::uint64_t letters = std::uint64_t(c | 0x20);
            while (i < formula.size() && IsLowerLetter(formula[i]))
                letters = letters << 8 | std::uint64_t(formula[i++]);
            const size_t length = i - start;
            const std::uint64_t key = length > 7 ? 0 : std::uint64_t(length) << (8 * length) | letters;
            const int index = find(formula.substr(start, length), key);
            if (index < 0)
                return "symbol missing from the element list";
            const std::int64_t n = readCount();
            if (n == 0)
                return "count 0"; // no atoms of it: O0 is a mistake, as a group's count 0 is
            std::int64_t& entry = counts[index];
            entry = AddCounts(entry, n);
        } else if (c == '^') {
            // The charge ends its formula: "^", a count (1 when none), then its sign.
            if (i == 0 && !electron)
                return "a charge without a formula";
            if (depth != 0)
                return "a charge inside a group";
            const size_t start = ++i;
            while (i < formula.size() && IsDigitChar(formula[i]))
                ++i;
            const std::int64_t n = i == start ? 1 : ParseCount(formula.substr(start, i - start));
            if (n == 0)
                return "a charge of 0";
            if (i >= formula.size() || (formula[i] != '+' && formula[i] != '-'))
                return "a charge without its sign";
            const bool negative = formula[i++] == '-';
            if (i != formula.size())
                return "a charge before the end of its formula";
            const int index = find(ChargeSymbol, ChargeKey);
            if (index < 0)
                return "charge missing from the element list";
            row[index] = negative ? -n : n;
        } else if (c == '(') {
            ++i;
            ++depth;
            stack.resize(stack.size() + width, 0);
            counts = segment(depth);
        } else if (c == ')') {
            // ")" where a symbol must begin, as in "()", is not a group end.
            if (i > 0 && formula[i - 1] == '(')
                return "empty group";
            ++i;
            if (depth == 0)
                return "unmatched ')'";
            const std::int64_t n = readCount();
            if (n == 0)
                return "group count 0";
            const std::int64_t* inner = segment(depth);
            std::int64_t* outer = segment(depth - 1);
            for (size_t k = 0; k < width; ++k)
                outer[k] = AddCounts(outer[k], MultiplyCounts(inner[k], n));
            stack.resize(stack.size() - width);
            counts = outer;
            --depth;
        } else {
            // A digit, "-" or foreign character where a symbol must begin.
            return "symbol does not begin with a letter";
        }
    }
    if (depth != 0)
        return "unmatched '('";
    return nullptr;
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
    // Most symbols differ in length or in their first letter.
    const char first = symbol.empty() ? '\0' : ToLower(symbol[0]);
    for (size_t i = 0; i < elements.size(); ++i) {
        const std::string& element = elements[i];
        if (element.size() == symbol.size() && (symbol.empty() || ToLower(element[0]) == first) &&
            SameSymbol(element, symbol))
            return int(i);
    }
    return -1;
}

void CollectElements(std::string_view prepared, size_t arrow, std::vector<std::string>& elements,
                     std::vector<unsigned char>& sides)
{
    elements.clear();
    sides.clear();
    thread_local std::vector<std::uint64_t> keys;
    const ElementKeys list(elements, keys);
    unsigned char chargeSides = 0;
    // A symbol is a letter and the lower-case letters after it.
    for (size_t i = 0; i < prepared.size();) {
        const char c = prepared[i];
        if (!IsUpperLetter(c) && !IsLowerLetter(c)) {
            if (c == '^')
                chargeSides |= i < arrow ? 1 : 2;
            ++i;
            continue;
        }
        const size_t start = i++;
        while (i < prepared.size() && IsLowerLetter(prepared[i]))
            ++i;
        // The electron's e is no element.
        if (i == start + 1 && (start == 0 || IsSeparatorAt(prepared, start - 1)) &&
            IsElectronAt(prepared, start))
            continue;
        const std::string_view symbol = prepared.substr(start, i - start);
        FindOrAdd(list, elements, sides, symbol, SymbolKey(symbol), start < arrow ? 1 : 2);
    }
    if (chargeSides != 0) {
        elements.emplace_back(ChargeSymbol);
        sides.push_back(chargeSides);
    }
}

std::vector<std::string> CollectElements(std::string_view prepared)
{
    std::vector<std::string> elements;
    std::vector<unsigned char> sides;
    CollectElements(prepared, std::string_view::npos, elements, sides);
    return elements;
}

namespace {
// CountFormulas, returning what does not read, or null.
const char* CountInto(const std::vector<std::string_view>& formulas, const std::vector<std::string>& elements,
                      CountTable& table)
{
    table.Substances = formulas.size();
    table.Elements = elements.size();
    table.Stride = elements.size();
    table.Counts.assign(formulas.size() * elements.size(), 0);
    thread_local std::vector<std::int64_t> stack;
    thread_local std::vector<std::uint64_t> keys;
    const ElementKeys list(elements, keys);
    const auto find = [&list](std::string_view symbol, std::uint64_t key) { return list.Find(symbol, key); };
    for (size_t k = 0; k < formulas.size(); ++k)
        if (const char* error = CountFormula(formulas[k], find, elements.size(),
                                             table.Counts.data() + k * elements.size(), stack))
            return error;
    if (stack.capacity() > (1 << 16))
        stack = std::vector<std::int64_t>(); // kept for the next formulas unless very large
    return nullptr;
}
} // namespace

void CountFormulas(const std::vector<std::string_view>& formulas, const std::vector<std::string>& elements,
                   CountTable& table)
{
    if (const char* error = CountInto(formulas, elements, table))
        throw InvalidReactionError(error);
}

bool FormulaReads(std::string_view formula, const std::vector<std::string>& elements)
{
    CountTable table;
    try {
        return CountInto({formula}, elements, table) == nullptr;
    } catch (const StoikonError&) {
        return false;
    }
}

bool CollectAndCount(const std::vector<std::string_view>& formulas, int reactants, size_t letters,
                     std::vector<std::string>& elements, std::vector<unsigned char>& sides, CountTable& table,
                     bool countsImplied)
{
    // Every element is a letter at least, so the letters (and one entry for the charge)
    // bound the row's width; rows of that width are counted and kept (the table's Stride),
    // the charge moved next to the elements found. A reaction too large for that takes the
    // separate steps.
    const size_t width = letters + 1;
    if (formulas.size() * width > (1 << 16))
        return false;
    const size_t chargeEntry = width - 1;
    elements.clear();
    sides.clear();
    thread_local std::vector<std::uint64_t> keys;
    const ElementKeys list(elements, keys);
    unsigned char side = 1;
    unsigned char chargeSides = 0;
    const auto findOrAdd = [&](std::string_view symbol, std::uint64_t key) {
        if (key == ChargeKey) {
            chargeSides |= side;
            return int(chargeEntry);
        }
        return FindOrAdd(list, elements, sides, symbol, key, side);
    };
    std::vector<std::int64_t>& counts = table.Counts;
    counts.resize(formulas.size() * width);
    std::fill_n(counts.data(), counts.size(), 0); // a memset, where assign is a loop
    thread_local std::vector<std::int64_t> stack;
    try {
        for (size_t k = 0; k < formulas.size(); ++k) {
            side = int(k) < reactants ? 1 : 2;
            std::int64_t* const row = counts.data() + k * width;
            if (countsImplied ? CountFormula<true>(formulas[k], findOrAdd, width, row, stack) != nullptr
                              : CountFormula(formulas[k], findOrAdd, width, row, stack) != nullptr)
                return false;
        }
    } catch (const StoikonError&) {
        return false;
    }
    if (chargeSides != 0) {
        elements.emplace_back(ChargeSymbol);
        sides.push_back(chargeSides);
    }
    // The charge's entry follows the elements, in place of one no element took (0).
    const size_t found = elements.size() - (chargeSides != 0);
    if (chargeSides != 0 && found != chargeEntry)
        for (size_t k = 0; k < formulas.size(); ++k)
            std::swap(counts[k * width + found], counts[k * width + chargeEntry]);
    table.Substances = formulas.size();
    table.Elements = elements.size();
    table.Stride = width;
    return true;
}

CountTable CountFormulas(const std::vector<std::string_view>& formulas,
                         const std::vector<std::string>& elements)
{
    CountTable table;
    CountFormulas(formulas, elements, table);
    return table;
}

CountTable CountFormulas(const std::vector<std::string>& formulas, const std::vector<std::string>& elements)
{
    return CountFormulas(std::vector<std::string_view>(formulas.begin(), formulas.end()), elements);
}
