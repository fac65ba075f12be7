// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QTest>

#include <memory>

// The options dialog driven through its real widgets on a started main window, one test class
// split over a source file per area.
class TestOptionsDialog : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<MessageRecorder> Messages;
    std::unique_ptr<WindowFixture> Window;
    OptionsDialog* Ops = nullptr;

    // Shows the dialog the way a test can drive it: open() instead of a blocking exec().
    void Show()
    {
        Ops->open();
        QVERIFY(QTest::qWaitForWindowExposed(Ops));
    }
    template <typename T> T* Find(const char* name)
    {
        T* widget = Ops->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }

  private slots:
    void init();
    void cleanup();

    // Fonts, colours and fields
    void a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing_data();
    void a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing();
    void a_face_is_found_ignoring_case_and_a_missing_face_is_kept_data();
    void a_face_is_found_ignoring_case_and_a_missing_face_is_kept();
    void number_and_name_fields_refuse_other_characters_data();
    void number_and_name_fields_refuse_other_characters();
    void empty_number_fields_give_their_defaults();
    void the_colour_box_keeps_document_colours_data();
    void the_colour_box_keeps_document_colours();

    // Items and formulas
    void moving_an_item_moves_its_definition_but_not_the_cells_data();
    void moving_an_item_moves_its_definition_but_not_the_cells();
    void a_repeated_name_becomes_item_and_its_index_data();
    void a_repeated_name_becomes_item_and_its_index();
    void the_item_editors_rewrite_the_selected_entry();
    void deleting_every_item_leaves_the_first_column_as_it_was();
    void a_new_formula_targets_the_first_column();
    void formula_editors_follow_the_selected_entry_data();
    void formula_editors_follow_the_selected_entry();

    // OK, Cancel and Default
    void ok_applies_the_fonts_and_redraws_the_reaction_line_after_closing();
    void cancel_applies_nothing_and_redraws_nothing();
    void default_applies_and_writes_the_defaults_file_of_the_language_data();
    void default_applies_and_writes_the_defaults_file_of_the_language();

    // The interface language
    void texts_follow_the_interface_language_data();
    void texts_follow_the_interface_language();
};

struct Column
{
    QString Name;
    const char* Type;
    int Width;
};

// Gives the window's grid exactly these columns and one data row of cells "<name>1".
inline void SetColumns(MainWindow* window, const std::vector<Column>& columns)
{
    DocumentContent content = window->document()->document().content();
    content.Data.Widths.clear();
    content.Data.Cells.assign(2, GridRow());
    content.Data.TypesList.clear();
    for (const Column& column : columns) {
        content.Data.Cells[0].push_back(column.Name.toStdString());
        content.Data.Cells[1].push_back((column.Name + "1").toStdString());
        content.Data.Widths.push_back(column.Width);
        content.Data.TypesList.push_back(column.Type);
    }
    content.WorkedOut.assign(2, std::vector<bool>(columns.size(), false));
    window->document()->restore(content);
}

inline QStringList Headers(MainWindow* window)
{
    QStringList names;
    for (int c = 0; c < window->document()->grid()->gridColumnCount(); ++c)
        names << window->document()->grid()->cell(c, 0);
    return names;
}

inline QStringList Entries(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

inline void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}
