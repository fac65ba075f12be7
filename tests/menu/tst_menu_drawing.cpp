// SPDX-License-Identifier: GPL-3.0-or-later
// The owner-drawn menu on the pixels of grabbed menus: rows, captions, separators, the menu
// bar and the raised icons.

#include "tst_menu.h"

#include "render/FontConvert.h"
#include "ui/menu/MenuMetrics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

namespace {
using namespace MenuMetrics;

QRgb RgbOf(ColorValue value)
{
    return ToQColor(value).rgb() & 0xFFFFFF;
}
} // namespace

void TestMenu::the_selection_covers_the_whole_row_in_light_blue_with_a_blue_outline()
{
    QMenu* file = Window->Find<QMenu>("fileMenu");
    const QImage image = GrabMenu(file, Window->Action("newDocument"));
    const QRect row = file->actionGeometry(Window->Action("newDocument"));
    const int middle = row.center().y();
    const QRgb fill = RgbOf(SelectedBackColor);
    const QRgb border = RgbOf(SelectedBorderColor);
    QCOMPARE(Rgb(image, row.left(), middle), border); // over the icon column too
    QCOMPARE(Rgb(image, row.right(), middle), border);
    QCOMPARE(Rgb(image, row.center().x(), row.top()), border);
    QCOMPARE(Rgb(image, row.center().x(), row.bottom()), border);
    QCOMPARE(Rgb(image, row.left() + IconColumn - 1, middle), fill); // beside the icon
    QCOMPARE(Rgb(image, row.right() - 3, middle), fill);
    // The rounded corner leaves the corner pixel out of the outline.
    QVERIFY(Rgb(image, row.left(), row.top()) != border);
    // The raised icon leaves its shadow on the right and below: some dark-shadow pixels.
    const QRgb shadow = Expected(Window->Find<MenuStyle>("menuStyle")->ShadowColor, file).rgb() & 0xFFFFFF;
    int shadowPixels = 0;
    for (int y = row.top() + 1; y <= row.top() + ImageSize + 1; ++y)
        for (int x = row.left() + 1; x <= row.left() + ImageSize + 1; ++x)
            shadowPixels += Rgb(image, x, y) == shadow;
    QVERIFY(shadowPixels > 0);
    // The caption keeps the menu-text colour: no light text on the light selection.
    QVERIFY(FirstDarkColumn(image, row.adjusted(0, 2, 0, -2), row.left() + IconColumn, row.right() - 2) > 0);
}

void TestMenu::an_unselected_row_shows_the_icon_column_and_a_white_background()
{
    QMenu* file = Window->Find<QMenu>("fileMenu");
    const QImage image = GrabMenu(file, nullptr);
    const QRect row = file->actionGeometry(Window->Action("openDocument"));
    const QRgb column = Expected(Window->Find<MenuStyle>("menuStyle")->ImageBackColor, file).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, row.left(), row.top()), column);
    QCOMPARE(Rgb(image, row.left() + IconColumn - 1, row.bottom()), column);
    QCOMPARE(Rgb(image, row.left() + IconColumn, row.top()), QRgb(0xFFFFFF));
    QCOMPARE(Rgb(image, row.right(), row.center().y()), QRgb(0xFFFFFF));
}

void TestMenu::captions_start_4_pixels_after_the_icon_column_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("action");
    QTest::newRow("Open (icon)") << "fileMenu"
                                 << "openDocument";
    QTest::newRow("Exit (icon)") << "fileMenu"
                                 << "quit";
    QTest::newRow("Problem with Farsi language (no icon)") << "helpMenu"
                                                           << "farsiProblems";
}

void TestMenu::captions_start_4_pixels_after_the_icon_column()
{
    QFETCH(QString, menu);
    QFETCH(QString, action);
    auto* m = W()->findChild<QMenu*>(menu);
    auto* a = W()->findChild<QAction*>(action);
    const QImage image = GrabMenu(m, nullptr);
    const QRect row = m->actionGeometry(a);
    const QRgb column = Expected(Window->Find<MenuStyle>("menuStyle")->ImageBackColor, m).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, row.left() + 1, row.center().y() - 3), column); // no icon covers the top-left corner
    const int first = FirstDarkColumn(image, row, row.left() + IconColumn, row.right());
    // The underline of the accelerator (or the first glyph) starts at the text origin.
    QVERIFY2(first >= row.left() + IconColumn + CaptionGap &&
                 first <= row.left() + IconColumn + CaptionGap + 1,
             qPrintable(QString::number(first - row.left())));
}

void TestMenu::separators_run_through_the_middle_from_the_caption_column_to_the_far_edge()
{
    QMenu* file = Window->Find<QMenu>("fileMenu");
    const QImage image = GrabMenu(file, nullptr);
    const QColor line = Expected(Window->Find<MenuStyle>("menuStyle")->LineColor, file);
    for (QAction* separator : file->actions()) {
        if (!separator->isSeparator())
            continue;
        const QRect row = file->actionGeometry(separator);
        QCOMPARE(row.height(), SeparatorHeight);
        const int y = row.top() / 2 + (row.bottom() + 1) / 2;
        QCOMPARE(Rgb(image, row.left() + IconColumn + CaptionGap, y), line.rgb() & 0xFFFFFF);
        QCOMPARE(Rgb(image, row.right(), y), line.rgb() & 0xFFFFFF);
        QCOMPARE(Rgb(image, row.left() + IconColumn + CaptionGap - 1, y), QRgb(0xFFFFFF));
        QCOMPARE(Rgb(image, row.center().x(), y - 1), QRgb(0xFFFFFF));
        QCOMPARE(Rgb(image, row.center().x(), y + 1), QRgb(0xFFFFFF));
    }
}

