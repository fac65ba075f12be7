// SPDX-License-Identifier: GPL-3.0-or-later
// The owner-drawn menu's texts: shortcut order, captions drawn whole, the gap before a shortcut
// and dark text on white grounds under a dark desktop scheme, in the program font.

#include "document/Exports.h"
#include "render/BitmapExport.h"
#include "render/DrawReaction.h"
#include "tests/ui/menu/MenuTest.h"
#include "ui/dialogs/ShapedCaption.h"
#include "ui/grid/GridView.h"
#include "ui/menu/MenuMetrics.h"
#include "ui/reactionline/ReactionLine.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEngine>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

class TestMenuTexts : public MenuTest
{
    Q_OBJECT

  private slots:
    void shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt_data();
    void shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt();
    void a_caption_with_an_accelerator_is_drawn_as_one_text_run_data();
    void a_caption_with_an_accelerator_is_drawn_as_one_text_run();
    void a_clear_gap_stands_before_every_shortcut_data();
    void a_clear_gap_stands_before_every_shortcut();
    void a_dark_desktop_keeps_the_texts_on_white_grounds_dark();
    void the_menu_font_follows_the_program_font();
};

namespace {
using namespace MenuMetrics;

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

void TestMenuTexts::shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt_data()
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

void TestMenuTexts::shortcut_texts_put_the_modifiers_in_the_order_shift_ctrl_alt()
{
    QFETCH(QString, native);
    QFETCH(QString, shown);
    QCOMPARE(MenuStyle::shortcutText(native), shown);
}

void TestMenuTexts::a_caption_with_an_accelerator_is_drawn_as_one_text_run_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English") << false;
    QTest::newRow("Farsi") << true;
}

void TestMenuTexts::a_caption_with_an_accelerator_is_drawn_as_one_text_run()
{
    // An underlined letter drawn as a run of its own breaks the joining of Farsi words.
    QFETCH(bool, farsi);
    if (farsi)
        W()->commandAction("switchToFarsi")->trigger();
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
    // The buttons of the message box: "&Yes" and "&No", in Farsi "&بلی" and "&خیر".
    const Language lang = farsi ? Language::Farsi : Language::English;
    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({"?", MessageKind::Confirmation, ButtonYes | ButtonNo | ButtonCancel, lang},
                        W()->desktop().programFont(), W()));
    for (QAbstractButton* button : {box->button(QMessageBox::Yes), box->button(QMessageBox::No)}) {
        QVERIFY(button->text().contains('&'));
        TextRunRecorder runs;
        button->render(&runs);
        QCOMPARE(runs.Runs, QStringList{SplitAccelerator(button->text()).Text});
    }
}

void TestMenuTexts::a_clear_gap_stands_before_every_shortcut_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English") << false;
    QTest::newRow("Farsi") << true;
}

void TestMenuTexts::a_clear_gap_stands_before_every_shortcut()
{
    QFETCH(bool, farsi);
    if (farsi)
        W()->commandAction("switchToFarsi")->trigger();
    for (QMenu* menu : W()->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        const QImage image = GrabMenu(menu, nullptr);
        for (QAction* action : menu->actions()) {
            // A disabled item is drawn grey: no ink to measure.
            if (action->isSeparator() || !action->isVisible() || !action->isEnabled() ||
                action->shortcut().isEmpty())
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

void TestMenuTexts::a_dark_desktop_keeps_the_texts_on_white_grounds_dark()
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
    W()->document()->setReaction("H2+O2>H2O");
    W()->document()->setCell(0, 1, "H2O");
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
    const QImage picture =
        RenderBitmap(BitmapSourceOf(W()->document()->document(), ExportView{rows}), W()->palette());
    const int cellTop = ReactionLineHeight(W()->document()->fonts()) + 20 + rows[0] - 1;
    const int cellWidth = W()->document()->grid()->columnWidth(0);
    QVERIFY(darkInk(picture, QRect(12, cellTop + 2, cellWidth - 4, rows[1] - 4)) > 10);

    QMenu* file = Window->Find<QMenu>("fileMenu");
    const QImage menu = GrabMenu(file, Window->Action("openDocument"));
    for (const char* item : {"newDocument", "openDocument"}) { // plain, and selected
        const QRect row = file->actionGeometry(Window->Action(item));
        QVERIFY2(darkInk(menu, row.adjusted(IconColumn + CaptionGap, 2, -2, -2)) > 10, item);
    }
}

void TestMenuTexts::the_menu_font_follows_the_program_font()
{
    const int before = Window->Find<QMenu>("fileMenu")->sizeHint().height();
    Window->EditFonts([&](FontSettings& f) { f.ProgramFont.Size = 20; });
    QCOMPARE(Window->Find<MenuStyle>("menuStyle")->menuFont().pointSize(), 20);
    // Rows keep their icon height; the items are measured again with the larger font.
    QCOMPARE(Window->Find<QMenu>("fileMenu")->sizeHint().height(), before);
    QVERIFY(Window->Find<QMenu>("helpMenu")->sizeHint().width() > 200);
}

QTEST_MAIN(TestMenuTexts)
#include "tst_menu_texts.moc"
