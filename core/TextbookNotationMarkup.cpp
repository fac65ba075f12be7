// SPDX-License-Identifier: GPL-3.0-or-later
// The markup around written reactions: LaTeX commands (\ce{...}, \rightarrow, \cdot) and a
// web page's tags and entities (<sub>2</sub>, &rarr;), and the reader's entry point.
#include "core/TextbookNotationReader.h"

#include "core/NotationChars.h"

#include <numeric>

namespace Notation {

namespace {

using Chars = std::u32string;

struct Entity
{
    const char* Name;
    char32_t Char;
};

const Entity Entities[] = {
    {"amp", U'&'},
    {"lt", U'<'},
    {"gt", U'>'},
    {"quot", U'"'},
    {"apos", U'\''},
    {"nbsp", 0xA0},
    {"thinsp", 0x2009},
    {"ensp", 0x2002},
    {"emsp", 0x2003},
    {"rarr", 0x2192},
    {"rArr", 0x21D2},
    {"xrarr", 0x27F6},
    {"harr", 0x2194},
    {"rlarr", 0x21C4},
    {"lrarr", 0x21C6},
    {"rlhar", 0x21CC},
    {"rightleftharpoons", 0x21CC},
    {"uarr", 0x2191},
    {"darr", 0x2193},
    {"middot", 0xB7},
    {"sdot", 0x22C5},
    {"bull", 0x2022},
    {"minus", 0x2212},
    {"Delta", 0x394},
    {"nu", 0x3BD},
    {"deg", 0xB0},
    {"equiv", 0x2261},
};

// The entity at i (&rarr;, &#8594;, &#x2192;): its character and the index after it, or 0.
std::size_t EntityAt(const Chars& text, std::size_t i, char32_t& value)
{
    std::size_t j = i + 1;
    const bool numeric = j < text.size() && text[j] == U'#';
    const bool hex = numeric && j + 1 < text.size() && (text[j + 1] == U'x' || text[j + 1] == U'X');
    j += numeric ? (hex ? 2 : 1) : 0;
    const std::size_t start = j;
    while (j < text.size() && j < start + 20 && (IsAsciiLetter(text[j]) || IsAsciiDigit(text[j])))
        ++j;
    if (j == start || j >= text.size() || text[j] != U';')
        return 0;
    const std::string name = EncodeUtf8(text.substr(start, j - start));
    if (numeric) {
        char32_t code = 0;
        for (char c : name) {
            const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
            if (digit < 0 || digit >= (hex ? 16 : 10) || code > 0x10FFFF)
                return 0;
            code = code * (hex ? 16 : 10) + char32_t(digit);
        }
        value = code;
        return code <= 0x10FFFF ? j + 1 : 0;
    }
    for (const Entity& entity : Entities)
        if (name == entity.Name) {
            value = entity.Char;
            return j + 1;
        }
    return 0;
}

// The tag at i (<sub>, </sup>, <span class="x">): its name in lower case and the index
// after it, or 0 when i starts no tag (as in <=>).
std::size_t TagAt(const Chars& text, std::size_t i, std::string& name, bool& closing)
{
    std::size_t j = i + 1;
    closing = j < text.size() && text[j] == U'/';
    j += closing ? 1 : 0;
    if (j >= text.size() || !IsAsciiLetter(text[j]))
        return 0;
    name.clear();
    while (j < text.size() && IsAsciiLetter(text[j]))
        name += char(text[j++] | 0x20);
    for (std::size_t k = j; k < text.size() && k < j + 200; ++k) {
        if (text[k] == U'<')
            return 0;
        if (text[k] == U'>')
            return k + 1;
    }
    return 0;
}

bool HasMarkup(const Chars& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string name;
        bool closing = false;
        char32_t value = 0;
        if ((text[i] == U'<' && TagAt(text, i, name, closing)) ||
            (text[i] == U'&' && EntityAt(text, i, value)))
            return true;
    }
    return false;
}

} // namespace

bool ShowsMarkup(const std::u32string& text, std::size_t i)
{
    std::string name;
    bool closing = false;
    char32_t value = 0;
    return (text[i] == U'<' && TagAt(text, i, name, closing) && (name == "sub" || name == "sup")) ||
           (text[i] == U'&' && EntityAt(text, i, value));
}

