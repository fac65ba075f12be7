// SPDX-License-Identifier: GPL-3.0-or-later
// When textbook notation applies, and the readings of a command-line line and of Paste.
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/NotationChars.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"
#include "core/TextbookNotationReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

using namespace Notation;

using Chars = std::u32string;

// The rules below read a text as Chars, decoded, or as the bytes of an ASCII text, where each
// byte is its character (a std::string_view): the usual command-line line is ASCII, and is
// judged on its own bytes without a decoded copy.
using AsciiChars = std::string_view;

// "." between a formula and a formula (CuSO4.5H2O): a letter, digit or closing bracket
// before it, an optional count and a capital letter or an opening bracket after it.
template <class Text> bool IsDotBetweenFormulas(const Text& s, std::size_t i)
{
    if (i == 0 || !(IsAsciiLetter(s[i - 1]) || IsAsciiDigit(s[i - 1]) || s[i - 1] == ')' || s[i - 1] == ']'))
        return false;
    std::size_t j = i + 1;
    while (j < s.size() && IsAsciiDigit(s[j]))
        ++j;
    return j < s.size() && ((s[j] >= 'A' && s[j] <= 'Z') || s[j] == '(' || s[j] == '[');
}

template <class Text> bool HasArrow(const Text& s)
{
    for (const auto c : s)
        if (c == U'>' || IsUnicodeArrow(char32_t(c)))
            return true;
    return false;
}

// A capital and a lower-case letter that typing would not keep as they stand, while they
// name a group (Ph, Et) or an element (Nh, Cn): written with care, not typed. So is Pr, Ac
// or Ts before OH or NH (PrOH, AcOH), the groups rather than the elements; with anyGroup,
// any group name is.
template <class Text> bool IsCarefulName(const Text& s, std::size_t i, bool anyGroup = false)
{
    if (i + 1 >= s.size() || s[i] < 'A' || s[i] > 'Z' || s[i + 1] < 'a' || s[i + 1] > 'z' ||
        (i + 2 < s.size() && s[i + 2] >= 'a' && s[i + 2] <= 'z'))
        return false;
    // What a pair is depends on its two letters alone; every line of a long input asks
    // about the same few pairs (Cl, Na, Mn), so each is worked out once.
    enum : unsigned char
    {
        Unknown = 0,
        Known = 1,
        Group = 2,
        Careful = 4
    };
    thread_local unsigned char pairs[26 * 26] = {};
    unsigned char& known = pairs[(s[i] - U'A') * 26 + (s[i + 1] - U'a')];
    if (known == Unknown) {
        const std::string pair = {char(s[i]), char(s[i + 1])}; // two ASCII letters
        WrittenReaction groups;
        groups.ElementsAsGroups = {pair};
        const bool group = !GroupFormula(pair, groups).empty();
        const bool careful = !KeepsLowerCase(pair[0], pair[1]) && (FindElement(pair) >= 0 || group);
        known = Known | (group ? Group : 0) | (careful ? Careful : 0);
    }
    const bool group = known & Group;
    if ((group && anyGroup) || (group && (StartsWith(s, i + 2, "OH") || StartsWith(s, i + 2, "NH"))))
        return true;
    return known & Careful;
}

// Markup at s[i]; an ASCII text's bytes are its characters, so its places are the same
// decoded (and markup is rare: decoded only then).
bool MarkupAt(const Chars& s, std::size_t i)
{
    return ShowsMarkup(s, i);
}

bool MarkupAt(AsciiChars s, std::size_t i)
{
    return ShowsMarkup(DecodeUtf8(s), i);
}

// What ShowsTextbookSign looks for at each ASCII character, from a table: nothing at the
// most of any line (capitals, digits, ")", ">"), a careful name or the electron at a small
// letter (a careful name is judged at the small letter after its capital, as most capitals
// have none after them), and the signs at the rest.
enum class AsciiKind : unsigned char
{
    Quiet,
    Small,
    Sign
};

