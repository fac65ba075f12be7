// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The substance property grid on screen: a view of the grid model whose header row shows
// the item names, so they stay in view while the rows scroll and cannot be edited in place.
// Row heights belong to the view (documents do not keep them); column widths follow the
// model both ways.

#include <QTableView>

#include <functional>
#include <vector>

class GridModel;

class GridView : public QTableView
{
    Q_OBJECT

  public:
    explicit GridView(QWidget* parent = nullptr);

    void setGridModel(GridModel* model);
    GridModel* gridModel() const { return Model; }

    int gridRowHeight(int row) const; // row 0 is the header row
    void setDefaultRowHeight(int height);
    std::vector<int> rowHeights() const; // every row, the header row first
    // How a data cell is drawn: its text as shown (a number too wide for the cell rounded
    // to fit), its font and its colours.
    QStyleOptionViewItem shownCell(int column, int row) const;
    // Runs warn, which shows a message about the text being typed, with the cell editor kept
    // open behind it: once the message is closed the user goes on typing where they were.
    void warnWhileEditing(const std::function<void()>& warn);
    // Ends an edit in progress, its text written into the cell: commands that the keyboard
    // or the menu run while a cell is being typed into see the text as typed.
    void finishEdit();

  signals:
    // Every change of a cell editor's text, as it is typed (rows count the header as 0).
    void cellTextEdited(int column, int row, const QString& text);
    // A comma typed or pasted into a cell was dropped.
    void separatorDropped();

  protected:
    // Rows are resized by dragging the line under a row, as there is no row header.
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab goes from cell to cell; Ctrl+Tab and Ctrl+Shift+Tab leave the grid for the window's
    // next or previous control, so that the keyboard reaches them without passing every cell.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void followDirection();
    void applyColumnWidth(int column, int width);
    void applyColumnWidths(int first, int last);
    int rowLineAt(int y) const; // the data row whose bottom line is at y, or -1

    GridModel* Model = nullptr;
    int SizingRow = -1;
    int SizingOffset = 0;
};
