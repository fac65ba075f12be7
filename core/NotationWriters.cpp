// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NotationWriters.h"

#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/NotationChars.h"
#include "core/ReactionParser.h"
#include "core/ReactionText.h"

#include <cstdio>
#include <vector>

namespace {

enum class TokenKind
{
    Coefficient, // "2"
    Count,       // "2", "-2", or "-" alone (a count of -1)
    Charge,      // "3+", "-", or digits alone when the sign is missing
    Plus,
    Arrow,
    Other // a letter, a parenthesis or anything else, written as it stands
};

struct Token
{
    TokenKind Kind;
    std::string Text;
};

// The reaction cut into what each writer writes its own way, as ClassifyReaction (the
// drawing's and the page's reading) sees every character: runs of coefficient, count and
// charge characters joined, the "^" before a charge dropped.
std::vector<Token> Tokens(const std::string& reaction)
{
    const std::vector<ReactionPart> parts = ClassifyReaction(reaction);
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < reaction.size(); ++i) {
        const char c = reaction[i];
        TokenKind kind = c == '+' ? TokenKind::Plus : TokenKind::Other;
        switch (parts[i]) {
        case ReactionPart::Coefficient:
            kind = TokenKind::Coefficient;
            break;
        case ReactionPart::Count:
        case ReactionPart::Minus:
            kind = TokenKind::Count;
            break;
        case ReactionPart::ChargeMark:
            tokens.push_back({TokenKind::Charge, ""});
            continue;
        case ReactionPart::Charge:
            tokens.back().Text += c;
            continue;
        case ReactionPart::Arrow:
            kind = TokenKind::Arrow;
            break;
        default: // a symbol, a separating "+", a "^" with no charge after it
            break;
        }
        const bool run = kind == TokenKind::Coefficient || kind == TokenKind::Count;
        if (run && !tokens.empty() && tokens.back().Kind == kind)
            tokens.back().Text += c;
        else
            tokens.push_back({kind, std::string(1, c)});
    }
    return tokens;
}

std::string Subscript(const std::string& count)
{
    std::u32string chars;
    for (char c : count)
        chars += c == '-' ? char32_t(0x208B) : char32_t(0x2080 + (c - '0'));
    return EncodeUtf8(chars);
}

std::string Superscript(const std::string& charge)
{
    static const char32_t digits[] = {0x2070, 0xB9,   0xB2,   0xB3,   0x2074,
                                      0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
    std::u32string chars;
    for (char c : charge)
        chars += c == '+' ? char32_t(0x207A) : c == '-' ? char32_t(0x207B) : digits[c - '0'];
    return EncodeUtf8(chars);
}

std::string HtmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '&'   ? "&amp;"
               : c == '<' ? "&lt;"
               : c == '>' ? "&gt;"
               : c == '"' ? "&quot;"
                          : std::string(1, c);
    return out;
}

std::string HtmlMinus(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '-' ? std::string("&minus;") : std::string(1, c);
    return out;
}

std::string JsonString(const std::string& text)
{
    std::u32string escaped;
    for (char32_t c : DecodeUtf8(text)) {
        if (c == U'"' || c == U'\\') {
            escaped += U'\\';
            escaped += c;
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", unsigned(c));
            for (const char* p = buffer; *p; ++p)
                escaped += char32_t(*p);
        } else {
            escaped += c;
        }
    }
    return "\"" + EncodeUtf8(escaped) + "\"";
}

template <typename Item, typename Write> std::string JsonArray(const std::vector<Item>& items, Write write)
{
    std::string out = "[";
    for (std::size_t k = 0; k < items.size(); ++k)
        out += (k ? "," : "") + write(items[k]);
    return out + "]";
}

} // namespace

std::string ReactionAsUnicode(const std::string& reaction)
{
    std::string out;
    for (const Token& token : Tokens(reaction)) {
        switch (token.Kind) {
        case TokenKind::Count:
            out += Subscript(token.Text);
            break;
        case TokenKind::Charge:
            out += Superscript(token.Text);
            break;
        case TokenKind::Plus:
            out += " + ";
            break;
        case TokenKind::Arrow:
            out += " \u2192 ";
            break;
        default:
            out += token.Text;
        }
    }
    return out;
}

std::string ReactionAsLatex(const std::string& reaction)
{
    std::string out;
    for (const Token& token : Tokens(reaction)) {
        switch (token.Kind) {
        case TokenKind::Count:
            // mhchem makes the digits after a symbol a subscript by itself; a negative count
            // needs the subscript spelt out.
            out +=
                token.Text[0] != '-' ? token.Text : "_{" + token.Text + (token.Text.size() == 1 ? "1}" : "}");
            break;
        case TokenKind::Charge:
            out += "^" + token.Text;
            break;
        case TokenKind::Plus:
            out += " + ";
            break;
        case TokenKind::Arrow:
            out += " -> ";
            break;
        default:
            out += token.Text;
        }
    }
    return "\\ce{" + out + "}";
}

