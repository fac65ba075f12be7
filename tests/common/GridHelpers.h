// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grid of a started main window as its tests fill it and read it, and a reaction typed.

#include "tests/common/WindowFixture.h"

#include <QStringList>
#include <QTest>

// Columns as a document gives them: names in the header row, type codes in TypesList.
inline void SetColumns(const WindowFixture& w, const QStringList& names,
                       const std::vector<std::string>& types)
{
    w.EditContent([&](DocumentContent& content) {
        content.Data.Widths.resize(size_t(names.size()), 100);
        for (GridRow& row : content.Data.Cells)
            row.resize(size_t(names.size()));
        for (std::vector<bool>& row : content.WorkedOut)
            row.resize(size_t(names.size()), false);
        for (int c = 0; c < names.size(); ++c)
            content.Data.Cells[0][size_t(c)] = names[c].toStdString();
        content.Data.TypesList = types;
    });
}

inline QStringList Column(const WindowFixture& w, int col)
{
    QStringList cells;
    for (int r = 1; r < w.Grid()->gridRowCount(); ++r)
        cells << w.Grid()->cell(col, r);
    return cells;
}

inline void TypeReaction(const WindowFixture& w, const QString& typed)
{
    w.KeyBox()->setFocus();
    QTest::keyClicks(w.KeyBox(), typed);
}

// Rows of cells for the grid, header first.
inline void FillGrid(const WindowFixture& w, const QList<QStringList>& rows)
{
    w.SetRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            w.Doc()->setCell(c, r, rows[r][c]);
}
