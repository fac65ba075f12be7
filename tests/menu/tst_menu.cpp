// SPDX-License-Identifier: GPL-3.0-or-later
// The owner-drawn menu on the pixels of grabbed menus, help mode, the web commands and
// the about box.

#include "dialogs/ShapedCaption.h"
#include "editor/BitmapExport.h"
#include "editor/DrawReaction.h"
#include "editor/FontConvert.h"
#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/InterfaceTexts.h"
#include "shell/VelkMenu.h"
#include "shell/VelkMenuMetrics.h"
#include "shell/WebAddresses.h"
#include "tests/common/WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

namespace {
using namespace MenuMetrics;

QRgb RgbOf(ColorValue value)
{
    return ToQColor(value).rgb() & 0xFFFFFF;
}

// Opens the menu offscreen with one item selected (or none) and returns what it shows.
QImage GrabMenu(QMenu* menu, QAction* selected)
{
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(selected);
    const QImage image = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    menu->hide();
    return image;
}

QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The first column, walking from `from` towards `to`, holding a dark pixel in the row.
int FirstDarkColumn(const QImage& image, const QRect& row, int from, int to)
{
    const int step = from <= to ? 1 : -1;
    for (int x = from; x != to + step; x += step)
        for (int y = row.top(); y <= row.bottom(); ++y)
            if (IsDark(Rgb(image, x, y)))
                return x;
    return -1;
}
// Records the text runs that painting hands to the paint engine, one string a run.
class TextRunRecorder : public QPaintDevice
{
  public:
    QStringList Runs;
    QPaintEngine* paintEngine() const override { return &Engine; }

  protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 2000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

  private:
    class Recorder : public QPaintEngine
    {
      public:
        explicit Recorder(QStringList& runs) : QPaintEngine(AllFeatures), Runs(runs) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { Runs << item.text(); }
        Type type() const override { return User; }

      private:
        QStringList& Runs;
    };
    mutable Recorder Engine{Runs};
};

// The widest stretch of columns without ink inside the ink of a row's text area.
int WidestInnerGap(const QImage& image, const QRect& area)
{
    int widest = 0, gap = 0;
    bool inked = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool dark = false;
        for (int y = area.top(); y <= area.bottom() && !dark; ++y)
            dark = IsDark(Rgb(image, x, y));
        if (dark) {
            if (inked)
                widest = std::max(widest, gap);
            inked = true;
            gap = 0;
        } else {
            ++gap;
        }
    }
    return widest;
}
} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    // Measuring
    void a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request_data();
    void a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request();
    void rows_are_as_high_as_their_icons_and_separators_are_8();
    void the_menu_font_follows_the_program_font();

    // Drawing
    void the_selection_covers_the_whole_row_in_light_blue_with_a_blue_outline();
    void an_unselected_row_shows_the_icon_column_and_a_white_background();
    void captions_start_4_pixels_after_the_icon_column_data();
    void captions_start_4_pixels_after_the_icon_column();
    void separators_run_through_the_middle_from_the_caption_column_to_the_far_edge();
    void farsi_mirrors_the_icon_column_the_caption_and_the_shortcut();
    void menu_bar_items_have_the_button_face_and_their_caption_6_pixels_in();
    void farsi_menu_bar_captions_fit_their_items();
    void a_raised_icon_stands_up_and_left_of_its_silhouette_data();
    void a_raised_icon_stands_up_and_left_of_its_silhouette();
    void shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt_data();
    void shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt();
    void a_caption_with_an_accelerator_is_drawn_as_one_text_run_data();
    void a_caption_with_an_accelerator_is_drawn_as_one_text_run();
    void a_clear_gap_stands_before_every_shortcut_data();
    void a_clear_gap_stands_before_every_shortcut();
    void a_dark_desktop_keeps_the_texts_on_white_grounds_dark();

    // Help mode
    void f1_shows_the_help_pointer_and_the_prompt();
    void a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers_data();
    void a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers();
    void a_click_on_balance_in_help_mode_does_not_balance_and_the_next_click_does();
    void a_click_on_the_grid_in_help_mode_neither_selects_nor_edits();
    void clicks_elsewhere_leave_help_mode_on();
    void help_mode_in_farsi_prompts_and_answers_in_farsi();
    void hovering_menu_items_in_help_mode_keeps_the_prompt();

    // Web commands and the about box
    void web_commands_open_their_targets_data();
    void web_commands_open_their_targets();
    void the_about_box_site_opens_the_same_address_as_visit_website();
    void the_about_box_reads_right_to_left_after_a_switch_to_farsi();
    void the_about_box_takes_the_program_font_and_keeps_its_title_font();

  private:
    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<MessageRecorder> Messages;
    std::unique_ptr<WindowFixture> Window;
    QStringList Opened;

    TSTMainForm* W() const { return Window->Window; }
    QColor Expected(ColorValue value, const QWidget* widget) const
    {
        return Window->Find<TVelkMenu>("VelkMenu")->Color(value, widget->palette());
    }
    void EnterHelpMode()
    {
        W()->activateWindow();
        QTest::keyClick(W(), Qt::Key_F1);
        if (!Window->Window->InHelpMode()) // no active window on this platform: run the command directly
            Window->Action("HelpHelp")->trigger();
        QVERIFY(Window->Window->InHelpMode());
    }
};

