// SPDX-License-Identifier: GPL-3.0-or-later
// A reaction's text made ready for reading (a count before every charge, a 1 where a count
// is implied) and cut into its substances, reactants before products.
#include "core/ReactionParser.h"

#include "core/ChargeNotation.h"

#include <algorithm>

namespace {

std::string_view Trim(std::string_view s)
{
    if (s.empty() || (s.front() != ' ' && s.back() != ' '))
        return s; // a tidied reaction has no blanks
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

namespace {

// What the preparation asks of a character, looked up once for each: a table in place of a
// chain of comparisons, as every character of every reaction is judged.
enum CharClass : unsigned char
{
    TakesCount = 1,   // a "1" may go before it: an upper-case letter, "(", ")", "+", ">", "^"
    NoCountAfter = 2, // no "1" goes after it: "(", "+", ">", a digit
    Digit = 4,
    Sign = 8, // "+" or "-"
    Caret = 16
};

struct CharClasses
{
    unsigned char Of[256] = {};

    constexpr CharClasses()
    {
        for (int c = 'A'; c <= 'Z'; ++c)
            Of[c] = TakesCount;
        for (int c = '0'; c <= '9'; ++c)
            Of[c] = NoCountAfter | Digit;
        Of[int('(')] = TakesCount | NoCountAfter;
        Of[int(')')] = TakesCount;
        Of[int('+')] = TakesCount | NoCountAfter | Sign;
        Of[int('>')] = TakesCount | NoCountAfter;
        Of[int('^')] = TakesCount | Caret;
        Of[int('-')] = Sign;
    }
    unsigned char operator()(char c) const { return Of[static_cast<unsigned char>(c)]; }
};

constexpr CharClasses ClassOf;

// Where the prepared text stands with respect to charges, kept up as it grows: a charge's
// sign ends its formula, so nothing after it needs a count. A "1" put in changes neither
// (Open stays, and Closed is worked out again from the next character), so the state is
// the same for the text and for the prepared text at each of the text's characters.
struct ChargeState
{
    bool Open = false;   // the text ends in "^" and digits
    bool Closed = false; // the text ends in a charge's sign

    void Append(unsigned char cls)
    {
        Closed = Open && (cls & Sign);
        Open = (cls & Caret) || (Open && (cls & Digit));
    }
};

} // namespace

std::string PrepareReaction(std::string_view text)
{
    std::string result;
    PrepareReaction(text, result);
    return result;
}

namespace {

// PrepareReaction, telling separated of each "+" and ">" of text that separates substances
// (as IsSeparatorAt judges it, in the text and in result alike) where it is written into
// result (at) and where it stands in text (i).
// A "1" goes between two characters when the second may take a count, the first ends none
// and no charge's sign came before: a charge's "^" takes the count of its formula's last
// item before it (Fe^3+ becomes Fe1^3+), and a "+" sign right after "^" gets the charge's
// count (H^+ becomes H1^1+).
template <class OnSeparator>
void PrepareWalk(std::string_view text, std::string& result, OnSeparator separated)
{
    // The first character is never examined; an inserted "1" becomes the character before
    // the next one, so one place gets one "1". At most every character gets one, so the
    // buffer is sized once (and result's storage does not move during the walk).
    result.resize(2 * text.size() + 1);
    char* const out = result.data();
    size_t size = 0;
    ChargeState charge;
    unsigned char before = NoCountAfter; // nothing goes before the first character
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const unsigned char cls = ClassOf(c);
        // Most characters are lower-case letters and digits, which take no count.
        if (cls & TakesCount) {
            if (!(before & NoCountAfter) && !charge.Closed)
                out[size++] = '1';
            if ((c == '>' || c == '+') && (c == '>' || !charge.Open))
                separated(size, i);
        }
        out[size++] = c;
        charge.Append(cls);
        before = cls;
    }
    if (size > 0 && !IsDigitChar(out[size - 1]) && !charge.Closed)
        out[size++] = '1';
    result.resize(size);
}

// Adds the substance of text before cut to formulas, counting the reactants at the first ">".
inline void CutFormula(std::string_view text, size_t& start, size_t cut, char separator, int& reactants,
                       std::vector<std::string_view>& formulas)
{
    formulas.push_back(text.substr(start, cut - start));
    if (separator == '>' && reactants < 0)
        reactants = int(formulas.size());
    start = cut + 1;
}

// The last substance, after the last cut, and the reactants when there was no ">".
void EndFormulas(std::string_view text, size_t start, int& reactants, std::vector<std::string_view>& formulas)
{
    if (start < text.size())
        formulas.push_back(text.substr(start));
    if (reactants < 0)
        reactants = int(formulas.size());
}

} // namespace

void PrepareReaction(std::string_view text, std::string& result)
{
    PrepareWalk(text, result, [](size_t, size_t) {});
}

void PrepareAndSplit(std::string_view text, std::string& prepared, int& reactants,
                     std::vector<std::string_view>& formulas, std::vector<std::string_view>& shown)
{
    formulas.clear();
    shown.clear();
    reactants = -1;
    int shownReactants = -1;
    size_t start = 0;
    size_t shownStart = 0;
    // Views into prepared are taken as it is written: its storage stays where it is.
    PrepareWalk(text, prepared, [&](size_t at, size_t i) {
        CutFormula({prepared.data(), at + 1}, start, at, text[i], reactants, formulas);
        CutFormula(text, shownStart, i, text[i], shownReactants, shown);
    });
    EndFormulas(text, shownStart, shownReactants, shown);
    EndFormulas(prepared, start, reactants, formulas);
}

std::vector<std::string_view> SplitFormulas(std::string_view prepared, int& reactants)
{
    std::vector<std::string_view> formulas;
    formulas.reserve(1 + size_t(std::count_if(prepared.begin(), prepared.end(),
                                              [](char c) { return c == '+' || c == '>'; })));
    SplitFormulas(prepared, reactants, formulas);
    return formulas;
}

void SplitFormulas(std::string_view prepared, int& reactants, std::vector<std::string_view>& formulas)
{
    formulas.clear();
    reactants = -1;
    size_t start = 0;
    for (size_t separator = 0; separator < prepared.size(); ++separator) {
        const char c = prepared[separator];
        if ((c != '+' && c != '>') || !IsSeparatorAt(prepared, separator))
            continue; // a charge's sign, or no separator at all
        formulas.push_back(Trim(prepared.substr(start, separator - start)));
        if (c == '>' && reactants < 0)
            reactants = int(formulas.size());
        start = separator + 1;
    }
    if (start < prepared.size())
        formulas.push_back(Trim(prepared.substr(start)));
    if (reactants < 0)
        reactants = int(formulas.size());
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
