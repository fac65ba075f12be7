// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BalanceOutput.h"

#include "core/ChargeNotation.h"
#include "core/NotationWriters.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"
#include "shell/InterfaceTexts.h"

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
    if (written && written->IsWhole() && written->Substances.size() == outcome.CoefficientTexts.size() &&
        format != BalanceFormat::Plain)
        return ReactionAsWritten(*written, outcome.CoefficientTexts, writtenFormat);
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

// Formulas and reactions read left to right in a Farsi sentence too.
std::string LeftToRight(const std::string& text, Language lang)
{
    return lang == Language::Farsi ? "\u2066" + text + "\u2069" : text;
}

// A Farsi line that begins with a formula or a reaction still runs right to left.
std::string RightToLeftLine(const std::string& line, Language lang)
{
    return lang == Language::Farsi ? "\u200F" + line : line;
}

std::string Filled(const LocalText& text, Language lang, const std::string& first,
                   const std::string& second = {})
{
    std::string out = text.In(lang);
    for (const auto& [mark, value] :
         {std::pair<const char*, const std::string&>{"%1", first}, {"%2", second}}) {
        const size_t at = out.find(mark);
        if (at != std::string::npos)
            out.replace(at, 2, value);
    }
    return out;
}

std::string Listed(const std::vector<std::string>& names, Language lang)
{
    std::string out;
    for (const std::string& name : names) {
        if (!out.empty())
            out += lang == Language::Farsi ? "، " : ", ";
        out += LeftToRight(name == ChargeSymbol ? Texts::ChargeName.In(lang) : name, lang);
    }
    return out;
}

// The reaction text as the one typed on the command line gives it, with the coefficients
// the line wrote in front of their substances: the textbook reading keeps them aside, and
// a typed line holds them where its keys put them (the reaction line's clean-up, which
// Balance runs, takes them out). When the typed keys do not give the reading back exactly
// (a character typing drops), the reading stands alone.
std::string WithWrittenCoefficients(const std::string& line, const NotationReading& reading,
                                    const KeyMap& typing, bool autoCase)
{
    if (reading.Textbook)
        return WithGivenCoefficients(reading.Text, reading.Coefficients);
    const size_t begin = line.find_first_not_of(" \t");
    const size_t end = line.find_last_not_of(" \t");
    std::string keys;
    for (char32_t ch : DecodeUtf8(line.substr(begin, end + 1 - begin)))
        if (const char c = typing.Typed(ch))
            keys += c;
    if (GivenCoefficients(keys).empty())
        return reading.Text;
    std::string tidied = keys;
    int caret = 0;
    TidyReaction(tidied, caret, autoCase);
    return tidied == reading.Text ? keys : reading.Text;
}

// The line read as --balance and --check read it, and the text Balance gets from it (with
// the coefficients it wrote), or the reason it does not read.
bool ReadLine(const std::string& line, NotationReading& reading, std::string& text, std::string& note)
{
    static const KeyOptions keys; // the default key sets, as in a new reaction line
    static const KeyMap typing(keys);
    reading = ReadReactionLine(line, keys, typing);
    if (reading.BadPosition) {
        const bool name = !reading.BadName.empty();
        note = "cannot read " + (name ? "'" + reading.BadName + "'" : Described(reading.BadCharacter)) +
               " at character " + std::to_string(reading.BadPosition) +
               (name ? ": no element or group has that symbol" : "");
        return false;
    }
    text = WithWrittenCoefficients(line, reading, typing, keys.ChB);
    return true;
}

// Lines run on as one line for standard error.
std::string Joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        if (!out.empty())
            out += out.back() == ':' || out.back() == '.' ? " " : "; ";
        out += line;
    }
    return out;
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

