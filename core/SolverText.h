// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Fraction.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// The text of the solver's equations and the steps of a pass that work on one line at a
// time. A line is "left=right"; a side is a run of terms, each cut off at the next "+" or
// "-"; a term is an optional sign, a coefficient of digits and "/", and for a variable
// "[" k "]". The steps read and write exactly this text, without building a string for
// every term or number.

// Buffers a step may grow and keep for the next line.
struct LineWork
{
    std::string Left;
    std::string Right;
    std::string Kept;
    std::string Flipped;
    std::vector<std::string_view> Terms;
    std::vector<int> Variables;
    std::vector<int> Occurrences;
    std::vector<int> Repeated;
    std::vector<Fraction> Table;
    std::vector<char> Used;
};

// Position of the first "=" of an equation line; throws InvalidReactionError without one.
size_t EquationSign(std::string_view line);

// Calls f with every term of a side, in order; the pieces join up to the side again.
template <class F> void ForEachTerm(std::string_view side, F&& f)
{
    size_t start = 0;
    while (start < side.size()) {
        size_t next = start + 1;
        while (next < side.size() && side[next] != '+' && side[next] != '-')
            ++next;
        f(side.substr(start, next - start));
        start = next;
    }
}

inline std::string_view FirstTerm(std::string_view side)
{
    size_t next = 1;
    while (next < side.size() && side[next] != '+' && side[next] != '-')
        ++next;
    return side.substr(0, std::min(next, side.size()));
}

// Position of c in text from from on, or npos: a plain loop, as the texts are short.
inline size_t Find(std::string_view text, char c, size_t from = 0)
{
    while (from < text.size() && text[from] != c)
        ++from;
    return from < text.size() ? from : std::string_view::npos;
}
// The variable of a term such as -3/2[4], or -1 for a constant; throws when its "[" has no
// "]" or the index does not convert.
int TermVariable(std::string_view term);
// The signed coefficient of a term (the text before its "["), as a fraction.
Fraction TermCoefficient(std::string_view term);
// Subtraction is done on the text: the term with its sign character flipped, read as a
// fraction.
Fraction ParseFlipped(std::string_view term);

// A fraction with "+" in front unless it is negative; "[" k "]"; every line and CR LF.
void AppendWithSign(std::string& out, const Fraction& f);
void AppendVariable(std::string& out, int k);
void AppendSystemText(std::string& out, const std::vector<std::string>& system);

// Step 1: every known variable of the line is replaced, with its coefficient, by the
// product (a whole number when it is one). A negative product takes over the sign before
// the coefficient ("+" becomes "-", "-" becomes "+").
void SubstituteValues(std::string& line, const std::vector<Fraction>& known, const std::vector<char>& isKnown,
                      LineWork& work);
// Step 3: "constant=terms" into out. Variable terms move from the left to the end of the
// right side, constants from the right to the left, each with its sign inverted. False when
// the line is already so (out is then not written).
bool Normalise(std::string_view line, std::string& out, LineWork& work);
// Step 4: repeated variables of a line become one term at its end, into out. A sum of zero
// is dropped rather than appended, so a zero coefficient can never become an elimination
// pivot; a line left without terms says 0=0 and goes with the next pass. False when no
// variable repeats (out is then not written).
bool CombineRepeated(std::string_view line, int n, std::string& out, LineWork& work);
// Step 5: a line with one term gives that variable's value; a zero coefficient makes the
// line 0=0.
void SolveSingle(std::string& line, int n, std::vector<std::string>& values);
