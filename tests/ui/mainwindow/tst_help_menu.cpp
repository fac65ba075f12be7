// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: help mode, the web commands and the about box.

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

class TestHelpMenu : public MenuTest
{
    Q_OBJECT

  private slots:
    void f1_shows_the_help_pointer_and_the_prompt();
    void a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers_data();
    void a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers();
    void a_click_on_balance_in_help_mode_does_not_balance_and_the_next_click_does();
    void a_click_on_the_grid_in_help_mode_neither_selects_nor_edits();
    void clicks_elsewhere_leave_help_mode_on();
    void help_mode_in_farsi_prompts_and_answers_in_farsi();
    void hovering_menu_items_in_help_mode_keeps_the_prompt();
    void web_commands_open_their_targets_data();
    void web_commands_open_their_targets();
    void the_about_box_site_opens_the_same_address_as_visit_website();
    void the_about_box_reads_right_to_left_after_a_switch_to_farsi();
    void the_about_box_takes_the_program_font_and_keeps_its_title_font();
};

using namespace MenuMetrics;

void TestHelpMenu::f1_shows_the_help_pointer_and_the_prompt()
{
    EnterHelpMode();
    for (QWidget* w :
         {static_cast<QWidget*>(Window->Line()),
          static_cast<QWidget*>(Window->Find<QPushButton>("balanceButton")), Window->View()->viewport(),
          static_cast<QWidget*>(Window->Find<QPushButton>("calculateButton"))})
        QCOMPARE(w->cursor().shape(), Qt::WhatsThisCursor);
    QCOMPARE(W()->statusBar()->currentMessage(), QString("Click on item you need information about"));
    QVERIFY(Messages->Shown.empty());
}

void TestHelpMenu::a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("gridTopic");
    QTest::newRow("reaction line") << "reactionLine" << false;
    QTest::newRow("Balance") << "balanceButton" << false;
    QTest::newRow("grid cell") << "cell" << true;
    QTest::newRow("grid below the rows") << "below" << true;
    QTest::newRow("grid header row") << "header" << true;
    QTest::newRow("Calculate Grid") << "calculateButton" << true;
}

void TestHelpMenu::a_click_in_help_mode_shows_the_control_s_help_text_and_restores_the_pointers()
{
    QFETCH(QString, control);
    QFETCH(bool, gridTopic);
    GridView* grid = Window->View();
    Window->SetRowCount(3);
    EnterHelpMode();
    if (control == "reactionLine")
        QTest::mouseClick(Window->Line(), Qt::LeftButton, {}, QPoint(5, 5));
    else if (control == "balanceButton")
        QTest::mouseClick(Window->Find<QPushButton>("balanceButton"), Qt::LeftButton);
    else if (control == "calculateButton")
        QTest::mouseClick(Window->Find<QPushButton>("calculateButton"), Qt::LeftButton);
    else if (control == "cell")
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, 0)).center());
    else if (control == "below")
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, grid->viewport()->height() - 3));
    else
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));

    QVERIFY(!Window->Window->helpMode().isOn());
    QCOMPARE(Messages->Shown.size(), size_t(1));
    const MessageRequest& shown = Messages->Shown.front();
    QCOMPARE(shown.Text, (gridTopic ? Texts::MsgGridHelp : Texts::MsgReactionHelp).In(Language::English));
    QCOMPARE(shown.Kind, MessageKind::Information);
    QCOMPARE(shown.Buttons, int(ButtonOk));
    QCOMPARE(Window->Line()->cursor().shape(), Qt::IBeamCursor);
    for (QWidget* w : {static_cast<QWidget*>(Window->Find<QPushButton>("balanceButton")), grid->viewport(),
                       static_cast<QWidget*>(Window->Find<QPushButton>("calculateButton"))})
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(W()->statusBar()->currentMessage().isEmpty());
}