std::vector<std::string> RefusalLines(const BalanceOutcome& outcome, Language lang, bool unicode)
{
    const auto reaction = [&](const std::string& text) {
        return LeftToRight(unicode ? ReactionAsUnicode(text) : text, lang);
    };
    const std::string names = Listed(outcome.Names, lang);
    const std::string first = outcome.Reactions.empty() ? std::string() : reaction(outcome.Reactions.front());
    std::vector<std::string> lines;
    switch (outcome.Reason) {
    case RefusalReason::None:
        break;
    case RefusalReason::Empty:
        lines.push_back(Texts::ReasonEmpty.In(lang));
        break;
    case RefusalReason::NoArrow:
        lines.push_back(Texts::ReasonNoArrow.In(lang));
        break;
    case RefusalReason::SeveralArrows:
        lines.push_back(Texts::ReasonSeveralArrows.In(lang));
        break;
    case RefusalReason::UnreadableCharacter:
        lines.push_back(
            Filled(Texts::ReasonUnreadableCharacter, lang,
                   outcome.Names.empty() ? std::string() : Described(DecodeUtf8(outcome.Names[0])[0])));
        break;
    case RefusalReason::MissingSubstance:
        lines.push_back(Texts::ReasonMissingSubstance.In(lang));
        break;
    case RefusalReason::UnreadableFormula:
        lines.push_back(Filled(Texts::ReasonUnreadableFormula, lang, names));
        break;
    case RefusalReason::ElementOnOneSide:
        if (!outcome.Names.empty())
            lines.push_back(Filled(Texts::ReasonOnlyReactants, lang, names));
        if (!outcome.OtherNames.empty())
            lines.push_back(Filled(Texts::ReasonOnlyProducts, lang, Listed(outcome.OtherNames, lang)));
        break;
    case RefusalReason::ChargeOnOneSide:
        lines.push_back(
            (names == "left" ? Texts::ReasonChargeOnlyReactants : Texts::ReasonChargeOnlyProducts).In(lang));
        break;
    case RefusalReason::NoBalancedForm:
        lines.push_back(Texts::ReasonNoBalancedForm.In(lang));
        break;
    case RefusalReason::SubstanceLeftOut:
        lines.push_back(Filled(Texts::ReasonLeftOut, lang, names, first));
        break;
    case RefusalReason::WrongSide:
        lines.push_back(Filled(Texts::ReasonWrongSide, lang, names, first));
        break;
    case RefusalReason::SeveralReactions:
        lines.push_back(Filled(Texts::ReasonSeveralReactions, lang, std::to_string(outcome.ReactionCount)));
        // A dozen at most: a box or a line of standard error holds no more (JSON a hundred).
        for (size_t k = 0; k < outcome.Reactions.size() && k < 12; ++k)
            lines.push_back(RightToLeftLine(reaction(outcome.Reactions[k]), lang));
        if (outcome.ReactionCount > 12)
            lines.push_back(
                Filled(Texts::ReasonMoreReactions, lang, std::to_string(outcome.ReactionCount - 12)));
        if (outcome.GivenCoefficientsUnsettled)
            lines.push_back(Texts::ReasonGivenUnsettled.In(lang));
        break;
    }
    if (outcome.CompletesInAcid || outcome.CompletesInBase)
        lines.push_back((!outcome.CompletesInBase   ? Texts::OfferAcidic
                         : !outcome.CompletesInAcid ? Texts::OfferBasic
                                                    : Texts::OfferBoth)
                            .In(lang));
    return lines;
}

std::string RefusalNote(const BalanceOutcome& outcome)
{
    std::string note = Joined(RefusalLines(outcome, Language::English, false));
    if (outcome.CompletesInAcid || outcome.CompletesInBase)
        note += !outcome.CompletesInBase   ? " (--medium acid)"
                : !outcome.CompletesInAcid ? " (--medium base)"
                                           : " (--medium acid or base)";
    return note;
}

std::string ReadingNote(const ChosenReading& chosen, Language lang)
{
    const auto pairs = [lang](const std::vector<ReadAs>& read) {
        std::string text;
        for (const ReadAs& pair : read)
            text +=
                (text.empty()              ? ""
                 : lang == Language::Farsi ? "، "
                                           : ", ") +
                Filled(Texts::ReadAsPair, lang, LeftToRight(pair.Typed, lang), LeftToRight(pair.Read, lang));
        return text;
    };
    if (!chosen.Read.empty())
        return Filled(Texts::ReadAsNote, lang, pairs(chosen.Read));
    std::string readings;
    for (const std::vector<ReadAs>& reading : chosen.Balancing)
        readings += (readings.empty() ? "" : Texts::ReadingsOr.In(lang)) + pairs(reading);
    return readings.empty() ? "" : Filled(Texts::OthersBalanceNote, lang, readings);
}

