// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// ASCII character classes of the reaction text; unlike <cctype> they ignore the locale and
// take any char, including bytes above 127.
inline bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}
inline bool IsLowerLetter(char c)
{
    return c >= 'a' && c <= 'z';
}
inline bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

// Reading a reaction text (or one formula) into the solver's inputs, in this order:
// PrepareReaction, SplitFormulas, CollectElements, CountFormulas.

// Makes every count explicit: H2+O2>H2O becomes H2+O2>H2O1, Ca(OH)2 becomes Ca1(O1H1)2.
std::string PrepareReaction(std::string_view text);
void PrepareReaction(std::string_view text, std::string& result);

// For a text of the reaction alphabet alone (IsReactionChar, so no blanks): PrepareReaction
// into prepared, and SplitFormulas of prepared (formulas, reactants) and of text (shown), in
// one walk.
void PrepareAndSplit(std::string_view text, std::string& prepared, int& reactants,
                     std::vector<std::string_view>& formulas, std::vector<std::string_view>& shown);

struct SubstanceLists
{
    std::vector<std::string> Reactants;
    std::vector<std::string> Products;
};
// Cuts at "+" and ">", trimming blanks; the first ">" starts the products.
SubstanceLists SplitSubstances(std::string_view prepared);
// The same cut as views into the text, reactants and then products; reactants receives
// their number.
std::vector<std::string_view> SplitFormulas(std::string_view prepared, int& reactants);
void SplitFormulas(std::string_view prepared, int& reactants, std::vector<std::string_view>& formulas);

// Distinct element symbols in order of first appearance, compared without regard to case.
std::vector<std::string> CollectElements(std::string_view prepared);
// The same for a whole reaction into elements, with for each element the sides that hold it:
// bit 1 the text before position arrow, bit 2 the text after it.
void CollectElements(std::string_view prepared, size_t arrow, std::vector<std::string>& elements,
                     std::vector<unsigned char>& sides);

// The count vectors: row k holds substance k's count of every element of the list, in list
// order. A row may be wider than the list (Stride): CollectAndCount counts into rows as wide
// as the letters of the text and leaves them so rather than packing them.
class CountTable
{
  public:
    CountTable() = default;
    CountTable(size_t substances, size_t elements)
        : Substances(substances), Elements(elements), Stride(elements), Counts(substances * elements, 0)
    {
    }
    std::int64_t At(size_t substance, size_t element) const { return Counts[substance * Stride + element]; }
    const std::int64_t* Row(size_t substance) const { return Counts.data() + substance * Stride; }

    size_t Substances = 0;
    size_t Elements = 0;
    size_t Stride = 0; // entries from one row to the next, at least Elements
    std::vector<std::int64_t> Counts;
};

// One row per formula, in element-list order. Throws InvalidReactionError on anything
// outside the formula grammar (a symbol not starting with a letter, a missing or zero group
// count, unmatched parentheses, a stray character) or a count outside 64 bits.
CountTable CountFormulas(const std::vector<std::string_view>& formulas,
                         const std::vector<std::string>& elements);
CountTable CountFormulas(const std::vector<std::string>& formulas, const std::vector<std::string>& elements);
// The same into table, whose storage is kept.
void CountFormulas(const std::vector<std::string_view>& formulas, const std::vector<std::string>& elements,
                   CountTable& table);
// Whether CountFormulas reads formula alone, without throwing.
bool FormulaReads(std::string_view formula, const std::vector<std::string>& elements);

// CollectElements over the formulas (reactants the first reactants of them, each side's
// elements marked as there) and CountFormulas, in one walk; letters is at least the number
// of letters in them. False when a formula does not read or the reaction is very large: the
// separate steps then say what they find. With countsImplied the formulas are read as
// written, unprepared: a count left out is 1 (a formula read so reads as it would prepared,
// though one prepared may read where it does not).
bool CollectAndCount(const std::vector<std::string_view>& formulas, int reactants, size_t letters,
                     std::vector<std::string>& elements, std::vector<unsigned char>& sides, CountTable& table,
                     bool countsImplied = false);

// Position of symbol in elements ignoring letter case, or -1.
int IndexOfSymbol(const std::vector<std::string>& elements, std::string_view symbol);
bool SameSymbol(std::string_view a, std::string_view b);
