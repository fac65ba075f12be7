// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules of grid columns ("items") that need no widget: what each column type
// accepts, the item line and formula line text forms of the options dialog, and the
// case-insensitive name rules that keep column names unique.

#include <string>
#include <utility>
#include <vector>

// Type codes, one character each as kept in TypesList and in documents.
namespace GridType {
constexpr char Text = '0';
constexpr char Integer = '1';
constexpr char Real = '2';
constexpr char SubstanceNumber = '3';
constexpr char AtomicWeight = '4';
constexpr char SubstanceFormula = '5';
} // namespace GridType

// One grid column: header name, type code and width in pixels.
struct GridItem
{
    std::string Name;
    char Type = GridType::Text;
    int Width = 100;
};

constexpr int DefaultColumnWidth = 100;
// The grid's rows (and its header row) before the options dialog sizes them to its font.
constexpr int DefaultRowHeight = 21;

// The type list and the formula list in effect before a defaults file is read. The
// two built-in formula lines do not start with "#" and so never apply.
std::vector<std::string> BuiltInTypesList();
std::vector<std::string> BuiltInFormulaLines();

// Whether a character typed into a cell of the column passes; 8 is Backspace. The
// numeric types take digits (and "." for the real ones) only, the others every character
// that a document can store.
bool GridKeyAccepts(char typeCode, char32_t ch);

// Whether an edited cell text converts for its column type. An empty text and the
// unchecked types '0' and '5' always pass.
bool CellTextConverts(char typeCode, const std::string& text);

// The type code of a column; '0' when TypesList has no entry for it or the entry is
// empty. Entries beyond the last column are simply never asked for.
char TypeCodeAt(const std::vector<std::string>& typesList, int column);

// Item line "Name:T=Width": the name ends at the first ":", the type is the one
// character after it, the width is the text after the type and the "=". A width that
// is not a whole number gives 100.
GridItem ParseItemLine(const std::string& line);
std::string FormatItemLine(const GridItem& item);

// The item lines of the current grid columns, type codes read with TypeCodeAt.
std::vector<std::string> ItemLinesOf(const std::vector<std::string>& names, const std::vector<int>& widths,
                                     const std::vector<std::string>& typesList);

// Columns from item lines, in order. A name equal (ignoring case) to an earlier
// column's header becomes "Item " followed by the column's zero-based index, so the
// headers stay unique without regard to case.
std::vector<GridItem> ItemsFromLines(const std::vector<std::string>& lines);

// Applies item lines to the columns and the type list. The grid keeps at least one
// column: with no lines the first column stays as it was. Type list entries beyond
// the new columns are kept, since documents store them.
void ApplyItemLines(const std::vector<std::string>& lines, std::vector<GridItem>& columns,
                    std::vector<std::string>& typesList);

// Formula line split at its first "=" into target and expression. Without "=" the
// target is empty and the whole line is the expression.
std::pair<std::string, std::string> SplitFormulaLine(const std::string& line);
std::string JoinFormulaLine(const std::string& target, const std::string& expression);

// The target text of a column as formulas write it: "#" + name + "(a)".
std::string FormulaTargetOf(const std::string& columnName);

// Column names are compared ignoring the case of ASCII letters and the Arabic yeh and kaf
// against the Persian ones (a document may hold either for the same name); other bytes
// (Farsi names in UTF-8) must match exactly.
bool SameNameIgnoringCase(const std::string& left, const std::string& right);

// The text with the Arabic yeh and kaf (U+064A, U+0643) written as the Persian ones
// (U+06CC, U+06A9): names and formulas so folded refer to each other whichever was typed.
std::string WithPersianLetters(std::string text);
