// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap export of the reaction and the grid.

#include "tst_editor.h"

#include "render/BitmapExport.h"
#include "render/DrawReaction.h"
#include "ui/grid/GridView.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <numeric>

// ---- Bitmap export ----
void TestEditor::the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<bool>("gridWider");
    QTest::newRow("grid wider") << "H2O" << QList<int>{100, 100, 100} << QList<int>{21, 21} << true;
    QTest::newRow("reaction wider") << QString("CH4+").repeated(40) << QList<int>{100} << QList<int>{21, 18}
                                    << false;
    QTest::newRow("header row only") << "H2+O2>H2O" << QList<int>{150, 60} << QList<int>{21} << true;
    QTest::newRow("grid cut off at 16,384 pixels")
        << "H2O" << QList<int>(200, 100) << QList<int>{21, 21} << true;
}

void TestEditor::the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid()
{
    QFETCH(QString, reaction);
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, heights);
    QFETCH(bool, gridWider);
    BitmapSource source;
    source.ReactionText = reaction.toStdString();
    source.ColWidths.assign(widths.begin(), widths.end());
    source.RowHeights.assign(heights.begin(), heights.end());
    source.Cells.assign(size_t(heights.size()), GridRow(size_t(widths.size()), "x"));
    const std::vector<int> chars = MeasureReaction(source.ReactionText, source.Fonts);
    const int reactionWidth = std::accumulate(chars.begin(), chars.end(), 0);
    const int gridWidth = std::accumulate(widths.begin(), widths.end(), 0);
    QCOMPARE(gridWidth > reactionWidth, gridWider);

    const QImage picture = RenderBitmap(source);
    QCOMPARE(picture.width(), std::min(gridWider ? 10 + gridWidth + 10 : reactionWidth + 20, 16384));
    const int lineHeight = ReactionLineHeight(source.Fonts);
    QCOMPARE(picture.height(), 20 + std::accumulate(heights.begin(), heights.end(), 0) + lineHeight + 10);
    // The whole reaction is drawn: its last character shows at its place.
    const int last = 10 + reactionWidth - chars.back();
    QVERIFY(!InkBox(picture, QRect(last, 10, chars.back(), lineHeight), IsInk).isNull());
}

void TestEditor::bitmap_columns_follow_the_interface_direction_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English: column 0 at the left") << false;
    QTest::newRow("Farsi: column 0 at the right") << true;
}

void TestEditor::bitmap_columns_follow_the_interface_direction()
{
    QFETCH(bool, farsi);
    BitmapSource source;
    source.Lang = farsi ? Language::Farsi : Language::English;
    source.ColWidths = {80, 120};
    source.RowHeights = {21};
    source.Cells = {{"Mass (g)", ""}};
    const QImage picture = RenderBitmap(source);
    const int top = ReactionLineHeight(source.Fonts) + 20;
    // Cells share their border lines: the second cell starts on the first one's right border.
    const int firstWidth = farsi ? 120 : 80;
    const int col0Left = farsi ? 10 + firstWidth - 1 : 10;
    const int col1Left = farsi ? 10 : 10 + firstWidth - 1;
    for (int x : {10, 10 + firstWidth - 1, 10 + 80 + 120 - 2})
        QVERIFY2(IsBlack(picture.pixel(x, top + 10)), qPrintable(QString("border at %1").arg(x)));
    const QRect col0Inside(col0Left + 1, top + 1, 78, 19);
    const QRect col1Inside(col1Left + 1, top + 1, 118, 19);
    const QRect text = InkBox(picture, col0Inside, IsInk);
    QVERIFY(!text.isNull());
    QVERIFY(InkBox(picture, col1Inside, IsInk).isNull());
    if (farsi) // right-aligned, 3 pixels in from the border
        QVERIFY(text.right() >= col0Left + 80 - 3 - 4 && text.right() < col0Left + 80 - 3);
    else
        QVERIFY(text.left() >= col0Left + 2 && text.left() <= col0Left + 4);
}

void TestEditor::bitmap_cells_keep_their_text_inside_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English") << false;
    QTest::newRow("Farsi") << true;
}

