// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of a reaction in the notation it was written in: hydrate dots, square
// brackets, states, groups, charges as written where the format has them, the arrow and
// its conditions; the balanced coefficients in front of the substances.
#include "core/NotationWriters.h"

#include "core/NotationChars.h"
#include "core/ReactionText.h"

namespace {

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

std::string Token(const WrittenToken& token, WrittenFormat format)
{
    const bool unicode = format == WrittenFormat::Unicode, html = format == WrittenFormat::Html;
    switch (token.Kind) {
    case WrittenKind::Count:
        if (unicode)
            return Subscript(token.Text);
        if (html)
            return "<sub>" + Replaced(token.Text, "-", "&minus;") + "</sub>";
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
            return "<sup>" + Replaced(token.Text, "-", "&minus;") + "</sup>";
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

std::string ReactionAsWritten(const WrittenReaction& written, const std::vector<long long>& coefficients,
                              WrittenFormat format)
{
    std::string out;
    for (std::size_t k = 0; k < written.Substances.size(); ++k) {
        if (k > 0)
            out += k == written.Reactants ? Arrow(written, format) : " + ";
        const long long coefficient = k < coefficients.size() ? coefficients[k] : 1;
        if (coefficient != 1)
            out += std::to_string(coefficient) + (written.SpacedCoefficients ? " " : "");
        for (const WrittenToken& token : written.Substances[k].Tokens)
            out += Token(token, format);
    }
    return format == WrittenFormat::Latex ? "\\ce{" + out + "}" : out;
}

std::string InputWithCoefficients(const std::string& input, const WrittenReaction& written,
                                  const std::vector<long long>& coefficients)
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
        if (coefficients[k] != 1)
            out += DecodeUtf8(std::to_string(coefficients[k]) + (spaced ? " " : ""));
        at = substance.FormulaBegin;
    }
    return EncodeUtf8(out + chars.substr(at));
}
