// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pure text rules of the reaction line: how a typed character is mapped through the key
// sets, which characters may enter the line, and the clean-up run after every edit.

// The key sets: each character of PlusKeys types "+", of OpenKeys "(", of CloseKeys ")", of
// ArrowKeys the arrow ">". AutoCase turns on the automatic letter case of element symbols.
// (The user settings keep them as KP, KOP, KCP, KF and ChB.)
struct KeyOptions
{
    std::string PlusKeys = "+=";
    std::string OpenKeys = "([";
    std::string CloseKeys = ")]";
    std::string ArrowKeys = " >.";
    bool AutoCase = true;
};

// Maps one typed character through PlusKeys, then ArrowKeys, then OpenKeys, then CloseKeys,
// each test applied to the result of the one before (so "=" reaches ">" when ArrowKeys holds
// "+"). The sets are UTF-8
// and may hold any characters, for example letters of a Farsi keyboard layout.
char32_t MapKey(char32_t ch, const KeyOptions& keys);

// The characters of UTF-8 text; a byte that starts no valid sequence stands for itself.
std::u32string DecodeUtf8(std::string_view text);

// UTF-8 for characters; a surrogate or a value beyond Unicode is written as U+FFFD.
std::string EncodeUtf8(const std::u32string& chars);

// The reaction-line alphabet: A-Z a-z 0-9 - ( ) + > and the "^" of a charge.
inline bool IsReactionChar(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-' ||
           ch == '(' || ch == ')' || ch == '+' || ch == '>' || ch == '^';
}

// Sets the letter case of element symbols (when autoCase), removes every coefficient and
// the second of two adjacent separators; caretPos (characters before the caret) follows
// the deletions. A charge's sign is no separator (H^++Fe^2+ stays), and with autoCase a lone
// "E" before "^" becomes the electron, e^-.
void TidyReaction(std::string& text, int& caretPos, bool autoCase);

// What each typed character puts into the reaction line, with the key sets decoded once.
class KeyMap
{
  public:
    explicit KeyMap(const KeyOptions& keys);
    // The character that typing ch puts into the line (mapped through the key sets), or 0
    // when it puts none there.
    char Typed(char32_t ch) const { return ch < 0x80 ? Ascii[ch] : TypedBeyondAscii(ch); }
    // Typed for a byte known to be ASCII.
    char TypedAscii(char byte) const { return Ascii[byte & 0x7F]; }

  private:
    char TypedBeyondAscii(char32_t ch) const;
    std::u32string Sets[4]; // PlusKeys, ArrowKeys, OpenKeys, CloseKeys decoded
    char Ascii[128];        // what each ASCII key types, 0 when nothing
};

// What the clean-up knows of the tidied text before the next character; kept up as the text
// grows, so judging a character never looks back along the line.
struct TidyState
{
    bool Empty = true;           // nothing kept yet
    bool AfterSeparator = false; // the last character kept is ">" or a "+" that is no charge's sign
    bool ChargeOpen = false;     // the text kept ends in "^" and digits: a sign now closes the charge
    bool LoneLetter = false;     // the last character kept is a letter that begins a formula
};

// What typing a line of ASCII keys showed besides the text it typed.
struct AsciiTyping
{
    std::size_t FirstUntyped = 0; // the place (1-based) of the first key that types nothing; 0: none
    // False only when no digit is typed first or right after a "+" or the arrow: the keys
    // write no coefficient. (True may still be a count after a charge's sign, Fe^2+3.)
    bool MayWriteCoefficient = false;
};

// Typing into an empty reaction line, one character after the other, as the editor does:
// each key is mapped through the key sets, kept if in the alphabet, and the line tidied; the
// line was tidy before the key and the caret stays at its end, so only the new character
// needs the clean-up. Bytes may arrive in pieces of any size; a UTF-8 sequence cut between
// two pieces is put together again, so a line can be typed as it is read without being kept.
class ReactionTyper
{
  public:
    explicit ReactionTyper(const KeyOptions& keys);
    // The key sets decoded already, by a map that outlives the typer (one for many lines).
    ReactionTyper(const KeyMap& keys, bool autoCase);
    ReactionTyper(const ReactionTyper&) = delete;
    ReactionTyper& operator=(const ReactionTyper&) = delete;
    void Type(std::string_view bytes);
    // Type for keys that are all ASCII (each byte a key), into the empty line, in one walk
    // with what they showed: the command line reads its usual line so.
    void TypeAscii(std::string_view keys, AsciiTyping& shown);
    // The line as typed so far (a sequence still incomplete at the end stands for itself,
    // byte by byte); the typer then starts an empty line.
    std::string Finish();

  private:
    void TypeChar(char32_t ch);
    void Decode(bool atEnd);

    std::optional<KeyMap> OwnMap; // the map when the typer decoded the key sets itself
    const KeyMap& Map;
    bool AutoCase;
    std::string Text;
    TidyState State;
    unsigned char Pending[4];
    int PendingCount = 0;
};

// The text an empty reaction line ends with when typed is typed or pasted into it one
// character at a time: mapped, kept if in the alphabet, tidied.
std::string TypeReaction(std::string_view typed, const KeyOptions& keys);

// What each character of a reaction text is, for drawing it and writing it as a page: a
// digit run at the start or right after a separating "+" or the arrow is a coefficient; the
// digits and the sign after "^" are a charge, drawn raised, and that "^" (ChargeMark) is not
// drawn; a "^" with no charge after it (LoneMark) is; any other digit is a count, and a "-"
// the sign of one; ">" is the arrow; letters, "+" and the parentheses are symbols.
enum class ReactionPart
{
    Coefficient,
    Count,
    Minus,
    Arrow,
    Symbol,
    ChargeMark,
    Charge,
    LoneMark
};
std::vector<ReactionPart> ClassifyReaction(const std::string& text);

// The formulas the reaction line moves, selects and deletes by (Ctrl+arrows, a double-click,
// Ctrl+Backspace, Ctrl+Delete): the separators between them are the arrow and every "+"
// that is no charge's sign. Positions count characters, 0 to the text's length.
bool IsFormulaSeparator(const std::vector<ReactionPart>& parts, const std::string& text, int index);
// The start of the formula before pos, the separators right before pos passed over.
int FormulaStartBefore(const std::string& text, int pos);
// The end of the formula after pos, the separators right after pos passed over.
int FormulaEndAfter(const std::string& text, int pos);
