// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextbookNotation.h"

#include "core/NotationChars.h"

#include <vector>

namespace {

using namespace Notation;

using Chars = std::u32string;

// A charge written as digits and one sign, or (when signFirst) as a sign and digits:
// "3+" for ³⁺, {3+} and {+3}. Empty when chars are no charge.
std::string ChargeText(const Chars& chars, bool signFirst)
{
    std::string digits;
    char sign = 0;
    bool digitsBeforeSign = false;
    for (const char32_t c : chars) {
        const int digit = IsAsciiDigit(c) ? int(c - U'0') : SuperscriptDigit(c);
        if (digit >= 0) {
            if (sign && (!signFirst || digitsBeforeSign))
                return "";
            digits += char('0' + digit);
        } else if (ChargeSign(c) && !sign) {
            sign = ChargeSign(c);
            digitsBeforeSign = !digits.empty();
        } else {
            return "";
        }
    }
    return sign ? digits + sign : "";
}

enum class PieceKind
{
    Formula, // one character of a formula, coefficient or count, already in compact form
    Charge,  // "^3+"
    Plus,
    Arrow,
    Dot,
    Blank
};

struct Piece
{
    PieceKind Kind;
    std::string Text;
    std::size_t Position; // 1-based
};

class Reader
{
  public:
    explicit Reader(const Chars& text) : s(text) {}

    NotationReading Read()
    {
        Scan();
        Build();
        reading.Textbook = true;
        return reading;
    }

  private:
    const Chars& s;
    std::vector<Piece> pieces;
    NotationReading reading;

    void Flag(std::size_t index)
    {
        if (reading.BadPosition == 0 || index + 1 < reading.BadPosition) {
            reading.BadPosition = index + 1;
            reading.BadCharacter = s[index];
        }
    }

    void Add(PieceKind kind, std::string text, std::size_t index)
    {
        pieces.push_back({kind, std::move(text), index + 1});
    }

    // The range inside a \ce{...} wrapper (also $\ce{...}$), so that mhchem text reads back.
    void Content(std::size_t& begin, std::size_t& end) const
    {
        while (begin < end && (IsBlank(s[begin]) || IsIgnorable(s[begin])))
            ++begin;
        while (end > begin && (IsBlank(s[end - 1]) || IsIgnorable(s[end - 1])))
            --end;
        const bool dollars = end - begin >= 2 && s[begin] == U'$' && s[end - 1] == U'$';
        const std::size_t b = begin + (dollars ? 1 : 0), e = end - (dollars ? 1 : 0);
        if (e > b + 4 && StartsWith(s, b, "\\ce{") && s[e - 1] == U'}') {
            begin = b + 4;
            end = e - 1;
        }
    }

    // One charge after "^" or in braces; returns the index after it, or 0 when there is none.
    std::size_t ChargeAt(std::size_t i, std::size_t end)
    {
        std::size_t j = i + 1;
        if (s[i] == U'{' || (j < end && s[j] == U'{')) {
            j = s[i] == U'{' ? i + 1 : j + 1;
            // A charge holds a few characters; looking no further keeps the reading linear.
            std::size_t close = j;
            while (close < end && close < j + 8 && s[close] != U'}')
                ++close;
            if (close >= end || s[close] != U'}')
                return 0;
            const std::string charge = ChargeText(s.substr(j, close - j), true);
            if (charge.empty())
                return 0;
            Add(PieceKind::Charge, "^" + charge, i);
            return close + 1;
        }
        // ^3+ or ^-: digits, then exactly one sign, which the charge always takes.
        while (j < end && IsAsciiDigit(s[j]))
            ++j;
        if (j >= end || !ChargeSign(s[j]))
            return 0;
        Add(PieceKind::Charge, "^" + ChargeText(s.substr(i + 1, j - i), false), i);
        return j + 1;
    }

