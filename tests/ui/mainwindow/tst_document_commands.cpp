// SPDX-License-Identifier: GPL-3.0-or-later
// The document lifecycle through the window: Open, Save, Save As, the unsaved-changes question
// and the caption.

#include "document/DocumentFile.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"
#include "ui/grid/GridView.h"
#include "ui/reactionline/ReactionLine.h"

#include <QTest>

class TestDocumentCommands : public WindowTest
{
    Q_OBJECT

  private slots:
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
    void the_dialogs_suggest_a_name_and_ctrl_shift_s_saves_as();
};

void TestDocumentCommands::a_saved_document_opens_with_every_field_equal()
{
    WindowFixture w;
    DocumentData doc;
    doc.ReactionText = "2H2+O2>2H2O";
    doc.Lang = Language::Farsi;
    doc.Widths = {100, 60, 80, 70};
    doc.Cells = {{"فرمول", "Number", "جرم", "Note"},
                 {"H2", "2", "4", "گاز"},
                 {"O2", "1", "", ""},
                 {"H2O", "2", "", "مايع"}};
    doc.Fonts.ProgramFont = {"Tahoma", 9, false, true, static_cast<ColorValue>(0xFF000008u)};
    doc.Fonts.GridFont = {"Arial", 11, true, false, 0x00008000};
    doc.Fonts.ReactionFont = {"Times New Roman", 18, true, true, 0x000000FF};
    doc.Fonts.NumbersFont = {"Courier New", 16, false, false, 0x00FF0000};
    doc.Fonts.SubscriptsFont = {"Verdana", 10, true, false, static_cast<ColorValue>(0xFF00000F)};
    doc.Fonts.SubscriptsPosition = 3;
    doc.Formulas = {"#جرم(a)=#جرم(b)*#Number(a)/#Number(b)", "#Note(a)=1",
                    "Mol(a),Mol(b)=Number(a),Number(b)"};
    doc.TypesList = {"5", "3", "2", "0", "1", "4"};
    w.EditContent([&doc](DocumentContent& content) {
        content.Data = doc;
        content.WorkedOut.assign(doc.Cells.size(), std::vector<bool>(doc.Widths.size(), false));
    });

    w.FileAnswers = {PathOf("rich")};
    w->commandAction("saveDocumentAs")->trigger();
    QVERIFY(QFile::exists(PathOf("rich.KVX")));
    QVERIFY(!w->document()->isModified());
    w->commandAction("newDocument")->trigger();
    QVERIFY(w->document()->document().data() != doc);
    OpenFile(w->context(), PathOf("rich.KVX"));
    QVERIFY(w->document()->document().data() == doc);
    QCOMPARE(w->document()->language(), Language::Farsi);
    QCOMPARE(w->windowTitle(), QString("Stoikon - rich[*]"));
    QVERIFY(!w->document()->isModified());
}

void TestDocumentCommands::the_example_document_reads_and_writes_back_byte_for_byte()
{
    WindowFixture w;
    WriteBytes(PathOf("example.KVX"), ExampleBytes());
    OpenFile(w->context(), PathOf("example.KVX"));
    QCOMPARE(w->document()->grid()->cell(1, 0), QString("Number"));
    QCOMPARE(w->document()->grid()->cell(2, 1), QString("4"));
    QCOMPARE(w->windowTitle(), QString("Stoikon - example[*]"));
    w->commandAction("saveDocument")->trigger();
    QCOMPARE(ReadBytes(PathOf("example.KVX")), ExampleBytes());
}

void TestDocumentCommands::save_as_adds_the_extension_and_names_the_caption_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("caption");

    QTest::newRow("no extension") << "Salt"
                                  << "Salt.KVX"
                                  << "Stoikon - Salt";
    QTest::newRow("own extension kept") << "Salt.txt"
                                        << "Salt.txt"
                                        << "Stoikon - Salt";
    QTest::newRow("dots in the name") << "Na.Cl.KVX"
                                      << "Na.Cl.KVX"
                                      << "Stoikon - Na.Cl";
}

