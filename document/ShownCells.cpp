// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ShownCells.h"

#include "core/NotationWriters.h"
#include "grid/FormulaEvaluator.h"
#include "grid/GridItems.h"

#include <algorithm>
#include <cstdio>

int SignificantFiguresOf(const std::string& number)
{
    std::string digits;
    bool separator = false;
    for (char ch : number) {
        if (ch == 'E' || ch == 'e')
            break;
        if (ch == '.')
            separator = true;
        else if (ch >= '0' && ch <= '9' && (ch != '0' || !digits.empty()))
            digits += ch;
    }
    if (!separator)
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
    return std::max<int>(1, int(digits.size()));
}

namespace {
// A number to so many significant figures, its trailing zeros kept, as a student writes it
// (7.00 to three figures, not 7); a whole number without a point left hanging.
std::string ToFigures(long double value, int figures)
{
    char text[64];
    std::snprintf(text, sizeof text, "%#.*Lg", std::clamp(figures, 1, 18), value);
    std::string shown = text;
    if (const size_t point = shown.find('.');
        point != std::string::npos && (point + 1 == shown.size() || shown[point + 1] == 'e'))
        shown.erase(point, 1);
    return shown;
}

bool WrittenByBalance(char type)
{
    return type == GridType::SubstanceFormula || type == GridType::SubstanceNumber ||
           type == GridType::AtomicWeight;
}
} // namespace

int ShownSignificantFigures(const DocumentState& document)
{
    if (document.significantFigures() > 0)
        return document.significantFigures();
    int least = 15;
    for (int r = 1; r < document.rowCount(); ++r)
        for (int c = 0; c < document.columnCount(); ++c) {
            const std::string& text = document.cell(c, r);
            if (!text.empty() && !document.isWorkedOut(c, r) && !WrittenByBalance(document.typeCodeOf(c)) &&
                ParseRealNumber(text))
                least = std::min(least, SignificantFiguresOf(text));
        }
    return std::max(3, least);
}

ShownCell ShowCell(const DocumentState& document, int column, int row, int figures)
{
    ShownCell shown;
    shown.Source = document.cell(column, row);
    shown.Text = shown.Source;
    if (shown.Text.empty() || row < 1)
        return shown;
    if (document.typeCodeOf(column) == GridType::SubstanceFormula) {
        shown.Formula = true;
        shown.Text = ReactionAsUnicode(shown.Text);
        return shown;
    }
    const std::optional<long double> value = ParseRealNumber(shown.Text);
    if (!value)
        return shown;
    shown.Number = true;
    if (document.isWorkedOut(column, row))
        shown.Text = ToFigures(*value, figures);
    if (const CellNote* note = document.noteAt(column, row))
        shown.Note = NoteText(*note, document.language(), std::max(figures, 3));
    return shown;
}

ShownGrid ShowCells(const DocumentState& document)
{
    const int figures = ShownSignificantFigures(document);
    ShownGrid shown(std::size_t(document.rowCount()));
    for (int r = 0; r < document.rowCount(); ++r)
        for (int c = 0; c < document.columnCount(); ++c)
            shown[std::size_t(r)].push_back(ShowCell(document, c, r, figures));
    return shown;
}
