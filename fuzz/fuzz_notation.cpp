// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a pasted or command-line reaction, read and written back in every
// notation. The reading must end, never throw, and hold only characters of the compact
// reaction text (and "^" of a charge).
#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/TextbookNotation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const NotationReading reading = ReadReactionLine(text, KeyOptions());
    ReadTextbookNotation(text);
    for (char c : reading.Text)
        if (!IsReactionChar(c) && c != '^')
            std::abort();
    ReactionAsUnicode(text);
    ReactionAsLatex(text);
    ReactionAsHtml(text);
    BalanceOutcome outcome = BalanceReaction(reading.Text, true);
    BalanceAsJson(text, outcome);
    return 0;
}