void TestMenu::init()
{
    Settings = std::make_unique<TestSettings>();
    Messages = std::make_unique<MessageRecorder>();
    Window = std::make_unique<WindowFixture>();
    Opened.clear();
    W()->SetUrlOpener([this](const QString& url) {
        Opened << url;
        return true;
    });
    Messages->Shown.clear();
}

void TestMenu::cleanup()
{
    Window.reset();
    Messages.reset();
    Settings.reset();
}

// ---- Measuring ----

void TestMenu::a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("request");
    QTest::newRow("File") << "File1" << 200;
    QTest::newRow("Reaction") << "Reaction1" << 100;
    QTest::newRow("Settings") << "Settings1" << 100;
    QTest::newRow("Help") << "Help1" << 100;
}

void TestMenu::a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request()
{
    QFETCH(QString, menu);
    QFETCH(int, request);
    auto* m = W()->findChild<QMenu*>(menu);
    // An item is as wide as its caption, the gap and its shortcut, plus the extra width.
    const QFontMetrics metrics(Window->Find<TVelkMenu>("VelkMenu")->Font());
    int widest = request;
    for (QAction* action : m->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString shortCut = action->shortcut().toString(QKeySequence::NativeText);
        const int caption = metrics.size(Qt::TextShowMnemonic, action->text()).width();
        const int column = shortCut.isEmpty() ? 0 : ShortcutGap + metrics.horizontalAdvance(shortCut);
        widest = std::max(widest, caption + column + ItemExtraWidth);
    }
    QCOMPARE(m->sizeHint().width(), widest + 2); // and a one-pixel frame on each side
}

void TestMenu::rows_are_as_high_as_their_icons_and_separators_are_8()
{
    QMenu* file = Window->Find<QMenu>("File1");
    for (QAction* action : file->actions())
        QCOMPARE(file->actionGeometry(action).height(), action->isSeparator() ? SeparatorHeight : RowHeight);
    // The Help menu's "Problem with Farsi language" has no icon and is as high as the rest.
    QCOMPARE(
        Window->Find<QMenu>("Help1")->actionGeometry(Window->Action("ProblemwithFarsilanguage1")).height(),
        RowHeight);
}

void TestMenu::the_menu_font_follows_the_program_font()
{
    const int before = Window->Find<QMenu>("File1")->sizeHint().height();
    Window->EditFonts([&](FontSettings& f) { f.ProgramFont.Size = 20; });
    QCOMPARE(Window->Find<TVelkMenu>("VelkMenu")->Font().pointSize(), 20);
    // Rows keep their icon height; the items are measured again with the larger font.
    QCOMPARE(Window->Find<QMenu>("File1")->sizeHint().height(), before);
    QVERIFY(Window->Find<QMenu>("Help1")->sizeHint().width() > 200);
}

// ---- Drawing ----

