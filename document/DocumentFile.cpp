// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentFile.h"

#include "document/FileAccess.h"
#include "texts/CodePage.h"

#include <algorithm>
#include <climits>

namespace {

[[noreturn]] void Fail(const std::string& reason)
{
    throw DocumentReadError(reason);
}

// A text from the file as a reason quotes it, cut short: a damaged line may be megabytes.
std::string Quoted(const std::string& text)
{
    constexpr std::size_t Shown = 40;
    return "\"" + (text.size() <= Shown ? text : text.substr(0, Shown) + "...") + "\"";
}

// Counts (rows, columns, formulas) are whole numbers that may not be negative.
std::optional<long long> ParseCount(const std::string& text)
{
    const std::optional<int> value = ParseWholeNumber(text);
    if (!value || *value < 0)
        return std::nullopt;
    return *value;
}

// Whether a line can hold count comma-separated numbers at all. Checked before
// anything is sized, so that a claimed count is bounded by the text really present.
bool FieldsFit(const std::string& line, long long count)
{
    return count <= 1 || std::count(line.begin(), line.end(), ',') >= count - 1;
}

std::optional<std::vector<int>> ParseWidths(const std::string& line, int count)
{
    std::vector<int> widths;
    widths.reserve(count);
    for (const std::string& field : SplitFields(line, count)) {
        const std::optional<int> width = ParseWholeNumber(field);
        if (!width)
            return std::nullopt;
        widths.push_back(*width);
    }
    return widths;
}

std::optional<FontSpec> TryParseFontLine(const std::string& line)
{
    const std::vector<std::string> fields = SplitFields(line, 4);
    const std::optional<int> size = ParseWholeNumber(fields[1]);
    const std::optional<int> color = ParseWholeNumber(fields[3]);
    if (!size || !color)
        return std::nullopt;
    const std::string& style = fields[2];
    FontSpec font;
    font.Name = fields[0];
    font.Size = *size;
    font.Bold = style.size() > 0 && style[0] == '1';
    font.Italic = style.size() > 1 && style[1] == '1';
    font.Color = *color;
    return font;
}

std::string JoinFields(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += fields[i];
    }
    return line;
}

} // namespace

std::size_t CountDocumentLines(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            ++count;
    }
    // Text after the last line break is a line of its own.
    if (!text.empty() && text.back() != '\r' && text.back() != '\n')
        ++count;
    return count;
}

std::vector<std::string> ReadDocumentFile(const std::string& path)
{
    const std::string text = DecodeCodePage(ReadRegularFile(path));
    if (CountDocumentLines(text) > MaxDocumentLines)
        throw FileError(path, "more than " + std::to_string(MaxDocumentLines) + " lines");
    return SplitDocumentLines(text);
}

std::string DocumentFileBytes(const std::vector<std::string>& lines)
{
    return EncodeCodePage(JoinDocumentLines(lines));
}

