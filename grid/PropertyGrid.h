// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The substance property grid. The rest of the program sees a string grid whose row 0
// is the header row of item names (as documents store it); on screen the names stand in
// the table's fixed horizontal header, so they stay in view while the rows scroll and
// cannot be edited in place.

#include "grid/GridCells.h"

#include <QTableWidget>

class TSTMainForm;

class TPropertyGrid : public QTableWidget
{
    Q_OBJECT

  public:
    TPropertyGrid(TSTMainForm* form, QWidget* parent);

    int RowCount() const { return rowCount() + 1; } // header row included
    void SetRowCount(int rows);                     // at least the header row
    int ColCount() const { return columnCount(); }
    void SetColCount(int cols); // at least one column

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetDefaultRowHeight(int height);

    // The whole grid as text, header row first, and back (resizing to fit).
    GridCells ToCells() const;
    void FromCells(const GridCells& cells);
    void ClearDataRows(); // empties every cell of rows 1 and below

    // The type code of the column a key or an edit belongs to.
    char TypeCodeOf(int col) const;

  protected:
    // Rows are resized by dragging the line under a row, as there is no row header.
    bool viewportEvent(QEvent* event) override;

  private:
    int RowLineAt(int y) const; // the data row whose bottom line is at y, or -1

    TSTMainForm* Form;
    int SizingRow = -1;
    int SizingOffset = 0;
};
