// SPDX-License-Identifier: GPL-3.0-or-later
// The document lifecycle through the window: New from the defaults files, bad files, the
// file on the command line, the HTML export and the worked-out marks.

#include "document/DefaultsLocation.h"
#include "document/DocumentFile.h"
#include "model/FilePath.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"
#include "texts/CodePage.h"
#include "ui/grid/GridView.h"

#include <QScopeGuard>
#include <QTest>

class TestDocumentFiles : public WindowTest
{
    Q_OBJECT

  private slots:
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
};

namespace {
// A defaults file with the given column names, one formula and the language letter.
QByteArray DefaultsBytes(const QString& language, const QStringList& names)
{
    DocumentData doc;
    doc.Lang = LanguageOfDocumentTag(language.toStdString());
    GridRow header;
    for (const QString& name : names) {
        header.push_back(name.toStdString());
        doc.Widths.push_back(90);
        doc.TypesList.push_back("2");
    }
    doc.Cells = {header, GridRow(names.size())};
    doc.Formulas = {"#" + names.front().toStdString() + "(a)=1"};
    return QByteArray::fromStdString(DocumentFileBytes(WriteDocumentLines(doc)));
}
} // namespace

void TestDocumentFiles::new_takes_the_defaults_of_the_interface_language()
{
    WindowFixture w(QString(), false);
    WriteBytes(QDir(w.Defaults.path()).filePath("New.KVX"), DefaultsBytes("E", {"Mol", "Mass"}));
    WriteBytes(QDir(w.Defaults.path()).filePath("NewF.KVX"), DefaultsBytes("F", {"مول", "جرم", "حجم"}));
    w.Start();
    QCOMPARE(w->document()->grid()->gridColumnCount(), 2);
    QCOMPARE(w->document()->grid()->cell(0, 0), QString("Mol"));
    QCOMPARE(w->document()->formulas(), std::vector<std::string>{"#Mol(a)=1"});
    w->commandAction("switchToFarsi")->trigger();
    w.MarkSaved();
    w->commandAction("newDocument")->trigger();
    QCOMPARE(w->document()->grid()->gridColumnCount(), 3);
    QCOMPARE(w->document()->grid()->cell(0, 0), QString::fromUtf8("مول"));
    QCOMPARE(w->document()->language(), Language::Farsi);
    QCOMPARE(w->document()->grid()->gridRowCount(), 2);
    QCOMPARE(w->windowTitle(), QString("Stoikon - Untitled[*]"));
    QVERIFY(!w->document()->isModified());
}

void TestDocumentFiles::a_missing_defaults_file_keeps_the_previous_columns()
{
    WindowFixture w;
    WriteBytes(PathOf("example.KVX"), ExampleBytes());
    OpenFile(w->context(), PathOf("example.KVX"));
    w->commandAction("newDocument")->trigger();
    QCOMPARE(w->document()->grid()->gridColumnCount(), 3);
    QCOMPARE(w->document()->grid()->cell(2, 0), QString("Mass"));
    QCOMPARE(w->document()->grid()->gridRowCount(), 2);
    QCOMPARE(w->document()->grid()->cell(2, 1), QString());
    QCOMPARE(w->document()->formulas().size(), size_t(1));
    QVERIFY(w->document()->reactionText().empty());
    QVERIFY(w->document()->fileName().isEmpty());
}

void TestDocumentFiles::a_malformed_defaults_file_keeps_what_was_read()
{
    WindowFixture w(QString(), false);
    QByteArray bytes = "\r\nE\r\n2\r\n2\r\n70,80\r\nMol,Mass\r\n,\r\nTahoma,x,00,0\r\n";
    WriteBytes(QDir(w.Defaults.path()).filePath("New.KVX"), bytes);
    w.Start();
    QCOMPARE(w->document()->grid()->gridColumnCount(), 2);
    QCOMPARE(w->document()->grid()->cell(1, 0), QString("Mass"));
    QCOMPARE(w->document()->grid()->columnWidth(0), 70);
    QCOMPARE(w->document()->fonts().ProgramFont.Size, 8); // the bad font line is where the reading stopped
}

