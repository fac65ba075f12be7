// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentState.h"

#include "grid/GridItems.h"

#include <algorithm>

namespace {
// Before a defaults file is read: 12 unnamed columns and one empty substance row.
constexpr int StartColumns = 12;
constexpr int MaxColumnWidth = 10000;
} // namespace

DocumentState::DocumentState()
{
    DocumentData& data = Content.Data;
    data.Cells.assign(2, GridRow(StartColumns));
    data.Widths.assign(StartColumns, DefaultColumnWidth);
    data.TypesList = BuiltInTypesList();
    data.Formulas = BuiltInFormulaLines();
    Content.WorkedOut.assign(2, std::vector<bool>(StartColumns, false));
}

const std::string& DocumentState::cell(int column, int row) const
{
    static const std::string outside;
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount())
        return outside;
    return cells()[size_t(row)][size_t(column)];
}

bool DocumentState::isWorkedOut(int column, int row) const
{
    return column >= 0 && column < columnCount() && row >= 1 && row < rowCount() &&
           Content.WorkedOut[size_t(row)][size_t(column)];
}

std::vector<CellPlace> DocumentState::workedOutCells() const
{
    std::vector<CellPlace> marked;
    for (size_t r = 1; r < Content.WorkedOut.size(); ++r)
        for (size_t c = 0; c < Content.WorkedOut[r].size(); ++c)
            if (Content.WorkedOut[r][c])
                marked.emplace_back(int(c), int(r));
    return marked;
}

const CellNote* DocumentState::noteAt(int column, int row) const
{
    for (const CellNote& note : Content.Notes)
        if (note.Column == column && note.Row == row)
            return &note;
    return nullptr;
}

void DocumentState::setSignificantFigures(int figures)
{
    SignificantFigures = std::clamp(figures, 0, 15);
    if (rowCount() > 1)
        Observer->cellsChanged({1, rowCount() - 1, 0, columnCount() - 1});
}

std::string DocumentState::limitingReactant() const
{
    if (Content.LimitingRow < 1 || Content.LimitingRow >= rowCount())
        return std::string();
    int column = 0;
    while (column + 1 < columnCount() && typeCodeOf(column) != GridType::SubstanceFormula)
        ++column;
    if (typeCodeOf(column) != GridType::SubstanceFormula)
        column = 0;
    return cell(column, Content.LimitingRow);
}

bool DocumentState::hasWorkedOutCells() const
{
    for (size_t r = 1; r < Content.WorkedOut.size(); ++r)
        if (std::find(Content.WorkedOut[r].begin(), Content.WorkedOut[r].end(), true) !=
            Content.WorkedOut[r].end())
            return true;
    return false;
}

int DocumentState::columnWidth(int column) const
{
    return column >= 0 && column < columnCount() ? columnWidths()[size_t(column)] : 0;
}

char DocumentState::typeCodeOf(int column) const
{
    return TypeCodeAt(typesList(), column);
}

DocumentOptions DocumentState::options() const
{
    return {fonts(), ItemLinesOf(cells().front(), columnWidths(), typesList()), formulas()};
}

std::string DocumentState::caption() const
{
    return DocumentCaption(FileName);
}

void DocumentState::markModified(bool modified)
{
    if (Modified == modified)
        return;
    Modified = modified;
    Observer->modifiedChanged();
}

void DocumentState::replaceReaction(const std::string& text)
{
    if (reaction() == text)
        return;
    Content.Data.ReactionText = text;
    Observer->reactionChanged();
}

void DocumentState::replaceLanguage(Language lang)
{
    if (language() == lang)
        return;
    Content.Data.Lang = lang;
    Observer->languageChanged();
}

void DocumentState::replaceFonts(const FontSettings& givenFonts)
{
    FontSettings fonts = givenFonts;
    for (int i = 0; i < FontSettings::Count; ++i)
        fonts.At(i).Size = std::clamp(fonts.At(i).Size, SmallestFontSize, LargestFontSize);
    if (this->fonts() == fonts)
        return;
    Content.Data.Fonts = fonts;
    Observer->fontsChanged();
}

void DocumentState::replaceFileName(const std::string& path)
{
    if (FileName == path)
        return;
    FileName = path;
    Observer->fileNameChanged();
}

// What a calculation said of the cells no longer holds once the grid changes its shape.
void DocumentState::forgetNotes()
{
    Content.Notes.clear();
    Content.LimitingRow = 0;
}

