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
inline bool NeedsCount(char before, char c, const ChargeState& charge)
{
    // Most characters are lower-case letters and digits, which need no count before them.
    if (!(IsUpperLetter(c) || c == '(' || c == ')' || c == '+' || c == '>' || c == '^'))
        return false;
    return !(before == '(' || before == '+' || before == '>' || IsDigitChar(before) || charge.Closed);
}

} // namespace

std::string PrepareReaction(std::string_view text)
{
    std::string result;
    PrepareReaction(text, result);
    return result;
}

namespace {

// PrepareReaction, telling separated of each "+" and ">" of text where it is written into
// result (at) and where it stands in text (i): whether it separates substances in the
// prepared text (inResult) and in text itself (inText), as IsSeparatorAt judges them.
template <class OnSeparator>
void PrepareWalk(std::string_view text, std::string& result, OnSeparator separated)
{
    // The first character is never examined; an inserted "1" becomes the character before
    // the next one, so one place gets one "1". At most every character gets one, so the
    // buffer is sized once.
    result.resize(2 * text.size() + 1);
    size_t size = 0;
    ChargeState charge;
    ChargeState textCharge;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i > 0 && NeedsCount(text[i - 1], c, charge)) {
            result[size++] = '1';
            charge.Append('1');
        }
        if (c == '>' || c == '+')
            separated(size, i, c == '>' || !charge.Open, c == '>' || !textCharge.Open);
        result[size++] = c;
        charge.Append(c);
        textCharge.Append(c);
    }
    if (size > 0 && !IsDigitChar(result[size - 1]) && !charge.Closed)
        result[size++] = '1';
    result.resize(size);
}

// Adds the substance of text before cut to formulas, counting the reactants at the first ">".
inline void CutFormula(std::string_view text, size_t& start, size_t cut, int& reactants,
                       std::vector<std::string_view>& formulas)
{
    formulas.push_back(text.substr(start, cut - start));
    if (text[cut] == '>' && reactants < 0)
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
    PrepareWalk(text, result, [](size_t, size_t, bool, bool) {});
}

void PrepareAndSplit(std::string_view text, std::string& prepared, int& reactants,
                     std::vector<std::string_view>& formulas, std::vector<std::string_view>& shown)
{
    thread_local std::vector<size_t> cuts; // in prepared, which is not complete before the end
    cuts.clear();
    shown.clear();
    int shownReactants = -1;
    size_t shownStart = 0;
    PrepareWalk(text, prepared, [&](size_t at, size_t i, bool inPrepared, bool inText) {
        if (inPrepared)
            cuts.push_back(at);
        if (inText)
            CutFormula(text, shownStart, i, shownReactants, shown);
    });
    EndFormulas(text, shownStart, shownReactants, shown);
    formulas.clear();
    reactants = -1;
    size_t start = 0;
    for (const size_t cut : cuts)
        CutFormula(prepared, start, cut, reactants, formulas);
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
