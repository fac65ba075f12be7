// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window and the command line say alike about a reaction: the message a Balance
// outcome gets, the reason a refused reaction has no answer, how lower case was read, and
// what a check found.

#include "core/Balance.h"
#include "core/BalanceCheck.h"
#include "core/ReadingChoice.h"
#include "texts/Language.h"

#include <string>
#include <vector>

// The message a Balance outcome is told with; null for a balanced reaction.
const LocalText* BalanceMessage(BalanceOutcome::Status status);

// The first line of a message, as the command line prints it ("\r" breaks a message's
// lines in the window's message box).
std::string FirstLine(const char* text);

// The window's message for a refused reaction, in lang: the message, and the reason under
// it a sentence a line (reactions written in the unicode notation).
std::string RefusalMessage(const BalanceOutcome& outcome, Language lang);

// Why a refused reaction has no answer, a sentence (or a heading and the reactions) a line,
// in lang; reactions in the unicode notation or the compact one.
std::vector<std::string> RefusalLines(const BalanceOutcome& outcome, Language lang, bool unicode);

// The same in English on one line, for standard error, with the --medium that would
// complete the reaction.
std::string RefusalNote(const BalanceOutcome& outcome);

// How letters typed in lower case were read, in lang: "Read co2 as CO2", or the readings
// that would balance when several do; "" when the text was read as it stands.
std::string ReadingNote(const ChosenReading& chosen, Language lang);

// Why a paste was refused: "No element or group is called Xy".
std::string UnknownNameNote(const std::string& name, Language lang);

// Lines run on as one line for standard error; empty ones are left out.
std::string JoinedLines(const std::vector<std::string>& lines);

// What a check found: the verdict, whether the coefficients are in lowest terms, and the
// tally of each element and the charge (or why the reaction does not read).
std::vector<std::string> CheckLines(const ReactionCheck& check, Language lang, bool unicode);

// A character as it stands when it can be shown, and always its code ("'@' (U+0040)"): a
// control character would otherwise act on the terminal.
std::string DescribedCharacter(char32_t ch);

// The status bar's word on the worksheet's limiting reactant, its formula drawn with
// subscripts and charges.
std::string LimitingReactantMessage(const std::string& formula, Language lang);
