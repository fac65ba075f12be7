// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The toolkit-free grid library, one test class split over a source file per area.
class TestGrid : public QObject
{
    Q_OBJECT

  private slots:
    // Formula evaluation and number format
    void evaluates_expressions_data();
    void evaluates_expressions();
    void deeply_nested_groups_are_evaluated();
    void formats_numbers_data();
    void formats_numbers();
    void rounds_numbers_to_fit_data();
    void rounds_numbers_to_fit();

    // Column rules, item lines and Calculate Grid
    void checks_cell_texts_data();
    void checks_cell_texts();
    void filters_keys_by_column_type_data();
    void filters_keys_by_column_type();
    void missing_type_entries_read_as_text();
    void reads_item_lines_data();
    void reads_item_lines();
    void renames_duplicate_items_data();
    void renames_duplicate_items();
    void applies_item_lines_to_columns_and_types();
    void splits_formula_lines();
    void calculates_grid_data();
    void calculates_grid();
};
