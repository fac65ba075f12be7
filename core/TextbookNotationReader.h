// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The textbook-notation reader's inside, shared by its two halves: the scan of the
// characters into pieces (TextbookNotation.cpp) and the building of the substances from
// them (TextbookNotationBuild.cpp).

#include "core/TextbookNotation.h"

#include <string>
#include <vector>

namespace Notation {

enum class PieceKind
{
    Letter,
    Digit,       // one digit of a count, or the "-" of a negative count
    Open,        // "(" or "["
    Close,       // ")" or "]"
    Charge,      // digits and sign as written
    Dot,         // a hydrate dot, as written
    Bond,        // "-", "=", "#"
    State,       // "(aq)", "↓"
    Coefficient, // a given coefficient: 2, 0.5, 1/2, ½
    Plus,
    Arrow,
    Blank
};

struct Piece
{
    PieceKind Kind;
    std::string Text;
    std::size_t Index; // of its first character, in the characters read
    ChargeStyle Style = ChargeStyle::Caret;
    ArrowKind Arrow = ArrowKind::Forward;
};

// One run of letters, with the index of each letter.
struct LetterRun
{
    std::string Letters;
    std::vector<std::size_t> Indices;
};

class Reader
{
  public:
    // chars are the text to read; origin gives, for each, its place in the text as given.
    Reader(std::u32string chars, std::vector<std::size_t> origin);

    NotationReading Read();

  private:
    std::u32string s;
    std::vector<std::size_t> origin;
    std::vector<Piece> pieces;
    NotationReading reading;
    std::size_t end = 0;
    bool equalsMayBeBond = false; // the text has an arrow besides any "=" between two formulas
    int transparentBraces = 0;    // open {...} of \ce, \mathrm and the like
    bool arrowSeen = false;

    // Scanning (TextbookNotation.cpp)
    void Scan();
    void Flag(std::size_t index, const std::string& name = std::string());
    void Add(PieceKind kind, std::string text, std::size_t index, ChargeStyle style = ChargeStyle::Caret);
    bool FormulaBefore(std::size_t i) const;
    bool EndsFormula(std::size_t k) const;
    bool EndsAt(std::size_t j) const;
    bool ArrowAt(std::size_t j) const;
    bool AtSubstanceStart() const;
    std::size_t ScanCaret(std::size_t i);
    std::size_t ScanBraces(std::size_t i);
    std::string BracketCharge(std::size_t i, std::size_t& close) const;
    std::size_t ScanSubscript(std::size_t i);
    std::size_t ScanSign(std::size_t i);
    std::size_t ScanArrow(std::size_t i, ArrowKind kind, std::size_t next);
    std::size_t ScanCommand(std::size_t i);
    std::size_t ScanCoefficient(std::size_t i);
    std::size_t ScanOther(std::size_t i);

    // Building (TextbookNotationBuild.cpp)
    void Build();
    WrittenSubstance BuildSubstance(const std::vector<const Piece*>& items);
    void AddLetters(const LetterRun& run, bool caseWritten, std::vector<WrittenToken>& tokens);
    void JoinPrefixes(std::vector<WrittenToken>& tokens);
    void Readings(const std::vector<std::vector<std::vector<WrittenToken>>>& others);
};

// The characters and their places in text as given, with a web page's markup read:
// <sub>2</sub> as ₂, <sup>3+</sup> as ³⁺, &rarr; as →, other tags left out.
void ReadMarkup(const std::u32string& text, std::u32string& chars, std::vector<std::size_t>& origin);

// True when text[i] starts a <sub> or <sup> tag or an entity such as &rarr;.
bool ShowsMarkup(const std::u32string& text, std::size_t i);

} // namespace Notation