struct AsciiKinds
{
    AsciiKind Kind[128] = {};
    constexpr AsciiKinds()
    {
        for (int c = 0; c < 128; ++c) {
            const bool sign = c == '*' || c == '{' || c == '(' || c == '\\' || c == '<' || c == '&' ||
                              c == '^' || c == '-' || c == '=' || c == '+' || c == '.';
            Kind[c] = c >= 'a' && c <= 'z' ? AsciiKind::Small : sign ? AsciiKind::Sign : AsciiKind::Quiet;
        }
    }
};
constexpr AsciiKinds CharKinds;

// Every sign of textbook notation but the "=" rule.
template <class Text> bool ShowsTextbookSign(const Text& s)
{
    bool dotBetweenFormulas = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t c = char32_t(s[i]);
        const AsciiKind kind = c < 0x80 ? CharKinds.Kind[c] : AsciiKind::Sign;
        if (kind == AsciiKind::Quiet)
            continue;
        if (kind == AsciiKind::Small) {
            // A careful name: only a capital before a small letter can begin one.
            if (i > 0 && s[i - 1] >= 'A' && s[i - 1] <= 'Z' && IsCarefulName(s, i - 1))
                return true;
            // The electron as e- (Cu>Cu^2++2e-).
            if (c == U'e' && i + 1 < s.size() && ChargeSign(s[i + 1]) == '-' &&
                (i == 0 || !IsAsciiLetter(s[i - 1])))
                return true;
            continue;
        }
        // Markup is looked for only where it can begin, at "<" or "&".
        if (c >= 0x80 ? IsUnicodeArrow(c) || IsStateArrow(c) || SubscriptDigit(c) >= 0 || c == 0x208B ||
                            IsSuperscript(c) || IsHydrateDot(c)
                      : c == U'*' || c == U'{' || (c == U'(' && StateSymbolAt(s, i)) ||
                            (c == U'\\' && i + 1 < s.size() && IsAsciiLetter(s[i + 1])) ||
                            ((c == U'<' || c == U'&') && MarkupAt(s, i)))
            return true;
        // A charge with its sign first: S^-2, Cr^+3.
        if (c == U'^' && i + 2 < s.size() && ChargeSign(s[i + 1]) && IsAsciiDigit(s[i + 2]))
            return true;
        if ((c == U'-' || c == U'=') && i + 1 < s.size() && s[i + 1] == U'>')
            return true;
        if (c == U'+' && i > 0 && i + 1 < s.size() && IsBlank(s[i - 1]) && IsBlank(s[i + 1]))
            return true;
        dotBetweenFormulas = dotBetweenFormulas || (c == U'.' && IsDotBetweenFormulas(s, i));
    }
    // "." types the arrow; it is a hydrate dot only when the text has an arrow besides.
    return dotBetweenFormulas && HasArrow(s);
}

// The "=" rule: a text with exactly one "=" is textbook notation unless the keys type
// an arrow in it (then "=" is their arrow, as in h2=o2 h2o).
template <class Text> bool HasOneEquals(const Text& s)
{
    return std::count(s.begin(), s.end(), '=') == 1;
}

// Where s stands without the blanks and invisible characters around it, which run to begin
// and from end.
template <class Text> void TrimBounds(const Text& s, std::size_t& begin, std::size_t& end)
{
    begin = 0;
    end = s.size();
    while (begin < end && (IsBlank(char32_t(s[begin])) || IsIgnorable(char32_t(s[begin]))))
        ++begin;
    while (end > begin && (IsBlank(char32_t(s[end - 1])) || IsIgnorable(char32_t(s[end - 1]))))
        --end;
}

// s without the blanks and invisible characters around it, which run to begin and from end.
Chars Trimmed(const Chars& s, std::size_t& begin, std::size_t& end)
{
    TrimBounds(s, begin, end);
    return s.substr(begin, end - begin);
}