void TestMenu::farsi_mirrors_the_icon_column_the_caption_and_the_shortcut()
{
    W()->command("switchToFarsi")->trigger();
    QMenu* file = Window->Find<QMenu>("fileMenu");
    QCOMPARE(file->layoutDirection(), Qt::RightToLeft);
    const QImage image = GrabMenu(file, Window->Action("openDocument"));
    const QRect row = file->actionGeometry(Window->Action("newDocument")); // unselected
    const QRgb column = Expected(Window->Find<MenuStyle>("menuStyle")->ImageBackColor, file).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, row.right(), row.top()), column);
    QCOMPARE(Rgb(image, row.right() - IconColumn + 1, row.bottom()), column);
    QCOMPARE(Rgb(image, row.left(), row.top()), QRgb(0xFFFFFF));
    // The caption ends 4 pixels before the column (the underline may end a pixel short).
    const int captionEnd = FirstDarkColumn(image, row, row.right() - IconColumn, row.left());
    QVERIFY2(captionEnd <= row.right() - IconColumn - CaptionGap &&
                 captionEnd >= row.right() - IconColumn - CaptionGap - 2,
             qPrintable(QString::number(row.right() - captionEnd)));
    // "Ctrl+N" stands at the left, 12 pixels in.
    const int shortCutStart = FirstDarkColumn(image, row, row.left(), row.right());
    QVERIFY2(shortCutStart >= row.left() + TextMargin && shortCutStart <= row.left() + TextMargin + 2,
             qPrintable(QString::number(shortCutStart - row.left())));
    // The selected row is mirrored as well: its outline still runs over both edges.
    const QRect selected = file->actionGeometry(Window->Action("openDocument"));
    QCOMPARE(Rgb(image, selected.right(), selected.center().y()), RgbOf(SelectedBorderColor));
    QCOMPARE(Rgb(image, selected.right() - IconColumn + 1, selected.center().y()), RgbOf(SelectedBackColor));
}

void TestMenu::menu_bar_items_have_the_button_face_and_their_caption_6_pixels_in()
{
    QMenuBar* bar = W()->menuBar();
    const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect item = bar->actionGeometry(Window->Find<QMenu>("fileMenu")->menuAction());
    const QRgb face = Expected(Window->Find<MenuStyle>("menuStyle")->MenuBarColor, bar).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, item.left(), item.top()), face);
    QCOMPARE(Rgb(image, item.left() + 8, item.top()), face); // no icon column
    const int first = FirstDarkColumn(image, item, item.left(), item.right());
    QVERIFY2(first >= item.left() + BarCaptionIndent && first <= item.left() + BarCaptionIndent + 1,
             qPrintable(QString::number(first - item.left())));
}

void TestMenu::farsi_menu_bar_captions_fit_their_items()
{
    // The item holds the whole caption with its margins.
    W()->command("switchToFarsi")->trigger();
    QMenuBar* bar = W()->menuBar();
    const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QMenu* menu : {Window->Find<QMenu>("fileMenu"), Window->Find<QMenu>("reactionMenu"),
                        Window->Find<QMenu>("settingsMenu"), Window->Find<QMenu>("helpMenu")}) {
        const QRect item = bar->actionGeometry(menu->menuAction());
        const int inkRight = FirstDarkColumn(image, item, item.right(), item.left());
        const int inkLeft = FirstDarkColumn(image, item, item.left(), item.right());
        // 6 pixels in from the leading (right) edge, give or take the glyphs' side bearings.
        QVERIFY2(inkRight >= item.right() - 9 && inkRight <= item.right() - 2,
                 qPrintable(menu->objectName()));
        QVERIFY2(inkLeft >= item.left() + 4, qPrintable(menu->objectName()));
    }
}

void TestMenu::a_raised_icon_stands_up_and_left_of_its_silhouette_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("default 1, 1") << 1 << 1;
    QTest::newRow("2 left, 0 up") << 2 << 0;
}

void TestMenu::a_raised_icon_stands_up_and_left_of_its_silhouette()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    // An opaque red square at (2..5, 2..5) of a transparent 8 x 8 icon.
    QImage icon(8, 8, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter(&icon).fillRect(2, 2, 4, 4, Qt::red);
    const QImage raised = MenuStyle::raisedIcon(icon, Qt::black, dx, dy);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inIcon = x >= 2 - dx && x <= 5 - dx && y >= 2 - dy && y <= 5 - dy;
            const bool inShadow = x >= 2 && x <= 5 && y >= 2 && y <= 5;
            const QColor expected = inIcon     ? QColor(Qt::red)
                                    : inShadow ? QColor(Qt::black)
                                               : QColor(Qt::transparent);
            QCOMPARE(raised.pixelColor(x, y), expected);
        }
    }
}