std::vector<std::string> CheckLines(const ReactionCheck& check, Language lang, bool unicode)
{
    std::vector<std::string> lines;
    if (check.status == BalanceOutcome::Status::InvalidReaction) {
        BalanceOutcome reading;
        reading.Reason = check.Reason;
        reading.Names = check.Names;
        lines.push_back(Texts::MsgInvalidReaction.In(lang));
        for (std::string& line : RefusalLines(reading, lang, unicode))
            lines.push_back(std::move(line));
        return lines;
    }
    const bool balanced = check.status == BalanceOutcome::Status::Balanced;
    lines.push_back((balanced ? Texts::CheckBalanced : Texts::CheckNotBalanced).In(lang));
    lines.push_back(check.CommonDivisor == "1"
                        ? Texts::CheckLowestTerms.In(lang)
                        : Filled(Texts::CheckNotLowestTerms, lang, check.CommonDivisor));
    lines.push_back(Texts::CheckTallyHeading.In(lang));
    // The tallies run in the direction of the heading: in Farsi the reactants' on the right.
    for (size_t e = 0; e < check.Elements.size(); ++e) {
        const bool charge = check.Elements[e] == ChargeSymbol;
        const std::string name = charge ? Texts::ChargeName.In(lang) : LeftToRight(check.Elements[e], lang);
        lines.push_back(RightToLeftLine(name + "  " + LeftToRight(check.Left[e], lang) + " : " +
                                            LeftToRight(check.Right[e], lang),
                                        lang) +
                        (check.Left[e] == check.Right[e] ? "" : "  ≠"));
    }
    return lines;
}

BalancedLine BalanceLine(const std::string& line, BalanceFormat format, AtomicWeights weights, Medium medium)
{
    BalancedLine result;
    if (IsBlankLine(line))
        return result;
    std::string text;
    NotationReading reading;
    BalanceOutcome outcome;
    WrittenReaction written;
    const bool read = ReadLine(line, reading, text, result.Note);
    if (read) {
        const ChosenReading chosen = BalanceReading(reading, text, KeyOptions().ChB, medium);
        outcome = chosen.Outcome;
        written = ChosenWritten(reading, chosen);
        result.Note = ReadingNote(chosen, Language::English);
    } else {
        outcome.Reason = RefusalReason::UnreadableCharacter;
    }
    result.Failed = outcome.status != BalanceOutcome::Status::Balanced;
    if (result.Failed && read)
        result.Note = Joined({RefusalNote(outcome), result.Note});
    const WrittenReaction* asWritten = reading.Textbook ? &written : nullptr;
    if (format == BalanceFormat::Json)
        result.Output =
            BalanceAsJson(line, outcome, weights,
                          asWritten ? InputWithCoefficients(line, written, outcome.CoefficientTexts) : "");
    else if (!result.Failed)
        result.Output = Written(outcome, asWritten, format);
    else
        result.Output = outcome.status == BalanceOutcome::Status::CannotBalance
                            ? "Can not balance this reaction"
                            : "Invalid reaction";
    return result;
}

BalancedLine CheckLine(const std::string& line)
{
    BalancedLine result;
    result.Failed = true;
    if (IsBlankLine(line))
        return result;
    std::string text;
    NotationReading reading;
    if (!ReadLine(line, reading, text, result.Note)) {
        result.Output = "Invalid reaction";
        return result;
    }
    const ReactionCheck check = CheckReaction(text, KeyOptions().ChB);
    result.Failed = check.status != BalanceOutcome::Status::Balanced;
    result.Output = check.Text;
    for (const std::string& checked : CheckLines(check, Language::English, false))
        result.Output += "\n  " + checked;
    return result;
}
