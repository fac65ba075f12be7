// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"
#include "core/ReactionText.h"
#include "core/WrittenReaction.h"

#include <string>
#include <vector>

// Reading reactions as people write them in books, on web pages and in documents
// (2H₂ + O₂ → 2H₂O, CuSO₄·5H₂O, Zn(s) + HCl(aq), Fe³⁺) into the compact reaction text that
// Balance reads (H2+O2>H2O, CuSO4(H2O)5, Fe^3+). Text that shows none of the textbook signs
// keeps its typed meaning, key by key, so h2=o2 h2o still reads as H2+O2>H2O.

// One way of reading a text: its compact text and how it was written.
struct ReadingCandidate
{
    std::string Text;
    WrittenReaction Written;
};

// What a text reads as. Text may still need tidying, which Balance and the reaction line do
// anyway; the given coefficients are already gone from a textbook reading.
struct NotationReading
{
    std::string Text;
    bool Textbook = false; // read as textbook notation rather than as typed keys
    // The first character that the reading could not use, and its place: 1-based, counted
    // in characters (not bytes) of the text as given. 0 when every character was used.
    // The unusable characters are left out of Text, as typing leaves them out.
    std::size_t BadPosition = 0;
    char32_t BadCharacter = 0;
    // When the unusable thing at BadPosition is a name no element or group has: "Xy".
    std::string BadName;
    // How a textbook reading was written (its places count from the start of the text).
    WrittenReaction Written;
    // The other readings of signs that may be charges and of Pr and Ac, in the order they
    // are tried when Text does not balance: Mn2+ as Mn^2+ first, then as Mn2^+.
    std::vector<ReadingCandidate> Others;
    // The coefficient written before each substance of Text ("" where none), when Textbook:
    // Balance lets them choose among several balanced forms, and Check checks them.
    std::vector<std::string> Coefficients;
    // False when the typed reading saw that the keys write no coefficient (no digit typed
    // first or right after a "+" or the arrow): then the reading's Text is all there is to
    // balance, as the command line hands it over.
    bool KeysMayWriteCoefficients = true;
};

// True when text shows a sign of textbook notation: a Unicode arrow, subscript or
// superscript; "->" or "=>"; a "+" with blanks on both sides; a state symbol (s), (l), (g)
// or (aq); a hydrate dot (· • ∙ ⋅ *, or "." between a formula and a formula, in a text
// that also has an arrow); a charge in braces or with its sign first (S^-2); the electron
// as e-; a LaTeX command (\ce{...}); a web page's <sub>, <sup> or &rarr;; a group (Ph, Et)
// or an element (Nh) that typing would write otherwise. It also applies when the typed
// reading (with keys) would have no arrow but the text holds exactly one "=".
bool TextbookNotationApplies(const std::string& text, const KeyOptions& keys);

// Reads text (UTF-8) as textbook notation: subscript digits are counts; superscripts,
// ^3+, ^{2-}, {3+}, (3+), sign first (^-2, {+3}) and a sign that touches its formula and
// ends it (Na+ + Cl-, Fe+3) are charges; e-, e and a lone {-} are the electron; every arrow
// and "=" is ">", what brackets right after an arrow hold stands over it; "+" separates;
// blanks are spacing; a hydrate dot with its count becomes a group (CuSO4·5H2O is
// CuSO4(H2O)5); states (also mhchem's " v" and " ^") and given coefficients (2, 0.5, 1/2)
// are dropped; square brackets are parentheses; "-", "=" and "#" between formulas are bonds;
// Me, Et, Pr, Bu, Ph, Ac, Bn and Ts are their groups (Pr, Ac and Ts only beside carbon or
// before OH or NH). A formula written all in lower case takes the letter case of typing.
// A "+" with no substance on one side, a blank inside a formula, a name that no element or
// group has and any character of no known kind are unusable.
NotationReading ReadTextbookNotation(const std::string& text);

// True when line holds nothing but blanks (Unicode spaces too) and invisible characters.
bool IsBlankLine(const std::string& line);

// One line of input as Stoikon reads it from the command line: leading and trailing blanks
// ignored, then textbook notation when it applies, otherwise typed key by key with keys
// (a character the keys cannot type is unusable).
NotationReading ReadReactionLine(const std::string& line, const KeyOptions& keys);
// The same with keys decoded once (typing is KeyMap(keys)), for many lines.
NotationReading ReadReactionLine(const std::string& line, const KeyOptions& keys, const KeyMap& typing);

// One formula as --molar-mass reads it: as --balance reads a substance (CuSO4·5H2O,
// [Cu(NH3)4]SO4, H₂O, PhCH3) when it shows a sign of textbook notation, a square bracket or a
// dot; otherwise as it stands (co, OH-1), blanks around it ignored.
NotationReading ReadFormula(const std::string& formula);

// The molar mass of a formula so read (MolarMass of its compact text). Throws a StoikonError
// for anything but one weighable formula.
std::string MolarMassAsWritten(const std::string& formula, AtomicWeights weights);

// Paste's reading of clipboard text. Its first line that is not blank is read as textbook
// notation when it shows a sign of it, or when it is the only line and the "=" rule holds;
// the rest of the text is left out, as a reaction is one line. A carriage return ending that
// line balances, as a pasted one does. Otherwise the whole text is typed key by key.
struct PastedReading
{
    bool Textbook = false;
    std::string Text;                      // the reading, when Textbook
    bool Balance = false;                  // a carriage return ended the line
    std::vector<std::string> Coefficients; // given before each substance of Text
    // A name in it that no element or group has ("Xy"): the paste is refused, Text empty.
    std::string BadName;
};
PastedReading ReadPastedText(const std::string& clipboard, const KeyOptions& keys);
