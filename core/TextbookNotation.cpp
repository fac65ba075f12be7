// SPDX-License-Identifier: GPL-3.0-or-later
// The textbook-notation reader's first half: the characters scanned into pieces. Every
// sign is judged where it stands, by the characters around it: a "+" touching a formula
// and followed by a blank, the end or an arrow is its charge (Na+ + Cl-), a "+" between
// blanks or between two formulas separates (H2 + O2, H2+O2).
#include "core/TextbookNotationReader.h"

#include "core/NotationChars.h"

namespace Notation {

namespace {

using Chars = std::u32string;

// A charge written as digits and one sign, or (when signFirst) as a sign and digits: "3+"
// for ³⁺, {3+} and {+3}, kept in its written order. Empty when chars are no charge.
std::string ChargeText(const Chars& chars, bool signFirst)
{
    std::string text;
    bool sign = false, digitsBeforeSign = false;
    for (const char32_t c : chars) {
        const int digit = IsAsciiDigit(c) ? int(c - U'0') : SuperscriptDigit(c);
        if (digit >= 0) {
            if (sign && (!signFirst || digitsBeforeSign))
                return "";
            text += char('0' + digit);
        } else if (ChargeSign(c) && !sign) {
            sign = true;
            digitsBeforeSign = !text.empty();
            text += ChargeSign(c);
        } else {
            return "";
        }
    }
    return sign ? text : "";
}

// Roman numerals of an oxidation state, Fe^{III}: shown over the symbol, weighing nothing.
bool IsOxidationState(const Chars& chars)
{
    if (chars.empty())
        return false;
    for (char32_t c : chars)
        if (c != U'I' && c != U'V' && c != U'X')
            return false;
    return true;
}

bool IsVulgarFraction(char32_t c)
{
    return (c >= 0xBC && c <= 0xBE) || (c >= 0x2150 && c <= 0x215E);
}

} // namespace

Reader::Reader(std::u32string chars, std::vector<std::size_t> places)
    : s(std::move(chars)), origin(std::move(places)), end(s.size())
{
}

NotationReading Reader::Read()
{
    // "=" between two formulas is a double bond (CH2=CH2) when the text has another arrow:
    // ">" of any arrow, a Unicode or LaTeX arrow, or an "=" with a blank beside it.
    for (std::size_t i = 0; i < end; ++i)
        if (s[i] == U'>' || IsUnicodeArrow(s[i]) || (s[i] == U'\\' && StartsWith(s, i, "\\right")) ||
            StartsWith(s, i, "\\to ") || StartsWith(s, i, "\\long") ||
            (s[i] == U'=' && ((i > 0 && IsBlank(s[i - 1])) || (i + 1 < end && IsBlank(s[i + 1])))))
            equalsMayBeBond = true;
    Scan();
    Build();
    reading.Textbook = true;
    return reading;
}

void Reader::Flag(std::size_t index, const std::string& name)
{
    const std::size_t position = origin[index] + 1;
    if (reading.BadPosition == 0 || position < reading.BadPosition) {
        reading.BadPosition = position;
        reading.BadCharacter = s[index];
        reading.BadName = name;
    }
}

void Reader::Add(PieceKind kind, std::string text, std::size_t index, ChargeStyle style)
{
    pieces.push_back({kind, std::move(text), index, style});
}

// True when a formula ends right before i: its last letter, digit or closing bracket
// touches i.
bool Reader::FormulaBefore(std::size_t i) const
{
    if (pieces.empty() || i == 0 || IsBlank(s[i - 1]))
        return false;
    const PieceKind last = pieces.back().Kind;
    return last == PieceKind::Letter || last == PieceKind::Digit || last == PieceKind::Close;
}

// True when an arrow begins at j.
bool Reader::ArrowAt(std::size_t j) const
{
    if (j >= end)
        return false;
    const char32_t c = s[j];
    if (c == U'>' || c == U'=' || IsUnicodeArrow(c))
        return true;
    if (c == U'<')
        return j + 1 < end && (s[j + 1] == U'=' || s[j + 1] == U'-');
    std::size_t k = j;
    while (k < end && (s[k] == U'-' || s[k] == U'='))
        ++k;
    return c == U'-' && k > j && k < end && s[k] == U'>';
}

// True when a formula that stops at k is at its end: nothing, a blank and then a separator,
// an arrow, a state or nothing, or right there a "+", an arrow or a state. A sign that
// touches a formula and stops it so is the formula's charge.
bool Reader::EndsFormula(std::size_t k) const
{
    std::size_t j = k;
    while (j < end && (IsBlank(s[j]) || IsIgnorable(s[j])))
        ++j;
    if (j >= end)
        return true;
    const char32_t c = s[j];
    if (c == U'+' || ArrowAt(j) || IsStateArrow(c) || StateSymbolAt(s, j) || c == U'$' || c == U'}')
        return true;
    // mhchem's precipitate and gas signs, " v" and " ^", stand after a blank.
    return j > k && (c == U'v' || c == U'^') && EndsAt(j + 1);
}

// True when a word ends before j: nothing, a blank or the end of a wrapper follows.
bool Reader::EndsAt(std::size_t j) const
{
    return j >= end || IsBlank(s[j]) || s[j] == U'}' || s[j] == U'$';
}

bool Reader::AtSubstanceStart() const
{
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        if (piece->Kind == PieceKind::Plus || piece->Kind == PieceKind::Arrow)
            return true;
        if (piece->Kind != PieceKind::Blank && piece->Kind != PieceKind::State)
            return false;
    }
    return true;
}

