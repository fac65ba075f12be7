// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GridModel.h"

#include "grid/GridItems.h"

#include <algorithm>

namespace {
// Before a defaults file is read: 12 unnamed columns and one empty substance row.
constexpr int StartColumns = 12;
constexpr int MaxColumnWidth = 10000;
} // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent), Cells(2, GridRow(StartColumns)),
      WorkedOut(2, std::vector<bool>(StartColumns, false)), Widths(StartColumns, DefaultColumnWidth),
      TypesList(BuiltInTypesList())
{
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : gridRowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : gridColumnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const size_t row = size_t(index.row()) + 1;
    const size_t column = size_t(index.column());
    if (role == WorkedOutRole)
        return bool(WorkedOut[row][column]);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    return QString::fromStdString(Cells[row][column]);
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const size_t row = size_t(index.row()) + 1;
    const size_t column = size_t(index.column());
    std::string text = value.toString().toStdString();
    // An edit that leaves the text as it was leaves the cell as it was.
    if (Cells[row][column] == text)
        return true;
    Cells[row][column] = std::move(text);
    WorkedOut[row][column] = false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, WorkedOutRole});
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= gridColumnCount())
        return QVariant();
    return QString::fromStdString(Cells[0][size_t(section)]);
}

void GridModel::setGridRowCount(int rows)
{
    rows = std::max(rows, 1);
    const int old = gridRowCount();
    if (rows > old) {
        beginInsertRows(QModelIndex(), old - 1, rows - 2);
        Cells.resize(size_t(rows), GridRow(Widths.size()));
        WorkedOut.resize(size_t(rows), std::vector<bool>(Widths.size(), false));
        endInsertRows();
    } else if (rows < old) {
        beginRemoveRows(QModelIndex(), rows - 1, old - 2);
        Cells.resize(size_t(rows));
        WorkedOut.resize(size_t(rows));
        endRemoveRows();
    }
}

void GridModel::setGridColumnCount(int columns)
{
    columns = std::max(columns, 1);
    const int old = gridColumnCount();
    if (columns > old)
        beginInsertColumns(QModelIndex(), old, columns - 1);
    else if (columns < old)
        beginRemoveColumns(QModelIndex(), columns, old - 1);
    else
        return;
    for (GridRow& row : Cells)
        row.resize(size_t(columns));
    for (std::vector<bool>& row : WorkedOut)
        row.resize(size_t(columns), false);
    Widths.resize(size_t(columns), DefaultColumnWidth);
    if (columns > old)
        endInsertColumns();
    else
        endRemoveColumns();
}

QString GridModel::cell(int column, int row) const
{
    if (column < 0 || column >= gridColumnCount() || row < 0 || row >= gridRowCount())
        return QString();
    return QString::fromStdString(Cells[size_t(row)][size_t(column)]);
}

void GridModel::setCell(int column, int row, const QString& text)
{
    if (column < 0 || column >= gridColumnCount() || row < 0 || row >= gridRowCount())
        return;
    Cells[size_t(row)][size_t(column)] = text.toStdString();
    WorkedOut[size_t(row)][size_t(column)] = false;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    else
        emit dataChanged(index(row - 1, column), index(row - 1, column),
                         {Qt::DisplayRole, Qt::EditRole, WorkedOutRole});
}

void GridModel::clearDataRows()
{
    for (size_t r = 1; r < Cells.size(); ++r) {
        std::fill(Cells[r].begin(), Cells[r].end(), std::string());
        std::fill(WorkedOut[r].begin(), WorkedOut[r].end(), false);
    }
    EmitRowsChanged(1, gridRowCount() - 1, {Qt::DisplayRole, Qt::EditRole, WorkedOutRole});
}

void GridModel::EmitRowsChanged(int firstRow, int lastRow, const QList<int>& roles)
{
    if (firstRow >= 1 && lastRow >= firstRow)
        emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, columnCount() - 1), roles);
}

