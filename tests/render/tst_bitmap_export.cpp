// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap export of the reaction and the grid, as drawn.

#include "render/BitmapExport.h"
#include "render/DrawReaction.h"
#include "tests/common/Pixels.h"

#include <QTest>

#include <numeric>

class TestBitmapExport : public QObject
{
    Q_OBJECT

  private slots:
    void the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid_data();
    void the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid();
    void bitmap_columns_follow_the_interface_direction_data();
    void bitmap_columns_follow_the_interface_direction();
    void bitmap_cells_keep_their_text_inside_data();
    void bitmap_cells_keep_their_text_inside();
    void a_charged_formula_reads_left_to_right_in_the_farsi_bitmap();
};

void TestBitmapExport::the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid_data()
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

void TestBitmapExport::the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid()
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

void TestBitmapExport::bitmap_columns_follow_the_interface_direction_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English: column 0 at the left") << false;
    QTest::newRow("Farsi: column 0 at the right") << true;
}

void TestBitmapExport::bitmap_columns_follow_the_interface_direction()
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

void TestBitmapExport::bitmap_cells_keep_their_text_inside_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English") << false;
    QTest::newRow("Farsi") << true;
}

void TestBitmapExport::bitmap_cells_keep_their_text_inside()
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

void TestBitmapExport::a_charged_formula_reads_left_to_right_in_the_farsi_bitmap()
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

QTEST_MAIN(TestBitmapExport)
#include "tst_bitmap_export.moc"