void TestEditor::bitmap_cells_keep_their_text_inside()
{
    // A fifteen-digit number in a narrow column stops at its cell's border: nothing of it
    // shows in the empty neighbour, nor on the border they share.
    QFETCH(bool, farsi);
    BitmapSource source;
    source.Lang = farsi ? Language::Farsi : Language::English;
    source.ColWidths = {50, 100};
    source.RowHeights = {21};
    source.Cells = {{"0.623052959501558", ""}};
    const QImage picture = RenderBitmap(source);
    const int top = ReactionLineHeight(source.Fonts) + 20;
    const int border = farsi ? 10 + 100 - 1 : 10 + 50 - 1;
    const QRect neighbour(farsi ? 11 : border + 1, top + 1, 98, 19);
    QVERIFY(!InkBox(picture, QRect(farsi ? border + 1 : 11, top + 1, 48, 19), IsInk).isNull());
    QVERIFY(InkBox(picture, neighbour, IsInk).isNull());
    for (int y = top; y < top + 21; ++y)
        QVERIFY2(IsBlack(picture.pixel(border, y)), qPrintable(QString("border at y %1").arg(y)));
}

void TestEditor::a_charged_formula_reads_left_to_right_in_the_farsi_bitmap()
{
    // Laid out right to left, Fe^3+ would show as +Fe^3. The cell's ink starts with the
    // stem of the F, as high as the whole text, not with the short bar of the +.
    BitmapSource source;
    source.Lang = Language::Farsi;
    source.ColWidths = {100};
    source.RowHeights = {21};
    source.Cells = {{"Fe^3+"}};
    const QImage picture = RenderBitmap(source);
    const int top = ReactionLineHeight(source.Fonts) + 20;
    const QRect ink = InkBox(picture, QRect(11, top + 1, 97, 19), IsInk);
    const QRect firstColumn = InkBox(picture, QRect(ink.left(), ink.top(), 1, ink.height()), IsInk);
    QVERIFY(ink.right() >= 10 + 100 - 8); // right-aligned
    QVERIFY2(firstColumn.height() >= ink.height() * 3 / 4, "the text starts with F");
}

void TestEditor::the_export_command_asks_and_writes_a_24_bit_bitmap_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("names");  // the answers of the file dialog, "" cancels
    QTest::addColumn<QList<int>>("answers"); // the answers to the overwrite question
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("a name without extension gets .bmp")
        << QStringList() << QStringList{"pic"} << QList<int>() << "pic.bmp" << 1;
    QTest::newRow("another extension is kept")
        << QStringList() << QStringList{"pic.img"} << QList<int>() << "pic.img" << 1;
    QTest::newRow("cancel writes nothing") << QStringList() << QStringList{""} << QList<int>() << "" << 1;
    QTest::newRow("No asks for another name")
        << QStringList{"old.bmp"} << QStringList{"old", "new"} << QList<int>{AnswerNo} << "new.bmp" << 2;
    QTest::newRow("Yes overwrites") << QStringList{"old.bmp"} << QStringList{"old.bmp"}
                                    << QList<int>{AnswerYes} << "old.bmp" << 1;
}

void TestEditor::the_export_command_asks_and_writes_a_24_bit_bitmap()
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

    w->command("exportBitmap")->trigger();
    QCOMPARE(int(w.FileDialogsAsked.size()), dialogs);
    QCOMPARE(int(messages.Shown.size()), answers.size());
    if (!answers.isEmpty()) {
        QCOMPARE(messages.Shown[0].Kind, MessageKind::Warning);
        QCOMPARE(messages.Shown[0].Text,
                 dir.filePath("old.bmp") + " already exists.\rDo you want to replace it?");
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
    QVERIFY(header.startsWith("BM"));
    QCOMPARE(int(uchar(header[28])), 24); // bits per pixel
    int gridHeight = 0;
    for (int row = 0; row < w.Doc()->grid()->gridRowCount(); ++row)
        gridHeight += w.View()->gridRowHeight(row);
    const QImage picture(dir.filePath(written), "BMP");
    QCOMPARE(picture.height(), 20 + gridHeight + ReactionLineHeight(w.Doc()->fonts()) + 10);
}

void TestEditor::a_failed_export_says_it_could_not_save()
{
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w;
    w.FileAnswers.push_back(QStringLiteral("/nonexistent-folder/picture.bmp"));
    w->command("exportBitmap")->trigger();
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Can not save this file")});
}

void TestEditor::the_export_leaves_the_scrolled_line_as_it_was()
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
    w->command("exportBitmap")->trigger();
    QCOMPARE(w.Line()->firstVisible(), firstVisible);
    const int reactionWidth = w.Line()->widthBefore(int(w.Line()->charWidths().size()));
    QCOMPARE(QImage(dir.filePath("long.bmp")).width(), reactionWidth + 20);
    QVERIFY(messages.Shown.empty());
}