void TestMenu::the_selection_covers_the_whole_row_in_light_blue_with_a_blue_outline()
{
    QMenu* file = Window->Find<QMenu>("File1");
    const QImage image = GrabMenu(file, Window->Action("FileNew"));
    const QRect row = file->actionGeometry(Window->Action("FileNew"));
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
    const QRgb shadow = Expected(Window->Find<TVelkMenu>("VelkMenu")->ShadowColor, file).rgb() & 0xFFFFFF;
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
    QMenu* file = Window->Find<QMenu>("File1");
    const QImage image = GrabMenu(file, nullptr);
    const QRect row = file->actionGeometry(Window->Action("FileOpen"));
    const QRgb column = Expected(Window->Find<TVelkMenu>("VelkMenu")->ImageBackColor, file).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, row.left(), row.top()), column);
    QCOMPARE(Rgb(image, row.left() + IconColumn - 1, row.bottom()), column);
    QCOMPARE(Rgb(image, row.left() + IconColumn, row.top()), QRgb(0xFFFFFF));
    QCOMPARE(Rgb(image, row.right(), row.center().y()), QRgb(0xFFFFFF));
}

void TestMenu::captions_start_4_pixels_after_the_icon_column_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("action");
    QTest::newRow("Open (icon)") << "File1"
                                 << "FileOpen";
    QTest::newRow("Exit (icon)") << "File1"
                                 << "FileExit";
    QTest::newRow("Problem with Farsi language (no icon)") << "Help1"
                                                           << "ProblemwithFarsilanguage1";
}

void TestMenu::captions_start_4_pixels_after_the_icon_column()
{
    QFETCH(QString, menu);
    QFETCH(QString, action);
    auto* m = W()->findChild<QMenu*>(menu);
    auto* a = W()->findChild<QAction*>(action);
    const QImage image = GrabMenu(m, nullptr);
    const QRect row = m->actionGeometry(a);
    const QRgb column = Expected(Window->Find<TVelkMenu>("VelkMenu")->ImageBackColor, m).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, row.left() + 1, row.center().y() - 3), column); // no icon covers the top-left corner
    const int first = FirstDarkColumn(image, row, row.left() + IconColumn, row.right());
    // The underline of the accelerator (or the first glyph) starts at the text origin.
    QVERIFY2(first >= row.left() + IconColumn + CaptionGap &&
                 first <= row.left() + IconColumn + CaptionGap + 1,
             qPrintable(QString::number(first - row.left())));
}