void TestDocumentFiles::defaults_are_looked_for_in_order_and_written_where_new_looks_first_data()
{
    QTest::addColumn<QStringList>("holding"); // the places that hold a New.KVX
    QTest::addColumn<bool>("buildTree");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("written");

    const QStringList all{"user", "earlier", "system", "prefix", "program"};
    QTest::newRow("the user's copy first") << all << false << "user"
                                           << "user";
    QTest::newRow("then an earlier version's user copy") << all.mid(1) << false << "earlier"
                                                         << "user";
    QTest::newRow("then the system data folders") << all.mid(2) << false << "system"
                                                  << "user";
    QTest::newRow("then the installation's own share folder") << all.mid(3) << false << "prefix"
                                                              << "user";
    QTest::newRow("then beside the program") << all.mid(4) << false << "program"
                                             << "user";
    QTest::newRow("nowhere") << QStringList{} << false << ""
                             << "user";
    QTest::newRow("a build tree reads and writes beside the program") << all << true << "program"
                                                                      << "program";
}

void TestDocumentFiles::defaults_are_looked_for_in_order_and_written_where_new_looks_first()
{
    QFETCH(QStringList, holding);
    QFETCH(bool, buildTree);
    QFETCH(QString, found);
    QFETCH(QString, written);
    // <root>/prefix/bin/stoikon with its data in <root>/prefix/share/stoikon.
    const QString root = Dir->path();
    const QMap<QString, QString> places{{"user", root + "/home-data/stoikon"},
                                        {"earlier", root + "/home-data/Stoikon"},
                                        {"system", root + "/system-b/stoikon"},
                                        {"prefix", root + "/prefix/share/stoikon"},
                                        {"program", root + "/prefix/bin"}};
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    const QByteArray savedDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/home-data"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root + "/system-a:" + root + "/system-b"));
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", savedHome);
        qputenv("XDG_DATA_DIRS", savedDirs);
    });
    QVERIFY(QDir().mkpath(places["program"]));
    for (const QString& place : holding) {
        QVERIFY(QDir().mkpath(places[place]));
        WriteBytes(places[place] + "/New.KVX", "E\r\n");
    }
    if (buildTree)
        WriteBytes(places["program"] + "/CMakeCache.txt", "");

    const std::string program = PathBytes(places["program"]);
    QCOMPARE(PathFromBytes(FindDefaultsFile("New.KVX", program)),
             found.isEmpty() ? QString() : places[found] + "/New.KVX");
    QCOMPARE(PathFromBytes(DefaultsWriteFolder(program)), places[written]);
    QCOMPARE(PathFromBytes(DefaultsSearchFolders(program).front()), places[written]);
}

void TestDocumentFiles::bad_files_show_the_message_and_leave_a_clean_new_document_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("farsi"); // the language line read before the fault

    // Why a file does not read is the reader's (tst_document); here the window's answer.
    QTest::newRow("only a reaction line") << QByteArray("H2+O2>H2O\r\n") << true << false;
    QTest::newRow("a Farsi file whose last line is not a number")
        << ExampleBytes().replace("\r\nE\r\n", "\r\nF\r\n").replace("\r\n0\r\n", "\r\nlow\r\n") << true
        << true;
    QTest::newRow("binary garbage: its empty language line is Farsi")
        << QByteArray("\x00\xff\x13\x88\r\r\n\x7f", 8) << true << true;
    QTest::newRow("no such file") << QByteArray() << false << false;
}

void TestDocumentFiles::bad_files_show_the_message_and_leave_a_clean_new_document()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(bool, farsi);
    MessageRecorder messages;
    WindowFixture w;
    WriteBytes(QDir(w.Defaults.path()).filePath("New.KVX"), DefaultsBytes("E", {"English"}));
    WriteBytes(QDir(w.Defaults.path()).filePath("NewF.KVX"), DefaultsBytes("F", {"Farsi"}));
    w->document()->setReaction("H2O");
    w.MarkSaved();
    if (exists)
        WriteBytes(PathOf("bad.KVX"), bytes);
    OpenFile(w->context(), PathOf("bad.KVX"));
    QCOMPARE(messages.Texts(), QStringList{farsi ? QString::fromUtf8("نمی توانم این پرونده را باز کنم")
                                                 : QString("Can not open this file")});
    // The new document is in the file's language, from that language's defaults.
    QCOMPARE(w->document()->language(), farsi ? Language::Farsi : Language::English);
    QCOMPARE(w->document()->grid()->cell(0, 0), farsi ? QString("Farsi") : QString("English"));
    QVERIFY(w->document()->reactionText().empty());
    QVERIFY(w->document()->fileName().isEmpty());
    QVERIFY(!w->document()->isModified());
    QCOMPARE(w->windowTitle(), QString("Stoikon - Untitled[*]"));
    if (exists)
        QCOMPARE(ReadBytes(PathOf("bad.KVX")), bytes);
}

