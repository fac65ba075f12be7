// SPDX-License-Identifier: GPL-3.0-or-later
// The owner-drawn menu's measures: its width and its font.

#include "generated/WebAddresses.h"
#include "model/HelpPages.h"
#include "tests/ui/menu/MenuTest.h"
#include "texts/Texts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/grid/GridView.h"
#include "ui/menu/MenuMetrics.h"
#include "ui/reactionline/ReactionLine.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

class TestMenuMetrics : public MenuTest
{
    Q_OBJECT

  private slots:
    void a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request_data();
    void a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request();
    void the_menu_font_follows_the_program_font();
};

using namespace MenuMetrics;

void TestMenuMetrics::a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("request");
    QTest::newRow("File") << "fileMenu" << 200;
    QTest::newRow("Reaction") << "reactionMenu" << 100;
    QTest::newRow("Settings") << "settingsMenu" << 100;
    QTest::newRow("Help") << "helpMenu" << 100;
}

void TestMenuMetrics::a_menu_is_as_wide_as_its_widest_item_or_its_first_item_s_request()
{
    QFETCH(QString, menu);
    QFETCH(int, request);
    auto* m = W()->findChild<QMenu*>(menu);
    // An item is as wide as its caption, the gap and its shortcut, plus the extra width.
    const QFontMetrics metrics(Window->Find<MenuStyle>("menuStyle")->menuFont());
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

void TestMenuMetrics::the_menu_font_follows_the_program_font()
{
    const int before = Window->Find<QMenu>("fileMenu")->sizeHint().height();
    Window->EditFonts([&](FontSettings& f) { f.ProgramFont.Size = 20; });
    QCOMPARE(Window->Find<MenuStyle>("menuStyle")->menuFont().pointSize(), 20);
    // Rows keep their icon height; the items are measured again with the larger font.
    QCOMPARE(Window->Find<QMenu>("fileMenu")->sizeHint().height(), before);
    QVERIFY(Window->Find<QMenu>("helpMenu")->sizeHint().width() > 200);
}

QTEST_MAIN(TestMenuMetrics)
#include "tst_menu_metrics.moc"
