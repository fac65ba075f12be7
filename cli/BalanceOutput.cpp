// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BalanceOutput.h"

#include "core/TextbookNotation.h"
#include "texts/Messages.h"

#include <cstdio>

namespace {

// The character as it stands when it can be shown, and always its code: a control
// character would otherwise act on the terminal.
std::string Described(char32_t ch)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(ch));
    const bool printable = ch >= 0x20 && ch != 0x7F && !(ch >= 0x80 && ch < 0xA0);
    return printable ? "'" + EncodeUtf8(std::u32string(1, ch)) + "' (" + code + ")" : std::string(code);
}

} // namespace

BalancedLine BalanceLine(const std::string& line, const ReactionNotation& notation, AtomicWeights weights)
{
    BalancedLine result;
    if (IsBlankLine(line))
        return result;
    static const KeyOptions keys; // the default key sets, as in a new reaction line
    static const KeyMap typing(keys);
    const NotationReading reading = ReadReactionLine(line, keys, typing);
    BalanceOutcome outcome;
    if (reading.BadPosition) {
        outcome.status = BalanceOutcome::Status::InvalidReaction;
        result.Note = "cannot read " + Described(reading.BadCharacter) + " at character " +
                      std::to_string(reading.BadPosition);
    } else {
        outcome = BalanceReaction(reading.Text, keys.AutoCase);
    }
    result.Failed = outcome.status != BalanceOutcome::Status::Balanced;
    if (notation.WriteRecord)
        result.Output = notation.WriteRecord(line, outcome, weights);
    else if (!result.Failed)
        result.Output = notation.Write(outcome.BalancedText);
    else
        result.Output = FirstLine(BalanceMessage(outcome.status)->In(Language::English));
    return result;
}
