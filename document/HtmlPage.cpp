// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/HtmlPage.h"

#include "core/ChargeNotation.h"
#include "core/ReactionText.h"

#include <cstdint>

namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The stored colour's three low bytes, red first; a system colour is not looked up,
// its bytes are written as they are.
std::string HtmlColor(ColorValue color)
{
    static const char digits[] = "0123456789ABCDEF";
    const std::uint32_t value = static_cast<std::uint32_t>(color);
    std::string hex;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned byte = (value >> shift) & 0xFF;
        hex += digits[byte >> 4];
        hex += digits[byte & 0xF];
    }
    return hex;
}

std::string OpeningTags(const FontSpec& font)
{
    std::string tags = "<font face=\"" + Escaped(font.Name) + "\" color=\"#" + HtmlColor(font.Color) +
                       "\" size=\"" + std::to_string(HtmlFontSize(font.Size)) + "\">";
    if (font.Bold)
        tags += "<b>";
    if (font.Italic)
        tags += "<i>";
    return tags;
}

// The closing style tags only; the caller adds "</font>".
std::string ClosingStyleTags(const FontSpec& font)
{
    std::string tags;
    if (font.Italic)
        tags += "</i>";
    if (font.Bold)
        tags += "</b>";
    return tags;
}

std::string InFont(const FontSpec& font, const std::string& text)
{
    return OpeningTags(font) + text + ClosingStyleTags(font) + "</font>";
}

// Every digit gets a font element of its own: coefficients in the numbers font, counts in
// the subscripts font. A minus sign stays plain text. A charge is one raised element in the
// subscripts font, as the line draws it, without its "^": Fe<sup>...3+...</sup>.
std::string ReactionHtml(const std::string& reaction, const FontSettings& fonts)
{
    const std::vector<ReactionPart> parts = ClassifyReaction(reaction);
    std::string html;
    for (std::size_t i = 0; i < reaction.size(); ++i) {
        const std::string c(1, reaction[i]);
        if (parts[i] == ReactionPart::Charge || parts[i] == ReactionPart::LoneMark) {
            std::size_t end = i + 1;
            while (parts[i] == ReactionPart::Charge && end < reaction.size() &&
                   parts[end] == ReactionPart::Charge)
                ++end;
            html += "<sup>" + InFont(fonts.SubscriptsFont, Escaped(reaction.substr(i, end - i))) + "</sup>";
            i = end - 1;
            continue;
        }
        switch (parts[i]) {
        case ReactionPart::Coefficient:
            html += InFont(fonts.NumbersFont, c);
            break;
        case ReactionPart::Count:
            html += InFont(fonts.SubscriptsFont, c);
            break;
        case ReactionPart::Arrow:
            // The arrow keeps its symbol-font element, but is written as the arrow character
            // itself: the old glyph code (a-grave drawn as an arrow by Wingdings) shows as
            // a plain "\u00E0" wherever that font is missing, as on Linux and macOS.
            html += "<font face=\"Wingdings\">&rarr;</font>";
            break;
        case ReactionPart::Minus:
        case ReactionPart::Symbol:
            html += Escaped(c);
            break;
        case ReactionPart::ChargeMark:
        case ReactionPart::Charge:
        case ReactionPart::LoneMark:
            break;
        }
    }
    return html;
}

// A formula in a grid cell: counts as subscripts, a charge raised, without its "^".
std::string FormulaHtml(const std::string& formula)
{
    const std::vector<ReactionPart> parts = ClassifyReaction(formula);
    std::string html;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const std::string c = Escaped(std::string(1, formula[i]));
        switch (parts[i]) {
        case ReactionPart::Count:
            html += "<sub>" + c + "</sub>";
            break;
        case ReactionPart::Charge:
        case ReactionPart::LoneMark:
            html += "<sup>" + c + "</sup>";
            break;
        case ReactionPart::ChargeMark:
            break;
        default:
            html += c;
        }
    }
    return html;
}

} // namespace

int HtmlFontSize(int points)
{
    // The largest point size of each HTML size from 1 to 6; anything larger is 7.
    static const int largestPoints[] = {8, 10, 12, 14, 18, 24};
    int size = 1;
    for (int largest : largestPoints) {
        if (points <= largest)
            return size;
        ++size;
    }
    return size;
}

std::vector<std::string> BuildHtmlPage(const std::string& title, const std::string& reactionText,
                                       const FontSettings& fonts, const GridCells& cells, Language lang)
{
    ShownGrid shown;
    for (const GridRow& row : cells) {
        shown.emplace_back();
        for (const std::string& cell : row)
            shown.back().push_back({cell, {}, false, false, cell});
    }
    return BuildShownHtmlPage(title, reactionText, fonts, shown, lang);
}

std::vector<std::string> BuildShownHtmlPage(const std::string& title, const std::string& reactionText,
                                            const FontSettings& fonts, const ShownGrid& cells, Language lang)
{
    const bool farsi = lang == Language::Farsi;
    std::string reactionTags = OpeningTags(fonts.ReactionFont);
    if (farsi)
        reactionTags.insert(std::string("<font").size(), " dir=\"ltr\"");
    std::vector<std::string> lines = {
        farsi ? "<html dir=\"rtl\">" : "<html>",
        "<head>",
        // Before the title, which may hold Farsi.
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">",
        "<title>" + Escaped(title) + "</title>",
        "</head>",
        "<body>",
        reactionTags,
        ReactionHtml(reactionText, fonts),
        ClosingStyleTags(fonts.ReactionFont) + "</font><br>",
        "<table border=\"1\">",
    };
    for (const std::vector<ShownCell>& row : cells) {
        std::string line = "<tr>";
        for (const ShownCell& cell : row) {
            if (cell.Text.empty()) {
                line += "<td>&nbsp;</td>";
                continue;
            }
            // A formula with its counts lowered and its charge raised, as the window shows it.
            std::string html =
                InFont(fonts.GridFont, cell.Formula ? FormulaHtml(cell.Source) : Escaped(cell.Text));
            if (!cell.Note.empty())
                html += " (" + Escaped(cell.Note) + ")";
            // A formula with a charge keeps its sign at its end in a right-to-left page.
            if (farsi && IsChargedFormulaText(cell.Source))
                html.insert(std::string("<font").size(), " dir=\"ltr\"");
            line += (cell.Number ? "<td align=\"right\">" : "<td>") + html + "</td>";
        }
        lines.push_back(line + "</tr>");
    }
    lines.push_back("</table></body>");
    lines.push_back("</html>");
    return lines;
}
