// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How a reaction was written, kept beside the compact text that Balance works on, so that
// the writers can give the reaction back in the notation it came in: hydrate dots, square
// brackets, states, charges as written, organic groups, the kind of arrow and what stands
// over it.

enum class WrittenKind : unsigned char
{
    Symbol,     // an element or a group as written: Fe, Ph, iPr; e for the electron
    Count,      // a count after a symbol or a bracket: "2"; "-1" in the reaction line's notation
    Multiplier, // the count after a hydrate dot: the 5 of ·5H2O
    Open,       // "(" or "["
    Close,      // ")" or "]"
    Dot,        // a hydrate dot as written: "·", "*", "."
    Bond,       // "-", "=" or "#", as organic formulas write them
    Charge,     // digits and sign in their written order: "3+", "+3", "-"
    State       // "(aq)", "(s)", "(l)", "(g)", "(cr)", "↓", "↑"
};

enum class ChargeStyle : unsigned char
{
    Caret,       // Fe^3+
    CaretBraces, // Fe^{3+}
    Braces,      // Fe{3+}
    Bare,        // Fe3+, Cl-: the sign right after the formula
    Superscript  // Fe³⁺, and the <sup> of a web page
};

struct WrittenToken
{
    WrittenKind Kind;
    std::string Text;
    ChargeStyle Style = ChargeStyle::Caret; // of a charge

    bool operator==(const WrittenToken& other) const
    {
        return Kind == other.Kind && Text == other.Text && Style == other.Style;
    }
};

struct WrittenSubstance
{
    std::vector<WrittenToken> Tokens;
    std::string Given; // the coefficient written before it: "2", "0.5", "1/2", "" when none
    // Where it stands in the text as given, in characters from 0: its given coefficient runs
    // from CoefficientBegin to FormulaBegin (the same place when none was given).
    std::size_t CoefficientBegin = 0;
    std::size_t FormulaBegin = 0;
};

enum class ArrowKind : unsigned char
{
    Forward,     // → -> =>
    Equilibrium, // ⇌ <=>
    BothWays,    // ↔ <->
    TwoArrows,   // ⇄ <-->
    Equals       // =
};

struct WrittenReaction
{
    std::vector<WrittenSubstance> Substances;
    // What the compact text has before substance k (Joins[k]) and after the last one: "+",
    // ">", nothing, or ">>" where two arrows stand, kept for Balance to refuse.
    std::vector<std::string> Joins;
    std::size_t Reactants = 0;
    ArrowKind Arrow = ArrowKind::Forward;
    std::vector<std::string> Conditions; // over the arrow, then under it, as written: "\Delta", "hv"
    bool SpacedCoefficients = false;     // "2 H2O" rather than "2H2O"
    // The symbols of elements that stand for groups here: Pr for propyl, Ac for acetyl, Ts
    // for tosyl, rather than praseodymium, actinium and tennessine.
    std::vector<std::string> ElementsAsGroups;

    // True when the reaction has one arrow, reactants and products, and only "+" besides.
    bool IsWhole() const;
};

// The compact reaction text of a written reaction: H2+O2>H2O, CuSO4(H2O)5, Fe^3+, groups
// spelt out in their elements (PhCH3 is C6H5CH3).
std::string CompactText(const WrittenReaction& written);

// The formula of a group written as symbol (Ph, Et, n-Bu), or "" when it is none.
std::string GroupFormula(const std::string& symbol, const WrittenReaction& written);

// Reads every two-letter symbol of symbols (Co) as its two letters' symbols (C and O).
void SplitSymbols(WrittenReaction& written, const std::vector<std::string>& symbols);
