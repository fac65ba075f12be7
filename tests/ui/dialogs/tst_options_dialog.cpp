// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog driven through its real widgets on a started main window: fonts, colours,
// fields, OK, Cancel and Default, and the interface language.

#include "render/FontConvert.h"
#include "tests/ui/dialogs/OptionsDialogTest.h"
#include "ui/dialogs/ColorBox.h"
#include "ui/grid/GridView.h"
#include "ui/reactionline/ReactionLine.h"

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

class TestOptionsDialog : public OptionsDialogTest
{
    Q_OBJECT

  private slots:
    void a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing_data();
    void a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing();
    void a_face_is_found_ignoring_case_and_a_missing_face_is_kept_data();
    void a_face_is_found_ignoring_case_and_a_missing_face_is_kept();
    void number_and_name_fields_refuse_other_characters_data();
    void number_and_name_fields_refuse_other_characters();
    void empty_number_fields_give_their_defaults();
    void the_colour_box_keeps_document_colours_data();
    void the_colour_box_keeps_document_colours();
    void ok_applies_the_fonts_and_redraws_the_reaction_line_after_closing();
    void cancel_applies_nothing_and_redraws_nothing();
    void default_applies_and_writes_the_defaults_file_of_the_language_data();
    void default_applies_and_writes_the_defaults_file_of_the_language();
    void texts_follow_the_interface_language_data();
    void texts_follow_the_interface_language();
};

void TestOptionsDialog::a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing_data()
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

void TestOptionsDialog::a_cancelled_toggle_shows_the_font_as_it_is_at_the_next_showing()
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

void TestOptionsDialog::a_face_is_found_ignoring_case_and_a_missing_face_is_kept_data()
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

void TestOptionsDialog::a_face_is_found_ignoring_case_and_a_missing_face_is_kept()
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

void TestOptionsDialog::number_and_name_fields_refuse_other_characters_data()
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
    // The comma separates the names in the document's header row; Farsi's own comma stays.
    QTest::newRow("name: comma") << "GIName" << QString::fromUtf8("Mol,g،") << QString::fromUtf8("Molg،");
    // What a document cannot store (Windows-1256) would be lost on saving.
    QTest::newRow("name: Greek delta")
        << "GIName" << QString::fromUtf8("\u0394H \u06a9") << QString::fromUtf8("H \u06a9");
    QTest::newRow("formula: minus sign") << "GFN2" << QString::fromUtf8("2\u22121") << "21";
}

void TestOptionsDialog::number_and_name_fields_refuse_other_characters()
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

void TestOptionsDialog::empty_number_fields_give_their_defaults()
{
    Window->EditFonts([&](FontSettings& f) { f.SubscriptsPosition = 4; });
    Show();
    Find<QLineEdit>("FGFS")->clear();
    Find<QLineEdit>("FSbP")->clear();
    Click("OK");
    QCOMPARE((*Window)->document()->fonts().GridFont.Size, 1);
    QCOMPARE((*Window)->document()->fonts().SubscriptsPosition, 0);
}

void TestOptionsDialog::the_colour_box_keeps_document_colours_data()
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

void TestOptionsDialog::the_colour_box_keeps_document_colours()
{
    QFETCH(qint32, start);
    QFETCH(QString, choose);
    QFETCH(bool, listed);
    QFETCH(qint32, afterOK);
    Window->EditFonts([&](FontSettings& f) { f.NumbersFont.Color = start; });
    Show();
    auto* box = Find<ColorBox>("FNFC");
    QCOMPARE(box->currentIndex() >= 0, listed);
    if (!choose.isEmpty())
        box->setCurrentIndex(box->findText(choose));
    Click("OK");
    QCOMPARE((*Window)->document()->fonts().NumbersFont.Color, afterOK);
}