// "^" at i: a charge (^3+, ^-, ^{2-}, sign first ^-2), an oxidation state (^{II}, left out),
// or mhchem's gas sign " ^".
std::size_t Reader::ScanCaret(std::size_t i)
{
    std::size_t j = i + 1;
    if (j < end && (s[j] == U'{' || s[j] == U'('))
        return ScanBraces(j);
    if (i > 0 && IsBlank(s[i - 1]) && EndsAt(j) && !pieces.empty()) {
        Add(PieceKind::State, "\u2191", i);
        return j;
    }
    std::size_t k = j;
    while (k < end && IsAsciiDigit(s[k]))
        ++k;
    if (k < end && ChargeSign(s[k])) {
        if (k > j) {
            Add(PieceKind::Charge, ChargeText(s.substr(j, k + 1 - j), false), i);
            return k + 1;
        }
        std::size_t m = k + 1;
        while (m < end && IsAsciiDigit(s[m]))
            ++m;
        if (m > k + 1 && EndsFormula(m)) {
            Add(PieceKind::Charge, ChargeText(s.substr(k, m - k), true), i);
            return m;
        }
        Add(PieceKind::Charge, std::string(1, ChargeSign(s[k])), i);
        return k + 1;
    }
    Flag(i);
    return j;
}

// The charge in brackets at i, as text, or "": (3+), {2-}, and where the bracket closes.
std::string Reader::BracketCharge(std::size_t i, std::size_t& close) const
{
    const char32_t closing = s[i] == U'(' ? U')' : U'}';
    // A charge holds a few characters; looking no further keeps the reading linear.
    close = i + 1;
    while (close < end && close < i + 9 && s[close] != closing)
        ++close;
    return close < end && s[close] == closing ? ChargeText(s.substr(i + 1, close - i - 1), true) : "";
}

// "{" at i (or "(" of a charge): {3+}, {-2}, ^{2-}, (3+), ^(2+); {} (mhchem's empty group,
// nothing); a lone {-} is the electron's charge.
std::size_t Reader::ScanBraces(std::size_t i)
{
    const bool caret = i > 0 && s[i - 1] == U'^';
    const char32_t closing = s[i] == U'(' ? U')' : U'}';
    std::size_t close = i + 1;
    while (close < end && close < i + 9 && s[close] != closing)
        ++close;
    if (close >= end || s[close] != closing) {
        Flag(caret ? i - 1 : i);
        return i + 1;
    }
    const Chars inside = s.substr(i + 1, close - i - 1);
    if (inside.empty() || (caret && IsOxidationState(inside)))
        return close + 1;
    const std::string charge = ChargeText(inside, true);
    if (charge.empty())
        Flag(caret ? i - 1 : i);
    else
        Add(PieceKind::Charge, charge, caret ? i - 1 : i,
            caret ? ChargeStyle::CaretBraces : ChargeStyle::Braces);
    return close + 1;
}

// A "+" or "-" (or the minus sign) at i that is no arrow: touching a formula it is the
// formula's charge when the formula ends after it (Na+ + Cl-, Fe+3 + e-); otherwise a "+"
// separates, and a "-" is a bond (C6H5-CHO) or the sign of a count (the line's H-1).
std::size_t Reader::ScanSign(std::size_t i)
{
    const char sign = ChargeSign(s[i]);
    if (!FormulaBefore(i)) {
        if (sign == '+')
            Add(PieceKind::Plus, "+", i);
        else
            Flag(i);
        return i + 1;
    }
    std::size_t k = i + 1;
    while (k < end && IsAsciiDigit(s[k]))
        ++k;
    if (k > i + 1 && EndsFormula(k)) {
        Add(PieceKind::Charge, sign + EncodeUtf8(s.substr(i + 1, k - i - 1)), i, ChargeStyle::Bare);
        return k;
    }
    if (EndsFormula(i + 1)) {
        Add(PieceKind::Charge, std::string(1, sign), i, ChargeStyle::Bare);
        return i + 1;
    }
    if (sign == '+')
        Add(PieceKind::Plus, "+", i);
    else if (k > i + 1)
        Add(PieceKind::Digit, "-", i);
    else if (IsAsciiLetter(s[i + 1]) || s[i + 1] == U'(' || s[i + 1] == U'[')
        Add(PieceKind::Bond, "-", i);
    else
        Flag(i);
    return i + 1;
}

