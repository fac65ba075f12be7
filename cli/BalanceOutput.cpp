// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BalanceOutput.h"

#include "core/NotationWriters.h"
#include "core/ReactionText.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"
#include "texts/Messages.h"
#include "texts/Texts.h"

#include <utility>

namespace {

// The default key sets, as in a new reaction line, and what they type: made when first
// needed (not as every run of the program starts), and taken once a line.
struct LineKeySets
{
    KeyOptions Keys;
    KeyMap Typing{Keys};
};

const LineKeySets& LineKeys()
{
    static const LineKeySets keys;
    return keys;
}

// The line read as --balance and --check read it.
NotationReading ReadLine(const std::string& line, const LineKeySets& keys)
{
    return ReadReactionLine(line, keys.Keys, keys.Typing);
}

// Why a line does not read: the character or name that cannot be used, and where.
std::string UnreadableNote(const NotationReading& reading)
{
    const bool name = !reading.BadName.empty();
    return "cannot read " + (name ? "'" + reading.BadName + "'" : DescribedCharacter(reading.BadCharacter)) +
           " at character " + std::to_string(reading.BadPosition) +
           (name ? ": no element or group has that symbol" : "");
}

// The text Balance gets from the line's reading (with the coefficients it wrote), or the
// reason it does not read.
inline bool TextOfLine(const std::string& line, const LineKeySets& keys, NotationReading& reading,
                       std::string& text, std::string& note)
{
    if (reading.BadPosition) {
        note = UnreadableNote(reading);
        return false;
    }
    text = TextToBalance(line, reading, keys.Typing, keys.Keys.AutoCase);
    return true;
}

} // namespace

BalancedLine BalanceLine(const std::string& line, const ReactionNotation& notation, AtomicWeights weights,
                         Medium medium)
{
    BalancedLine result;
    if (IsBlankLine(line))
        return result;
    std::string text;
    const LineKeySets& keys = LineKeys();
    NotationReading reading = ReadLine(line, keys);
    WrittenReaction written;
    // The typed reading's own text, handed over when the keys write no coefficient, is tidy.
    const bool tidy = !reading.Textbook && !reading.KeysMayWriteCoefficients;
    const bool read = TextOfLine(line, keys, reading, text, result.Note);
    // The outcome stays where the balance made it, without a move for each line.
    ChosenReading chosen =
        read ? BalanceReading(reading, std::move(text), keys.Keys.AutoCase, medium, tidy) : ChosenReading();
    BalanceOutcome& outcome = chosen.Outcome;
    if (read) {
        if (reading.Textbook) // only a textbook's reaction is written back as it came
            written = ChosenWritten(reading, chosen);
        result.Note = ReadingNote(chosen, Language::English);
    } else {
        outcome.Reason = RefusalReason::UnreadableCharacter;
    }
    result.Failed = outcome.status != BalanceOutcome::Status::Balanced;
    if (result.Failed && read)
        result.Note = JoinedLines({RefusalNote(outcome), result.Note});
    // A reaction read as textbook notation is written back in the notation it came in.
    const bool asWritten =
        reading.Textbook && written.IsWhole() && written.Substances.size() == outcome.CoefficientTexts.size();
    if (notation.WriteRecord)
        result.Output = notation.WriteRecord(
            line, outcome, weights,
            reading.Textbook ? InputWithCoefficients(line, written, outcome.CoefficientTexts) : "");
    else if (!result.Failed && asWritten && notation.WriteAsWritten)
        result.Output = notation.WriteAsWritten(written, outcome.CoefficientTexts);
    else if (!result.Failed && notation.WritesAsItStands)
        result.Output = std::move(outcome.BalancedText); // the outcome goes with the line
    else if (!result.Failed)
        result.Output = notation.Write(outcome.BalancedText);
    else
        result.Output = FirstLine(BalanceMessage(outcome.status)->In(Language::English));
    return result;
}

BalancedLine UnreadLine(const ReactionNotation* notation, AtomicWeights weights, std::string note)
{
    BalanceOutcome invalid;
    invalid.status = BalanceOutcome::Status::InvalidReaction;
    BalancedLine result;
    result.Failed = true;
    result.Note = std::move(note);
    if (notation && notation->WriteRecord)
        result.Output = notation->WriteRecord("", invalid, weights, "");
    else
        result.Output = FirstLine(BalanceMessage(invalid.status)->In(Language::English));
    return result;
}

BalancedLine CheckLine(const std::string& line)
{
    BalancedLine result;
    result.Failed = true;
    if (IsBlankLine(line))
        return result;
    std::string text;
    const LineKeySets& keys = LineKeys();
    NotationReading reading = ReadLine(line, keys);
    if (!TextOfLine(line, keys, reading, text, result.Note)) {
        result.Output = Texts::MsgInvalidReaction.In(Language::English);
        return result;
    }
    const ReactionCheck check = CheckReaction(text, keys.Keys.AutoCase);
    result.Failed = check.status != BalanceOutcome::Status::Balanced;
    result.Output = check.Text;
    for (const std::string& checked : CheckLines(check, Language::English, false))
        result.Output += "\n  " + checked;
    return result;
}
