// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GridModel.h"

#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "texts/SpokenReaction.h"
#include "texts/Texts.h"

GridModel::GridModel(DocumentModel* document) : QAbstractTableModel(document), Owner(document) {}

const Document& GridModel::doc() const
{
    return Owner->document();
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
    const int row = index.row() + 1;
    if (role == WorkedOutRole)
        return doc().isWorkedOut(index.column(), row);
    // A screen reader hears a formula word by word, as the line's reaction, and a worked-out
    // cell, which the grid draws in italic, as such.
    if (role == Qt::AccessibleTextRole && doc().typeCodeOf(index.column()) == GridType::SubstanceFormula)
        return QString::fromStdString(SpokenReaction(doc().cell(index.column(), row), doc().language()));
    if (role == Qt::AccessibleDescriptionRole && doc().isWorkedOut(index.column(), row))
        return QString::fromUtf8(Texts::WorkedOutCell.In(doc().language()));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    return QString::fromStdString(doc().cell(index.column(), row));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Owner->setCell(index.column(), index.row() + 1, value.toString());
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
    return QString::fromStdString(doc().cell(section, 0));
}

int GridModel::gridRowCount() const
{
    return doc().rowCount();
}

int GridModel::gridColumnCount() const
{
    return doc().columnCount();
}

QString GridModel::cell(int column, int row) const
{
    return QString::fromStdString(doc().cell(column, row));
}

bool GridModel::isWorkedOut(int column, int row) const
{
    return doc().isWorkedOut(column, row);
}

int GridModel::columnWidth(int column) const
{
    return doc().columnWidth(column);
}

void GridModel::setColumnWidth(int column, int width)
{
    Owner->resizeColumn(column, width);
}

char GridModel::typeCodeOf(int column) const
{
    return doc().typeCodeOf(column);
}

void GridModel::shapeAboutToChange(DocumentObserver::Shape shape, int oldCount, int newCount)
{
    using Shape = DocumentObserver::Shape;
    // The model's rows are the data rows: row 0 of the document is the header.
    if (shape == Shape::Whole) {
        Changing = Pending::Reset;
        beginResetModel();
    } else if (shape == Shape::Rows && newCount > oldCount) {
        Changing = Pending::InsertRows;
        beginInsertRows(QModelIndex(), oldCount - 1, newCount - 2);
    } else if (shape == Shape::Rows) {
        Changing = Pending::RemoveRows;
        beginRemoveRows(QModelIndex(), newCount - 1, oldCount - 2);
    } else if (newCount > oldCount) {
        Changing = Pending::InsertColumns;
        beginInsertColumns(QModelIndex(), oldCount, newCount - 1);
    } else {
        Changing = Pending::RemoveColumns;
        beginRemoveColumns(QModelIndex(), newCount, oldCount - 1);
    }
}

void GridModel::shapeChanged(DocumentObserver::Shape)
{
    switch (std::exchange(Changing, Pending::None)) {
    case Pending::Reset:
        endResetModel();
        break;
    case Pending::InsertRows:
        endInsertRows();
        break;
    case Pending::RemoveRows:
        endRemoveRows();
        break;
    case Pending::InsertColumns:
        endInsertColumns();
        break;
    case Pending::RemoveColumns:
        endRemoveColumns();
        break;
    case Pending::None:
        break;
    }
}

void GridModel::cellsChanged(const CellRange& range)
{
    if (range.FirstRow == 0)
        emit headerDataChanged(Qt::Horizontal, range.FirstColumn, range.LastColumn);
    if (range.LastRow >= 1)
        emit dataChanged(index(std::max(range.FirstRow, 1) - 1, range.FirstColumn),
                         index(range.LastRow - 1, range.LastColumn),
                         {Qt::DisplayRole, Qt::EditRole, WorkedOutRole});
}

void GridModel::widthChanged(int column)
{
    emit columnWidthChanged(column, columnWidth(column));
}