void TestDocumentCommands::save_as_adds_the_extension_and_names_the_caption()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, caption);
    WindowFixture w;
    w.MarkModified();
    w.FileAnswers = {PathOf(chosen)};
    w->commandAction("saveDocumentAs")->trigger();
    QVERIFY(QFile::exists(PathOf(written)));
    QCOMPARE(w->document()->fileName(), PathOf(written));
    QCOMPARE(w->windowTitle(), caption + "[*]");
    QVERIFY(!w->document()->isModified());
}

void TestDocumentCommands::overwriting_asks_and_no_returns_to_the_dialog()
{
    MessageRecorder messages;
    WindowFixture w;
    WriteBytes(PathOf("old.KVX"), "old");
    messages.Answers = {AnswerNo, AnswerYes};
    w.FileAnswers = {PathOf("old"), PathOf("old.KVX")};
    w->commandAction("saveDocumentAs")->trigger();
    QCOMPARE(w.FileDialogsAsked.size(), size_t(2));
    QCOMPARE(messages.Texts(),
             (QStringList{PathOf("old.KVX") + " already exists.\rDo you want to replace it?",
                          PathOf("old.KVX") + " already exists.\rDo you want to replace it?"}));
    QCOMPARE(messages.Shown.front().Kind, MessageKind::Warning);
    QCOMPARE(messages.Shown.front().Buttons, int(ButtonYes | ButtonNo));
    QVERIFY(ReadBytes(PathOf("old.KVX")) != "old");
}

void TestDocumentCommands::save_on_an_untitled_document_asks_for_a_name_and_cancel_writes_nothing()
{
    WindowFixture w;
    w.MarkModified();
    w.FileAnswers = {QString()};
    w->commandAction("saveDocument")->trigger();
    QCOMPARE(w.FileDialogsAsked.size(), size_t(1));
    QVERIFY(w->document()->fileName().isEmpty());
    QVERIFY(w->document()->isModified());
    QVERIFY(QDir(Dir->path()).isEmpty());
    // A later Save As from the menu, accepted, writes.
    w.FileAnswers = {PathOf("later")};
    w.Action("saveDocumentAs")->trigger();
    QVERIFY(QFile::exists(PathOf("later.KVX")));
}

void TestDocumentCommands::a_failed_save_keeps_name_flag_and_caption()
{
    MessageRecorder messages;
    WindowFixture w;
    w.MarkModified();
    WriteBytes(PathOf("plainfile"), "x");
    w.FileAnswers = {PathOf("plainfile/inside.KVX")};
    w->commandAction("saveDocumentAs")->trigger();
    QCOMPARE(messages.Texts(), QStringList{"Can not save this file"});
    QVERIFY(w->document()->fileName().isEmpty());
    QVERIFY(w->document()->isModified());
    QCOMPARE(w->windowTitle(), QString("Stoikon - Untitled[*]"));
}

