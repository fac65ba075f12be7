// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/PropertyGrid.h"

#include "grid/GridItems.h"
#include "shell/MainU.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdlib>

namespace {

// Keys typed into a cell editor go through the column's key filter; every change of
// the editor's text is reported to the main window as it happens.
class TCellDelegate : public QStyledItemDelegate
{
  public:
    TCellDelegate(TSTMainForm* form, TPropertyGrid* grid) : QStyledItemDelegate(grid), Form(form), Grid(grid)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const int col = index.column();
            const int row = index.row() + 1;
            line->installEventFilter(const_cast<TCellDelegate*>(this));
            line->setProperty("stoikonColumn", col);
            QObject::connect(
                line, &QLineEdit::textEdited, Grid,
                [form = Form, col, row](const QString& text) { form->GridSetEditText(col, row, text); });
        }
        return editor;
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const int col = object->property("stoikonColumn").toInt();
            const QString text = key->text();
            // Enter, Escape and Tab keep ending the edit as in every other table.
            const bool navigation = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                    key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
                                    key->key() == Qt::Key_Backtab;
            if (!navigation && !text.isEmpty()) {
                for (char32_t ch : text.toUcs4()) {
                    if (!GridKeyAccepts(Grid->TypeCodeOf(col), ch))
                        return true; // discarded
                }
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    TSTMainForm* Form;
    TPropertyGrid* Grid;
};

} // namespace

TPropertyGrid::TPropertyGrid(TSTMainForm* form, QWidget* parent) : QTableWidget(parent), Form(form)
{
    setItemDelegate(new TCellDelegate(form, this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    setColumnCount(12);
    setRowCount(1);
    horizontalHeader()->setDefaultSectionSize(100);
    SetDefaultRowHeight(21);
    for (int c = 0; c < 12; ++c)
        SetCell(c, 0, QString());
    connect(this, &QTableWidget::cellClicked, this, [form](int, int) { form->GridClick(); });
}

void TPropertyGrid::SetRowCount(int rows)
{
    setRowCount(std::max(rows, 1) - 1);
}

void TPropertyGrid::SetColCount(int cols)
{
    const int old = columnCount();
    setColumnCount(std::max(cols, 1));
    for (int c = old; c < columnCount(); ++c) {
        setColumnWidth(c, 100);
        SetCell(c, 0, QString());
    }
}

QString TPropertyGrid::Cell(int col, int row) const
{
    const QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return it ? it->text() : QString();
}

void TPropertyGrid::SetCell(int col, int row, const QString& text)
{
    if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount())
        return;
    if (row == 0) {
        QTableWidgetItem* it = horizontalHeaderItem(col);
        if (!it) {
            it = new QTableWidgetItem;
            setHorizontalHeaderItem(col, it);
        }
        it->setText(text);
        return;
    }
    QTableWidgetItem* it = item(row - 1, col);
    if (!it) {
        if (text.isEmpty())
            return;
        it = new QTableWidgetItem;
        setItem(row - 1, col, it);
    }
    it->setText(text);
}

void TPropertyGrid::SetColWidth(int col, int width)
{
    setColumnWidth(col, std::clamp(width, 0, 10000));
}

int TPropertyGrid::RowHeight(int row) const
{
    return row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
}

void TPropertyGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, height);
    horizontalHeader()->setFixedHeight(height);
}

GridCells TPropertyGrid::ToCells() const
{
    GridCells cells(RowCount(), GridRow(ColCount()));
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            cells[r][c] = Cell(c, r).toStdString();
    return cells;
}

void TPropertyGrid::FromCells(const GridCells& cells)
{
    SetRowCount(static_cast<int>(cells.size()));
    if (!cells.empty())
        SetColCount(static_cast<int>(cells.front().size()));
    for (int r = 0; r < static_cast<int>(cells.size()); ++r)
        for (int c = 0; c < ColCount() && c < static_cast<int>(cells[r].size()); ++c)
            SetCell(c, r, QString::fromStdString(cells[r][c]));
}

void TPropertyGrid::ClearDataRows()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c))
                it->setText(QString());
}

char TPropertyGrid::TypeCodeOf(int col) const
{
    return TypeCodeAt(Form->TypesList, col);
}

int TPropertyGrid::RowLineAt(int y) const
{
    constexpr int grip = 3;
    const int row = rowAt(y + grip);
    for (int r : {row, row - 1}) {
        if (r < 0 || r >= rowCount())
            continue;
        const int bottom = rowViewportPosition(r) + rowHeight(r);
        if (std::abs(y - bottom) <= grip)
            return r;
    }
    return -1;
}

bool TPropertyGrid::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int y = qRound(mouse->position().y());
        if (SizingRow >= 0) {
            setRowHeight(SizingRow, std::max(y - SizingOffset, 2));
            return true;
        }
        if (RowLineAt(y) >= 0)
            viewport()->setCursor(Qt::SplitVCursor);
        else if (viewport()->cursor().shape() == Qt::SplitVCursor)
            viewport()->unsetCursor();
        break;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int y = qRound(mouse->position().y());
        const int row = mouse->button() == Qt::LeftButton ? RowLineAt(y) : -1;
        if (row >= 0) {
            // The line moves with the pointer by the distance it is dragged.
            SizingRow = row;
            SizingOffset = y - rowHeight(row);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (SizingRow >= 0) {
            SizingRow = -1;
            return true;
        }
        break;
    default:
        break;
    }
    return QTableWidget::viewportEvent(event);
}