void TestHelpMenu::a_click_on_balance_in_help_mode_does_not_balance_and_the_next_click_does()
{
    W()->document()->setReaction("H2+O2>H2O");
    EnterHelpMode();
    QTest::mouseClick(Window->Find<QPushButton>("balanceButton"), Qt::LeftButton);
    QCOMPARE(W()->document()->reactionText(), std::string("H2+O2>H2O"));
    QCOMPARE(Messages->Texts(), QStringList{Texts::MsgReactionHelp.In(Language::English)});

    QTest::mouseClick(Window->Find<QPushButton>("balanceButton"), Qt::LeftButton);
    QCOMPARE(Messages->Shown.size(), size_t(1)); // no second help text
    QCOMPARE(W()->document()->reactionText(), std::string("2H2+O2>2H2O"));
}

void TestHelpMenu::a_click_on_the_grid_in_help_mode_neither_selects_nor_edits()
{
    GridView* grid = Window->View();
    Window->SetRowCount(3);
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

void TestHelpMenu::clicks_elsewhere_leave_help_mode_on()
{
    EnterHelpMode();
    QTest::mouseClick(Window->Find<QLabel>("reactionLabel"), Qt::LeftButton);
    QTest::mouseClick(Window->Find<QLabel>("gridLabel"), Qt::LeftButton);
    Window->Action("switchToFarsi")->trigger(); // a command, and a language switch on top
    QVERIFY(Window->Window->helpMode().isOn());
    QVERIFY(Messages->Shown.empty());
    QCOMPARE(Window->View()->viewport()->cursor().shape(), Qt::WhatsThisCursor);
}

void TestHelpMenu::help_mode_in_farsi_prompts_and_answers_in_farsi()
{
    W()->commandAction("switchToFarsi")->trigger();
    EnterHelpMode();
    QCOMPARE(W()->statusBar()->currentMessage(), Texts::HelpModePrompt.In(Language::Farsi));
    QTest::mouseClick(Window->Find<QPushButton>("calculateButton"), Qt::LeftButton);
    QCOMPARE(Messages->Shown.size(), size_t(1));
    const MessageRequest& shown = Messages->Shown.front();
    QCOMPARE(shown.Text, Texts::MsgGridHelp.In(Language::Farsi));
    QCOMPARE(shown.Lang, Language::Farsi);
    std::unique_ptr<QMessageBox> box(BuildMessageBox(shown, W()->desktop().programFont(), W()));
    QCOMPARE(box->windowTitle(), QString::fromUtf8("اطلاعات"));
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QString::fromUtf8("قبول"));
    QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
}

void TestHelpMenu::hovering_menu_items_in_help_mode_keeps_the_prompt()
{
    QMenuBar* bar = W()->menuBar();
    // Out of help mode, hovering shows the item's long hint: the check below means something.
    bar->setActiveAction(Window->Find<QMenu>("fileMenu")->menuAction());
    Window->Find<QMenu>("fileMenu")->setActiveAction(Window->Action("openDocument"));
    QCOMPARE(W()->statusBar()->currentMessage(), QString("Opens an existing file"));
    Window->Find<QMenu>("fileMenu")->hide();

    EnterHelpMode();
    bar->setActiveAction(Window->Find<QMenu>("fileMenu")->menuAction());
    Window->Find<QMenu>("fileMenu")->setActiveAction(Window->Action("saveDocument"));
    Window->Find<QMenu>("fileMenu")->setActiveAction(Window->Action("quit"));
    QCOMPARE(W()->statusBar()->currentMessage(), Texts::HelpModePrompt.In(Language::English));
    Window->Find<QMenu>("fileMenu")->hide();
    QCOMPARE(W()->statusBar()->currentMessage(), Texts::HelpModePrompt.In(Language::English));
}

void TestHelpMenu::web_commands_open_their_targets_data()
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
    QTest::newRow("Visit Website") << "website" << false << (site.isEmpty() ? guide : site);
    QTest::newRow("Source Code") << "sourceCode" << false
                                 << (site.isEmpty() ? guide + "#source" : site + "st.html");
    QTest::newRow("Online Help") << "onlineHelp" << false << (site.isEmpty() ? guide : site + "sthlp.html");
    QTest::newRow("Online Help in Farsi")
        << "onlineHelp" << true << (site.isEmpty() ? guideFa : site + "sthlp.html");
    QTest::newRow("Comments and problems")
        << "comments" << false << (mail.isEmpty() ? guide + "#feedback" : "mailto:" + mail);
}

