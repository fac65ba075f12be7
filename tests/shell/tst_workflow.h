// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"

#include <QObject>
#include <QTest>

#include <memory>

// The program's purpose through the real window, one test class split over a source file
// per area.
class TestWorkflow : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void typing_and_enter_balance_and_fill_the_typed_columns_data();
    void typing_and_enter_balance_and_fill_the_typed_columns();
    void a_second_balance_keeps_the_balanced_text();
    void failing_reactions_show_their_message_in_the_interface_language_data();
    void failing_reactions_show_their_message_in_the_interface_language();
    void lower_case_is_read_as_the_one_reading_that_balances_data();
    void lower_case_is_read_as_the_one_reading_that_balances();
    void coefficients_the_line_shows_choose_among_several_forms();
    void check_tells_whether_the_written_coefficients_balance();
    void symbols_without_a_weight_leave_empty_weight_cells();
    void a_charged_formula_reads_left_to_right_in_the_farsi_grid();
    void a_failed_balance_leaves_the_grid_and_marks_the_document();

    void calculate_grid_fills_empty_targets_from_other_rows_data();
    void calculate_grid_fills_empty_targets_from_other_rows();
    void a_single_substance_row_changes_nothing_but_marks_the_document();
    void shipped_defaults_work_out_moles_and_masses_in_two_clicks();
    void small_amounts_fill_every_cell_that_large_ones_fill_data();
    void small_amounts_fill_every_cell_that_large_ones_fill();
    void recalculate_follows_a_changed_given_mass_and_marks_worked_out_cells();
    void a_long_recalculation_shows_its_progress_and_cancel_leaves_the_grid();
    void precise_atomic_weights_apply_to_balance_and_are_kept();

    void cells_take_only_the_keys_of_their_column_type_data();
    void cells_take_only_the_keys_of_their_column_type();
    void a_number_that_does_not_convert_is_reported_and_kept();
    void clearing_a_numeric_cell_only_marks_the_document();
    void dragging_the_line_under_a_row_resizes_the_row();
    void a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole_data();
    void a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole();
    void headers_start_at_the_reading_side_data();
    void headers_start_at_the_reading_side();

  private:
    std::unique_ptr<TestSettings> Settings;
};

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