void GridModel::setCells(const GridCells& cells)
{
    beginResetModel();
    for (size_t r = 1; r < Cells.size(); ++r)
        std::fill(Cells[r].begin(), Cells[r].end(), std::string());
    const size_t columns = cells.empty() ? Widths.size() : std::max<size_t>(cells.front().size(), 1);
    Widths.resize(columns, DefaultColumnWidth);
    Cells.resize(std::max<size_t>(cells.size(), 1));
    WorkedOut.assign(Cells.size(), std::vector<bool>(columns, false));
    for (size_t r = 0; r < Cells.size(); ++r) {
        Cells[r].resize(columns);
        if (r < cells.size())
            std::copy_n(cells[r].begin(), std::min(columns, cells[r].size()), Cells[r].begin());
    }
    endResetModel();
}

void GridModel::updateCells(const GridCells& cells, Origin origin)
{
    int top = -1;
    int bottom = -1;
    int left = gridColumnCount();
    int right = -1;
    const size_t rows = std::min(cells.size(), Cells.size());
    for (size_t r = 1; r < rows; ++r) {
        const size_t columns = std::min(cells[r].size(), Cells[r].size());
        for (size_t c = 0; c < columns; ++c) {
            if (Cells[r][c] == cells[r][c])
                continue;
            Cells[r][c] = cells[r][c];
            WorkedOut[r][c] = origin == Origin::WorkedOut;
            top = top < 0 ? int(r) : top;
            bottom = int(r);
            left = std::min(left, int(c));
            right = std::max(right, int(c));
        }
    }
    if (top > 0)
        emit dataChanged(index(top - 1, left), index(bottom - 1, right),
                         {Qt::DisplayRole, Qt::EditRole, WorkedOutRole});
}

bool GridModel::isWorkedOut(int column, int row) const
{
    return column >= 0 && column < gridColumnCount() && row >= 1 && row < gridRowCount() &&
           WorkedOut[size_t(row)][size_t(column)];
}

void GridModel::setWorkedOut(int column, int row, bool workedOut)
{
    if (column < 0 || column >= gridColumnCount() || row < 1 || row >= gridRowCount() ||
        WorkedOut[size_t(row)][size_t(column)] == workedOut)
        return;
    WorkedOut[size_t(row)][size_t(column)] = workedOut;
    emit dataChanged(index(row - 1, column), index(row - 1, column), {WorkedOutRole});
}

std::vector<std::pair<int, int>> GridModel::workedOutCells() const
{
    std::vector<std::pair<int, int>> marked;
    for (size_t r = 1; r < WorkedOut.size(); ++r)
        for (size_t c = 0; c < WorkedOut[r].size(); ++c)
            if (WorkedOut[r][c])
                marked.emplace_back(int(c), int(r));
    return marked;
}

bool GridModel::hasWorkedOutCells() const
{
    for (size_t r = 1; r < WorkedOut.size(); ++r)
        if (std::find(WorkedOut[r].begin(), WorkedOut[r].end(), true) != WorkedOut[r].end())
            return true;
    return false;
}

void GridModel::clearWorkedOutCells()
{
    int first = -1;
    int last = -1;
    for (size_t r = 1; r < WorkedOut.size(); ++r) {
        for (size_t c = 0; c < WorkedOut[r].size(); ++c) {
            if (!WorkedOut[r][c])
                continue;
            WorkedOut[r][c] = false;
            Cells[r][c].clear();
            first = first < 0 ? int(r) : first;
            last = int(r);
        }
    }
    EmitRowsChanged(first, last, {Qt::DisplayRole, Qt::EditRole, WorkedOutRole});
}

int GridModel::columnWidth(int column) const
{
    return column >= 0 && column < gridColumnCount() ? Widths[size_t(column)] : 0;
}

void GridModel::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    width = std::clamp(width, 0, MaxColumnWidth);
    if (Widths[size_t(column)] == width)
        return;
    Widths[size_t(column)] = width;
    emit columnWidthChanged(column, width);
}

char GridModel::typeCodeOf(int column) const
{
    return TypeCodeAt(TypesList, column);
}
