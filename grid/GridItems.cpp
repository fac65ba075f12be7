// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridItems.h"

#include "grid/FormulaEvaluator.h"
#include "texts/CodePage.h"

#include <cstddef>

namespace {

bool IsWholeNumberType(char typeCode)
{
    return typeCode == GridType::Integer || typeCode == GridType::SubstanceNumber;
}

bool IsRealNumberType(char typeCode)
{
    return typeCode == GridType::Real || typeCode == GridType::AtomicWeight;
}

char LowerAscii(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

} // namespace

std::vector<std::string> BuiltInTypesList()
{
    return {"0", "0", "1", "2", "2", "2", "2", "2", "2", "2", "2", "2"};
}

std::vector<std::string> BuiltInFormulaLines()
{
    return {"Mol(a),Mol(b)=Number(a),Number(b)", "Number(a),Number(b)=Mol(a),Mol(b)"};
}

bool GridKeyAccepts(char typeCode, char32_t ch)
{
    const bool digitOrBackspace = (ch >= U'0' && ch <= U'9') || ch == 8;
    if (IsWholeNumberType(typeCode))
        return digitOrBackspace;
    if (IsRealNumberType(typeCode))
        return digitOrBackspace || ch == U'.';
    // A document stores Windows-1256; a character it cannot hold would be lost on saving.
    return CodePageHolds(ch);
}

bool CellTextConverts(char typeCode, const std::string& text)
{
    if (text.empty())
        return true;
    if (IsWholeNumberType(typeCode))
        return ParseWholeNumber(text).has_value();
    if (IsRealNumberType(typeCode))
        return ParseRealNumber(text).has_value();
    return true;
}

char TypeCodeAt(const std::vector<std::string>& typesList, int column)
{
    if (column < 0 || static_cast<std::size_t>(column) >= typesList.size())
        return GridType::Text;
    const std::string& entry = typesList[static_cast<std::size_t>(column)];
    return entry.empty() ? GridType::Text : entry[0];
}

GridItem ParseItemLine(const std::string& line)
{
    GridItem item;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) {
        item.Name = line;
        return item;
    }
    item.Name = line.substr(0, colon);
    if (colon + 1 < line.size())
        item.Type = line[colon + 1];
    const std::string widthText = colon + 3 < line.size() ? line.substr(colon + 3) : std::string();
    item.Width = ParseWholeNumber(widthText).value_or(DefaultColumnWidth);
    return item;
}

std::string FormatItemLine(const GridItem& item)
{
    return item.Name + ":" + item.Type + "=" + std::to_string(item.Width);
}

std::vector<std::string> ItemLinesOf(const std::vector<std::string>& names, const std::vector<int>& widths,
                                     const std::vector<std::string>& typesList)
{
    std::vector<std::string> lines;
    lines.reserve(names.size());
    for (std::size_t column = 0; column < names.size(); ++column) {
        GridItem item;
        item.Name = names[column];
        item.Type = TypeCodeAt(typesList, static_cast<int>(column));
        item.Width = column < widths.size() ? widths[column] : DefaultColumnWidth;
        lines.push_back(FormatItemLine(item));
    }
    return lines;
}

std::vector<GridItem> ItemsFromLines(const std::vector<std::string>& lines)
{
    std::vector<GridItem> items;
    items.reserve(lines.size());
    for (const std::string& line : lines) {
        GridItem item = ParseItemLine(line);
        for (const GridItem& earlier : items) {
            if (SameNameIgnoringCase(earlier.Name, item.Name)) {
                item.Name = "Item " + std::to_string(items.size());
                break;
            }
        }
        items.push_back(std::move(item));
    }
    return items;
}

void ApplyItemLines(const std::vector<std::string>& lines, std::vector<GridItem>& columns,
                    std::vector<std::string>& typesList)
{
    if (lines.empty()) {
        columns.resize(1);
        return;
    }
    columns = ItemsFromLines(lines);
    if (typesList.size() < columns.size())
        typesList.resize(columns.size());
    for (std::size_t column = 0; column < columns.size(); ++column)
        typesList[column] = std::string(1, columns[column].Type);
}

std::pair<std::string, std::string> SplitFormulaLine(const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return {std::string(), line};
    return {line.substr(0, equals), line.substr(equals + 1)};
}

std::string JoinFormulaLine(const std::string& target, const std::string& expression)
{
    return target + "=" + expression;
}

std::string FormulaTargetOf(const std::string& columnName)
{
    return "#" + columnName + "(a)";
}

std::string WithPersianLetters(std::string text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '\xD9')
            continue;
        if (text[i + 1] == '\x8A') // yeh
            text.replace(i, 2, "\xDB\x8C");
        else if (text[i + 1] == '\x83') // kaf
            text.replace(i, 2, "\xDA\xA9");
    }
    return text;
}

bool SameNameIgnoringCase(const std::string& leftName, const std::string& rightName)
{
    const std::string left = WithPersianLetters(leftName);
    const std::string right = WithPersianLetters(rightName);
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (LowerAscii(left[i]) != LowerAscii(right[i]))
            return false;
    }
    return true;
}