void TestMenu::separators_run_through_the_middle_from_the_caption_column_to_the_far_edge()
{
    QMenu* file = Window->Find<QMenu>("File1");
    const QImage image = GrabMenu(file, nullptr);
    const QColor line = Expected(Window->Find<TVelkMenu>("VelkMenu")->LineColor, file);
    for (const char* name : {"N2", "N1"}) {
        auto* separator = file->findChild<QAction*>(name);
        QVERIFY(separator);
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
    W()->SettingsFarsiExecute();
    QMenu* file = Window->Find<QMenu>("File1");
    QCOMPARE(file->layoutDirection(), Qt::RightToLeft);
    const QImage image = GrabMenu(file, Window->Action("FileOpen"));
    const QRect row = file->actionGeometry(Window->Action("FileNew")); // unselected
    const QRgb column = Expected(Window->Find<TVelkMenu>("VelkMenu")->ImageBackColor, file).rgb() & 0xFFFFFF;
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
    const QRect selected = file->actionGeometry(Window->Action("FileOpen"));
    QCOMPARE(Rgb(image, selected.right(), selected.center().y()), RgbOf(SelectedBorderColor));
    QCOMPARE(Rgb(image, selected.right() - IconColumn + 1, selected.center().y()), RgbOf(SelectedBackColor));
}

void TestMenu::menu_bar_items_have_the_button_face_and_their_caption_6_pixels_in()
{
    QMenuBar* bar = W()->menuBar();
    const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect item = bar->actionGeometry(Window->Find<QMenu>("File1")->menuAction());
    const QRgb face = Expected(Window->Find<TVelkMenu>("VelkMenu")->MenuBarColor, bar).rgb() & 0xFFFFFF;
    QCOMPARE(Rgb(image, item.left(), item.top()), face);
    QCOMPARE(Rgb(image, item.left() + 8, item.top()), face); // no icon column
    const int first = FirstDarkColumn(image, item, item.left(), item.right());
    QVERIFY2(first >= item.left() + BarCaptionIndent && first <= item.left() + BarCaptionIndent + 1,
             qPrintable(QString::number(first - item.left())));
}

void TestMenu::farsi_menu_bar_captions_fit_their_items()
{
    // The item holds the whole caption with its margins.
    W()->SettingsFarsiExecute();
    QMenuBar* bar = W()->menuBar();
    const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QMenu* menu : {Window->Find<QMenu>("File1"), Window->Find<QMenu>("Reaction1"),
                        Window->Find<QMenu>("Settings1"), Window->Find<QMenu>("Help1")}) {
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
    const QImage raised = TVelkMenu::RaisedIcon(icon, Qt::black, dx, dy);
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

void TestMenu::shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt_data()
{
    QTest::addColumn<QString>("native");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none") << ""
                          << "";
    QTest::newRow("Ctrl+N") << "Ctrl+N"
                            << "Ctrl+N";
    QTest::newRow("F9") << "F9"
                        << "F9";
    QTest::newRow("Shift+F1") << "Shift+F1"
                              << "Shift+F1";
    QTest::newRow("Shift before Ctrl") << "Ctrl+Shift+S"
                                       << "Shift+Ctrl+S";
    QTest::newRow("Alt last") << "Ctrl+Alt+Shift+X"
                              << "Shift+Ctrl+Alt+X";
}

void TestMenu::shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt()
{
    QFETCH(QString, native);
    QFETCH(QString, shown);
    QCOMPARE(TVelkMenu::ShortCutText(native), shown);
}

void TestMenu::a_caption_with_an_accelerator_is_drawn_as_one_text_run_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English") << false;
    QTest::newRow("Farsi") << true;
}

void TestMenu::a_caption_with_an_accelerator_is_drawn_as_one_text_run()
{
    // An underlined letter drawn as a run of its own breaks the joining of Farsi words.
    QFETCH(bool, farsi);
    if (farsi)
        W()->SettingsFarsiExecute();
    QMenuBar* bar = W()->menuBar();
    TextRunRecorder barRuns;
    bar->render(&barRuns);
    for (QMenu* menu : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(barRuns.Runs.contains(SplitAccelerator(menu->title()).Text), qPrintable(menu->title()));
        menu->popup(QPoint(0, 0));
        TextRunRecorder runs;
        menu->render(&runs);
        menu->hide();
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isVisible())
                QVERIFY2(runs.Runs.contains(SplitAccelerator(action->text()).Text),
                         qPrintable(action->text()));
        }
    }
    // The buttons of the message box: "&Yes" and "&No", in Farsi "&بلي" and "&خير".
    const Language lang = farsi ? Language::Farsi : Language::English;
    std::unique_ptr<QMessageBox> box(BuildMessageBox(
        {"?", MsgKind::Confirmation, mbYes | mbNo | mbCancel, lang}, W()->ProgramQFont(), W()));
    for (QAbstractButton* button : {box->button(QMessageBox::Yes), box->button(QMessageBox::No)}) {
        QVERIFY(button->text().contains('&'));
        TextRunRecorder runs;
        button->render(&runs);
        QCOMPARE(runs.Runs, QStringList{SplitAccelerator(button->text()).Text});
    }
}

void TestMenu::a_clear_gap_stands_before_every_shortcut_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English") << false;
    QTest::newRow("Farsi") << true;
}

void TestMenu::a_clear_gap_stands_before_every_shortcut()
{
    QFETCH(bool, farsi);
    if (farsi)
        W()->SettingsFarsiExecute();
    for (QMenu* menu : W()->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        const QImage image = GrabMenu(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible() || action->shortcut().isEmpty())
                continue;
            // The text area: from the caption's start to the shortcut's end.
            const QRect row = menu->actionGeometry(action);
            const QRect text = QStyle::visualRect(menu->layoutDirection(), row,
                                                  row.adjusted(IconColumn + CaptionGap, 2, -TextMargin, -2));
            const int gap = WidestInnerGap(image, text);
            QVERIFY2(gap >= ShortcutGap, qPrintable(action->text() + ": " + QString::number(gap)));
        }
    }
}