    // mhchem's spelt-out subscript: _{-1}, _2. Returns the index after it.
    std::size_t SubscriptAt(std::size_t i, std::size_t end)
    {
        const bool braced = i + 1 < end && s[i + 1] == U'{';
        std::size_t j = i + (braced ? 2 : 1);
        std::string count;
        if (braced && j < end && ChargeSign(s[j]) == '-')
            count += '-', ++j;
        while (j < end && IsAsciiDigit(s[j]))
            count += char(s[j++]);
        if ((count.empty() || count == "-") || (braced && (j >= end || s[j++] != U'}'))) {
            Flag(i);
            return i + 1;
        }
        for (char digit : count)
            Add(PieceKind::Formula, std::string(1, digit), i);
        return j;
    }

    void Scan()
    {
        std::size_t i = 0, end = s.size();
        Content(i, end);
        while (i < end) {
            const char32_t c = s[i];
            std::size_t next = i + 1;
            if (IsIgnorable(c) || IsStateArrow(c)) {
            } else if (IsBlank(c)) {
                Add(PieceKind::Blank, "", i);
            } else if (IsAsciiLetter(c) || IsAsciiDigit(c) || c == U'(' || c == U')') {
                if (const std::size_t state = c == U'(' ? StateSymbolAt(s, i) : 0)
                    next = i + state;
                else
                    Add(PieceKind::Formula, std::string(1, char(c)), i);
            } else if (SubscriptDigit(c) >= 0) {
                Add(PieceKind::Formula, std::string(1, char('0' + SubscriptDigit(c))), i);
            } else if (c == U'[' || c == U']') {
                Add(PieceKind::Formula, c == U'[' ? "(" : ")", i);
            } else if (c == 0x208B || c == 0x2212) { // subscript minus, minus sign
                Add(PieceKind::Formula, "-", i);
            } else if (c == U'_') {
                next = SubscriptAt(i, end);
            } else if (IsSuperscript(c)) {
                while (next < end && IsSuperscript(s[next]))
                    ++next;
                const std::string charge = ChargeText(s.substr(i, next - i), true);
                if (charge.empty())
                    Flag(i);
                else
                    Add(PieceKind::Charge, "^" + charge, i);
            } else if (c == U'^' || c == U'{') {
                next = ChargeAt(i, end);
                if (next == 0) {
                    Flag(i);
                    next = i + 1;
                }
            } else if (IsUnicodeArrow(c) || c == U'>') {
                Add(PieceKind::Arrow, ">", i);
            } else if (c == U'-' || c == U'=' || c == U'<') {
                // -> --> => ==> <=> <-> and a run of "=" are arrows; any other "-" is a count's.
                std::size_t j = c == U'<' ? i + 1 : i;
                while (j < end && (s[j] == U'-' || s[j] == U'='))
                    ++j;
                if (j < end && s[j] == U'>' && j > i + (c == U'<' ? 1 : 0)) {
                    Add(PieceKind::Arrow, ">", i);
                    next = j + 1;
                } else if (c == U'=') {
                    while (next < end && s[next] == U'=')
                        ++next;
                    Add(PieceKind::Arrow, ">", i);
                } else if (c == U'-') {
                    Add(PieceKind::Formula, "-", i);
                } else {
                    Flag(i);
                }
            } else if (c == U'+') {
                Add(PieceKind::Plus, "+", i);
            } else if (IsHydrateDot(c)) {
                Add(PieceKind::Dot, "", i);
            } else if (c == U'.') {
                // A full stop ending a sentence is passed over.
                std::size_t j = i + 1;
                while (j < end && (IsBlank(s[j]) || IsIgnorable(s[j])))
                    ++j;
                if (j < end)
                    Add(PieceKind::Dot, "", i);
            } else {
                Flag(i);
            }
            i = next;
        }
    }

    // One substance: its main formula, then the parts that hydrate dots start.
    struct Part
    {
        std::string Count; // the coefficient of the main formula, the count of a hydrate part
        std::string Formula;
        std::size_t DotIndex = 0; // 0-based index of the dot that started the part
    };

