// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/reactionline/ReactionLine.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QRect>
#include <QStringList>

// The reaction line on a started main window, one test class split over a source file per
// area.
class TestEditor : public QObject
{
    Q_OBJECT

  private slots:
    // Typing
    void typing_maps_keys_and_tidies_the_line_data();
    void typing_maps_keys_and_tidies_the_line();
    void an_input_method_commit_is_typed();
    void a_second_separator_leaves_text_and_caret_as_they_were();

    // Caret and deletion keys
    void caret_and_deletion_keys_data();
    void caret_and_deletion_keys();
    void every_key_released_marks_the_document_modified_data();
    void every_key_released_marks_the_document_modified();
    void a_long_reaction_scrolls_to_keep_the_caret_in_view();

    // Mouse
    void a_click_places_the_caret_data();
    void a_click_places_the_caret();

    // Clipboard
    void copy_and_paste_back_give_the_text_without_coefficients();
    void textbook_notation_pasted_and_copied_as_a_person_would();
    void pasted_textbook_notation_goes_in_as_read_data();
    void pasted_textbook_notation_goes_in_as_read();
    void a_carriage_return_in_pasted_text_runs_balance_at_that_point();
    void a_carriage_return_balances_the_reaction_data();
    void a_carriage_return_balances_the_reaction();
    void paste_without_text_on_the_clipboard_changes_nothing();
    void a_second_paste_during_a_paste_is_ignored();
    void closing_the_window_stops_a_paste();

    // Caret
    void the_caret_is_a_black_line_that_blinks();
    void an_empty_reaction_is_a_white_line();

    // Drawing
    void each_character_is_drawn_in_its_font_data();
    void each_character_is_drawn_in_its_font();
    void subscripts_position_lifts_the_counts();
    void the_caret_rises_into_a_charge();
    void the_caret_after_an_arrow_stands_at_its_right_edge();
    void the_reaction_font_sets_the_panel_height_data();
    void the_reaction_font_sets_the_panel_height();
    void font_colours_are_drawn_data();
    void font_colours_are_drawn();

    // Key options
    void key_options_are_read_from_the_settings_data();
    void key_options_are_read_from_the_settings();
    void key_options_changed_in_one_run_hold_at_the_next_start();
    void the_key_options_dialog_opens_in_the_program_font_centred();
    void the_key_options_dialog_follows_the_language();

    // Bitmap export
    void the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid_data();
    void the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid();
    void bitmap_columns_follow_the_interface_direction_data();
    void bitmap_columns_follow_the_interface_direction();
    void bitmap_cells_keep_their_text_inside_data();
    void bitmap_cells_keep_their_text_inside();
    void a_charged_formula_reads_left_to_right_in_the_farsi_bitmap();
    void the_export_command_asks_and_writes_a_24_bit_bitmap_data();
    void the_export_command_asks_and_writes_a_24_bit_bitmap();
    void a_failed_export_says_it_could_not_save();
    void the_export_leaves_the_scrolled_line_as_it_was();
};

// Types as a keyboard would.
inline void Type(const WindowFixture& w, const QString& text)
{
    for (QChar ch : text)
        TypeCharacter(w.KeyBox(), ch);
}

// A text as Balance or Open leaves it, with the caret at caretPos.
inline void SetText(const WindowFixture& w, const QString& text, int caretPos = 0)
{
    w.Doc()->setReaction(text.toStdString());
    w.Line()->setCaretPos(caretPos);
    w.Line()->draw();
}

inline QString Text(const WindowFixture& w)
{
    return QString::fromStdString(w.Doc()->reactionText());
}

// Through the key-options dialog, whose every edit is in force at once.
inline void SetKeySets(const WindowFixture& w, const QStringList& sets, bool autoCase)
{
    auto* dialog = w.Find<KeyOptionsDialog>("keyOptionsDialog");
    if (!sets.isEmpty()) {
        dialog->plusKeys->setText(sets[0]);
        dialog->openKeys->setText(sets[1]);
        dialog->closeKeys->setText(sets[2]);
        dialog->arrowKeys->setText(sets[3]);
    }
    dialog->autoCase->setChecked(autoCase);
}

using PixelTest = bool (*)(QRgb);
inline bool IsInk(QRgb c)
{
    return qGray(c) < 160;
}

inline bool IsBlack(QRgb c)
{
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

// The smallest rectangle around the pixels of area that pass the test (null if none).
inline QRect InkBox(const QImage& image, const QRect& area, PixelTest test)
{
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}
