// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/SpokenReaction.h"

#include "core/ChargeNotation.h"
#include "core/ReactionParser.h"
#include "texts/Texts.h"

namespace {
bool IsLetter(char c)
{
    return IsUpperLetter(c) || IsLowerLetter(c);
}

// True when a formula begins at pos: at the start of the text or after a separator, past
// its coefficient's digits.
bool FormulaStartsAt(std::string_view text, std::size_t pos)
{
    while (pos > 0 && IsDigitChar(text[pos - 1]))
        --pos;
    return pos == 0 || IsSeparatorAt(text, pos - 1);
}

// The coefficient written just before pos, empty when none.
std::string_view CoefficientBefore(std::string_view text, std::size_t pos)
{
    std::size_t start = pos;
    while (start > 0 && IsDigitChar(text[start - 1]))
        --start;
    return text.substr(start, pos - start);
}
} // namespace

std::vector<std::string> SpokenPieces(std::string_view text, Language lang)
{
    std::vector<std::string> pieces;
    pieces.reserve(text.size());
    bool spoken = false; // a piece before says something
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char before = i > 0 ? text[i - 1] : '\0';
        std::string word;
        bool joined = false;    // continues the word before without a blank
        std::size_t silent = 0; // characters after this one that the word speaks for
        if (IsLetter(c) && FormulaStartsAt(text, i) && IsElectronAt(text, i)) {
            const std::string_view coefficient = CoefficientBefore(text, i);
            const bool several = !coefficient.empty() && coefficient != "1";
            word = (several ? Texts::SpokenElectrons : Texts::SpokenElectron).In(lang);
            // Its count, "^", charge digits and sign.
            std::size_t end = text.find('^', i) + 1;
            while (end < text.size() && IsDigitChar(text[end]))
                ++end;
            if (end < text.size() && (text[end] == '+' || text[end] == '-'))
                ++end;
            silent = end - i - 1;
        } else if (IsDigitChar(c)) {
            word = c;
            joined = IsDigitChar(before);
        } else if (IsLowerLetter(c)) {
            word = c;
            joined = IsLetter(before);
        } else if (c == '^') {
            word = Texts::ChargeName.In(lang);
        } else if (c == '+') {
            word = (IsSeparatorAt(text, i) ? Texts::SpokenPlus : Texts::SpokenPositive).In(lang);
        } else if (c == '-') {
            word = Texts::SpokenNegative.In(lang);
        } else if (c == '>') {
            word = Texts::SpokenYields.In(lang);
        } else if (c == '(') {
            word = Texts::SpokenOpenBracket.In(lang);
        } else if (c == ')') {
            word = Texts::SpokenCloseBracket.In(lang);
        } else {
            word = c; // an upper-case letter begins a symbol
        }
        pieces.push_back(!spoken || joined ? word : " " + word);
        spoken = true;
        pieces.resize(pieces.size() + silent);
        i += silent;
    }
    return pieces;
}

std::string SpokenReaction(std::string_view reaction, Language lang)
{
    std::string spoken;
    for (const std::string& piece : SpokenPieces(reaction, lang))
        spoken += piece;
    return spoken;
}