void ReadMarkup(const Chars& text, Chars& chars, std::vector<std::size_t>& origin)
{
    const bool markup = HasMarkup(text);
    if (!markup) { // the usual text: every character as it stands, in its place
        chars = text;
        origin.resize(text.size());
        std::iota(origin.begin(), origin.end(), std::size_t(0));
        return;
    }
    chars.clear();
    origin.clear();
    chars.reserve(text.size()); // never more characters than the text has
    origin.reserve(text.size());
    bool sub = false, sup = false;
    for (std::size_t i = 0; i < text.size();) {
        std::string name;
        bool closing = false;
        if (markup && text[i] == U'<') {
            if (const std::size_t after = TagAt(text, i, name, closing)) {
                sub = name == "sub" ? !closing : sub;
                sup = name == "sup" ? !closing : sup;
                i = after;
                continue;
            }
        }
        char32_t c = text[i];
        std::size_t next = i + 1;
        if (markup && c == U'&')
            if (const std::size_t after = EntityAt(text, i, c))
                next = after;
        static const char32_t superscripts[] = {0x2070, 0xB9,   0xB2,   0xB3,   0x2074,
                                                0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
        if (sub && IsAsciiDigit(c))
            c = 0x2080 + (c - U'0');
        else if (sub && ChargeSign(c) == '-')
            c = 0x208B;
        else if (sup && IsAsciiDigit(c))
            c = superscripts[c - U'0'];
        else if (sup && ChargeSign(c))
            c = ChargeSign(c) == '+' ? 0x207A : 0x207B;
        chars.push_back(c);
        origin.push_back(i);
        i = next;
    }
}

// mhchem's spelt-out subscript: _2, _{2}, _{-1}, and a state as a subscript, _{(aq)}.
std::size_t Reader::ScanSubscript(std::size_t i)
{
    const bool braced = i + 1 < end && s[i + 1] == U'{';
    std::size_t j = i + (braced ? 2 : 1);
    if (braced && StateSymbolAt(s, j) && j + StateSymbolAt(s, j) < end &&
        s[j + StateSymbolAt(s, j)] == U'}') {
        Add(PieceKind::State, EncodeUtf8(s.substr(j, StateSymbolAt(s, j))), i);
        return j + StateSymbolAt(s, j) + 1;
    }
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
        Add(PieceKind::Digit, std::string(1, digit), i);
    return j;
}

// A LaTeX command at i: wrappers (\ce{...}, \mathrm{...}), arrows, dots, spacing.
std::size_t Reader::ScanCommand(std::size_t i)
{
    std::size_t j = i + 1;
    while (j < end && IsAsciiLetter(s[j]))
        ++j;
    if (j == i + 1 && j < end &&
        (s[j] == U',' || s[j] == U';' || s[j] == U' ' || s[j] == U':' || s[j] == U'!')) {
        Add(PieceKind::Blank, "", i);
        return j + 1;
    }
    const std::string name = EncodeUtf8(s.substr(i + 1, j - i - 1));
    for (const char* wrapper : {"ce", "mathrm", "text", "textrm", "mbox", "mathbf", "rm"})
        if (name == wrapper && j < end && s[j] == U'{') {
            ++transparentBraces;
            return j + 1;
        }
    struct Command
    {
        const char* Name;
        PieceKind Kind;
        ArrowKind Arrow;
        const char* Text;
    };
    static const Command commands[] = {
        {"rightarrow", PieceKind::Arrow, ArrowKind::Forward, ""},
        {"longrightarrow", PieceKind::Arrow, ArrowKind::Forward, ""},
        {"to", PieceKind::Arrow, ArrowKind::Forward, ""},
        {"Rightarrow", PieceKind::Arrow, ArrowKind::Forward, ""},
        {"rightleftharpoons", PieceKind::Arrow, ArrowKind::Equilibrium, ""},
        {"longrightleftharpoons", PieceKind::Arrow, ArrowKind::Equilibrium, ""},
        {"leftrightarrow", PieceKind::Arrow, ArrowKind::BothWays, ""},
        {"longleftrightarrow", PieceKind::Arrow, ArrowKind::BothWays, ""},
        {"rightleftarrows", PieceKind::Arrow, ArrowKind::TwoArrows, ""},
        {"cdot", PieceKind::Dot, ArrowKind::Forward, "\u00B7"},
        {"bullet", PieceKind::Dot, ArrowKind::Forward, "\u00B7"},
        {"uparrow", PieceKind::State, ArrowKind::Forward, "\u2191"},
        {"downarrow", PieceKind::State, ArrowKind::Forward, "\u2193"},
        {"quad", PieceKind::Blank, ArrowKind::Forward, ""},
    };
    for (const Command& command : commands)
        if (name == command.Name) {
            if (command.Kind == PieceKind::Arrow)
                return ScanArrow(i, command.Arrow, j);
            Add(command.Kind, command.Text, i);
            return j;
        }
    Flag(i);
    return j;
}

} // namespace Notation

NotationReading ReadTextbookNotation(const std::string& text)
{
    std::u32string chars;
    std::vector<std::size_t> origin;
    Notation::ReadMarkup(DecodeUtf8(text), chars, origin);
    return Notation::Reader(std::move(chars), std::move(origin)).Read();
}
