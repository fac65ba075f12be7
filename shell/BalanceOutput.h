// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Balance.h"
#include "core/BalanceCheck.h"
#include "core/Language.h"
#include "core/PreciseWeights.h"
#include "core/ReadingChoice.h"

#include <string>
#include <vector>

// One line of --balance or --check: read (textbook notation or typed keys), balanced or
// checked and written in the chosen notation; and the words for why a reaction has no
// answer and for what a check found, which the window shows too.

enum class BalanceFormat
{
    Plain, // the compact text of the reaction line, 2H2+O2>2H2O
    Unicode,
    Latex,
    Html,
    Json
};

// The format called name ("plain", "unicode", "latex", "html" or "json"); false for any other.
bool ParseBalanceFormat(const std::string& name, BalanceFormat& format);

struct BalancedLine
{
    std::string Output; // without the line feed
    bool Failed = false;
    // What standard error says about the line: why the reading failed ("cannot read '@'
    // (U+0040) at character 10"), why the reaction has no answer, or how letters typed in
    // lower case were read ("Read co2 as CO2"); empty otherwise.
    std::string Note;
};

// A blank line gives an empty output line, so that outputs stay in step with inputs. A
// character that no reading can use fails the line as an invalid reaction. The coefficients
// the line gives choose among several balanced forms; a medium completes a reaction of ions
// that needs it. The JSON form's molar masses are summed from weights.
BalancedLine BalanceLine(const std::string& line, BalanceFormat format, AtomicWeights weights,
                         Medium medium = Medium::None);

// The line checked: the reaction with its coefficients, a line per element (and the charge)
// with its tallies, and the verdict; Failed when they do not balance or the line does not
// read.
BalancedLine CheckLine(const std::string& line);

// Why a refused reaction has no answer, a sentence (or a heading and the reactions) a line,
// in lang; reactions in the unicode notation or the compact one.
std::vector<std::string> RefusalLines(const BalanceOutcome& outcome, Language lang, bool unicode);

// The same in English on one line, for standard error, with the --medium that would
// complete the reaction.
std::string RefusalNote(const BalanceOutcome& outcome);

// How letters typed in lower case were read, in lang: "Read co2 as CO2", or the readings
// that would balance when several do; "" when the text was read as it stands.
std::string ReadingNote(const ChosenReading& chosen, Language lang);

// What a check found: the verdict, whether the coefficients are in lowest terms, and the
// tally of each element and the charge (or why the reaction does not read).
std::vector<std::string> CheckLines(const ReactionCheck& check, Language lang, bool unicode);
