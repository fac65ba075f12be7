// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BalanceOutput.h"

#include "core/NotationWriters.h"
#include "core/ReactionParser.h"
#include "core/ReactionText.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"
#include "texts/Messages.h"
#include "texts/Texts.h"

#include <algorithm>
#include <utility>

namespace {

// The reaction text as the one typed on the command line gives it, with the coefficients
// the line wrote in front of their substances: the textbook reading keeps them aside, and
// a typed line holds them where its keys put them (the reaction line's clean-up, which
// Balance runs, takes them out). When the typed keys do not give the reading back exactly
// (a character typing drops), the reading stands alone. The reading's own text is handed
// over where it stands as it is.
std::string WithWrittenCoefficients(const std::string& line, NotationReading& reading, const KeyMap& typing,
                                    bool autoCase)
{
    if (reading.Textbook)
        return WithGivenCoefficients(reading.Text, reading.Coefficients);
    const size_t begin = line.find_first_not_of(" \t");
    const size_t end = line.find_last_not_of(" \t");
    const std::string_view typed = std::string_view(line).substr(begin, end + 1 - begin);
    std::string keys;
    if (std::all_of(typed.begin(), typed.end(),
                    [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        // ASCII, the usual line: each byte is its character. Most lines write no coefficient
        // (a digit typed first or after a separator), which is seen without keeping the keys.
        bool coefficient = false;
        char before = '+';
        for (const char b : typed)
            if (const char c = typing.Typed(static_cast<unsigned char>(b))) {
                coefficient = coefficient || (IsDigitChar(c) && (before == '+' || before == '>'));
                before = c;
            }
        if (!coefficient)
            return std::move(reading.Text); // not read again: handed over, not copied
        for (const char b : typed)
            if (const char c = typing.Typed(static_cast<unsigned char>(b)))
                keys += c;
    } else {
        for (char32_t ch : DecodeUtf8(typed))
            if (const char c = typing.Typed(ch))
                keys += c;
    }
    if (GivenCoefficients(keys).empty())
        return std::move(reading.Text);
    std::string tidied = keys;
    int caret = 0;
    TidyReaction(tidied, caret, autoCase);
    return tidied == reading.Text ? keys : reading.Text;
}

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
    if (!reading.Textbook && !reading.KeysMayWriteCoefficients)
        text = std::move(reading.Text); // the usual line: no coefficient written, seen as it was read
    else
        text = WithWrittenCoefficients(line, reading, keys.Typing, keys.Keys.AutoCase);
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
        // Only a textbook's reaction is written back as it came; the reading's own, when
        // chosen as it stands, is taken rather than copied.
        if (reading.Textbook)
            written = chosen.Candidate == 0 && chosen.Split.empty() ? std::move(reading.Written)
                                                                    : ChosenWritten(reading, chosen);
        if (!chosen.Read.empty() || !chosen.Balancing.empty()) // what else it was read as
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
