// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/Messages.h"

#include "core/ChargeNotation.h"
#include "core/NotationWriters.h"
#include "core/ReactionText.h"
#include "core/ReadingChoice.h"
#include "texts/Texts.h"

#include <cstdio>
#include <utility>

namespace {

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

} // namespace

std::string JoinedLines(const std::vector<std::string>& lines)
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

// The character as it stands when it can be shown, and always its code: a control
// character would otherwise act on the terminal.
std::string DescribedCharacter(char32_t ch)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(ch));
    const bool printable = ch >= 0x20 && ch != 0x7F && !(ch >= 0x80 && ch < 0xA0);
    return printable ? "'" + EncodeUtf8(std::u32string(1, ch)) + "' (" + code + ")" : std::string(code);
}

const LocalText* BalanceMessage(BalanceOutcome::Status status)
{
    switch (status) {
    case BalanceOutcome::Status::InvalidReaction:
        return &Texts::MsgInvalidReaction;
    case BalanceOutcome::Status::CannotBalance:
        return &Texts::MsgCannotBalance;
    case BalanceOutcome::Status::Balanced:
        break;
    }
    return nullptr;
}

std::string FirstLine(const char* text)
{
    const std::string all(text);
    return all.substr(0, all.find('\r'));
}

std::string RefusalMessage(const BalanceOutcome& outcome, Language lang)
{
    // The message names the case: its first line alone when the reason follows under it.
    std::string text = BalanceMessage(outcome.status)->In(lang);
    if (outcome.Reason != RefusalReason::SeveralReactions) {
        text = FirstLine(text.c_str());
        text.erase(text.find_last_not_of(" \t") + 1);
        text.erase(0, text.find_first_not_of(" \t"));
    }
    for (const std::string& line : RefusalLines(outcome, lang, true))
        text += '\r' + line;
    return text;
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
        lines.push_back(Filled(Texts::ReasonUnreadableCharacter, lang,
                               outcome.Names.empty() ? std::string()
                                                     : DescribedCharacter(DecodeUtf8(outcome.Names[0])[0])));
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
    std::string note = JoinedLines(RefusalLines(outcome, Language::English, false));
    if (outcome.CompletesInAcid || outcome.CompletesInBase)
        note += !outcome.CompletesInBase   ? " (--medium acid)"
                : !outcome.CompletesInAcid ? " (--medium base)"
                                           : " (--medium acid or base)";
    return note;
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

std::string ReadingNote(const ChosenReading& chosen, Language lang)
{
    if (chosen.Read.empty() && chosen.Balancing.empty())
        return {}; // the usual reading: read as it stands, nothing to say
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

std::string UnknownNameNote(const std::string& name, Language lang)
{
    return Filled(Texts::UnknownName, lang, name);
}

std::string LimitingReactantMessage(const std::string& formula, Language lang)
{
    return RightToLeftLine(
        Filled(Texts::LimitingReactantNote, lang, LeftToRight(ReactionAsUnicode(formula), lang)), lang);
}
