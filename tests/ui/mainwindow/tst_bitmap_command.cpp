// SPDX-License-Identifier: GPL-3.0-or-later
// The window's bitmap export: the file it asks for and writes, and what a failure says; Print
// and the students' sheet.

#include "model/Settings.h"
#include "render/BitmapExport.h"
#include "render/DrawReaction.h"
#include "tests/ui/reactionline/LineTest.h"
#include "ui/grid/GridView.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <numeric>

class TestBitmapCommand : public QObject
{
    Q_OBJECT

  private slots:
    void the_export_command_asks_and_writes_a_24_bit_bitmap_data();
    void the_export_command_asks_and_writes_a_24_bit_bitmap();
    void a_failed_export_says_it_could_not_save();
    void the_export_leaves_the_scrolled_line_as_it_was();
    void print_and_the_students_sheet_leave_the_worked_out_cells_empty();
};

void TestBitmapCommand::the_export_command_asks_and_writes_a_24_bit_bitmap_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("names");  // the answers of the file dialog, "" cancels
    QTest::addColumn<QList<int>>("answers"); // the answers to the overwrite question
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("a name without extension gets .png")
        << QStringList() << QStringList{"pic"} << QList<int>() << "pic.png" << 1;
    QTest::newRow(".bmp writes a bitmap")
        << QStringList() << QStringList{"pic.bmp"} << QList<int>() << "pic.bmp" << 1;
    QTest::newRow("another extension is kept")
        << QStringList() << QStringList{"pic.img"} << QList<int>() << "pic.img" << 1;
    QTest::newRow("cancel writes nothing") << QStringList() << QStringList{""} << QList<int>() << "" << 1;
    QTest::newRow("No asks for another name")
        << QStringList{"old.png"} << QStringList{"old", "new"} << QList<int>{AnswerNo} << "new.png" << 2;
    QTest::newRow("Yes overwrites") << QStringList{"old.bmp"} << QStringList{"old.bmp"}
                                    << QList<int>{AnswerYes} << "old.bmp" << 1;
}

void TestBitmapCommand::the_export_command_asks_and_writes_a_24_bit_bitmap()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, answers);
    QFETCH(QString, written);
    QFETCH(int, dialogs);
    TestSettings settings;
    MessageRecorder messages;
    messages.Answers.assign(answers.begin(), answers.end());
    WindowFixture w;
    QTemporaryDir dir;
    for (const QString& name : existing) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    for (const QString& name : names)
        w.FileAnswers.push_back(name.isEmpty() ? QString() : dir.filePath(name));
    SetText(w, "2H2+O2>2H2O");

    w->commandAction("exportBitmap")->trigger();
    QCOMPARE(int(w.FileDialogsAsked.size()), dialogs);
    QCOMPARE(int(messages.Shown.size()), answers.size());
    if (!answers.isEmpty()) {
        QCOMPARE(messages.Shown[0].Kind, MessageKind::Warning);
        QCOMPARE(messages.Shown[0].Text,
                 dir.filePath(existing.front()) + " already exists.\rDo you want to replace it?");
    }
    for (const QString& name : existing)
        if (name != written)
            QCOMPARE(QFile(dir.filePath(name)).size(), qint64(3)); // untouched
    if (written.isEmpty()) {
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), existing);
        return;
    }
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    const bool png = written.endsWith(".png");
    QVERIFY(header.startsWith(png ? "\x89PNG" : "BM"));
    if (!png)
        QCOMPARE(int(uchar(header[28])), 24); // bits per pixel
    int gridHeight = 0;
    for (int row = 0; row < w.Doc()->grid()->gridRowCount(); ++row)
        gridHeight += w.View()->gridRowHeight(row);
    const QImage picture(dir.filePath(written));
    QCOMPARE(picture.height(), 20 + gridHeight + ReactionLineHeight(w.Doc()->fonts()) + 10);
}

void TestBitmapCommand::a_failed_export_says_it_could_not_save()
{
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w;
    w.FileAnswers.push_back(QStringLiteral("/nonexistent-folder/picture.bmp"));
    w->commandAction("exportBitmap")->trigger();
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Can not save this file")});
}

void TestBitmapCommand::the_export_leaves_the_scrolled_line_as_it_was()
{
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w;
    for (int i = 0; i < 50; ++i) // wider than the grid's twelve columns
        Type(w, "ch4=");
    const int firstVisible = w.Line()->firstVisible();
    QVERIFY(firstVisible > 0);
    QTemporaryDir dir;
    w.FileAnswers.push_back(dir.filePath("long.bmp"));
    w->commandAction("exportBitmap")->trigger();
    QCOMPARE(w.Line()->firstVisible(), firstVisible);
    const int reactionWidth = w.Line()->widthBefore(int(w.Line()->charWidths().size()));
    QCOMPARE(QImage(dir.filePath("long.bmp")).width(), reactionWidth + 20);
    QVERIFY(messages.Shown.empty());
}

void TestBitmapCommand::print_and_the_students_sheet_leave_the_worked_out_cells_empty()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    QTemporaryDir dir;
    // The print dialog, answered: the printer writes a PDF.
    w->desktop().setPrintDialog([&dir](QPrinter& printer) {
        printer.setOutputFileName(QDir(dir.path()).filePath("printed.pdf"));
        return true;
    });
    Type(w, "fe=o2 fe2o3\r");
    w.Doc()->setCell(4, 1, "11.169");
    w.Find<QPushButton>("calculateButton")->click();
    const auto printedText = [&] {
        w->commandAction("print")->trigger();
        QProcess text;
        text.start("pdftotext", {QDir(dir.path()).filePath("printed.pdf"), "-"});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput());
    };
    QString printed = printedText();
    QVERIFY(printed.contains("11.169") && printed.contains("15.969"));
    // The students' sheet: the cells Calculate Grid filled stay empty; the choice is kept.
    w->commandAction("studentsSheet")->trigger();
    printed = printedText();
    QVERIFY(printed.contains("11.169") && !printed.contains("15.969"));
    QCOMPARE(Settings::load().StudentsSheet, std::optional<bool>(true));
    w.FileAnswers = {dir.filePath("sheet.png")};
    w->commandAction("exportBitmap")->trigger();
    QVERIFY(QFile::exists(dir.filePath("sheet.png")));
}

QTEST_MAIN(TestBitmapCommand)
#include "tst_bitmap_command.moc"