void TestMenu::a_dark_desktop_keeps_the_texts_on_white_grounds_dark()
{
    // A dark scheme's window text is light. The reaction line, the exported picture and the
    // drop-down menus keep their white (and light-blue) grounds, so what the document and the
    // menu draw in system colours must stay dark on them.
    const QPalette saved = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(saved); });
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    QCoreApplication::processEvents();
    QVERIFY(W()->palette().color(QPalette::WindowText).lightness() > 200);
    Window->EditFonts([](FontSettings& f) {
        for (int i = 0; i < FontSettings::Count; ++i)
            f.At(i).Color = ClWindowText;
    });
    W()->document()->setReactionText("H2+O2>H2O");
    W()->document()->grid()->setCell(0, 1, "H2O");
    const auto darkInk = [](const QImage& image, const QRect& area) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    const QImage line = Window->Line()->grab().toImage();
    QVERIFY(darkInk(line, line.rect()) > 20);

    const std::vector<int> rows = Window->View()->rowHeights();
    const QImage picture = RenderBitmap(BitmapSourceOf(*W()->document(), rows), W()->palette());
    const int cellTop = ReactionLineHeight(W()->document()->fonts()) + 20 + rows[0] - 1;
    const int cellWidth = W()->document()->grid()->columnWidth(0);
    QVERIFY(darkInk(picture, QRect(12, cellTop + 2, cellWidth - 4, rows[1] - 4)) > 10);

    QMenu* file = Window->Find<QMenu>("File1");
    const QImage menu = GrabMenu(file, Window->Action("FileOpen"));
    for (const char* item : {"FileNew", "FileOpen"}) { // plain, and selected
        const QRect row = file->actionGeometry(Window->Action(item));
        QVERIFY2(darkInk(menu, row.adjusted(IconColumn + CaptionGap, 2, -2, -2)) > 10, item);
    }
}

// ---- Help mode ----

void TestMenu::f1_shows_the_help_pointer_and_the_prompt()
{
    EnterHelpMode();
    for (QWidget* w :
         {static_cast<QWidget*>(Window->Line()),
          static_cast<QWidget*>(Window->Find<QPushButton>("WeightBtn")), Window->View()->viewport(),
          static_cast<QWidget*>(Window->Find<QPushButton>("CalGrid"))})
        QCOMPARE(w->cursor().shape(), Qt::WhatsThisCursor);
    QCOMPARE(W()->statusBar()->currentMessage(), QString("Click on item you need information about"));
    QVERIFY(Messages->Shown.empty());
}

void TestMenu::a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("gridTopic");
    QTest::newRow("reaction line") << "TextImg" << false;
    QTest::newRow("Balance") << "WeightBtn" << false;
    QTest::newRow("grid cell") << "cell" << true;
    QTest::newRow("grid below the rows") << "below" << true;
    QTest::newRow("grid header row") << "header" << true;
    QTest::newRow("Calculate Grid") << "CalGrid" << true;
}

void TestMenu::a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers()
{
    QFETCH(QString, control);
    QFETCH(bool, gridTopic);
    TPropertyGrid* grid = Window->View();
    W()->document()->grid()->setGridRowCount(3);
    EnterHelpMode();
    if (control == "TextImg")
        QTest::mouseClick(Window->Line(), Qt::LeftButton, {}, QPoint(5, 5));
    else if (control == "WeightBtn")
        QTest::mouseClick(Window->Find<QPushButton>("WeightBtn"), Qt::LeftButton);
    else if (control == "CalGrid")
        QTest::mouseClick(Window->Find<QPushButton>("CalGrid"), Qt::LeftButton);
    else if (control == "cell")
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, 0)).center());
    else if (control == "below")
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, grid->viewport()->height() - 3));
    else
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));

    QVERIFY(!Window->Window->InHelpMode());
    QCOMPARE(Messages->Shown.size(), size_t(1));
    const MessageRequest& shown = Messages->Shown.front();
    QCOMPARE(shown.Text, (gridTopic ? Texts::MsgGridHelp : Texts::MsgReactionHelp).In(Language::English));
    QCOMPARE(shown.Kind, MsgKind::Information);
    QCOMPARE(shown.Buttons, int(mbOK));
    QCOMPARE(Window->Line()->cursor().shape(), Qt::IBeamCursor);
    for (QWidget* w : {static_cast<QWidget*>(Window->Find<QPushButton>("WeightBtn")), grid->viewport(),
                       static_cast<QWidget*>(Window->Find<QPushButton>("CalGrid"))})
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(W()->statusBar()->currentMessage().isEmpty());
}