void TestOptionsDialog::ok_applies_the_fonts_and_redraws_the_reaction_line_after_closing()
{
    MainWindow* window = Window->Window;
    window->document()->setReaction("2H2+O2>2H2O");
    const std::vector<int> widthsBefore = Window->Line()->charWidths();
    Show();
    auto* tim = Find<QTimer>("Tim");
    QSignalSpy fired(tim, &QTimer::timeout);
    Retype(Find<QLineEdit>("FRFS"), "28");
    auto* colour = Find<ColorBox>("FRFC");
    colour->setCurrentIndex(colour->findText("Red"));
    Retype(Find<QLineEdit>("FGFS"), "14");
    Click("OK");
    QVERIFY(!Ops->isVisible());
    QCOMPARE(Ops->result(), int(QDialog::Accepted));
    QVERIFY(window->document()->isModified());
    QCOMPARE(window->document()->fonts().ReactionFont.Size, 28);
    QCOMPARE(window->document()->fonts().ReactionFont.Color, ColorValue(0x0000FF));
    QCOMPARE(Window->View()->font().pointSize(), 14);
    QCOMPARE(Window->View()->gridRowHeight(1),
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

void TestOptionsDialog::cancel_applies_nothing_and_redraws_nothing()
{
    MainWindow* window = Window->Window;
    SetColumns(window, {{"Mol", "0", 100}});
    Window->EditOptions([](DocumentOptions& options) { options.Formulas = {"#Mol(a)=1"}; });
    Window->MarkSaved();
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

void TestOptionsDialog::default_applies_and_writes_the_defaults_file_of_the_language_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << false << "New.KVX";
    QTest::newRow("Farsi") << true << "NewF.KVX";
}

void TestOptionsDialog::default_applies_and_writes_the_defaults_file_of_the_language()
{
    QFETCH(bool, farsi);
    QFETCH(QString, file);
    MainWindow* window = Window->Window;
    window->languageSwitch().switchTo(farsi ? Language::Farsi : Language::English);
    Window->MarkSaved();
    SetColumns(window, {{"Mol", "3", 100}});
    Show();
    Click("GINew");
    Retype(Find<QLineEdit>("FRFS"), "22");
    Click("Def");
    QCOMPARE(Ops->result(), OptionsDialog::DefaultResult);
    // Applied to the open document as OK does.
    QVERIFY(window->document()->isModified());
    QCOMPARE(window->document()->fonts().ReactionFont.Size, 22);
    QCOMPARE(Headers(window), (QStringList{"Mol", "New Item"}));
    const QDir folder(Window->Defaults.path());
    QVERIFY(QFileInfo::exists(folder.filePath(file)));
    QCOMPARE(folder.entryList(QDir::Files), QStringList{file});
}

void TestOptionsDialog::texts_follow_the_interface_language_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("okText");
    QTest::addColumn<QString>("firstHelpLine");
    QTest::addColumn<bool>("rightAligned");
    QTest::newRow("English") << false << "Options"
                             << "OK"
                             << "Use # mark before functions' name." << false;
    QTest::newRow("Farsi") << true << "تنظیمات"
                           << "قبول"
                           << "پیش از نام توابع علامت # را به کار برید." << true;
}

void TestOptionsDialog::texts_follow_the_interface_language()
{
    QFETCH(bool, farsi);
    QFETCH(QString, caption);
    QFETCH(QString, okText);
    QFETCH(QString, firstHelpLine);
    QFETCH(bool, rightAligned);
    (*Window)->languageSwitch().switchTo(farsi ? Language::Farsi : Language::English);
    Show();
    QCOMPARE(Ops->windowTitle(), caption);
    QCOMPARE(Find<QPushButton>("OK")->text(), okText);
    QCOMPARE(Ops->layoutDirection(), farsi ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(bool(Find<QLabel>("Label29")->alignment() & Qt::AlignRight), rightAligned);
    // Default stands at the reading start of the bottom row.
    QCOMPARE(Find<QPushButton>("Def")->x() > Ops->width() / 2, farsi);
    Click("HelpBtn");
    QCOMPARE(Messages->Shown.size(), std::size_t(1));
    const MessageRequest& shown = Messages->Shown.front();
    QCOMPARE(shown.Kind, MessageKind::Information);
    QCOMPARE(shown.Buttons, int(ButtonOk));
    QCOMPARE(shown.Text.split('\r').size(), 4);
    QCOMPARE(shown.Text.split('\r').front(), firstHelpLine);
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
