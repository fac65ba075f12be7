// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The document's grid as a table model, for views: the data rows as the model's rows and the
// item names as the horizontal header. It keeps nothing of its own: it reads the document's
// cells, sends edits to the document model and tells views what the document changed. Views
// draw only the cells in view, however large the grid.
//
// Besides its text each data cell tells through WorkedOutRole whether it was filled by
// Calculate Grid rather than given (typed, opened, written by Balance); screen readers get a
// formula's words and that mark through the accessible roles.

#include "document/Document.h"

#include <QAbstractTableModel>

class DocumentModel;

class GridModel : public QAbstractTableModel
{
    Q_OBJECT

  public:
    static constexpr int WorkedOutRole = Qt::UserRole + 1;

    explicit GridModel(DocumentModel* document);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Rows below count the header row as row 0, as documents do.
    int gridRowCount() const;
    int gridColumnCount() const;
    QString cell(int column, int row) const;
    bool isWorkedOut(int column, int row) const;
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width); // a width dragged on screen
    char typeCodeOf(int column) const;

    // The document's changes, as its model tells them.
    void shapeAboutToChange(DocumentObserver::Shape shape, int oldCount, int newCount);
    void shapeChanged(DocumentObserver::Shape shape);
    void cellsChanged(const CellRange& range);
    void widthChanged(int column);

  signals:
    void columnWidthChanged(int column, int width);

  private:
    const Document& doc() const;

    DocumentModel* Owner;
    // What the change under way began, to end it alike.
    enum class Pending
    {
        None,
        InsertRows,
        RemoveRows,
        InsertColumns,
        RemoveColumns,
        Reset
    } Changing = Pending::None;
};
