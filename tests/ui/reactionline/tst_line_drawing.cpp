// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line on a started main window: how the line, its characters and the caret are
// drawn.

#include "render/DrawReaction.h"
#include "render/FontConvert.h"
#include "tests/ui/reactionline/LineTest.h"
#include "ui/grid/GridView.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <limits>

class TestLineDrawing : public QObject
{
    Q_OBJECT

  private slots:
    void the_caret_is_a_black_line_that_blinks();
    void each_character_is_drawn_in_its_font_data();
    void each_character_is_drawn_in_its_font();
    void subscripts_position_lifts_the_counts();
    void the_caret_rises_into_a_charge();
    void the_caret_after_an_arrow_stands_at_its_right_edge();
    void the_reaction_font_sets_the_panel_height_data();
    void the_reaction_font_sets_the_panel_height();
    void font_colours_are_drawn_data();
    void font_colours_are_drawn();
};

namespace {
bool IsBlue(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 90 && qGreen(c) < 90;
}

// Where character i of the line was drawn on the line's picture.
QRect CharCell(const WindowFixture& w, int i)
{
    const ReactionLine* line = w.Line();
    const int left = line->widthBefore(i) - line->widthBefore(line->firstVisible());
    return QRect(left, 0, line->charWidths()[size_t(i)], line->picture().height());
}

int AdvanceIn(const FontSpec& stored, QChar ch)
{
    const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(ToQFont(stored), &device).horizontalAdvance(ch);
}

enum class Drawn
{
    Coefficient,
    Subscript,
    Letter,
    Arrow,
    Superscript,
    Hidden
};
} // namespace

Q_DECLARE_METATYPE(Drawn)

void TestLineDrawing::the_caret_is_a_black_line_that_blinks()
{
    TestSettings settings;
    WindowFixture w;
    Type(w, "h2");
    const QImage& picture = w.Line()->picture();
    QVERIFY(w.Line()->caretShown());
    QCOMPARE(w.Line()->caretX(), w.Line()->widthBefore(2));
    QVERIFY(IsBlack(picture.pixel(w.Line()->caretX(), picture.height() / 2)));

    w.Line()->blink();
    QVERIFY(!w.Line()->caretShown());
    QVERIFY(InkBox(picture, QRect(w.Line()->caretX(), 0, 1, picture.height()), IsInk).isNull());
    QVERIFY(w.Find<QTimer>("blinkTimer")->interval() > 0);

    // Losing the focus erases a shown caret; help mode keeps the blink off.
    w.Line()->blink();
    w.Line()->focusLeft();
    QVERIFY(!w.Line()->caretShown());
    QVERIFY(!w.Find<QTimer>("blinkTimer")->isActive());
    w.Line()->setHelpMode(true);
    w.Line()->focusEntered();
    QVERIFY(!w.Find<QTimer>("blinkTimer")->isActive());
    w.Line()->setHelpMode(false);
    w.Line()->focusEntered();
    QVERIFY(w.Find<QTimer>("blinkTimer")->isActive());
}

void TestLineDrawing::each_character_is_drawn_in_its_font_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<Drawn>("drawn");
    QTest::newRow("leading coefficient") << "2H2+O2>2H2O" << 0 << Drawn::Coefficient;
    QTest::newRow("letter") << "2H2+O2>2H2O" << 1 << Drawn::Letter;
    QTest::newRow("count after a symbol") << "2H2+O2>2H2O" << 2 << Drawn::Subscript;
    QTest::newRow("arrow") << "2H2+O2>2H2O" << 6 << Drawn::Arrow;
    QTest::newRow("coefficient after the arrow") << "2H2+O2>2H2O" << 7 << Drawn::Coefficient;
    QTest::newRow("count in a product") << "2H2+O2>2H2O" << 9 << Drawn::Subscript;
    QTest::newRow("two-digit coefficient, first digit") << "H2+12O" << 3 << Drawn::Coefficient;
    QTest::newRow("two-digit coefficient, second digit") << "H2+12O" << 4 << Drawn::Coefficient;
    QTest::newRow("count after a parenthesis") << "Ca(OH)2" << 6 << Drawn::Subscript;
    QTest::newRow("minus sign") << "H-2" << 1 << Drawn::Subscript;
    QTest::newRow("count after a minus sign") << "H-2" << 2 << Drawn::Subscript;
    QTest::newRow("a charge's ^ is not drawn") << "Fe^3+" << 2 << Drawn::Hidden;
    QTest::newRow("a charge's count") << "Fe^3+" << 3 << Drawn::Superscript;
    QTest::newRow("a charge's sign") << "Fe^3+" << 4 << Drawn::Superscript;
    QTest::newRow("a negative charge after a count") << "MnO4^-" << 5 << Drawn::Superscript;
    QTest::newRow("a ^ with no charge after it shows") << "Fe^" << 2 << Drawn::Superscript;
}

