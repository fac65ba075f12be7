// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The substance property grid as a table model. It keeps the grid the way documents store
// it, as text with row 0 holding the item names, together with the column widths and the
// type codes, so Balance, Calculate Grid, the file and the exports work on it directly.
// Views see the data rows as the model's rows and the item names as the horizontal header;
// they draw only the cells in view, however large the grid.
//
// Besides the text, each data cell knows whether it is worked out: filled by Calculate
// Grid rather than given (typed, opened from a file, written by Balance). Typing into a
// cell makes it a given one again. The mark is not part of documents; views read it through
// WorkedOutRole and Recalculate empties the marked cells.

#include "grid/GridCells.h"

#include <QAbstractTableModel>

#include <string>
#include <utility>
#include <vector>

class GridModel : public QAbstractTableModel
{
    Q_OBJECT

  public:
    static constexpr int WorkedOutRole = Qt::UserRole + 1;

    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Row numbers below count the header row as row 0, as documents do.
    const GridCells& cells() const { return Cells; }
    int gridRowCount() const { return static_cast<int>(Cells.size()); }
    int gridColumnCount() const { return static_cast<int>(Widths.size()); }
    void setGridRowCount(int rows);       // at least the header row; new rows are empty
    void setGridColumnCount(int columns); // at least one; new columns are unnamed, 100 wide
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text); // a given cell
    void clearDataRows();                                   // empties every cell of rows 1 and below

    // Replaces the grid: sized to the rows (and to the first row's columns), every data cell
    // emptied first and given. Without rows only the data rows go and the columns stay.
    void setCells(const GridCells& cells);
    // Writes back data cells that differ (the grid keeps its size): given ones for Balance,
    // worked-out ones for Calculate Grid.
    enum class Origin
    {
        Given,
        WorkedOut
    };
    void updateCells(const GridCells& cells, Origin origin = Origin::Given);

    bool isWorkedOut(int column, int row) const;
    void setWorkedOut(int column, int row, bool workedOut);
    std::vector<std::pair<int, int>> workedOutCells() const; // (column, row), row by row
    bool hasWorkedOutCells() const;
    void clearWorkedOutCells(); // empties every worked-out cell, which is then given

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width); // kept within 0 to 10000 pixels
    const std::vector<int>& columnWidths() const { return Widths; }

    // One type code per column, possibly more (documents keep surplus entries).
    const std::vector<std::string>& typesList() const { return TypesList; }
    void setTypesList(const std::vector<std::string>& types) { TypesList = types; }
    char typeCodeOf(int column) const;

  signals:
    void columnWidthChanged(int column, int width);

  private:
    void EmitRowsChanged(int firstRow, int lastRow, const QList<int>& roles);

    GridCells Cells;                          // row 0: the item names
    std::vector<std::vector<bool>> WorkedOut; // the same shape as Cells
    std::vector<int> Widths;                  // its size is the column count
    std::vector<std::string> TypesList;
};
