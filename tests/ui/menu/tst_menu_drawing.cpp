// SPDX-License-Identifier: GPL-3.0-or-later
// The owner-drawn menu in Farsi, on the pixels of grabbed menus: its rows mirrored, and the
// menu bar's captions within their items.

#include "render/FontConvert.h"
#include "tests/ui/menu/MenuTest.h"
#include "ui/menu/MenuMetrics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

class TestMenuDrawing : public MenuTest
{
    Q_OBJECT

  private slots:
    void farsi_mirrors_the_icon_column_the_caption_and_the_shortcut();
    void farsi_menu_bar_captions_fit_their_items();
};

namespace {
using namespace MenuMetrics;

QRgb RgbOf(ColorValue value)
{
    return ToQColor(value).rgb() & 0xFFFFFF;
}
} // namespace

void TestMenuDrawing::farsi_mirrors_the_icon_column_the_caption_and_the_shortcut()
{
    W()->commandAction("switchToFarsi")->trigger();
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

void TestMenuDrawing::farsi_menu_bar_captions_fit_their_items()
{
    // The item holds the whole caption with its margins.
    W()->commandAction("switchToFarsi")->trigger();
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

QTEST_MAIN(TestMenuDrawing)
#include "tst_menu_drawing.moc"