// An arrow from i to next; brackets right after it hold what is written over and under it
// (mhchem's ->[\Delta], ->[H2O][heat]).
std::size_t Reader::ScanArrow(std::size_t i, ArrowKind kind, std::size_t next)
{
    pieces.push_back({PieceKind::Arrow, ">", i, ChargeStyle::Caret, kind});
    while (next < end && s[next] == U'[') {
        // Square brackets and braces inside each close in turn: ->[\ce{H2O}], ->[[H+]].
        std::size_t j = next + 1;
        int squares = 1, braces = 0;
        for (; j < end && squares > 0 && braces >= 0; ++j) {
            squares += s[j] == U'[' ? 1 : s[j] == U']' ? -1 : 0;
            braces += s[j] == U'{' ? 1 : s[j] == U'}' ? -1 : 0;
        }
        if (squares > 0 || braces != 0)
            break;
        if (!arrowSeen)
            reading.Written.Conditions.push_back(EncodeUtf8(s.substr(next + 1, j - next - 2)));
        next = j;
    }
    arrowSeen = true;
    return next;
}

// A given coefficient at i, at a substance's start: 2, 0.5, 0,5, 1/2, (1/2), ½, 1½.
std::size_t Reader::ScanCoefficient(std::size_t i)
{
    const bool bracket = s[i] == U'(';
    std::size_t j = i + (bracket ? 1 : 0);
    while (j < end && IsAsciiDigit(s[j]))
        ++j;
    if (j > i && j + 1 < end && (s[j] == U'.' || s[j] == U',' || s[j] == U'/') && IsAsciiDigit(s[j + 1])) {
        j += 2;
        while (j < end && IsAsciiDigit(s[j]))
            ++j;
    }
    while (j < end && IsVulgarFraction(s[j]))
        ++j;
    if (bracket) {
        if (j >= end || s[j] != U')' || j == i + 1)
            return i;
        ++j;
    }
    if (j > i)
        Add(PieceKind::Coefficient, EncodeUtf8(s.substr(i, j - i)), i);
    return j;
}

void Reader::Scan()
{
    pieces.reserve(end); // a piece takes a character at least
    std::size_t i = 0;
    while (i < end) {
        const char32_t c = s[i];
        std::size_t next = i + 1;
        const std::size_t coefficient =
            (IsAsciiDigit(c) || IsVulgarFraction(c) || c == U'(') && AtSubstanceStart() ? ScanCoefficient(i)
                                                                                        : i;
        if (coefficient > i) {
            next = coefficient;
        } else if (IsIgnorable(c) || c == U'$') {
        } else if (IsBlank(c) || c == U'~') {
            Add(PieceKind::Blank, "", i);
        } else if (const std::size_t state = c == U'(' ? StateSymbolAt(s, i) : 0) {
            Add(PieceKind::State, EncodeUtf8(s.substr(i, state)), i);
            next = i + state;
        } else if (c == U'(' && i + 2 < end && (s[i + 1] == U'v' || s[i + 1] == U'^') && s[i + 2] == U')') {
            Add(PieceKind::State, s[i + 1] == U'v' ? "\u2193" : "\u2191", i);
            next = i + 3;
        } else if (c == U'v' && i > 0 && IsBlank(s[i - 1]) && !pieces.empty() && EndsAt(i + 1)) {
            Add(PieceKind::State, "\u2193", i); // mhchem's precipitate sign
        } else if (IsAsciiLetter(c)) {
            Add(PieceKind::Letter, std::string(1, char(c)), i);
        } else if (IsAsciiDigit(c)) {
            Add(PieceKind::Digit, std::string(1, char(c)), i);
        } else if (SubscriptDigit(c) >= 0) {
            Add(PieceKind::Digit, std::string(1, char('0' + SubscriptDigit(c))), i);
        } else if (c == 0x208B) { // subscript minus: a negative count
            Add(PieceKind::Digit, "-", i);
        } else if (c == U'(' && FormulaBefore(i) && !BracketCharge(i, next).empty()) {
            next = ScanBraces(i); // Fe(3+)
        } else if (c == U'(' || c == U'[') {
            next = i + 1;
            Add(PieceKind::Open, std::string(1, char(c)), i);
        } else if (c == U')' || c == U']') {
            Add(PieceKind::Close, std::string(1, char(c)), i);
        } else {
            next = ScanOther(i);
        }
        i = next;
    }
}