void TestMenu::a_click_on_balance_in_help_mode_does_not_balance_and_the_next_click_does()
{
    W()->document()->setReactionText("H2+O2>H2O");
    EnterHelpMode();
    QTest::mouseClick(Window->Find<QPushButton>("WeightBtn"), Qt::LeftButton);
    QCOMPARE(W()->document()->reactionText(), std::string("H2+O2>H2O"));
    QCOMPARE(Messages->Texts(), QStringList{Texts::MsgReactionHelp.In(Language::English)});

    QTest::mouseClick(Window->Find<QPushButton>("WeightBtn"), Qt::LeftButton);
    QCOMPARE(Messages->Shown.size(), size_t(1)); // no second help text
    QCOMPARE(W()->document()->reactionText(), std::string("2H2+O2>2H2O"));
}

void TestMenu::a_click_on_the_grid_in_help_mode_neither_selects_nor_edits()
{
    TPropertyGrid* grid = Window->View();
    W()->document()->grid()->setGridRowCount(3);
    grid->setCurrentIndex(grid->model()->index(1, 2));
    EnterHelpMode();
    const QPoint cell = grid->visualRect(grid->model()->index(0, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(grid->currentIndex().row(), 1);
    QCOMPARE(grid->currentIndex().column(), 2);
    for (const QLineEdit* editor : grid->findChildren<QLineEdit*>())
        QVERIFY(!editor->isVisible()); // no cell editor opened
    QCOMPARE(Messages->Shown.size(), size_t(1));
    // Out of help mode the grid works as usual again.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(Messages->Shown.size(), size_t(1));
}

void TestMenu::clicks_elsewhere_leave_help_mode_on()
{
    EnterHelpMode();
    QTest::mouseClick(Window->Find<QLabel>("Lbl1"), Qt::LeftButton);
    QTest::mouseClick(Window->Find<QLabel>("Lbl2"), Qt::LeftButton);
    Window->Action("SettingsFarsi")->trigger(); // a command, and a language switch on top
    QVERIFY(Window->Window->InHelpMode());
    QVERIFY(Messages->Shown.empty());
    QCOMPARE(Window->View()->viewport()->cursor().shape(), Qt::WhatsThisCursor);
}

void TestMenu::help_mode_in_farsi_prompts_and_answers_in_farsi()
{
    W()->SettingsFarsiExecute();
    EnterHelpMode();
    QCOMPARE(W()->statusBar()->currentMessage(), Texts::HelpModePrompt.In(Language::Farsi));
    QTest::mouseClick(Window->Find<QPushButton>("CalGrid"), Qt::LeftButton);
    QCOMPARE(Messages->Shown.size(), size_t(1));
    const MessageRequest& shown = Messages->Shown.front();
    QCOMPARE(shown.Text, Texts::MsgGridHelp.In(Language::Farsi));
    QCOMPARE(shown.Lang, Language::Farsi);
    std::unique_ptr<QMessageBox> box(BuildMessageBox(shown, W()->ProgramQFont(), W()));
    QCOMPARE(box->windowTitle(), QString::fromUtf8("اطلاعات"));
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QString::fromUtf8("قبول"));
    QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
}

void TestMenu::hovering_menu_items_in_help_mode_keeps_the_prompt()
{
    QMenuBar* bar = W()->menuBar();
    // Out of help mode, hovering shows the item's long hint: the check below means something.
    bar->setActiveAction(Window->Find<QMenu>("File1")->menuAction());
    Window->Find<QMenu>("File1")->setActiveAction(Window->Action("FileOpen"));
    QCOMPARE(W()->statusBar()->currentMessage(), QString("Opens an existing file"));
    Window->Find<QMenu>("File1")->hide();

    EnterHelpMode();
    bar->setActiveAction(Window->Find<QMenu>("File1")->menuAction());
    Window->Find<QMenu>("File1")->setActiveAction(Window->Action("FileSave"));
    Window->Find<QMenu>("File1")->setActiveAction(Window->Action("FileExit"));
    QCOMPARE(W()->statusBar()->currentMessage(), Texts::HelpModePrompt.In(Language::English));
    Window->Find<QMenu>("File1")->hide();
    QCOMPARE(W()->statusBar()->currentMessage(), Texts::HelpModePrompt.In(Language::English));
}

// ---- Web commands and the about box ----

void TestMenu::web_commands_open_their_targets_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");
    const QString site = QString::fromLatin1(SiteAddress);
    QTest::newRow("Visit Website") << "HelpWebsite" << site;
    QTest::newRow("Source Code") << "HelpSource" << site + "st.html";
    QTest::newRow("Online Help") << "HelpOnline" << site + "sthlp.html";
    QTest::newRow("Comments and problems") << "HelpMail"
                                           << "mailto:" + QString::fromLatin1(MailAddress);
}

