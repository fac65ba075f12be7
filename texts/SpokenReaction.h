// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reaction as a screen reader speaks it, in the interface's language: 2H2+O2>2H2O is
// "2 H 2 plus O 2 yields 2 H 2 O", Fe^3+ "Fe charge 3 plus", 2e^- "2 electrons",
// Ca(OH)2 "Ca open bracket O H close bracket 2". Element symbols and numbers stay as
// written, so a Farsi voice reads the symbols as letters and the numbers in Farsi.
//   SpokenReaction("H2+O2>H2O", Language::Farsi)  // "H 2 به‌اضافه O 2 می‌دهد H 2 O"

#include "texts/Language.h"

#include <string>
#include <string_view>
#include <vector>

// One piece a character of the reaction text: what it adds to the spoken text, with the
// blank that parts it from the piece before (none before the first, nor inside a number or
// a symbol). The "^" of the electron and its sign add nothing: the electron is one word.
// Joined, the pieces are SpokenReaction; a caret between two characters stands between
// their pieces.
std::vector<std::string> SpokenPieces(std::string_view reaction, Language lang);

std::string SpokenReaction(std::string_view reaction, Language lang);
