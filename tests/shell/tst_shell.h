// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"

#include <QGuiApplication>
#include <QObject>
#include <QTest>

#include <memory>

// The main window's start-up, settings, language switch and message box, one test class split
// over a source file per area.
class TestShell : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void first_run_uses_designed_bounds_and_english();
    void stored_values_are_read_in_order_until_one_is_missing_data();
    void stored_values_are_read_in_order_until_one_is_missing();
    void stored_farsi_comes_up_before_any_document();
    void a_window_stored_off_every_screen_comes_back();
    void closing_writes_the_six_values_and_the_next_start_restores_them_data();
    void closing_writes_the_six_values_and_the_next_start_restores_them();
    void cancelling_the_close_question_keeps_the_window_and_writes_nothing();
    void later_activations_do_not_start_again();
    void the_window_cannot_be_made_smaller_than_its_minimum();

    void farsi_then_english_restores_every_text();
    void only_the_other_language_command_is_offered();
    void keys_and_menu_letters_are_each_used_once();
    void a_language_switch_marks_the_document_changed();
    void the_caption_names_the_file_in_both_languages();
    void the_status_bar_switches_language_with_everything_else_data();
    void the_status_bar_switches_language_with_everything_else();

    void message_box_buttons_defaults_and_results_data();
    void message_box_buttons_defaults_and_results();
    void farsi_message_box_is_right_to_left_with_farsi_title_and_buttons();
    void closing_a_message_box_by_its_close_box_answers_cancel();
    void message_boxes_stand_in_the_middle_of_the_screen();
    void each_kind_of_message_has_its_own_sound_data();
    void each_kind_of_message_has_its_own_sound();
    void problem_with_farsi_stays_english();

    void every_farsi_text_is_persian_and_fits_the_code_page();
    void key_options_stay_left_to_right_in_farsi();
    void status_messages_start_at_the_reading_side();
    void every_caption_fits_its_control_data();
    void every_caption_fits_its_control();

  private:
    std::unique_ptr<TestSettings> Settings;
};

// Offscreen the frame is the one Qt computes; under X it is the window manager's, and without
// one there is nothing to check.
inline bool Framed(QWidget* window)
{
    return QGuiApplication::platformName() != QLatin1String("xcb") ||
           QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 3000);
}