void TestDocumentCommands::ctrl_s_from_the_reaction_line_leaves_the_document_saved()
{
    WindowFixture w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    w.KeyBox()->setFocus();
    QTest::keyClicks(w.KeyBox(), "h2o");
    QVERIFY(w->document()->isModified());
    w.FileAnswers = {PathOf("water")};
    QTest::keyClick(w.KeyBox(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(PathOf("water.KVX")));
    QVERIFY(!w->document()->isModified());
    // A key released in the editor whose press went elsewhere (Enter in the file dialog).
    QTest::keyRelease(w.KeyBox(), Qt::Key_Return);
    QVERIFY(!w->document()->isModified());
    QTest::keyClick(w.KeyBox(), Qt::Key_Left); // moving the caret changes nothing
    QVERIFY(!w->document()->isModified());
    QTest::keyClick(w.KeyBox(), Qt::Key_Backspace);
    QVERIFY(w->document()->isModified());
}

void TestDocumentCommands::ctrl_s_while_typing_in_a_cell_saves_the_typed_text()
{
    WindowFixture w;
    TypeIntoGrid(w, "H2O"); // the first key opens the cell editor
    w.FileAnswers = {PathOf("typed")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(ReadBytes(PathOf("typed.KVX")).contains("\r\nH2O,"));
    QCOMPARE(w.Grid()->cell(0, 1), QString("H2O"));
    QVERIFY(!w->document()->isModified());
}

void TestDocumentCommands::the_question_comes_only_for_a_changed_document()
{
    MessageRecorder messages;
    WindowFixture w;
    w->commandAction("newDocument")->trigger();
    QVERIFY(messages.Shown.empty());
    w.MarkModified();
    messages.Answers = {AnswerNo};
    w->commandAction("newDocument")->trigger();
    QCOMPARE(messages.Texts(), QStringList{"Save changes?"});
    QCOMPARE(messages.Shown.front().Buttons, int(ButtonYes | ButtonNo | ButtonCancel));
}

void TestDocumentCommands::cancel_keeps_everything_and_no_drops_the_changes()
{
    MessageRecorder messages;
    WindowFixture w;
    w->document()->setReaction("H2O");
    messages.Answers = {AnswerCancel};
    w->commandAction("newDocument")->trigger();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2O"));
    QVERIFY(w->document()->isModified());
    messages.Answers = {AnswerNo};
    w->commandAction("newDocument")->trigger();
    QVERIFY(w->document()->reactionText().empty());
    QVERIFY(!w->document()->isModified());
}

void TestDocumentCommands::yes_with_a_cancelled_save_dialog_stops_new_open_and_close()
{
    MessageRecorder messages;
    messages.DefaultAnswer = AnswerYes;
    WindowFixture w;
    WriteBytes(PathOf("example.KVX"), ExampleBytes());
    w->document()->setReaction("H2O");

    w->commandAction("newDocument")->trigger();
    OpenFile(w->context(), PathOf("example.KVX"));
    QVERIFY(!w->close());
    QCOMPARE(messages.Shown.size(), size_t(3));
    QCOMPARE(w.FileDialogsAsked.size(), size_t(3));
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2O"));
    QVERIFY(w->isVisible());
}

void TestDocumentCommands::yes_with_a_failed_save_stops_the_close()
{
    MessageRecorder messages;
    WindowFixture w;
    // Saved once in a folder that a plain file has replaced since.
    QVERIFY(QDir(Dir->path()).mkdir("plainfile"));
    w->document()->save(PathOf("plainfile/inside.KVX"), w.Marks.path());
    QVERIFY(QDir(PathOf("plainfile")).removeRecursively());
    WriteBytes(PathOf("plainfile"), "x");
    w.MarkModified();
    messages.Answers = {AnswerYes};
    QVERIFY(!w->close());
    QCOMPARE(messages.Texts(), (QStringList{"Save changes?", "Can not save this file"}));
    QVERIFY(w->document()->isModified());
}

void TestDocumentCommands::the_dialogs_suggest_a_name_and_ctrl_shift_s_saves_as()
{
    WindowFixture w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    // Untitled: a name made from the reaction, without its coefficients.
    w.Doc()->setReaction("2H2+O2>2H2O");
    QTest::keySequence(w.Window, QKeySequence("Ctrl+Shift+S"));
    QCOMPARE(w.FileDialogsAsked, std::vector<FileDialogKind>{FileDialogKind::Save});
    QCOMPARE(w.FileSuggestions.last(), QString("H2+O2=H2O.KVX"));
    // Named: the document's own name, in its folder, with the export's extension.
    w.FileAnswers = {PathOf("water")};
    w->commandAction("saveDocumentAs")->trigger();
    w->commandAction("exportBitmap")->trigger();
    QCOMPARE(w.FileSuggestions.last(), PathOf("water.png"));
    w->commandAction("exportPdf")->trigger();
    QCOMPARE(w.FileSuggestions.last(), PathOf("water.pdf"));
    // The line's frame shows where the keys go.
    auto* frame = w.Find<QWidget>("reactionLineFrame");
    QVERIFY(frame->isVisible() && frame->geometry().contains(w.Line()->geometry()));
    w.View()->setFocus();
    const QColor unfocused = frame->grab().toImage().pixelColor(0, 0);
    w.Line()->focusEditor();
    QVERIFY(frame->grab().toImage().pixelColor(0, 0) != unfocused);
}

QTEST_MAIN(TestDocumentCommands)
#include "tst_document_commands.moc"
