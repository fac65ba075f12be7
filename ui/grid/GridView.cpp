// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/GridView.h"

#include "grid/GridItems.h"
#include "model/GridModel.h"
#include "ui/grid/CellDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>

GridView::GridView(QWidget* parent) : QTableView(parent)
{
    auto* delegate = new CellDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &CellDelegate::cellTextEdited, this, &GridView::cellTextEdited);
    connect(delegate, &CellDelegate::separatorDropped, this, &GridView::separatorDropped);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    followDirection();
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    setDefaultRowHeight(DefaultRowHeight);
    // A width dragged on screen is the document's width.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (Model)
            Model->setColumnWidth(column, width);
    });
}

void GridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        followDirection();
}

void GridView::followDirection()
{
    // The header names start at the reading side, as the cells do: Qt's header keeps a
    // left alignment at the left in a right-to-left table.
    horizontalHeader()->setDefaultAlignment(Qt::AlignAbsolute | Qt::AlignVCenter |
                                            (isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft));
}

void GridView::setGridModel(GridModel* model)
{
    Model = model;
    setModel(model);
    connect(model, &GridModel::columnWidthChanged, this, &GridView::applyColumnWidth);
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { applyColumnWidths(0, Model->gridColumnCount() - 1); });
    connect(model, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { applyColumnWidths(first, last); });
    applyColumnWidths(0, model->gridColumnCount() - 1);
}

void GridView::applyColumnWidth(int column, int width)
{
    // With updates on, every resized section makes the header lay out all of them again.
    QHeaderView* header = horizontalHeader();
    const bool updates = header->updatesEnabled();
    header->setUpdatesEnabled(false);
    header->resizeSection(column, width);
    header->setUpdatesEnabled(updates);
}

void GridView::applyColumnWidths(int first, int last)
{
    QHeaderView* header = horizontalHeader();
    const bool updates = header->updatesEnabled();
    header->setUpdatesEnabled(false);
    for (int c = first; c <= last; ++c)
        header->resizeSection(c, Model->columnWidth(c));
    header->setUpdatesEnabled(updates);
}

int GridView::gridRowHeight(int row) const
{
    return row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
}

void GridView::setDefaultRowHeight(int height)
{
    // Every row takes the new height, also the ones resized by hand.
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

QStyleOptionViewItem GridView::shownCell(int column, int row) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = Model ? Model->index(row - 1, column) : QModelIndex();
    if (!index.isValid())
        return option;
    option.rect = visualRect(index);
    return static_cast<const CellDelegate*>(itemDelegate())->shownOption(option, index);
}

void GridView::warnWhileEditing(const std::function<void()>& warn)
{
    // A message box takes the focus from the editor, which would otherwise end the edit.
    auto* delegate = static_cast<CellDelegate*>(itemDelegate());
    const bool holding = delegate->holdingEditor();
    delegate->setHoldingEditor(true);
    warn();
    delegate->setHoldingEditor(holding);
}

void GridView::finishEdit()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

std::vector<int> GridView::rowHeights() const
{
    std::vector<int> heights(size_t(model() ? model()->rowCount() : 0) + 1);
    heights[0] = gridRowHeight(0);
    for (size_t r = 1; r < heights.size(); ++r)
        heights[r] = rowHeight(int(r) - 1);
    return heights;
}

int GridView::rowLineAt(int y) const
{
    constexpr int grip = 3;
    const int row = rowAt(y + grip);
    for (int r : {row, row - 1}) {
        if (r < 0 || !model() || r >= model()->rowCount())
            continue;
        const int bottom = rowViewportPosition(r) + rowHeight(r);
        if (std::abs(y - bottom) <= grip)
            return r;
    }
    return -1;
}

bool GridView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int y = qRound(mouse->position().y());
        if (SizingRow >= 0) {
            setRowHeight(SizingRow, std::max(y - SizingOffset, 2));
            return true;
        }
        if (rowLineAt(y) >= 0)
            viewport()->setCursor(Qt::SplitVCursor);
        else if (viewport()->cursor().shape() == Qt::SplitVCursor)
            viewport()->unsetCursor();
        break;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int y = qRound(mouse->position().y());
        const int row = mouse->button() == Qt::LeftButton ? rowLineAt(y) : -1;
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
    return QTableView::viewportEvent(event);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    QTableView::keyPressEvent(event);
}
