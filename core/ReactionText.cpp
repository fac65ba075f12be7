// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReactionText.h"

#include "core/ChargeNotation.h"
#include "core/ElementTable.h"
#include "core/ReactionParser.h"

#include <algorithm>
#include <utility>

namespace {

// How many continuation bytes a lead byte announces, 0 for a byte that stands for itself.
int ExtraBytes(unsigned char lead)
{
    return lead >= 0xF0 && lead < 0xF5   ? 3
           : lead >= 0xE0 && lead < 0xF0 ? 2
           : lead >= 0xC2 && lead < 0xE0 ? 1
                                         : 0;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

char32_t MapThroughSets(char32_t ch, const std::u32string (&sets)[4])
{
    const char32_t symbols[] = {U'+', U'>', U'(', U')'};
    for (int i = 0; i < 4; ++i)
        if (sets[i].find(ch) != std::u32string::npos)
            ch = symbols[i];
    return ch;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string chars(text.size(), U'\0'); // a character takes a byte at least
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) { // the most of any text
            chars[count++] = lead;
            ++i;
            continue;
        }
        const int extra = ExtraBytes(lead);
        char32_t ch = lead & (0x3F >> extra);
        bool sequence = extra > 0 && i + extra < text.size();
        for (int k = 1; sequence && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            sequence = IsContinuation(next);
            ch = (ch << 6) | (next & 0x3F);
        }
        chars[count++] = sequence ? ch : lead; // or a stray byte standing for itself
        i += sequence ? extra + 1 : 1;
    }
    chars.resize(count);
    return chars;
}

std::string EncodeUtf8(const std::u32string& chars)
{
    std::string text;
    text.reserve(chars.size());
    for (char32_t ch : chars) {
        if ((ch >= 0xD800 && ch < 0xE000) || ch > 0x10FFFF)
            ch = 0xFFFD;
        if (ch < 0x80) {
            text += char(ch);
        } else if (ch < 0x800) {
            text += char(0xC0 | (ch >> 6));
            text += char(0x80 | (ch & 0x3F));
        } else if (ch < 0x10000) {
            text += char(0xE0 | (ch >> 12));
            text += char(0x80 | ((ch >> 6) & 0x3F));
            text += char(0x80 | (ch & 0x3F));
        } else {
            text += char(0xF0 | (ch >> 18));
            text += char(0x80 | ((ch >> 12) & 0x3F));
            text += char(0x80 | ((ch >> 6) & 0x3F));
            text += char(0x80 | (ch & 0x3F));
        }
    }
    return text;
}

char32_t MapKey(char32_t ch, const KeyOptions& keys)
{
    const std::u32string sets[4] = {DecodeUtf8(keys.PlusKeys), DecodeUtf8(keys.ArrowKeys),
                                    DecodeUtf8(keys.OpenKeys), DecodeUtf8(keys.CloseKeys)};
    return MapThroughSets(ch, sets);
}

