// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the property grid edits and draws its cells. Keys typed into a cell editor go
// through the column's key filter, and every change of the editor's text is reported as it
// happens. A number wider than its cell is drawn rounded to the significant digits that
// fit, with the full text as the cell's tooltip; worked-out cells are drawn in italic in a
// quiet blue that reads on light and dark backgrounds alike. The cell's text never changes.

#include <QStyledItemDelegate>

class CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

  public:
    explicit CellDelegate(QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // What a cell shows, with option as the view gives it for the cell.
    QStyleOptionViewItem shownOption(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    // The colour of worked-out cells on a background of this palette.
    static QColor workedOutColor(const QPalette& palette);

    // While set, an editor that loses the focus stays open (a warning about its text is up).
    void setHoldingEditor(bool hold) { HoldingEditor = hold; }
    bool holdingEditor() const { return HoldingEditor; }

  signals:
    // Every change of a cell editor's text, as it is typed (rows count the header as 0).
    void cellTextEdited(int column, int row, const QString& text);
    // A comma typed or pasted into a cell editor was dropped.
    void separatorDropped();

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    bool HoldingEditor = false;
};