void TestHelpMenu::web_commands_open_their_targets()
{
    QFETCH(QString, action);
    QFETCH(bool, farsi);
    QFETCH(QString, target);
    QVERIFY(QString::fromUtf8(SiteAddress).isEmpty() || QString::fromUtf8(SiteAddress).endsWith('/'));
    if (farsi)
        W()->commandAction("switchToFarsi")->trigger();
    W()->findChild<QAction*>(action)->trigger();
    QCOMPARE(Opened, QStringList{target});
    QVERIFY(Messages->Shown.empty());

    // An address nothing opens (no xdg-open, a guide left out) is said, not passed over.
    W()->desktop().setAddressOpener([](const QString&) { return false; });
    W()->findChild<QAction*>(action)->trigger();
    QCOMPARE(Messages->Shown.size(), size_t(1));
    QVERIFY(Messages->Shown.front().Text.contains(QUrl(target).isLocalFile() ? QUrl(target).toLocalFile()
                                                                             : target));
}

void TestHelpMenu::the_about_box_site_opens_the_same_address_as_visit_website()
{
    AboutDialog* about = Window->Find<AboutDialog>("aboutDialog");
    about->show();
    QCOMPARE(about->siteLink->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(about->siteLink, Qt::LeftButton);
    Window->Action("website")->trigger();
    QCOMPARE(Opened.size(), 2);
    QCOMPARE(Opened.front(), Opened.back());
    QCOMPARE(Opened.front(), HelpPageAddress(HelpPage::Website, Language::English));
    about->hide();
}

void TestHelpMenu::the_about_box_reads_right_to_left_after_a_switch_to_farsi()
{
    AboutDialog* about = Window->Find<AboutDialog>("aboutDialog");
    W()->commandAction("switchToFarsi")->trigger();
    about->show();
    QCOMPARE(about->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(about->windowTitle(), QString::fromUtf8("درباره این برنامه"));
    QCOMPARE(about->version->text(), QString::fromUtf8("نسخه 1"));
    QCOMPARE(about->title->text(), QString("Stoikon"));
    // The icon stands at the right edge, the texts to its left, aligned to the right.
    QCOMPARE(about->icon->geometry(), QRect(306 - 32 - 32, 24, 32, 32));
    QCOMPARE(about->notice->geometry(), QRect(306 - 80 - 212, 96, 212, 33));
    // Every text stands at the right of its label, the Latin title too.
    for (QLabel* label : {about->title, about->version, about->notice}) {
        const QImage text = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect all(0, 0, text.width(), text.height());
        QVERIFY2(FirstDarkColumn(text, all, text.width() - 1, 0) >= text.width() - 4,
                 qPrintable(label->objectName()));
        QVERIFY2(FirstDarkColumn(text, all, 0, text.width() - 1) > 20, qPrintable(label->objectName()));
    }
    about->hide();

    W()->commandAction("switchToEnglish")->trigger();
    QCOMPARE(about->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(about->windowTitle(), QString("About..."));
    QCOMPARE(about->icon->geometry(), QRect(32, 24, 32, 32));
    // Both lines of the rights notice fit their label, in the program's usual font.
    about->show();
    for (Language lang : {Language::English, Language::Farsi}) {
        W()->languageSwitch().switchTo(lang);
        QCOMPARE(about->notice->text().split('\n').size(), 2);
        for (const QString& line : about->notice->text().split('\n'))
            QVERIFY2(about->notice->fontMetrics().horizontalAdvance(line) <= about->notice->width(),
                     qPrintable(line));
    }
    about->hide();
}

void TestHelpMenu::the_about_box_takes_the_program_font_and_keeps_its_title_font()
{
    AboutDialog* about = Window->Find<AboutDialog>("aboutDialog");
    Window->EditFonts([&](FontSettings& f) { f.ProgramFont.Size = 13; });
    about->show();
    QCOMPARE(about->font().pointSize(), 13);
    QCOMPARE(about->version->font().pointSize(), 13);
    QCOMPARE(about->title->font().family(), QString("Times New Roman"));
    QCOMPARE(about->title->font().pixelSize(), 21);
    QVERIFY(about->title->font().bold());
    QCOMPARE(about->size(), QSize(306, 149));
    about->hide();
}

QTEST_MAIN(TestHelpMenu)
#include "tst_help_menu.moc"
