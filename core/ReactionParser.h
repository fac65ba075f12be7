// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
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

// Reading a reaction text (or one formula) into the solver's inputs. Every step works on
// text, in this order: PrepareReaction, SplitSubstances, CollectElements, CountElements.

// Makes every count explicit: H2+O2>H2O becomes H2+O2>H2O1, Ca(OH)2 becomes Ca1(O1H1)2.
std::string PrepareReaction(const std::string& text);

struct SubstanceLists
{
    std::vector<std::string> Reactants;
    std::vector<std::string> Products;
};
// Cuts at "+" and ">", trimming blanks; the first ">" starts the products.
SubstanceLists SplitSubstances(const std::string& prepared);

// Distinct element symbols in order of first appearance, compared without regard to case.
std::vector<std::string> CollectElements(const std::string& prepared);

// One comma-joined count vector per formula ("2,0,1"), in element-list order. Throws
// InvalidReactionError on anything outside the formula grammar (a symbol not starting with
// a letter, a missing or zero group count, unmatched parentheses, a stray character) and
// ConversionError on a count outside 32 bits.
std::vector<std::string> CountElements(const std::vector<std::string>& formulas,
                                       const std::vector<std::string>& elements);

// The counts of one comma-joined vector.
std::vector<long long> ParseCountVector(const std::string& text);

// Position of symbol in elements ignoring letter case, or -1.
int IndexOfSymbol(const std::vector<std::string>& elements, const std::string& symbol);
bool SameSymbol(const std::string& a, const std::string& b);