std::vector<std::string> SplitDocumentLines(const std::string& text)
{
    std::vector<std::string> lines;
    lines.reserve(CountDocumentLines(text));
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinDocumentLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitFields(const std::string& line, int count)
{
    std::vector<std::string> fields;
    if (count <= 0)
        return fields;
    fields.reserve(count);
    std::size_t pos = 0;
    bool commaLeft = true;
    for (int i = 0; i < count - 1; ++i) {
        // Without a further comma the field is empty and nothing is cut off, so the
        // last field still takes the rest of the line.
        const std::size_t comma = commaLeft ? line.find(',', pos) : std::string::npos;
        commaLeft = comma != std::string::npos;
        if (!commaLeft) {
            fields.emplace_back();
            continue;
        }
        fields.push_back(line.substr(pos, comma - pos));
        pos = comma + 1;
    }
    fields.push_back(line.substr(pos));
    return fields;
}

std::string FormatFontLine(const FontSpec& font)
{
    std::string style;
    style += font.Bold ? '1' : '0';
    style += font.Italic ? '1' : '0';
    return JoinFields({font.Name, std::to_string(font.Size), style, std::to_string(font.Color)});
}

FontSpec ParseFontLine(const std::string& line)
{
    const std::optional<FontSpec> font = TryParseFontLine(line);
    if (!font)
        Fail("the font size or colour is not a whole number");
    return *font;
}

std::vector<std::string> WriteDocumentLines(const DocumentData& doc)
{
    const std::size_t columns = doc.Widths.size();
    std::vector<std::string> lines;
    lines.push_back(doc.ReactionText);
    lines.push_back(LanguageRowOf(doc.Lang).DocumentTag);
    lines.push_back(std::to_string(doc.Cells.size()));
    lines.push_back(std::to_string(columns));

    std::vector<std::string> fields;
    for (int width : doc.Widths)
        fields.push_back(std::to_string(width));
    lines.push_back(JoinFields(fields));

    for (const GridRow& row : doc.Cells) {
        fields.assign(columns, std::string());
        std::copy_n(row.begin(), std::min(columns, row.size()), fields.begin());
        lines.push_back(JoinFields(fields));
    }
    for (int i = 0; i < FontSettings::Count; ++i)
        lines.push_back(FormatFontLine(doc.Fonts.At(i)));
    lines.push_back(std::to_string(doc.Formulas.size()));
    lines.insert(lines.end(), doc.Formulas.begin(), doc.Formulas.end());
    lines.insert(lines.end(), doc.TypesList.begin(), doc.TypesList.end());
    lines.push_back(std::to_string(doc.Fonts.SubscriptsPosition));
    // A line break pasted into a cell or formula would shift every later line and
    // leave a file that no longer opens; it is written as a blank instead.
    for (std::string& line : lines)
        std::replace_if(
            line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return lines;
}

DocumentData ReadDocumentLines(const std::vector<std::string>& lines)
{
    const long long lineCount = static_cast<long long>(lines.size());
    // Reasons name lines as an editor counts them, from 1.
    auto line = [&](long long i) -> const std::string& {
        if (i >= lineCount)
            Fail("line " + std::to_string(i + 1) + " is missing");
        return lines[i];
    };
    auto count = [](const char* what, const std::string& text) {
        const std::optional<long long> value = ParseCount(text);
        if (!value)
            Fail(std::string(what) + " " + Quoted(text) + " is not a whole number of zero or more");
        return *value;
    };
    auto tooLarge = [](const char* what, long long value) {
        Fail(std::string(what) + " " + std::to_string(value) + " is larger than the file");
    };

    DocumentData doc;
    doc.ReactionText = line(0);
    if (doc.ReactionText.size() > MaxReactionBytes)
        Fail("the reaction is longer than " + std::to_string(MaxReactionBytes) + " bytes");
    doc.Lang = LanguageOfDocumentTag(line(1));
    const long long rows = count("row count", line(2));
    const long long columns = count("column count", line(3));
    // Beside the rows the file needs lines 0-4, five fonts and the formula count (which
    // may be the last line); a row count beyond that is refused before anything is sized.
    if (rows > lineCount - 11)
        tooLarge("row count", rows);
    if (!FieldsFit(line(4), columns))
        Fail("column count " + std::to_string(columns) + " is larger than the widths line");
    if (rows * columns > MaxDocumentCells)
        Fail("a grid of " + std::to_string(rows) + " rows and " + std::to_string(columns) +
             " columns is larger than " + std::to_string(MaxDocumentCells) + " cells");

    const std::optional<std::vector<int>> widths = ParseWidths(line(4), static_cast<int>(columns));
    if (!widths)
        Fail("a width on line 5 is not a whole number");
    doc.Widths = *widths;
    doc.Cells.reserve(rows);
    for (long long r = 0; r < rows; ++r)
        doc.Cells.push_back(SplitFields(line(5 + r), static_cast<int>(columns)));
    for (int i = 0; i < FontSettings::Count; ++i) {
        const std::optional<FontSpec> font = TryParseFontLine(line(5 + rows + i));
        if (!font)
            Fail("the font size or colour on line " + std::to_string(6 + rows + i) +
                 " is not a whole number");
        doc.Fonts.At(i) = *font;
    }

    const long long formulas = count("formula count", line(10 + rows));
    const long long firstType = 11 + rows + formulas;
    // The formulas may reach the last line: it is then both the last formula and the
    // subscripts position, and the type-code list is empty.
    if (firstType > lineCount)
        tooLarge("formula count", formulas);
    doc.Formulas.assign(lines.begin() + 11 + rows, lines.begin() + firstType);
    if (firstType < lineCount)
        doc.TypesList.assign(lines.begin() + firstType, lines.end() - 1);
    const std::optional<int> position = ParseWholeNumber(lines.back());
    if (!position)
        Fail("subscripts position " + Quoted(lines.back()) + " is not a whole number");
    doc.Fonts.SubscriptsPosition = *position;
    return doc;
}

DefaultsData ReadDefaultsLines(const std::vector<std::string>& lines)
{
    const long long lineCount = static_cast<long long>(lines.size());
    DefaultsData d;
    if (lineCount < 2)
        return d;
    d.Lang = LanguageOfDocumentTag(lines[1]);

    // The column count is taken only together with a widths line that can hold it,
    // so a malformed count never makes New size the grid to it.
    const std::optional<long long> columns = lineCount > 4 ? ParseCount(lines[3]) : std::nullopt;
    // New gives the grid two rows: it may not be larger than a document's.
    if (!columns || *columns * 2 > MaxDocumentCells || !FieldsFit(lines[4], *columns))
        return d;
    d.ColumnCount = static_cast<int>(*columns);
    d.Widths = ParseWidths(lines[4], *d.ColumnCount);
    if (!d.Widths || lineCount < 6)
        return d;
    d.HeaderNames = SplitFields(lines[5], *d.ColumnCount);

    // The row count only locates the lines after the grid.
    const std::optional<long long> rows = ParseCount(lines[2]);
    if (!rows)
        return d;
    for (int i = 0; i < FontSettings::Count; ++i) {
        const long long at = 5 + *rows + i;
        const std::optional<FontSpec> font = at < lineCount ? TryParseFontLine(lines[at]) : std::nullopt;
        if (!font)
            return d;
        d.Fonts.push_back(*font);
    }

    const std::optional<long long> formulas =
        10 + *rows < lineCount ? ParseCount(lines[10 + *rows]) : std::nullopt;
    const long long firstType = formulas ? 11 + *rows + *formulas : 0;
    if (!formulas || firstType > lineCount)
        return d;
    // As in a document, formulas that reach the last line leave no type codes.
    d.Formulas.emplace(lines.begin() + 11 + *rows, lines.begin() + firstType);
    d.TypesList.emplace(lines.begin() + std::min(firstType, lineCount - 1), lines.end() - 1);
    d.SubscriptsPosition = ParseWholeNumber(lines.back());
    return d;
}

std::string DocumentCaption(const std::string& filePath)
{
    if (filePath.empty())
        return "Stoikon - Untitled";
    std::string name = filePath.substr(filePath.find_last_of('/') + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return "Stoikon - " + name;
}
