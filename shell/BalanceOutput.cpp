// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BalanceOutput.h"

#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"

#include <cstdio>
#include <utility>

namespace {

// The balanced reaction in format: a reaction read as textbook notation in the notation it
// was written in, a typed one from its compact text.
std::string Written(const BalanceOutcome& outcome, const WrittenReaction* written, BalanceFormat format)
{
    const std::string& balanced = outcome.BalancedText;
    const WrittenFormat writtenFormat = format == BalanceFormat::Unicode ? WrittenFormat::Unicode
                                        : format == BalanceFormat::Latex ? WrittenFormat::Latex
                                                                         : WrittenFormat::Html;
    if (written && written->IsWhole() && written->Substances.size() == outcome.Coefficients.size() &&
        format != BalanceFormat::Plain)
        return ReactionAsWritten(*written, outcome.Coefficients, writtenFormat);
    switch (format) {
    case BalanceFormat::Unicode:
        return ReactionAsUnicode(balanced);
    case BalanceFormat::Latex:
        return ReactionAsLatex(balanced);
    case BalanceFormat::Html:
        return ReactionAsHtml(balanced);
    default:
        return balanced;
    }
}

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

bool ParseBalanceFormat(const std::string& name, BalanceFormat& format)
{
    static const std::pair<const char*, BalanceFormat> names[] = {{"plain", BalanceFormat::Plain},
                                                                  {"unicode", BalanceFormat::Unicode},
                                                                  {"latex", BalanceFormat::Latex},
                                                                  {"html", BalanceFormat::Html},
                                                                  {"json", BalanceFormat::Json}};
    for (const auto& [text, value] : names)
        if (name == text) {
            format = value;
            return true;
        }
    return false;
}

BalancedLine BalanceLine(const std::string& line, BalanceFormat format, AtomicWeights weights)
{
    BalancedLine result;
    if (IsBlankLine(line))
        return result;
    static const KeyOptions keys; // the default key sets, as in a new reaction line
    static const KeyMap typing(keys);
    const NotationReading reading = ReadReactionLine(line, keys, typing);
    BalanceOutcome outcome;
    WrittenReaction written;
    if (reading.BadPosition) {
        outcome.status = BalanceOutcome::Status::InvalidReaction;
        result.Note =
            "cannot read " +
            (reading.BadName.empty() ? Described(reading.BadCharacter) : "'" + reading.BadName + "'") +
            " at character " + std::to_string(reading.BadPosition) +
            (reading.BadName.empty() ? "" : ": no element or group has that symbol");
    } else {
        const ChosenReading chosen = BalanceReading(reading, keys.ChB);
        outcome = chosen.Outcome;
        written = ChosenWritten(reading, chosen);
        result.Note = ReadingNote(chosen, Language::English);
    }
    result.Failed = outcome.status != BalanceOutcome::Status::Balanced;
    const WrittenReaction* asWritten = reading.Textbook ? &written : nullptr;
    if (format == BalanceFormat::Json)
        result.Output =
            BalanceAsJson(line, outcome, weights,
                          asWritten ? InputWithCoefficients(line, written, outcome.Coefficients) : "");
    else if (!result.Failed)
        result.Output = Written(outcome, asWritten, format);
    else
        result.Output = outcome.status == BalanceOutcome::Status::CannotBalance
                            ? "Can not balance this reaction"
                            : "Invalid reaction";
    return result;
}