// The reading of a line's characters chars (Chars, or an ASCII line's bytes) without the
// blanks around them; trimmed is the same text in UTF-8. Places count from chars' start.
template <class Text>
NotationReading ReadTrimmedLine(const Text& chars, const std::string& trimmed, const KeyOptions& keys,
                                const KeyMap& typing)
{
    constexpr bool ascii = std::is_same_v<Text, AsciiChars>;
    NotationReading reading;
    AsciiTyping shown;
    bool textbook = ShowsTextbookSign(chars);
    if (!textbook) {
        // Typed once: the "=" rule looks at the typed line, and so does the reading.
        ReactionTyper typer(typing, keys.AutoCase);
        if constexpr (ascii)
            typer.TypeAscii(chars, shown);
        else
            typer.Type(trimmed);
        reading.Text = typer.Finish();
        // The arrow typed is the usual answer, found before the "=" are counted.
        textbook = std::string_view(reading.Text).find('>') == std::string_view::npos && HasOneEquals(chars);
    }
    if (textbook) {
        reading = ReadTextbookNotation(trimmed);
        return reading; // one object returned on every way, made in its place
    }
    if constexpr (ascii) {
        // Seen while typing: an ASCII line has no invisible characters, so the first key
        // that types nothing is unusable; and whether the keys may write a coefficient (its
        // blanks around are the blanks and tabs alone, as the command line trims them).
        if ((reading.BadPosition = shown.FirstUntyped))
            reading.BadCharacter = char32_t(chars[shown.FirstUntyped - 1]);
        reading.KeysMayWriteCoefficients = shown.MayWriteCoefficient;
    } else {
        for (std::size_t i = 0; i < chars.size() && reading.BadPosition == 0; ++i)
            if (!IsIgnorable(chars[i]) && !typing.Typed(chars[i])) {
                reading.BadPosition = i + 1;
                reading.BadCharacter = chars[i];
            }
    }
    return reading;
}

bool IsAscii(std::string_view text)
{
    // Eight bytes at a look: none of them has its high bit set.
    constexpr std::uint64_t high = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & high)
            return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

// The reading of line without the blanks and invisible characters around it, which run to
// begin (in characters); its places count from begin.
NotationReading ReadWithoutBlanks(const std::string& line, const KeyOptions& keys, const KeyMap& typing,
                                  std::size_t& begin)
{
    std::size_t end = 0;
    std::string encoded; // the line without its blanks, when it had any
    if (IsAscii(line)) {
        // The usual line: read on its own bytes, without a decoded copy.
        const AsciiChars bytes(line);
        TrimBounds(bytes, begin, end);
        const std::string& trimmed =
            end - begin == line.size() ? line : (encoded = line.substr(begin, end - begin));
        return ReadTrimmedLine(bytes.substr(begin, end - begin), trimmed, keys, typing);
    }
    const Chars s = DecodeUtf8(line);
    TrimBounds(s, begin, end);
    Chars trimmedChars; // when the line has blanks around it
    const Chars& chars = end - begin == s.size() ? s : (trimmedChars = s.substr(begin, end - begin));
    const std::string& trimmed = chars.size() == s.size() ? line : (encoded = EncodeUtf8(chars));
    return ReadTrimmedLine(chars, trimmed, keys, typing);
}

} // namespace

bool TextbookNotationApplies(const std::string& text, const KeyOptions& keys)
{
    const Chars s = DecodeUtf8(text);
    return ShowsTextbookSign(s) ||
           (HasOneEquals(s) && TypeReaction(text, keys).find('>') == std::string::npos);
}

bool IsBlankLine(const std::string& line)
{
    for (char byte : line)
        if (byte != ' ' && byte != '\t' && static_cast<unsigned char>(byte) < 0x80)
            return false; // the usual answer, found without decoding
    for (char32_t c : DecodeUtf8(line))
        if (!IsBlank(c) && !IsIgnorable(c))
            return false;
    return true;
}