void TestLineDrawing::each_character_is_drawn_in_its_font()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(Drawn, drawn);
    TestSettings settings;
    WindowFixture w;
    w.EditFonts([&](FontSettings& f) { f.NumbersFont.Size = 16; }); // measurably different from ReactionFont
    w.EditFonts([&](FontSettings& f) { f.SubscriptsPosition = 0; });
    SetText(w, text);
    const QImage& picture = w.Line()->picture();
    const int height = picture.height();
    const QRect cell = CharCell(w, index);
    const QChar ch = text[index];
    if (drawn == Drawn::Hidden) {
        // No room, so nothing of it shows between the formula and its raised charge.
        QCOMPARE(w.Line()->charWidths()[size_t(index)], 0);
        return;
    }
    const QRect ink = InkBox(picture, cell, IsInk);
    QVERIFY(!ink.isNull());
    const bool blue = !InkBox(picture, cell, IsBlue).isNull();
    switch (drawn) {
    case Drawn::Coefficient:
        QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().NumbersFont, ch));
        QVERIFY(blue);
        break;
    case Drawn::Subscript: {
        QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().SubscriptsFont, ch));
        QVERIFY(!blue);
        const QImage device(1, 1, QImage::Format_RGB32);
        const int subscriptHeight = QFontMetrics(ToQFont(w.Doc()->fonts().SubscriptsFont), &device).height();
        QVERIFY(ink.top() >= height - subscriptHeight);
        QVERIFY(ink.bottom() < height);
        break;
    }
    case Drawn::Superscript: {
        QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().SubscriptsFont, ch));
        QVERIFY(!blue);
        // Raised: in the subscripts font's cell at the top of the line, its middle above
        // the middle of the letters.
        QVERIFY(ink.top() >= SuperscriptTop());
        QVERIFY(ink.bottom() < SuperscriptTop() + SuperscriptHeight(w.Doc()->fonts()));
        QVERIFY(ink.center().y() < InkBox(picture, CharCell(w, 0), IsInk).center().y());
        break;
    }
    case Drawn::Hidden:
        break;
    case Drawn::Letter:
        QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().ReactionFont, ch));
        QVERIFY(!blue);
        QVERIFY(ink.top() >= 1);
        break;
    case Drawn::Arrow:
        QCOMPARE(w.Line()->charWidths()[size_t(index)],
                 AdvanceIn(w.Doc()->fonts().ReactionFont, QChar(0x2192)));
        QVERIFY(!blue);
        QVERIFY2(ink.width() > ink.height(), "a right-pointing arrow is wider than high");
        break;
    }
}

void TestLineDrawing::subscripts_position_lifts_the_counts()
{
    TestSettings settings;
    WindowFixture w;
    int bottomAtZero = 0;
    for (int position : {0, 3, 7}) {
        w.EditFonts([&](FontSettings& f) { f.SubscriptsPosition = position; });
        SetText(w, "H2");
        const int bottom = InkBox(w.Line()->picture(), CharCell(w, 1), IsInk).bottom();
        if (position == 0)
            bottomAtZero = bottom;
        QCOMPARE(bottom, bottomAtZero - position);
    }
    // Any 32-bit position a document may hold (run under the sanitizers, this caught an
    // overflow): the count is out of sight, the letter stays.
    for (int position : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        w.EditFonts([&](FontSettings& f) { f.SubscriptsPosition = position; });
        SetText(w, "H2");
        QVERIFY(InkBox(w.Line()->picture(), CharCell(w, 1), IsInk).isNull());
        QVERIFY(!InkBox(w.Line()->picture(), CharCell(w, 0), IsInk).isNull());
    }
}