namespace {

// KeepsLowerCase of a capital and a small letter, kept for each pair once asked: the
// clean-up asks it for every small letter, and a walk along a line takes the table once,
// not a call a letter. Pair by pair, so that a line without small letters never needs the
// element table; one table a thread, as it fills while it is read.
struct SmallLetters
{
    mutable unsigned char Kept[26][26] = {}; // 0: not asked yet, 1: no, 2: yes
    bool KeptAfter(char capital, char small) const
    {
        unsigned char& kept = Kept[capital - 'A'][small - 'a'];
        if (kept == 0)
            kept = KeepsLowerCase(capital, small) ? 2 : 1;
        return kept == 2;
    }
};

const SmallLetters& SmallLettersKept()
{
    thread_local const SmallLetters table;
    return table;
}

// The rules of TidyPush, for the characters its short way leaves.
template <class Kept>
inline bool TidyPushByRules(Kept& text, char c, TidyState& state, bool autoCase, const SmallLetters& small)
{
    if (autoCase && IsLowerLetter(c)) {
        // A lower-case letter stays only as the second letter of a known two-letter
        // symbol: "co" becomes Co, "ch" becomes CH.
        const bool secondLetter =
            !state.Empty && IsUpperLetter(text.back()) && small.KeptAfter(text.back(), c);
        if (!secondLetter)
            c = char(c - 'a' + 'A');
    }
    // Coefficients (digits at the start or after a separator) and the second of two
    // separators go. A charge's sign separates nothing: H^++Fe^2+ keeps both "+".
    if (IsDigitChar(c) && (state.Empty || state.AfterSeparator))
        return false;
    if ((c == '+' || c == '>') && state.AfterSeparator)
        return false;
    // A lone "e" before "^" is the electron, e^-: its letter was made upper case before the
    // "^" came, and the table has no element E.
    if (c == '^' && autoCase && state.LoneLetter && text.back() == 'E')
        text.back() = 'e';
    const bool sign = (c == '+' || c == '-') && state.ChargeOpen;
    state.LoneLetter = (IsUpperLetter(c) || IsLowerLetter(c)) && (state.Empty || state.AfterSeparator);
    state.AfterSeparator = c == '>' || (c == '+' && !sign);
    state.ChargeOpen = c == '^' || (IsDigitChar(c) && state.ChargeOpen);
    state.Empty = false;
    text += c;
    return true;
}

// Judges c against the tidied text before it, which it appends c to unless c goes (false).
// Every rule looks at c and at what the text kept ends with, so the clean-up of a whole line
// is this, one character after the other, and typing at the end needs it for the new
// character alone.
template <class Kept>
inline bool TidyPush(Kept& text, char c, TidyState& state, bool autoCase, const SmallLetters& small)
{
    // The most characters, a capital or a count, as TidyPushByRules takes them.
    if (IsUpperLetter(c)) {
        state.LoneLetter = state.Empty || state.AfterSeparator;
        state.AfterSeparator = false;
        state.ChargeOpen = false;
        state.Empty = false;
        text += c;
        return true;
    }
    if (IsDigitChar(c) && !state.Empty && !state.AfterSeparator) {
        state.LoneLetter = false;
        text += c;
        return true;
    }
    return TidyPushByRules(text, c, state, autoCase, small);
}

} // namespace

namespace {
// The text kept so far, at the front of the text being tidied: the clean-up only drops
// characters or changes one, so what it keeps is never longer than what it has read.
struct KeptInPlace
{
    char* Data;
    std::size_t Size = 0;

    char& back() { return Data[Size - 1]; }
    KeptInPlace& operator+=(char c)
    {
        Data[Size++] = c;
        return *this;
    }
};
} // namespace

void TidyReaction(std::string& text, int& caretPos, bool autoCase)
{
    KeptInPlace kept{text.data()};
    TidyState state;
    const SmallLetters& small = SmallLettersKept();
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Removed at position kept.Size: a caret after it moves back.
        if (!TidyPush(kept, text[i], state, autoCase, small) && caretPos > int(kept.Size))
            --caretPos;
    }
    text.resize(kept.Size);
}

KeyMap::KeyMap(const KeyOptions& keys)
    : Sets{DecodeUtf8(keys.PlusKeys), DecodeUtf8(keys.ArrowKeys), DecodeUtf8(keys.OpenKeys),
           DecodeUtf8(keys.CloseKeys)}
{
    // The same mapping as MapThroughSets, for every ASCII key at once.
    bool member[4][128] = {};
    for (int i = 0; i < 4; ++i)
        for (char32_t ch : Sets[i])
            if (ch < 0x80)
                member[i][ch] = true;
    const char symbols[] = {'+', '>', '(', ')'};
    for (int c = 0; c < 128; ++c) {
        char mapped = char(c);
        for (int i = 0; i < 4; ++i)
            if (member[i][static_cast<unsigned char>(mapped)])
                mapped = symbols[i];
        Ascii[c] = IsReactionChar(mapped) ? mapped : '\0';
    }
}