NotationReading ReadReactionLine(const std::string& line, const KeyOptions& keys)
{
    return ReadReactionLine(line, keys, KeyMap(keys));
}

NotationReading ReadReactionLine(const std::string& line, const KeyOptions& keys, const KeyMap& typing)
{
    std::size_t begin = 0;
    NotationReading reading = ReadWithoutBlanks(line, keys, typing, begin);
    if (reading.BadPosition)
        reading.BadPosition += begin;
    if (begin > 0) {
        // The places of the written substances count from the start of the line as given.
        auto shift = [begin](WrittenReaction& written) {
            for (WrittenSubstance& substance : written.Substances) {
                substance.CoefficientBegin += begin;
                substance.FormulaBegin += begin;
            }
        };
        shift(reading.Written);
        for (ReadingCandidate& other : reading.Others)
            shift(other.Written);
    }
    return reading;
}

NotationReading ReadFormula(const std::string& formula)
{
    std::size_t begin = 0, end = 0;
    const Chars chars = Trimmed(DecodeUtf8(formula), begin, end);
    // A formula has no arrow, so "." is a hydrate dot wherever it stands between formulas.
    bool textbook = ShowsTextbookSign(chars);
    for (std::size_t i = 0; i < chars.size(); ++i)
        textbook = textbook || chars[i] == U'[' || chars[i] == U']' || chars[i] == U'.' ||
                   IsCarefulName(chars, i, true);
    NotationReading reading;
    reading.Text = EncodeUtf8(chars);
    return textbook ? ReadTextbookNotation(reading.Text) : reading;
}

std::string MolarMassAsWritten(const std::string& formula, AtomicWeights weights)
{
    NotationReading reading = ReadFormula(formula);
    if (!reading.Textbook) {
        try {
            return MolarMass(reading.Text, weights);
        } catch (const StoikonError&) {
            // A formula that reads as it stands but does not weigh (Fe3+) may still read as
            // textbook notation.
            reading = ReadTextbookNotation(reading.Text);
        }
    }
    if (reading.BadPosition || reading.Written.Substances.size() != 1 ||
        reading.Text.find('>') != std::string::npos)
        throw InvalidReactionError("not one formula");
    return MolarMass(reading.Text, weights);
}

PastedReading ReadPastedText(const std::string& clipboard, const KeyOptions& keys)
{
    std::size_t begin = 0, end = 0;
    while (begin < clipboard.size()) {
        end = std::min(clipboard.find_first_of("\r\n", begin), clipboard.size());
        if (!IsBlankLine(clipboard.substr(begin, end - begin)))
            break;
        begin = end + 1;
    }
    PastedReading pasted;
    if (begin >= clipboard.size())
        return pasted;
    const std::string line = clipboard.substr(begin, end - begin);
    // The "=" rule needs the line alone: in "h2=o2<CR>h2o" the keys' meaning, a carriage
    // return that balances included, holds as before.
    const bool alone = end >= clipboard.size() || IsBlankLine(clipboard.substr(end + 1));
    if (alone ? !TextbookNotationApplies(line, keys) : !ShowsTextbookSign(DecodeUtf8(line)))
        return pasted;
    pasted.Textbook = true;
    // Where a sign may be a charge or not (Mn2+), the line gets the reading that balances.
    const NotationReading reading = ReadTextbookNotation(line);
    if (!reading.BadName.empty()) {
        pasted.BadName = reading.BadName;
        return pasted;
    }
    const std::size_t chosen =
        reading.Others.empty()
            ? 0
            : BalanceReading(reading, WithGivenCoefficients(reading.Text, reading.Coefficients), false)
                  .Candidate;
    pasted.Text = chosen == 0 ? reading.Text : reading.Others[chosen - 1].Text;
    pasted.Coefficients = reading.Coefficients;
    pasted.Balance = end < clipboard.size() && clipboard[end] == '\r';
    return pasted;
}
