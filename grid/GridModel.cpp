// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridModel.h"

#include "grid/GridItems.h"

#include <algorithm>

namespace {
// Before a defaults file is read: 12 unnamed columns and one empty substance row.
constexpr int StartColumns = 12;
constexpr int MaxColumnWidth = 10000;
} // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent), Cells(2, GridRow(StartColumns)), Widths(StartColumns, DefaultColumnWidth),
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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return QString::fromStdString(Cells[size_t(index.row()) + 1][size_t(index.column())]);
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Cells[size_t(index.row()) + 1][size_t(index.column())] = value.toString().toStdString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
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
        endInsertRows();
    } else if (rows < old) {
        beginRemoveRows(QModelIndex(), rows - 1, old - 2);
        Cells.resize(size_t(rows));
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
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    else
        emit dataChanged(index(row - 1, column), index(row - 1, column), {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::clearDataRows()
{
    for (size_t r = 1; r < Cells.size(); ++r)
        std::fill(Cells[r].begin(), Cells[r].end(), std::string());
    if (gridRowCount() > 1)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::setCells(const GridCells& cells)
{
    beginResetModel();
    for (size_t r = 1; r < Cells.size(); ++r)
        std::fill(Cells[r].begin(), Cells[r].end(), std::string());
    const size_t columns = cells.empty() ? Widths.size() : std::max<size_t>(cells.front().size(), 1);
    Widths.resize(columns, DefaultColumnWidth);
    Cells.resize(std::max<size_t>(cells.size(), 1));
    for (size_t r = 0; r < Cells.size(); ++r) {
        Cells[r].resize(columns);
        if (r < cells.size())
            std::copy_n(cells[r].begin(), std::min(columns, cells[r].size()), Cells[r].begin());
    }
    endResetModel();
}

void GridModel::updateCells(const GridCells& cells)
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
            top = top < 0 ? int(r) : top;
            bottom = int(r);
            left = std::min(left, int(c));
            right = std::max(right, int(c));
        }
    }
    if (top > 0)
        emit dataChanged(index(top - 1, left), index(bottom - 1, right), {Qt::DisplayRole, Qt::EditRole});
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
