// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a pasted or command-line reaction (or a formula), read and written back
// in every notation. The reading must end, never throw, and hold only characters of the
// compact reaction text; a reaction that balances, written by every writer, must read back
// and balance to the same answer.
#include "core/Balance.h"
#include "core/Errors.h"
#include "core/NotationWriters.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The line read and balanced as the command line does it.
ChosenReading Balanced(const std::string& line, NotationReading& reading)
{
    static const KeyOptions keys;
    static const KeyMap typing(keys);
    reading = ReadReactionLine(line, keys, typing);
    for (char c : reading.Text)
        if (!IsReactionChar(c))
            std::abort();
    return BalanceReading(reading, TextToBalance(line, reading, typing, keys.AutoCase), keys.AutoCase);
}

void ReadsBackAs(const std::string& written, const std::string& balanced)
{
    NotationReading reading;
    const ChosenReading again = Balanced(written, reading);
    if (reading.BadPosition || again.Outcome.BalancedText != balanced)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        MolarMassAsWritten(text, AtomicWeights::Table);
    } catch (const StoikonError&) {
    }
    ReactionAsUnicode(text);
    ReactionAsLatex(text);
    ReactionAsHtml(text);
    NotationReading reading;
    const ChosenReading chosen = Balanced(text, reading);
    const BalanceOutcome& outcome = chosen.Outcome;
    const WrittenReaction written = ChosenWritten(reading, chosen);
    const std::string withCoefficients = InputWithCoefficients(text, written, outcome.CoefficientTexts);
    BalanceAsJson(text, outcome, AtomicWeights::Table, withCoefficients);
    if (reading.BadPosition || outcome.status != BalanceOutcome::Status::Balanced)
        return 0;
    const std::string& balanced = outcome.BalancedText;
    ReadsBackAs(balanced, balanced);
    for (const std::string& out :
         {ReactionAsUnicode(balanced), ReactionAsLatex(balanced), ReactionAsHtml(balanced)})
        ReadsBackAs(out, balanced);
    if (!reading.Textbook || !written.IsWhole())
        return 0;
    for (WrittenFormat format : {WrittenFormat::Unicode, WrittenFormat::Latex, WrittenFormat::Html})
        ReadsBackAs(ReactionAsWritten(written, outcome.CoefficientTexts, format), balanced);
    ReadsBackAs(withCoefficients, balanced);
    return 0;
}