void DocumentState::resizeRows(int rows)
{
    rows = std::max(rows, 1);
    const int old = rowCount();
    if (rows == old)
        return;
    Observer->gridShapeAboutToChange(DocumentObserver::Shape::Rows, old, rows);
    forgetNotes();
    Content.Data.Cells.resize(size_t(rows), GridRow(size_t(columnCount())));
    Content.WorkedOut.resize(size_t(rows), std::vector<bool>(size_t(columnCount()), false));
    Observer->gridShapeChanged(DocumentObserver::Shape::Rows);
}

void DocumentState::resizeColumns(int columns)
{
    columns = std::max(columns, 1);
    const int old = columnCount();
    if (columns == old)
        return;
    Observer->gridShapeAboutToChange(DocumentObserver::Shape::Columns, old, columns);
    forgetNotes();
    for (GridRow& row : Content.Data.Cells)
        row.resize(size_t(columns));
    for (std::vector<bool>& row : Content.WorkedOut)
        row.resize(size_t(columns), false);
    Content.Data.Widths.resize(size_t(columns), DefaultColumnWidth);
    Observer->gridShapeChanged(DocumentObserver::Shape::Columns);
}

void DocumentState::replaceCells(const GridCells& cells)
{
    // Sized to the rows and to the first row's columns; without rows only the data rows go
    // and the columns stay.
    GridCells& mine = Content.Data.Cells;
    Observer->gridShapeAboutToChange(DocumentObserver::Shape::Whole, rowCount(),
                                     std::max<int>(int(cells.size()), 1));
    for (size_t r = 1; r < mine.size(); ++r)
        std::fill(mine[r].begin(), mine[r].end(), std::string());
    const size_t columns = cells.empty() ? size_t(columnCount()) : std::max<size_t>(cells.front().size(), 1);
    Content.Data.Widths.resize(columns, DefaultColumnWidth);
    mine.resize(std::max<size_t>(cells.size(), 1));
    Content.WorkedOut.assign(mine.size(), std::vector<bool>(columns, false));
    forgetNotes();
    for (size_t r = 0; r < mine.size(); ++r) {
        mine[r].resize(columns);
        if (r < cells.size())
            std::copy_n(cells[r].begin(), std::min(columns, cells[r].size()), mine[r].begin());
    }
    Observer->gridShapeChanged(DocumentObserver::Shape::Whole);
}

void DocumentState::replaceData(const DocumentData& data)
{
    replaceLanguage(data.Lang);
    replaceReaction(data.ReactionText);
    replaceCells(data.Cells);
    for (int c = 0; c < static_cast<int>(data.Widths.size()) && c < columnCount(); ++c)
        setWidth(c, data.Widths[size_t(c)]);
    replaceFonts(data.Fonts);
    Content.Data.Formulas = data.Formulas;
    Content.Data.TypesList = data.TypesList;
}

void DocumentState::writeCell(int column, int row, const std::string& text)
{
    Content.Data.Cells[size_t(row)][size_t(column)] = text;
    Content.WorkedOut[size_t(row)][size_t(column)] = false;
    Observer->cellsChanged({row, row, column, column});
}

void DocumentState::setWidth(int column, int width)
{
    if (column < 0 || column >= columnCount())
        return;
    width = std::clamp(width, 0, MaxColumnWidth);
    if (columnWidth(column) == width)
        return;
    Content.Data.Widths[size_t(column)] = width;
    Observer->columnWidthChanged(column);
}

void DocumentState::emptyDataRows()
{
    for (size_t r = 1; r < Content.Data.Cells.size(); ++r) {
        std::fill(Content.Data.Cells[r].begin(), Content.Data.Cells[r].end(), std::string());
        std::fill(Content.WorkedOut[r].begin(), Content.WorkedOut[r].end(), false);
    }
    if (rowCount() > 1)
        Observer->cellsChanged({1, rowCount() - 1, 0, columnCount() - 1});
}

void DocumentState::markWorkedOut(const std::vector<CellPlace>& places)
{
    for (const auto& [column, row] : places) {
        if (column < 0 || column >= columnCount() || row < 1 || row >= rowCount() || isWorkedOut(column, row))
            continue;
        Content.WorkedOut[size_t(row)][size_t(column)] = true;
        Observer->cellsChanged({row, row, column, column});
    }
}

void DocumentState::replaceContent(const DocumentContent& content)
{
    Observer->gridShapeAboutToChange(DocumentObserver::Shape::Whole, rowCount(),
                                     int(content.Data.Cells.size()));
    Content = content;
    Observer->gridShapeChanged(DocumentObserver::Shape::Whole);
    Observer->reactionChanged();
    Observer->languageChanged();
    Observer->fontsChanged();
}
