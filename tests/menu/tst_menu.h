// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"
#include "ui/menu/MenuStyle.h"

#include <QImage>
#include <QMenu>
#include <QObject>
#include <QTest>

#include <memory>

// The owner-drawn menu, help mode, the web commands and the about box, one test class split
// over a source file per area.
class TestMenu : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    // Measuring
    void a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request_data();
    void a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request();
    void rows_are_as_high_as_their_icons_and_separators_are_8();
    void the_menu_font_follows_the_program_font();

    // Drawing
    void the_selection_covers_the_whole_row_in_light_blue_with_a_blue_outline();
    void an_unselected_row_shows_the_icon_column_and_a_white_background();
    void captions_start_4_pixels_after_the_icon_column_data();
    void captions_start_4_pixels_after_the_icon_column();
    void separators_run_through_the_middle_from_the_caption_column_to_the_far_edge();
    void farsi_mirrors_the_icon_column_the_caption_and_the_shortcut();
    void menu_bar_items_have_the_button_face_and_their_caption_6_pixels_in();
    void farsi_menu_bar_captions_fit_their_items();
    void a_raised_icon_stands_up_and_left_of_its_silhouette_data();
    void a_raised_icon_stands_up_and_left_of_its_silhouette();
    void shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt_data();
    void shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt();
    void a_caption_with_an_accelerator_is_drawn_as_one_text_run_data();
    void a_caption_with_an_accelerator_is_drawn_as_one_text_run();
    void a_clear_gap_stands_before_every_shortcut_data();
    void a_clear_gap_stands_before_every_shortcut();
    void a_dark_desktop_keeps_the_texts_on_white_grounds_dark();

    // Help mode
    void f1_shows_the_help_pointer_and_the_prompt();
    void a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers_data();
    void a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers();
    void a_click_on_balance_in_help_mode_does_not_balance_and_the_next_click_does();
    void a_click_on_the_grid_in_help_mode_neither_selects_nor_edits();
    void clicks_elsewhere_leave_help_mode_on();
    void help_mode_in_farsi_prompts_and_answers_in_farsi();
    void hovering_menu_items_in_help_mode_keeps_the_prompt();

    // Web commands and the about box
    void web_commands_open_their_targets_data();
    void web_commands_open_their_targets();
    void the_about_box_site_opens_the_same_address_as_visit_website();
    void the_about_box_reads_right_to_left_after_a_switch_to_farsi();
    void the_about_box_takes_the_program_font_and_keeps_its_title_font();

  private:
    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<MessageRecorder> Messages;
    std::unique_ptr<WindowFixture> Window;
    QStringList Opened;

    MainWindow* W() const { return Window->Window; }
    QColor Expected(ColorValue value, const QWidget* widget) const
    {
        return Window->Find<MenuStyle>("menuStyle")->colorOf(value, widget->palette());
    }
    void EnterHelpMode()
    {
        W()->activateWindow();
        QTest::keyClick(W(), Qt::Key_F1);
        if (!Window->Window->helpMode().isOn()) // no active window on this platform: run the command directly
            Window->Action("help")->trigger();
        QVERIFY(Window->Window->helpMode().isOn());
    }
};

// Opens the menu offscreen with one item selected (or none) and returns what it shows.
inline QImage GrabMenu(QMenu* menu, QAction* selected)
{
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(selected);
    const QImage image = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    menu->hide();
    return image;
}

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

inline bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The first column, walking from `from` towards `to`, holding a dark pixel in the row.
inline int FirstDarkColumn(const QImage& image, const QRect& row, int from, int to)
{
    const int step = from <= to ? 1 : -1;
    for (int x = from; x != to + step; x += step)
        for (int y = row.top(); y <= row.bottom(); ++y)
            if (IsDark(Rgb(image, x, y)))
                return x;
    return -1;
}
