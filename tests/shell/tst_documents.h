// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"

#include <QDir>
#include <QObject>

#include <memory>

// The document lifecycle through the window, one test class split over a source file per
// area.
class TestDocuments : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void a_saved_document_opens_with_every_field_equal();
    void the_example_document_reads_and_writes_back_byte_for_byte();
    void save_as_adds_the_extension_and_names_the_caption_data();
    void save_as_adds_the_extension_and_names_the_caption();
    void overwriting_asks_and_no_returns_to_the_dialog();
    void save_on_an_untitled_document_asks_for_a_name_and_cancel_writes_nothing();
    void a_failed_save_keeps_name_flag_and_caption();
    void ctrl_s_from_the_reaction_line_leaves_the_document_saved();
    void ctrl_s_while_typing_in_a_cell_saves_the_typed_text();

    void the_question_comes_only_for_a_changed_document();
    void cancel_keeps_everything_and_no_drops_the_changes();
    void yes_with_a_cancelled_save_dialog_stops_new_open_and_close();
    void yes_with_a_failed_save_stops_the_close();

    void new_takes_the_defaults_of_the_interface_language();
    void a_missing_defaults_file_keeps_the_previous_columns();
    void a_malformed_defaults_file_keeps_what_was_read();
    void defaults_are_looked_for_in_order_and_written_where_new_looks_first_data();
    void defaults_are_looked_for_in_order_and_written_where_new_looks_first();

    void bad_files_show_the_message_and_leave_a_clean_new_document_data();
    void bad_files_show_the_message_and_leave_a_clean_new_document();
    void the_command_line_file_opens_after_the_new_document();

    void html_export_writes_the_page_in_the_code_page();
    void farsi_keyboard_yeh_is_saved_as_the_code_page_yeh();
    void worked_out_marks_come_back_with_the_unchanged_file_only_data();
    void worked_out_marks_come_back_with_the_unchanged_file_only();

  private:
    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<QTemporaryDir> Dir;
    QString PathOf(const QString& name) const { return QDir(Dir->path()).filePath(name); }
};