std::string ReactionAsHtml(const std::string& reaction)
{
    std::string out;
    for (const Token& token : Tokens(reaction)) {
        switch (token.Kind) {
        case TokenKind::Count:
            out += "<sub>" + HtmlMinus(token.Text) + "</sub>";
            break;
        case TokenKind::Charge:
            out += "<sup>" + HtmlMinus(token.Text) + "</sup>";
            break;
        case TokenKind::Plus:
            out += " + ";
            break;
        case TokenKind::Arrow:
            out += " &rarr; ";
            break;
        default:
            out += HtmlEscaped(token.Text);
        }
    }
    return out;
}

std::string BalanceAsJson(const std::string& input, const BalanceOutcome& outcome, AtomicWeights weights,
                          const std::string& written)
{
    const bool balanced = outcome.status == BalanceOutcome::Status::Balanced;
    const char* status = balanced                                                  ? "balanced"
                         : outcome.status == BalanceOutcome::Status::CannotBalance ? "cannot_balance"
                                                                                   : "invalid_reaction";
    const auto number = [](const std::string& n) { return n; };
    const auto mass = [weights](const std::string& formula) {
        try {
            return MolarMass(formula, weights);
        } catch (const StoikonError&) {
            return std::string("null");
        }
    };
    const auto strings = [](const std::vector<std::string>& items) { return JsonArray(items, JsonString); };
    std::string details;
    const auto add = [&details](const char* key, const std::string& value) {
        details += std::string(",\"") + key + "\":" + value;
    };
    const std::string first = outcome.Names.empty() ? std::string() : outcome.Names.front();
    const std::string reaction = outcome.Reactions.empty() ? std::string() : outcome.Reactions.front();
    switch (outcome.Reason) {
    case RefusalReason::UnreadableCharacter:
        add("character", JsonString(first));
        break;
    case RefusalReason::UnreadableFormula:
        add("formula", JsonString(first));
        break;
    case RefusalReason::ElementOnOneSide:
        add("only_left", strings(outcome.Names));
        add("only_right", strings(outcome.OtherNames));
        break;
    case RefusalReason::ChargeOnOneSide:
        add("side", JsonString(first));
        break;
    case RefusalReason::SubstanceLeftOut:
    case RefusalReason::WrongSide:
        add(outcome.Reason == RefusalReason::WrongSide ? "moved" : "left_out", strings(outcome.Names));
        add("reaction", JsonString(reaction));
        break;
    case RefusalReason::SeveralReactions:
        add("count", std::to_string(outcome.ReactionCount));
        add("reactions", strings(outcome.Reactions));
        if (outcome.GivenCoefficientsUnsettled)
            add("given_coefficients", "\"unsettled\"");
        break;
    default:
        break;
    }
    std::vector<std::string> media;
    if (outcome.CompletesInAcid)
        media.push_back("acid");
    if (outcome.CompletesInBase)
        media.push_back("base");
    if (!media.empty())
        add("completes_in", strings(media));
    if (outcome.CompletedIn != Medium::None)
        add("medium", outcome.CompletedIn == Medium::Acidic ? "\"acid\"" : "\"base\"");
    if (outcome.GivenCoefficientsChose)
        add("given_coefficients", "\"chose\"");
    return "{\"input\":" + JsonString(input) + ",\"status\":\"" + status +
           "\",\"balanced\":" + (balanced ? JsonString(outcome.BalancedText) : "null") + ",\"written\":" +
           (balanced ? JsonString(written.empty() ? outcome.BalancedText : written) : "null") +
           ",\"substances\":" + strings(outcome.Formulas) +
           ",\"coefficients\":" + JsonArray(outcome.CoefficientTexts, number) +
           ",\"molar_masses\":" + JsonArray(outcome.Formulas, mass) + ",\"reason\":" +
           (outcome.Reason == RefusalReason::None ? "null"
                                                  : "\"" + std::string(RefusalCode(outcome.Reason)) + "\"") +
           details + "}";
}