void TestMenu::web_commands_open_their_targets()
{
    QFETCH(QString, action);
    QFETCH(QString, target);
    QVERIFY(QString::fromLatin1(SiteAddress).endsWith('/'));
    W()->findChild<QAction*>(action)->trigger();
    QCOMPARE(Opened, QStringList{target});
    QVERIFY(Messages->Shown.empty());
}

void TestMenu::the_about_box_site_opens_the_same_address_as_visit_website()
{
    TAboutForm* about = Window->Find<TAboutForm>("AboutForm");
    about->show();
    QCOMPARE(about->Site->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(about->Site, Qt::LeftButton);
    Window->Action("HelpWebsite")->trigger();
    QCOMPARE(Opened.size(), 2);
    QCOMPARE(Opened.front(), Opened.back());
    QCOMPARE(Opened.front(), Window->Find<TVelkMenu>("VelkMenu")->Homepage());
    about->hide();
}

void TestMenu::the_about_box_reads_right_to_left_after_a_switch_to_farsi()
{
    TAboutForm* about = Window->Find<TAboutForm>("AboutForm");
    W()->SettingsFarsiExecute();
    about->show();
    QCOMPARE(about->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(about->windowTitle(), QString::fromUtf8("درباره اين برنامه"));
    QCOMPARE(about->Ver->text(), QString::fromUtf8("نسخه 1"));
    QCOMPARE(about->Tit->text(), QString("Stoikon"));
    // The icon stands at the right edge, the texts to its left, aligned to the right.
    QCOMPARE(about->Img->geometry(), QRect(306 - 32 - 32, 24, 32, 32));
    QCOMPARE(about->Me->geometry(), QRect(306 - 80 - 212, 96, 212, 33));
    // Every text stands at the right of its label, the Latin title too.
    for (QLabel* label : {about->Tit, about->Ver, about->Me}) {
        const QImage text = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect all(0, 0, text.width(), text.height());
        QVERIFY2(FirstDarkColumn(text, all, text.width() - 1, 0) >= text.width() - 4,
                 qPrintable(label->objectName()));
        QVERIFY2(FirstDarkColumn(text, all, 0, text.width() - 1) > 20, qPrintable(label->objectName()));
    }
    about->hide();

    W()->SettingsEnglishExecute();
    QCOMPARE(about->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(about->windowTitle(), QString("About..."));
    QCOMPARE(about->Img->geometry(), QRect(32, 24, 32, 32));
    // Both lines of the rights notice fit their label, in the program's usual font.
    about->show();
    for (Language lang : {Language::English, Language::Farsi}) {
        about->Recaption(lang);
        QCOMPARE(about->Me->text().split('\n').size(), 2);
        for (const QString& line : about->Me->text().split('\n'))
            QVERIFY2(about->Me->fontMetrics().horizontalAdvance(line) <= about->Me->width(),
                     qPrintable(line));
    }
    about->hide();
}

void TestMenu::the_about_box_takes_the_program_font_and_keeps_its_title_font()
{
    TAboutForm* about = Window->Find<TAboutForm>("AboutForm");
    Window->EditFonts([&](FontSettings& f) { f.ProgramFont.Size = 13; });
    about->show();
    QCOMPARE(about->font().pointSize(), 13);
    QCOMPARE(about->Ver->font().pointSize(), 13);
    QCOMPARE(about->Tit->font().family(), QString("Times New Roman"));
    QCOMPARE(about->Tit->font().pixelSize(), 21);
    QVERIFY(about->Tit->font().bold());
    QCOMPARE(about->size(), QSize(306, 149));
    about->hide();
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
