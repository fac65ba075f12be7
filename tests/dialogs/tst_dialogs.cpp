// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog driven through its real widgets on a started main window.

#include "dialogs/ColorBox.h"
#include "dialogs/OpsU.h"
#include "editor/FontConvert.h"
#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "tests/common/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {
struct Column
{
    QString Name;
    const char* Type;
    int Width;
};

// Gives the window's grid exactly these columns and one data row of cells "<name>1".
void SetColumns(TSTMainForm* window, const std::vector<Column>& columns)
{
    GridModel* grid = window->document()->grid();
    grid->setGridColumnCount(static_cast<int>(columns.size()));
    grid->setGridRowCount(2);
    std::vector<std::string> types;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid->setCell(c, 0, columns[c].Name);
        grid->setCell(c, 1, columns[c].Name + "1");
        grid->setColumnWidth(c, columns[c].Width);
        types.push_back(columns[c].Type);
    }
    grid->setTypesList(types);
}

QStringList Headers(TSTMainForm* window)
{
    QStringList names;
    for (int c = 0; c < window->document()->grid()->gridColumnCount(); ++c)
        names << window->document()->grid()->cell(c, 0);
    return names;
}

QStringList Entries(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void ClickEntry(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}
} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<MessageRecorder> Messages;
    std::unique_ptr<WindowFixture> Window;
    TOpsForm* Ops = nullptr;

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
    void init()
    {
        Settings = std::make_unique<TestSettings>();
        Messages = std::make_unique<MessageRecorder>();
        Window = std::make_unique<WindowFixture>();
        Ops = Window->Find<TOpsForm>("OpsForm");
        (*Window)->document()->setModified(false);
    }
    void cleanup()
    {
        if (Ops->isVisible())
            Ops->reject();
        Window.reset();
        Messages.reset();
        Settings.reset();
    }

    void a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing_data()
    {
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<int>("font");
        QTest::addColumn<bool>("bold");
        QTest::newRow("program bold") << "FPFB" << 0 << true;
        QTest::newRow("grid italic") << "FGFI" << 1 << false;
        QTest::newRow("reaction bold (bold by default)") << "FRFB" << 2 << true;
        QTest::newRow("numbers italic") << "FNFI" << 3 << false;
        QTest::newRow("subscripts bold") << "FSFB" << 4 << true;
    }
    void a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing()
    {
        QFETCH(QString, toggle);
        QFETCH(int, font);
        QFETCH(bool, bold);
        const FontSettings before = (*Window)->document()->fonts();
        const FontSpec& stored = before.At(font);
        const bool styled = bold ? stored.Bold : stored.Italic;
        Show();
        auto* button = Find<QToolButton>(toggle.toLatin1());
        QCOMPARE(button->isChecked(), styled);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->isChecked(), !styled);
        Click("Cancel");
        QVERIFY(!Ops->isVisible());
        QVERIFY((*Window)->document()->fonts() == before);
        QVERIFY(!(*Window)->document()->isModified());
        Show();
        QCOMPARE(button->isChecked(), styled);
    }

    void a_face_is_found_ignoring_case_and_a_missing_face_is_kept_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("shown");
        const QString installed = QFontDatabase::families().value(0);
        QTest::newRow("installed, other case") << installed.toUpper() << true << installed;
        QTest::newRow("not installed") << "No Such Face 7" << false << "No Such Face 7";
        if (!QFontDatabase::hasFamily("Tahoma"))
            QTest::newRow("Tahoma, the shipped defaults' face") << "Tahoma" << false << "Tahoma";
    }
    void a_face_is_found_ignoring_case_and_a_missing_face_is_kept()
    {
        QFETCH(QString, face);
        QFETCH(bool, installed);
        QFETCH(QString, shown);
        if (QFontDatabase::families().isEmpty())
            QSKIP("no fonts installed");
        Window->EditFonts([&](FontSettings& f) { f.ReactionFont.Name = face.toStdString(); });
        Show();
        // The box shows the document's face; one that is missing, in italics with a hint that
        // names the font drawn in its place.
        auto* list = Find<QComboBox>("FRFN");
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(list->font().italic(), !installed);
        QCOMPARE(list->toolTip().contains(QFontInfo(QFont(face)).family()), !installed);
        Click("OK");
        QCOMPARE(QString::fromStdString((*Window)->document()->fonts().ReactionFont.Name), shown);
        // Another face chosen instead is an ordinary one.
        Show();
        list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        QVERIFY(!list->font().italic() && list->toolTip().isEmpty());
    }

    void number_and_name_fields_refuse_other_characters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("size: letters and point") << "FPFS"
                                                 << "1a2.5"
                                                 << "125";
        QTest::newRow("subscript position: minus") << "FSbP"
                                                   << "-3"
                                                   << "3";
        QTest::newRow("width: blank") << "GIWidth"
                                      << "8 0"
                                      << "80";
        QTest::newRow("name: colon and equals") << "GIName"
                                                << "Mol:x=y"
                                                << "Molxy";
        // What a document cannot store (Windows-1256) would be lost on saving.
        QTest::newRow("name: Greek delta")
            << "GIName" << QString::fromUtf8("\u0394H \u06a9") << QString::fromUtf8("H \u06a9");
        QTest::newRow("formula: minus sign") << "GFN2" << QString::fromUtf8("2\u22121") << "21";
    }
    void number_and_name_fields_refuse_other_characters()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Show();
        Click("GINew"); // gives the item editors an entry to edit
        auto* edit = Find<QLineEdit>(field.toLatin1());
        edit->clear();
        for (QChar ch : typed) {
            if (ch.unicode() < 0x80)
                QTest::keyClicks(edit, QString(ch));
            else // as a keyboard layout's key or a paste inserts it
                edit->insert(QString(ch));
        }
        QCOMPARE(edit->text(), shown);
    }

    void empty_number_fields_give_their_defaults()
    {
        Window->EditFonts([&](FontSettings& f) { f.SubscriptsPosition = 4; });
        Show();
        Find<QLineEdit>("FGFS")->clear();
        Find<QLineEdit>("FSbP")->clear();
        Click("OK");
        QCOMPARE((*Window)->document()->fonts().GridFont.Size, 1);
        QCOMPARE((*Window)->document()->fonts().SubscriptsPosition, 0);
    }

    void the_colour_box_keeps_document_colours_data()
    {
        QTest::addColumn<qint32>("start");
        QTest::addColumn<QString>("choose"); // empty: leave the box as loaded
        QTest::addColumn<bool>("listed");
        QTest::addColumn<qint32>("afterOK");
        QTest::newRow("red chosen") << qint32(ClWindowText) << "Red" << true << qint32(0x0000FF);
        QTest::newRow("sky blue chosen") << qint32(0) << "Sky Blue" << true << qint32(0xF0CAA6);
        QTest::newRow("system colour kept") << qint32(ClWindowText) << "" << true << qint32(ClWindowText);
        QTest::newRow("button face chosen") << qint32(0) << "Button Face" << true << qint32(0xFF00000F);
        QTest::newRow("unlisted colour kept") << qint32(0x123456) << "" << false << qint32(0x123456);
    }
    void the_colour_box_keeps_document_colours()
    {
        QFETCH(qint32, start);
        QFETCH(QString, choose);
        QFETCH(bool, listed);
        QFETCH(qint32, afterOK);
        Window->EditFonts([&](FontSettings& f) { f.NumbersFont.Color = start; });
        Show();
        auto* box = Find<TColorBox>("FNFC");
        QCOMPARE(box->currentIndex() >= 0, listed);
        if (!choose.isEmpty())
            box->setCurrentIndex(box->findText(choose));
        Click("OK");
        QCOMPARE((*Window)->document()->fonts().NumbersFont.Color, afterOK);
    }

    void moving_an_item_moves_its_definition_but_not_the_cells_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("editorName");
        QTest::newRow("middle up") << 1 << "GIUp" << QStringList{"B", "A", "C"} << "B";
        QTest::newRow("middle down") << 1 << "GIDown" << QStringList{"A", "C", "B"} << "B";
        QTest::newRow("top stays") << 0 << "GIUp" << QStringList{"A", "B", "C"} << "A";
        QTest::newRow("bottom stays") << 2 << "GIDown" << QStringList{"A", "B", "C"} << "C";
    }
    void moving_an_item_moves_its_definition_but_not_the_cells()
    {
        QFETCH(int, selected);
        QFETCH(QString, button);
        QFETCH(QStringList, order);
        QFETCH(QString, editorName);
        SetColumns(Window->Window, {{"A", "0", 50}, {"B", "1", 60}, {"C", "2", 70}});
        const QMap<QString, std::pair<QString, int>> definition = {
            {"A", {"0", 50}}, {"B", {"1", 60}}, {"C", {"2", 70}}};
        Show();
        auto* list = Find<QListWidget>("GIList");
        ClickEntry(list, selected);
        Click(button.toLatin1());
        QCOMPARE(Find<QLineEdit>("GIName")->text(), editorName);
        Click("OK");
        QCOMPARE(Headers(Window->Window), order);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(QString::fromStdString((*Window)->document()->grid()->typesList()[c]),
                     definition[order[c]].first);
            QCOMPARE((*Window)->document()->grid()->columnWidth(c), definition[order[c]].second);
        }
        // The data cells stay in their column positions.
        QCOMPARE((*Window)->document()->grid()->cell(0, 1), QString("A1"));
        QCOMPARE((*Window)->document()->grid()->cell(1, 1), QString("B1"));
        QCOMPARE((*Window)->document()->grid()->cell(2, 1), QString("C1"));
    }

    void a_repeated_name_becomes_item_and_its_index_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("Mol and mol") << QStringList{"Mol", "mol"} << QStringList{"Mol", "Item 1"};
        QTest::newRow("third repeats first")
            << QStringList{"Mass", "Mol", "MASS"} << QStringList{"Mass", "Mol", "Item 2"};
        QTest::newRow("different names") << QStringList{"Mol", "Mass"} << QStringList{"Mol", "Mass"};
    }
    void a_repeated_name_becomes_item_and_its_index()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, headers);
        std::vector<Column> columns;
        for (int i = 0; i < names.size(); ++i)
            columns.push_back({QString("c%1").arg(i), "0", 100});
        SetColumns(Window->Window, columns);
        Show();
        auto* list = Find<QListWidget>("GIList");
        for (int i = 0; i < names.size(); ++i) {
            ClickEntry(list, i);
            Retype(Find<QLineEdit>("GIName"), names[i]);
            QCOMPARE(list->item(i)->text(), names[i] + ":0=100");
        }
        Click("OK");
        QCOMPARE(Headers(Window->Window), headers);
    }

    void the_item_editors_rewrite_the_selected_entry()
    {
        SetColumns(Window->Window, {{"Mol", "0", 100}});
        Show();
        auto* list = Find<QListWidget>("GIList");
        Click("GINew");
        QCOMPARE(list->currentItem()->text(), QString("New Item:0=100"));
        QCOMPARE(Find<QLineEdit>("GIName")->text(), QString("New Item"));
        Retype(Find<QLineEdit>("GIName"), "Mass");
        Find<QComboBox>("GIType")->setCurrentIndex(4);
        Retype(Find<QLineEdit>("GIWidth"), "");
        QCOMPARE(list->currentItem()->text(), QString("Mass:4="));
        Click("OK");
        QCOMPARE(Headers(Window->Window), (QStringList{"Mol", "Mass"}));
        QCOMPARE((*Window)->document()->grid()->typesList()[1], std::string("4"));
        QCOMPARE((*Window)->document()->grid()->columnWidth(1), 100); // an empty width gives 100
    }

    void deleting_every_item_leaves_the_first_column_as_it_was()
    {
        SetColumns(Window->Window, {{"First", "3", 77}, {"Second", "1", 120}});
        Show();
        auto* list = Find<QListWidget>("GIList");
        ClickEntry(list, 1);
        Click("GIDelete");
        QCOMPARE(list->currentRow(), 0); // the last entry was removed: the new last one
        QCOMPARE(Find<QLineEdit>("GIName")->text(), QString("First"));
        Click("GIDelete");
        QCOMPARE(list->count(), 0);
        QCOMPARE(Find<QLineEdit>("GIName")->text(), QString()); // no editor shows a gone entry
        Click("OK");
        QCOMPARE(Headers(Window->Window), QStringList{"First"});
        QCOMPARE((*Window)->document()->grid()->typesList()[0], std::string("3"));
        QCOMPARE((*Window)->document()->grid()->columnWidth(0), 77);
    }

    void a_new_formula_targets_the_first_column()
    {
        SetColumns(Window->Window, {{"Mol", "0", 100}, {"Mass", "2", 100}});
        (*Window)->document()->setFormulas({"#Mass(a)=#Mol(a)*2"});
        Show();
        auto* list = Find<QListWidget>("GFList");
        Click("GFNew");
        QCOMPARE(list->currentItem()->text(), QString("#Mol(a)=b*c"));
        QCOMPARE(Find<QComboBox>("GFN1")->currentText(), QString("#Mol(a)"));
        QCOMPARE(Find<QLineEdit>("GFN2")->text(), QString("b*c"));
        Find<QComboBox>("GFN1")->setCurrentIndex(1);
        Retype(Find<QLineEdit>("GFN2"), "#Mol(b)/2");
        QCOMPARE(list->currentItem()->text(), QString("#Mass(a)=#Mol(b)/2"));
        Click("OK");
        QCOMPARE((*Window)->document()->formulas(),
                 (std::vector<std::string>{"#Mass(a)=#Mol(a)*2", "#Mass(a)=#Mol(b)/2"}));
    }

    void formula_editors_follow_the_selected_entry_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("target"); // shown by GFN1, empty when no column matches
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("afterTyping"); // the entry after typing "+1" into GFN2
        QTest::newRow("target in another case") << "#MOL(a)=2"
                                                << "#Mol(a)"
                                                << "2"
                                                << "#Mol(a)=2+1";
        QTest::newRow("second = stays in expression") << "#Mol(a)=a=b"
                                                      << "#Mol(a)"
                                                      << "a=b"
                                                      << "#Mol(a)=a=b+1";
        QTest::newRow("unknown target kept") << "#Gone(a)=3"
                                             << ""
                                             << "3"
                                             << "#Gone(a)=3+1";
        QTest::newRow("built-in comma form kept") << "Mol(a),Mol(b)=Number(a),Number(b)"
                                                  << ""
                                                  << "Number(a),Number(b)"
                                                  << "Mol(a),Mol(b)=Number(a),Number(b)+1";
    }
    void formula_editors_follow_the_selected_entry()
    {
        QFETCH(QString, line);
        QFETCH(QString, target);
        QFETCH(QString, expression);
        QFETCH(QString, afterTyping);
        SetColumns(Window->Window, {{"Mol", "0", 100}});
        (*Window)->document()->setFormulas({"#Mol(a)=1", line.toStdString()});
        Show();
        auto* list = Find<QListWidget>("GFList");
        ClickEntry(list, 1);
        QCOMPARE(Find<QComboBox>("GFN1")->currentText(), target);
        auto* gfn2 = Find<QLineEdit>("GFN2");
        QCOMPARE(gfn2->text(), expression);
        QCOMPARE(list->item(1)->text(), line); // loading the editors changes nothing
        gfn2->end(false);
        QTest::keyClicks(gfn2, "+1");
        QCOMPARE(list->item(1)->text(), afterTyping);
        Click("GFDelete");
        QCOMPARE(Entries(list), QStringList{"#Mol(a)=1"});
        QCOMPARE(gfn2->text(), QString("1"));
    }

    void ok_applies_the_fonts_and_redraws_the_reaction_line_after_closing()
    {
        TSTMainForm* window = Window->Window;
        window->document()->setReactionText("2H2+O2>2H2O");
        const std::vector<int> widthsBefore = Window->Line()->charWidths();
        Show();
        auto* tim = Find<QTimer>("Tim");
        QSignalSpy fired(tim, &QTimer::timeout);
        Retype(Find<QLineEdit>("FRFS"), "28");
        auto* colour = Find<TColorBox>("FRFC");
        colour->setCurrentIndex(colour->findText("Red"));
        Retype(Find<QLineEdit>("FGFS"), "14");
        Click("OK");
        QVERIFY(!Ops->isVisible());
        QCOMPARE(Ops->result(), int(QDialog::Accepted));
        QVERIFY(window->document()->isModified());
        QCOMPARE(window->document()->fonts().ReactionFont.Size, 28);
        QCOMPARE(window->document()->fonts().ReactionFont.Color, ColorValue(0x0000FF));
        QCOMPARE(Window->View()->font().pointSize(), 14);
        QCOMPARE(Window->View()->RowHeight(1),
                 QFontMetrics(ToQFont(window->document()->fonts().GridFont)).height() + 7);
        // Not yet: the line is drawn once the dialog has gone.
        QVERIFY(tim->isActive());
        QCOMPARE(fired.count(), 0);
        QCOMPARE(Window->Line()->charWidths(), widthsBefore);
        QVERIFY(fired.wait(1000));
        QCOMPARE(fired.count(), 1);
        QVERIFY(!tim->isActive());
        if (!widthsBefore.empty())
            QVERIFY(Window->Line()->charWidths() != widthsBefore); // drawn in the larger font
        QVERIFY(QDir(Window->Defaults.path()).isEmpty());          // only Default writes the defaults file
    }

    void cancel_applies_nothing_and_redraws_nothing()
    {
        TSTMainForm* window = Window->Window;
        SetColumns(window, {{"Mol", "0", 100}});
        window->document()->setFormulas({"#Mol(a)=1"});
        const FontSettings fonts = window->document()->fonts();
        Show();
        QSignalSpy fired(Find<QTimer>("Tim"), &QTimer::timeout);
        Retype(Find<QLineEdit>("FRFS"), "30");
        Click("GINew");
        Click("GFDelete");
        Click("Cancel");
        QCOMPARE(Ops->result(), int(QDialog::Rejected));
        QTest::qWait(250);
        QCOMPARE(fired.count(), 0);
        QVERIFY(window->document()->fonts() == fonts);
        QCOMPARE(Headers(window), QStringList{"Mol"});
        QCOMPARE(window->document()->formulas(), std::vector<std::string>{"#Mol(a)=1"});
        QVERIFY(!window->document()->isModified());
        QVERIFY(QDir(Window->Defaults.path()).isEmpty());
        // The next showing starts again from the window, not from the abandoned edits.
        Show();
        QCOMPARE(Entries(Find<QListWidget>("GIList")), QStringList{"Mol:0=100"});
        QCOMPARE(Entries(Find<QListWidget>("GFList")), QStringList{"#Mol(a)=1"});
        QCOMPARE(Find<QLineEdit>("FRFS")->text(), QString::number(fonts.ReactionFont.Size));
    }

    void default_applies_and_writes_the_defaults_file_of_the_language_data()
    {
        QTest::addColumn<bool>("farsi");
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << false << "New.KVX";
        QTest::newRow("Farsi") << true << "NewF.KVX";
    }
    void default_applies_and_writes_the_defaults_file_of_the_language()
    {
        QFETCH(bool, farsi);
        QFETCH(QString, file);
        TSTMainForm* window = Window->Window;
        window->ApplyLanguage(farsi ? Language::Farsi : Language::English);
        window->document()->setModified(false);
        SetColumns(window, {{"Mol", "3", 100}});
        Show();
        Click("GINew");
        Retype(Find<QLineEdit>("FRFS"), "22");
        Click("Def");
        QCOMPARE(Ops->result(), TOpsForm::DefaultResult);
        // Applied to the open document as OK does.
        QVERIFY(window->document()->isModified());
        QCOMPARE(window->document()->fonts().ReactionFont.Size, 22);
        QCOMPARE(Headers(window), (QStringList{"Mol", "New Item"}));
        const QDir folder(Window->Defaults.path());
        QVERIFY(QFileInfo::exists(folder.filePath(file)));
        QCOMPARE(folder.entryList(QDir::Files), QStringList{file});
    }

    void texts_follow_the_interface_language_data()
    {
        QTest::addColumn<bool>("farsi");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("okText");
        QTest::addColumn<QString>("firstHelpLine");
        QTest::addColumn<bool>("rightAligned");
        QTest::newRow("English") << false << "Options"
                                 << "OK"
                                 << "Use # mark before functions' name." << false;
        QTest::newRow("Farsi") << true << "تنظيمات"
                               << "قبول"
                               << "پيش از نام توابع علامت # را به كار بريد." << true;
    }
    void texts_follow_the_interface_language()
    {
        QFETCH(bool, farsi);
        QFETCH(QString, caption);
        QFETCH(QString, okText);
        QFETCH(QString, firstHelpLine);
        QFETCH(bool, rightAligned);
        (*Window)->ApplyLanguage(farsi ? Language::Farsi : Language::English);
        Show();
        QCOMPARE(Ops->windowTitle(), caption);
        QCOMPARE(Find<QPushButton>("OK")->text(), okText);
        QCOMPARE(Ops->layoutDirection(), farsi ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(bool(Find<QLabel>("Label29")->alignment() & Qt::AlignRight), rightAligned);
        // Def stands at the reading start of the bottom row.
        QCOMPARE(Find<QPushButton>("Def")->x() > Ops->width() / 2, farsi);
        Click("HelpBtn");
        QCOMPARE(Messages->Shown.size(), std::size_t(1));
        const MessageRequest& shown = Messages->Shown.front();
        QCOMPARE(shown.Kind, MsgKind::Information);
        QCOMPARE(shown.Buttons, int(mbOK));
        QCOMPARE(shown.Text.split('\r').size(), 4);
        QCOMPARE(shown.Text.split('\r').front(), firstHelpLine);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_dialogs.moc"