namespace {

// The writers of a reaction in the notation it was written in: hydrate dots, square
// brackets, states, groups, charges as written where the format has them, the arrow and
// its conditions.

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// What stands over or under an arrow, for a page or plain text: \Delta as Δ, h\nu as hν,
// braces and math marks left out.
std::string ConditionAsText(std::string text)
{
    for (const auto& [command, character] : {std::pair<const char*, const char*>{"\\Delta", "\u0394"},
                                             {"\\nu", "\u03BD"},
                                             {"\\circ", "\u00B0"},
                                             {"\\degree", "\u00B0"},
                                             {"\\ce", ""}})
        text = Replaced(text, command, character);
    std::string kept;
    for (char c : text)
        if (c != '{' && c != '}' && c != '$' && c != '^')
            kept += c;
    return kept;
}

std::string ConditionAsLatex(const std::string& text)
{
    return Replaced(Replaced(Replaced(text, "\u0394", "\\Delta "), "\u03BD", "\\nu "), "\u00B0", "^\\circ ");
}

bool SignFirst(const std::string& charge)
{
    return !charge.empty() && (charge[0] == '+' || charge[0] == '-') && charge.size() > 1;
}

std::string TokenText(const WrittenToken& token, WrittenFormat format)
{
    const bool unicode = format == WrittenFormat::Unicode, html = format == WrittenFormat::Html;
    switch (token.Kind) {
    case WrittenKind::Count:
        if (unicode)
            return Subscript(token.Text);
        if (html)
            return "<sub>" + HtmlMinus(token.Text) + "</sub>";
        return token.Text[0] == '-' ? "_{" + token.Text + "}" : token.Text;
    case WrittenKind::Dot:
        if (format == WrittenFormat::Latex)
            return "*";
        if (html)
            return token.Text == "\u2022" ? "&bull;" : "&middot;";
        return token.Text == "*" || token.Text == "." ? "\u00B7" : token.Text;
    case WrittenKind::Bond:
        return token.Text != "#" || format == WrittenFormat::Latex ? token.Text : html ? "&equiv;" : "\u2261";
    case WrittenKind::Charge:
        if (unicode)
            return Superscript(token.Text);
        if (html)
            return "<sup>" + HtmlMinus(token.Text) + "</sup>";
        if (token.Style == ChargeStyle::Bare && token.Text.size() == 1)
            return token.Text; // mhchem reads H+ and Cl- as charges
        if (SignFirst(token.Text) || token.Style == ChargeStyle::CaretBraces ||
            token.Style == ChargeStyle::Braces)
            return "^{" + token.Text + "}";
        return "^" + token.Text;
    case WrittenKind::State:
        if (token.Text == "\u2193")
            return html ? "&darr;" : unicode ? token.Text : " v";
        if (token.Text == "\u2191")
            return html ? "&uarr;" : unicode ? token.Text : " ^";
        return token.Text;
    default: // symbols, multipliers and brackets
        return html ? HtmlEscaped(token.Text) : token.Text;
    }
}

std::string Arrow(const WrittenReaction& written, WrittenFormat format)
{
    static const char* const arrows[][3] = {{"\u2192", "->", "&rarr;"},
                                            {"\u21CC", "<=>", "&rlhar;"},
                                            {"\u2194", "<->", "&harr;"},
                                            {"\u21C4", "<-->", "&rlarr;"},
                                            {"=", "=", "="}};
    std::string arrow = arrows[int(written.Arrow)][int(format)];
    for (const std::string& condition : written.Conditions)
        arrow += "[" +
                 (format == WrittenFormat::Latex  ? ConditionAsLatex(condition)
                  : format == WrittenFormat::Html ? HtmlEscaped(ConditionAsText(condition))
                                                  : ConditionAsText(condition)) +
                 "]";
    return " " + arrow + " ";
}

} // namespace

std::string ReactionAsWritten(const WrittenReaction& written, const std::vector<std::string>& coefficients,
                              WrittenFormat format)
{
    std::string out;
    for (std::size_t k = 0; k < written.Substances.size(); ++k) {
        if (k > 0)
            out += k == written.Reactants ? Arrow(written, format) : " + ";
        const std::string coefficient = k < coefficients.size() ? coefficients[k] : "1";
        if (coefficient != "1")
            out += coefficient + (written.SpacedCoefficients ? " " : "");
        for (const WrittenToken& token : written.Substances[k].Tokens)
            out += TokenText(token, format);
    }
    return format == WrittenFormat::Latex ? "\\ce{" + out + "}" : out;
}

std::string InputWithCoefficients(const std::string& input, const WrittenReaction& written,
                                  const std::vector<std::string>& coefficients)
{
    if (!written.IsWhole() || written.Substances.size() != coefficients.size())
        return "";
    const std::u32string chars = DecodeUtf8(input);
    std::u32string out;
    std::size_t at = 0;
    for (std::size_t k = 0; k < written.Substances.size() && k < coefficients.size(); ++k) {
        const WrittenSubstance& substance = written.Substances[k];
        if (substance.CoefficientBegin < at || substance.FormulaBegin < substance.CoefficientBegin ||
            substance.FormulaBegin > chars.size())
            return "";
        out += chars.substr(at, substance.CoefficientBegin - at);
        const std::u32string given =
            chars.substr(substance.CoefficientBegin, substance.FormulaBegin - substance.CoefficientBegin);
        const bool spaced = given.empty() ? written.SpacedCoefficients : Notation::IsBlank(given.back());
        if (coefficients[k] != "1")
            out += DecodeUtf8(coefficients[k] + (spaced ? " " : ""));
        at = substance.FormulaBegin;
    }
    return EncodeUtf8(out + chars.substr(at));
}