// The signs, marks and arrows.
std::size_t Reader::ScanOther(std::size_t i)
{
    const char32_t c = s[i];
    std::size_t next = i + 1;
    if (IsStateArrow(c)) {
        Add(PieceKind::State, EncodeUtf8(Chars(1, c)), i);
    } else if (c == U'_') {
        next = ScanSubscript(i);
    } else if (IsSuperscript(c)) {
        while (next < end && IsSuperscript(s[next]))
            ++next;
        const std::string charge = ChargeText(s.substr(i, next - i), true);
        if (charge.empty())
            Flag(i);
        else
            Add(PieceKind::Charge, charge, i, ChargeStyle::Superscript);
    } else if (c == U'^') {
        next = ScanCaret(i);
    } else if (c == U'{') {
        next = ScanBraces(i);
    } else if (c == U'}' && transparentBraces > 0) {
        --transparentBraces;
    } else if (c == U'\\') {
        next = ScanCommand(i);
    } else if (IsUnicodeArrow(c) || c == U'>') {
        const ArrowKind kind = c == 0x21CC || c == 0x21CB   ? ArrowKind::Equilibrium
                               : c == 0x21C4 || c == 0x21C6 ? ArrowKind::TwoArrows
                               : c == 0x2194 || c == 0x27F7 || c == 0x21D4 || c == 0x27FA
                                   ? ArrowKind::BothWays
                                   : ArrowKind::Forward;
        next = ScanArrow(i, kind, next);
    } else if (c == U'<' || ((c == U'-' || c == U'=') && ArrowAt(i) && c != U'=') ||
               (c == U'=' && i + 1 < end && (s[i + 1] == U'>' || s[i + 1] == U'='))) {
        // -> --> => ==> <=> <-> <--> <=>> <<=> and a run of "=".
        std::size_t j = i;
        while (j < end && s[j] == U'<')
            ++j;
        const std::size_t body = j;
        while (j < end && (s[j] == U'-' || s[j] == U'='))
            ++j;
        const bool head = j < end && s[j] == U'>';
        if (c == U'<' && (j == body || !head)) {
            Flag(i); // a left arrow
            return i + 1;
        }
        const bool equals = c == U'=' && !head;
        const std::size_t after = head ? j + 1 : j;
        const bool doubled = after < end && s[after] == U'>';
        ArrowKind kind = ArrowKind::Forward;
        if (c == U'<')
            kind = s[body] == U'=' ? ArrowKind::Equilibrium
                   : j - body > 1  ? ArrowKind::TwoArrows
                                   : ArrowKind::BothWays;
        else if (equals)
            kind = ArrowKind::Equals;
        next = ScanArrow(i, kind, after + (doubled ? 1 : 0));
    } else if (c == U'=') {
        if (equalsMayBeBond && FormulaBefore(i) && next < end && (IsAsciiLetter(s[next]) || s[next] == U'('))
            Add(PieceKind::Bond, "=", i);
        else
            next = ScanArrow(i, ArrowKind::Equals, next);
    } else if (c == U'#' || c == 0x2261) {
        if (FormulaBefore(i) && next < end && IsAsciiLetter(s[next]))
            Add(PieceKind::Bond, "#", i);
        else
            Flag(i);
    } else if (c == U'+' || c == U'-' || c == 0x2212) {
        next = ScanSign(i);
    } else if (c == U'/' && FormulaBefore(i)) {
        // Fe/3+, the charge of some programs' formulas.
        std::size_t k = next;
        while (k < end && (IsAsciiDigit(s[k]) || ChargeSign(s[k])))
            ++k;
        const std::string charge = ChargeText(s.substr(next, k - next), true);
        if (charge.empty() || !EndsFormula(k))
            Flag(i);
        else
            Add(PieceKind::Charge, charge, i);
        next = charge.empty() ? next : k;
    } else if (IsHydrateDot(c)) {
        Add(PieceKind::Dot, EncodeUtf8(Chars(1, c)), i);
    } else if (c == U'.') {
        // A full stop ending a sentence is passed over.
        std::size_t j = i + 1;
        while (j < end && (IsBlank(s[j]) || IsIgnorable(s[j]) || s[j] == U'$' || s[j] == U'}'))
            ++j;
        if (j < end)
            Add(PieceKind::Dot, ".", i);
    } else {
        Flag(i);
    }
    return next;
}

} // namespace Notation