void TestDocumentFiles::the_command_line_file_opens_after_the_new_document()
{
    WriteBytes(PathOf("cmd.KVX"), ExampleBytes());
    WindowFixture w(PathOf("cmd.KVX"));
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("2H2+O2>2H2O"));
    QCOMPARE(w->windowTitle(), QString("Stoikon - cmd[*]"));
    WindowFixture missing(PathOf("missing.KVX"));
    QCOMPARE(missing->windowTitle(), QString("Stoikon - Untitled[*]"));
}

void TestDocumentFiles::html_export_writes_the_page_in_the_code_page()
{
    WindowFixture w;
    WriteBytes(PathOf("example.KVX"), ExampleBytes());
    OpenFile(w->context(), PathOf("example.KVX"));
    w->document()->setCell(0, 3, QString::fromUtf8("آب <مايع>"));
    w.MarkSaved();
    w.FileAnswers = {PathOf("page")};
    w->commandAction("exportHtml")->trigger();
    const QByteArray page = ReadBytes(PathOf("page.html"));
    const QList<QByteArray> lines = page.split('\n');
    QCOMPARE(lines.value(0), QByteArray("<html>\r"));
    QCOMPARE(lines.value(2),
             QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">\r"));
    QCOMPARE(lines.value(3), QByteArray("<title>Stoikon - example</title>\r"));
    QVERIFY(page.contains("<font face=\"Wingdings\">&rarr;</font>"));
    QVERIFY(page.contains(QByteArray::fromStdString(EncodeCodePage("آب &lt;مايع&gt;"))));
    QVERIFY(page.endsWith("</html>\r\n"));
    QVERIFY(!w->document()->isModified());
}

void TestDocumentFiles::farsi_keyboard_yeh_is_saved_as_the_code_page_yeh()
{
    WindowFixture w;
    w->document()->setCell(0, 0,
                           QString::fromUtf8("\u0645\u0627\u06CC\u0639")); // liquid, typed with Farsi yeh
    w->document()->save(PathOf("yeh.KVX"), w.Marks.path());
    const QByteArray bytes = ReadBytes(PathOf("yeh.KVX"));
    QVERIFY(bytes.contains("\xe3\xc7\xed\xda"));
    QVERIFY(!bytes.contains('?'));
    OpenFile(w->context(), PathOf("yeh.KVX"));
    QCOMPARE(w->document()->grid()->cell(0, 0), QString::fromUtf8("\u0645\u0627\u064A\u0639"));
}

void TestDocumentFiles::worked_out_marks_come_back_with_the_unchanged_file_only_data()
{
    QTest::addColumn<bool>("changedSince");
    QTest::newRow("reopened as saved") << false;
    QTest::newRow("a given value changed by another program since") << true;
}

void TestDocumentFiles::worked_out_marks_come_back_with_the_unchanged_file_only()
{
    QFETCH(bool, changedSince);
    WindowFixture w;
    GridModel* grid = w.Grid();
    w.EditContent([](DocumentContent& content) {
        content.Data.Widths = {100, 100};
        content.Data.Cells = {{"Mol", "Number"}, {"", "2"}, {"4", "1"}};
        content.Data.TypesList = {"2", "3"};
        content.Data.Formulas = {"#Mol(a)=#Mol(b)*#Number(a)/#Number(b)"};
        content.WorkedOut.assign(3, std::vector<bool>(2, false));
    });
    w->findChild<QPushButton*>("calculateButton")->click();
    QVERIFY(grid->isWorkedOut(0, 1));

    w.FileAnswers = {PathOf("marks")};
    w->commandAction("saveDocumentAs")->trigger();
    // The file is the document alone, as any program writes it.
    const QByteArray saved = ReadBytes(PathOf("marks.KVX"));
    QCOMPARE(saved, QByteArray::fromStdString(
                        DocumentFileBytes(WriteDocumentLines(w->document()->document().data()))));
    if (changedSince)
        WriteBytes(PathOf("marks.KVX"), QByteArray(saved).replace("\r\n4,1\r\n", "\r\n5,1\r\n"));

    w->commandAction("newDocument")->trigger();
    QVERIFY(!w->document()->document().hasWorkedOutCells());
    OpenFile(w->context(), PathOf("marks.KVX"));
    QCOMPARE(grid->cell(0, 1), QString("8"));
    QCOMPARE(grid->isWorkedOut(0, 1), !changedSince);
    QVERIFY(!grid->isWorkedOut(0, 2) && !grid->isWorkedOut(1, 1));
}

QTEST_MAIN(TestDocumentFiles)
#include "tst_document_files.moc"
