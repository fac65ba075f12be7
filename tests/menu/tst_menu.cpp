// SPDX-License-Identifier: GPL-3.0-or-later
// The owner-drawn menu's measures, help mode, the web commands and the about box.

#include "tst_menu.h"

#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/HelpPages.h"
#include "shell/InterfaceTexts.h"
#include "shell/VelkMenuMetrics.h"
#include "shell/WebAddresses.h"

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

using namespace MenuMetrics;

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

void TestMenu::web_commands_open_their_targets_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("target");
    // The configured site and mail address, or else the guide of the interface language.
    const QString site = QString::fromUtf8(SiteAddress);
    const QString mail = QString::fromUtf8(MailAddress);
    const QString guide = QUrl::fromLocalFile(UserGuidePath(Language::English)).toString();
    const QString guideFa = QUrl::fromLocalFile(UserGuidePath(Language::Farsi)).toString();
    QVERIFY(guide.endsWith("/share/doc/stoikon/user-guide.html"));
    QTest::newRow("Visit Website") << "HelpWebsite" << false << (site.isEmpty() ? guide : site);
    QTest::newRow("Source Code") << "HelpSource" << false
                                 << (site.isEmpty() ? guide + "#source" : site + "st.html");
    QTest::newRow("Online Help") << "HelpOnline" << false << (site.isEmpty() ? guide : site + "sthlp.html");
    QTest::newRow("Online Help in Farsi")
        << "HelpOnline" << true << (site.isEmpty() ? guideFa : site + "sthlp.html");
    QTest::newRow("Comments and problems")
        << "HelpMail" << false << (mail.isEmpty() ? guide + "#feedback" : "mailto:" + mail);
}

void TestMenu::web_commands_open_their_targets()
{
    QFETCH(QString, action);
    QFETCH(bool, farsi);
    QFETCH(QString, target);
    QVERIFY(QString::fromUtf8(SiteAddress).isEmpty() || QString::fromUtf8(SiteAddress).endsWith('/'));
    if (farsi)
        W()->SettingsFarsiExecute();
    W()->findChild<QAction*>(action)->trigger();
    QCOMPARE(Opened, QStringList{target});
    QVERIFY(Messages->Shown.empty());

    // An address nothing opens (no xdg-open, a guide left out) is said, not passed over.
    W()->SetUrlOpener([](const QString&) { return false; });
    W()->findChild<QAction*>(action)->trigger();
    QCOMPARE(Messages->Shown.size(), size_t(1));
    QVERIFY(Messages->Shown.front().Text.contains(QUrl(target).isLocalFile() ? QUrl(target).toLocalFile()
                                                                             : target));
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
    QCOMPARE(about->windowTitle(), QString::fromUtf8("درباره این برنامه"));
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