void TestLineDrawing::the_caret_rises_into_a_charge()
{
    // The "^" takes no room, so the caret before it and after it stand at the same x;
    // after it, and among the charge's digits, the caret spans the raised charge only.
    TestSettings settings;
    WindowFixture w;
    Type(w, "fe^3+");
    const QImage& picture = w.Line()->picture();
    const int height = picture.height();
    auto caretReaches = [&](int y) { return IsBlack(picture.pixel(w.Line()->caretX(), y)); };
    QTest::keyClick(w.KeyBox(), Qt::Key_Home);
    QTest::keyClick(w.KeyBox(), Qt::Key_Right);
    QTest::keyClick(w.KeyBox(), Qt::Key_Right);
    const int beforeMark = w.Line()->caretX();
    QVERIFY(caretReaches(1) && caretReaches(height - 3));
    for (int pos : {3, 4}) {
        QTest::keyClick(w.KeyBox(), Qt::Key_Right);
        QCOMPARE(w.Line()->caretPos(), pos);
        if (pos == 3)
            QCOMPARE(w.Line()->caretX(), beforeMark);
        QVERIFY(caretReaches(SuperscriptTop() + 1));
        QVERIFY(!caretReaches(height - 3));
    }
    QCOMPARE(w.Line()->caretX(), beforeMark + w.Line()->charWidths()[3]);
    QTest::keyClick(w.KeyBox(), Qt::Key_Right); // past the sign the charge is closed
    QVERIFY(caretReaches(height - 3));
}

void TestLineDrawing::the_caret_after_an_arrow_stands_at_its_right_edge()
{
    TestSettings settings;
    WindowFixture w;
    Type(w, "h2 ");
    QCOMPARE(Text(w), QStringLiteral("H2>"));
    const QRect arrow = InkBox(w.Line()->picture(), CharCell(w, 2), IsInk);
    QCOMPARE(w.Line()->caretX(), CharCell(w, 2).right() + 1);
    // The caret closes the arrow's cell: past its ink, by no more than the glyph's bearing.
    QVERIFY(arrow.right() < w.Line()->caretX());
    QVERIFY(w.Line()->caretX() - arrow.right() <= CharCell(w, 2).width() / 3);
}

void TestLineDrawing::the_reaction_font_sets_the_panel_height_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small font: the panel keeps 68 pixels") << 6;
    QTest::newRow("built-in font") << 14;
    QTest::newRow("large font") << 28;
    QTest::newRow("very large font") << 48;
}

void TestLineDrawing::the_reaction_font_sets_the_panel_height()
{
    QFETCH(int, size);
    TestSettings settings;
    WindowFixture w;
    w.EditFonts([&](FontSettings& f) { f.ReactionFont.Size = size; });
    SetText(w, "H2O");
    const int lineHeight = ReactionLineHeight(w.Doc()->fonts());
    QCOMPARE(w.Line()->height(), lineHeight);
    QCOMPARE(w.Line()->y(), w.Find<QLabel>("reactionLabel")->height() + 11);
    QCOMPARE(w.Find<QWidget>("reactionPanel")->height(), std::max(68, w.Line()->y() + lineHeight + 11));
    QVERIFY(w.View()->y() + w.View()->height() <= w.Find<QWidget>("calculateButton")->y() - 8);
}

void TestLineDrawing::font_colours_are_drawn_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("RGB value, red in the lowest byte") << 0x0000FF << QColor(255, 0, 0);
    QTest::newRow("window-text system colour follows the palette") << int(ClWindowText) << QColor(0, 128, 0);
}

void TestLineDrawing::font_colours_are_drawn()
{
    QFETCH(int, value);
    QFETCH(QColor, expected);
    TestSettings settings;
    WindowFixture w;
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    w->setPalette(palette);
    w.EditFonts([&](FontSettings& f) { f.ReactionFont.Color = value; });
    SetText(w, "H");
    const QImage& picture = w.Line()->picture();
    bool found = false;
    for (int y = 0; y < picture.height() && !found; ++y)
        for (int x = 0; x < w.Line()->charWidths()[0] && !found; ++x)
            found = picture.pixelColor(x, y) == expected;
    QVERIFY(found);
}

QTEST_MAIN(TestLineDrawing)
#include "tst_line_drawing.moc"