char KeyMap::TypedBeyondAscii(char32_t ch) const
{
    const char32_t mapped = MapThroughSets(ch, Sets);
    return mapped < 0x80 && IsReactionChar(char(mapped)) ? char(mapped) : '\0';
}

ReactionTyper::ReactionTyper(const KeyOptions& keys) : OwnMap(keys), Map(*OwnMap), AutoCase(keys.AutoCase) {}

ReactionTyper::ReactionTyper(const KeyMap& keys, bool autoCase) : Map(keys), AutoCase(autoCase) {}

void ReactionTyper::TypeChar(char32_t ch)
{
    if (const char typed = Map.Typed(ch))
        TidyPush(Text, typed, State, AutoCase, SmallLettersKept());
}

// Takes whole characters off the front of Pending; at the end of the line a sequence that
// is still incomplete gives up its lead byte, which then stands for itself.
void ReactionTyper::Decode(bool atEnd)
{
    while (PendingCount > 0) {
        const unsigned char lead = Pending[0];
        const int extra = ExtraBytes(lead);
        bool broken = extra == 0;
        for (int k = 1; !broken && k <= extra && k < PendingCount; ++k)
            broken = !IsContinuation(Pending[k]);
        if (!broken && PendingCount <= extra && !atEnd)
            return; // wait for the rest of the sequence
        if (broken || PendingCount <= extra) {
            TypeChar(lead);
            for (int k = 1; k < PendingCount; ++k)
                Pending[k - 1] = Pending[k];
            --PendingCount;
            continue;
        }
        char32_t ch = lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            ch = (ch << 6) | (Pending[k] & 0x3F);
        TypeChar(ch);
        for (int k = extra + 1; k < PendingCount; ++k)
            Pending[k - extra - 1] = Pending[k];
        PendingCount -= extra + 1;
    }
}

void ReactionTyper::Type(std::string_view bytes)
{
    // A byte types one character at most, so the line is written in place, sized once; a
    // byte beyond ASCII (rare: the key sets' own characters) types through the text itself.
    // The walk keeps the state, the map and the case in locals: a character written through
    // the text's pointer could otherwise be the typer's own members, read again each time.
    KeptInPlace kept{nullptr, Text.size()};
    Text.resize(kept.Size + bytes.size());
    kept.Data = Text.data();
    TidyState state = State;
    const SmallLetters& small = SmallLettersKept();
    const KeyMap& map = Map;
    const bool autoCase = AutoCase;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 && PendingCount == 0) {
            if (const char typed = map.Typed(b))
                TidyPush(kept, typed, state, autoCase, small);
            continue;
        }
        Text.resize(kept.Size);
        State = state;
        Pending[PendingCount++] = b;
        Decode(false);
        state = State;
        kept.Size = Text.size();
        Text.resize(kept.Size + bytes.size() - i - 1);
        kept.Data = Text.data();
    }
    State = state;
    Text.resize(kept.Size);
}

void ReactionTyper::TypeAscii(std::string_view keys, AsciiTyping& shown)
{
    // As Type's walk over ASCII, with what the keys show noted on the way, in locals too;
    // the line is empty, so the walk starts where a line starts.
    Text.resize(keys.size());
    KeptInPlace kept{Text.data()};
    TidyState state;
    const SmallLetters& small = SmallLettersKept();
    const KeyMap& map = Map;
    const bool autoCase = AutoCase;
    std::size_t firstUntyped = 0;
    bool digitDropped = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (const char typed = map.TypedAscii(keys[i])) {
            if (!TidyPush(kept, typed, state, autoCase, small) && IsDigitChar(typed))
                digitDropped = true;
        } else if (firstUntyped == 0) {
            firstUntyped = i + 1;
        }
    }
    State = state;
    Text.resize(kept.Size);
    // A digit typed first or right after a "+" or ">" key is dropped as a coefficient, unless
    // that "+" was kept as a charge's sign: then the digit stands right after it. Seen so,
    // rather than by following the keys, at no cost for each key; a sign needs a "^" first.
    bool digitAfterSign = false;
    if (Text.find('^') != std::string::npos)
        for (std::size_t k = 0; k + 1 < Text.size() && !digitAfterSign; ++k)
            digitAfterSign = Text[k] == '+' && IsDigitChar(Text[k + 1]);
    shown = {firstUntyped, digitDropped || digitAfterSign};
}