    static bool IsWholeGroup(const std::string& formula, bool allowCount)
    {
        if (formula.empty() || formula[0] != '(')
            return false;
        int depth = 0;
        std::size_t k = 0;
        for (; k < formula.size(); ++k) {
            depth += formula[k] == '(' ? 1 : formula[k] == ')' ? -1 : 0;
            if (depth == 0)
                break;
        }
        if (k + 1 == formula.size())
            return true;
        if (!allowCount || k >= formula.size())
            return false;
        for (++k; k < formula.size(); ++k)
            if (formula[k] < '0' || formula[k] > '9')
                return false;
        return true;
    }

    // The compact substance, or "" when it holds no formula. A hydrate part becomes a group
    // whose count is the part's count: ·5H2O is (H2O)5, and ·2(H2O)3 is ((H2O)3)2, six waters.
    std::string Compose(const std::vector<Part>& parts)
    {
        std::string text = parts.front().Formula; // the coefficient is dropped
        for (std::size_t k = 1; k < parts.size(); ++k) {
            const Part& part = parts[k];
            if (part.Formula.empty()) {
                Flag(part.DotIndex);
                continue;
            }
            if (part.Count.empty() ? IsWholeGroup(part.Formula, true) : IsWholeGroup(part.Formula, false))
                text += part.Formula + part.Count;
            else
                text += "(" + part.Formula + ")" + part.Count;
        }
        return text;
    }

    void Build()
    {
        std::vector<std::string> substances;
        std::vector<std::string> coefficients; // given before each substance
        std::vector<const Piece*> separators;
        std::vector<Part> parts(1);
        std::size_t blank = 0; // 1-based position of a blank after formula characters
        for (std::size_t k = 0; k <= pieces.size(); ++k) {
            const Piece* piece = k < pieces.size() ? &pieces[k] : nullptr;
            if (!piece || piece->Kind == PieceKind::Plus || piece->Kind == PieceKind::Arrow) {
                substances.push_back(Compose(parts));
                coefficients.push_back(parts.front().Count);
                if (piece)
                    separators.push_back(piece);
                parts.assign(1, Part());
                blank = 0;
                continue;
            }
            Part& part = parts.back();
            switch (piece->Kind) {
            case PieceKind::Formula:
                if (part.Formula.empty() && IsAsciiDigit(char32_t(piece->Text[0]))) {
                    part.Count += piece->Text;
                } else {
                    // "H2 O2" is not one formula: a blank between formula characters.
                    if (blank && !part.Formula.empty())
                        Flag(blank - 1);
                    part.Formula += piece->Text;
                }
                blank = 0;
                break;
            case PieceKind::Charge:
                part.Formula += piece->Text;
                blank = 0;
                break;
            case PieceKind::Dot:
                // A dot needs a formula before it too: "0.5 O2" is no hydrate.
                if (part.Formula.empty())
                    Flag(piece->Position - 1);
                parts.push_back(Part());
                parts.back().DotIndex = piece->Position - 1;
                blank = 0;
                break;
            default: // Blank
                blank = piece->Position;
                break;
            }
        }
        // A "+" with no substance on one side is unusable: "Cu2+ + Zn" must not quietly
        // become Cu2+Zn. Arrows are all kept, so that Balance rejects an empty side or a
        // second arrow.
        std::string text = substances.front();
        if (!text.empty())
            reading.Coefficients.push_back(coefficients.front());
        int arrows = 0;
        for (std::size_t k = 0; k < separators.size(); ++k) {
            if (separators[k]->Kind == PieceKind::Arrow)
                ++arrows;
            else if (substances[k].empty() || substances[k + 1].empty())
                Flag(separators[k]->Position - 1);
            if (!substances[k + 1].empty()) {
                text += arrows ? std::string(std::size_t(arrows), '>') : text.empty() ? "" : "+";
                text += substances[k + 1];
                reading.Coefficients.push_back(coefficients[k + 1]);
                arrows = 0;
            }
        }
        text += std::string(std::size_t(arrows), '>');
        reading.Text = text;
    }
};

} // namespace

NotationReading ReadTextbookNotation(const std::string& text)
{
    const Chars s = DecodeUtf8(text);
    return Reader(s).Read();
}