std::string ReactionTyper::Finish()
{
    if (PendingCount > 0)
        Decode(true);
    std::string text = std::move(Text);
    Text.clear(); // the next line starts empty
    State = TidyState();
    return text;
}

std::string TypeReaction(std::string_view typed, const KeyOptions& keys)
{
    // The editor tidies the whole line after every character. The line was tidy before the
    // character, and the caret stays at its end, so the clean-up of the new character alone
    // gives the same line: typing stays linear in the length.
    ReactionTyper typer(keys);
    typer.Type(typed);
    return typer.Finish();
}

std::vector<ReactionPart> ClassifyReaction(const std::string& text)
{
    std::vector<ReactionPart> parts;
    parts.reserve(text.size());
    bool coefficient = !text.empty() && IsDigitChar(text[0]);
    bool chargeOpen = false; // after "^" and digits
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const bool nextIsDigit = i + 1 < text.size() && IsDigitChar(text[i + 1]);
        const bool inCharge = chargeOpen && (IsDigitChar(ch) || ch == '+' || ch == '-');
        if (coefficient)
            parts.push_back(ReactionPart::Coefficient);
        else if (inCharge)
            parts.push_back(ReactionPart::Charge);
        else if (ch == '^') {
            const bool opens =
                i + 1 < text.size() && (nextIsDigit || text[i + 1] == '+' || text[i + 1] == '-');
            parts.push_back(opens ? ReactionPart::ChargeMark : ReactionPart::LoneMark);
        } else if (IsDigitChar(ch))
            parts.push_back(ReactionPart::Count);
        else if (ch == '-')
            parts.push_back(ReactionPart::Minus);
        else if (ch == '>')
            parts.push_back(ReactionPart::Arrow);
        else
            parts.push_back(ReactionPart::Symbol);
        if (coefficient && !nextIsDigit)
            coefficient = false;
        const bool separator = ch == '>' || (ch == '+' && !inCharge);
        if (separator && nextIsDigit)
            coefficient = true;
        chargeOpen = ch == '^' || (chargeOpen && IsDigitChar(ch));
    }
    return parts;
}

bool IsFormulaSeparator(const std::vector<ReactionPart>& parts, const std::string& text, int index)
{
    const size_t i = size_t(index);
    return parts[i] == ReactionPart::Arrow || (parts[i] == ReactionPart::Symbol && text[i] == '+');
}

int FormulaStartBefore(const std::string& text, int pos)
{
    const std::vector<ReactionPart> parts = ClassifyReaction(text);
    pos = std::clamp(pos, 0, int(text.size()));
    while (pos > 0 && IsFormulaSeparator(parts, text, pos - 1))
        --pos;
    while (pos > 0 && !IsFormulaSeparator(parts, text, pos - 1))
        --pos;
    return pos;
}

int FormulaEndAfter(const std::string& text, int pos)
{
    const std::vector<ReactionPart> parts = ClassifyReaction(text);
    const int end = int(text.size());
    pos = std::clamp(pos, 0, end);
    while (pos < end && IsFormulaSeparator(parts, text, pos))
        ++pos;
    while (pos < end && !IsFormulaSeparator(parts, text, pos))
        ++pos;
    return pos;
}
