// SPDX-License-Identifier: GPL-3.0-or-later
// The language switch, and the texts of both languages: the code page, the reading side and
// the room their controls give them.

#include "tst_shell.h"

#include "core/CodePage.h"
#include "dialogs/OpsU.h"
#include "editor/KOU.h"
#include "shell/AboutU.h"
#include "shell/ActionTable.h"
#include "shell/InterfaceTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

namespace {
// Everything the language switch words, in one list, to compare two states.
QStringList AllTexts(WindowFixture& w)
{
    // The file dialogs' titles, asked for and cancelled.
    w->FileOpenExecute();
    w->FileSaveAsExecute();
    QStringList texts = w.FileDialogTitles.mid(w.FileDialogTitles.size() - 2);
    for (QMenu* menu : {w.Find<QMenu>("File1"), w.Find<QMenu>("Reaction1"), w.Find<QMenu>("Settings1"),
                        w.Find<QMenu>("Help1")})
        texts << menu->title();
    for (const ActionDef& def : ActionTable()) {
        QAction* action = w.Action(def.Name);
        texts << action->text() << action->toolTip() << action->statusTip();
    }
    texts << w->findChild<QLabel*>("Lbl1")->text() << w->findChild<QLabel*>("Lbl2")->text()
          << w.Find<QPushButton>("WeightBtn")->text() << w.Find<QPushButton>("CalGrid")->text()
          << w.Find<QPushButton>("CalGrid")->toolTip() << w.Find<QPushButton>("CalGrid")->statusTip()
          << w->windowTitle() << w.Find<TOpsForm>("OpsForm")->windowTitle()
          << w.Find<TAboutForm>("AboutForm")->windowTitle() << w.Find<TKOForm>("KOForm")->windowTitle();
    return texts;
}

// Every caption under root that its control cuts off, as "name: text".
QStringList CutCaptions(QWidget* root)
{
    QStringList cut;
    const auto report = [&cut](const QWidget* control, const QString& text) {
        cut << (control->objectName().isEmpty() ? QString(control->metaObject()->className())
                                                : control->objectName()) +
                   ": " + text;
    };
    QList<QWidget*> controls = root->findChildren<QWidget*>();
    controls.prepend(root);
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(root) && control != root)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const QSize needed = label->sizeHint();
            if (!label->text().isEmpty() &&
                (needed.width() > label->width() || needed.height() > label->height()))
                report(label, label->text());
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            if (needed.width() > room.width() || needed.height() > room.height())
                report(button, button->text());
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            if (check->sizeHint().width() > check->width() || check->sizeHint().height() > check->height())
                report(check, check->text());
        } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabRect(i).width() <
                    tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) + space)
                    report(tabs, tabs->tabText(i));
        } else if (auto* combo = qobject_cast<QComboBox*>(control);
                   combo && combo->objectName() == "GIType") {
            if (combo->sizeHint().width() > combo->width())
                report(combo, combo->currentText());
        }
    }
    return cut;
}
} // namespace

void TestShell::farsi_then_english_restores_every_text()
{
    WindowFixture w;
    const QStringList english = AllTexts(w);
    QTest::keyClick(w.Window, Qt::Key_F9);
    QCOMPARE(w->document()->language(), Language::Farsi);
    const QStringList farsi = AllTexts(w);
    QCOMPARE(farsi.size(), english.size());
    QVERIFY(farsi != english);
    QCOMPARE(w.Find<QMenu>("File1")->title(), QString::fromUtf8("پر&ونده"));
    QCOMPARE(farsi.front(), QString::fromUtf8("گشودن"));
    QCOMPARE(w.Action("FileNew")->statusTip(), QString::fromUtf8("یک پرونده جدید ایجاد می کند"));
    QTest::keyClick(w.Window, Qt::Key_F10);
    QCOMPARE(w->document()->language(), Language::English);
    QCOMPARE(AllTexts(w), english);
    QCOMPARE(w.Action("FileNew")->toolTip(), QString("New"));
    QCOMPARE(w.Action("FileNew")->statusTip(), QString("Creates a new file"));
    QCOMPARE(w.Action("HelpHelp")->toolTip(), QString("Help"));
    QCOMPARE(w.Action("HelpHelp")->statusTip(), QString("Help"));
}

void TestShell::only_the_other_language_command_is_offered()
{
    WindowFixture w;
    QToolBar* bar = w->findChild<QToolBar*>("ToolBar");
    const auto shown = [&](QAction* a) { return a->isVisible() && bar->widgetForAction(a)->isVisible(); };
    QVERIFY(shown(w.Action("SettingsFarsi")));
    QVERIFY(!shown(w.Action("SettingsEnglish")));
    QCOMPARE(w.Action("SettingsFarsi")->text(), QString("&Farsi"));
    w->SettingsFarsiExecute();
    QTest::qWait(20); // the tool bar lays out its buttons again
    QVERIFY(shown(w.Action("SettingsEnglish")));
    QVERIFY(!shown(w.Action("SettingsFarsi")));
    QCOMPARE(w.Action("SettingsEnglish")->text(), QString::fromUtf8("&انگلیسی"));
    QCOMPARE(w.Action("SettingsEnglish")->shortcut(), QKeySequence("F10"));
    QVERIFY(!w.Action("SettingsEnglish")->isChecked());
}

void TestShell::keys_and_menu_letters_are_each_used_once()
{
    WindowFixture w;
    QList<QKeySequence> keys;
    for (const ActionDef& def : ActionTable()) {
        QVERIFY2(def.Key.isEmpty() || !keys.contains(def.Key), def.Name);
        keys << def.Key;
    }
    for (const bool farsi : {false, true}) {
        if (farsi)
            w->SettingsFarsiExecute();
        for (QMenu* menu : w->findChildren<QMenu*>()) {
            QString letters;
            for (QAction* action : menu->actions()) {
                const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
                if (!action->isVisible() || amp < 0 || amp + 1 >= action->text().size())
                    continue;
                const QChar letter = action->text().at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(action->text()));
                letters += letter;
            }
        }
    }
}

void TestShell::a_language_switch_marks_the_document_changed()
{
    MessageRecorder messages;
    messages.Answers = {mrNo};
    WindowFixture w;
    QVERIFY(!w->document()->isModified());
    w->SettingsEnglishExecute();
    QVERIFY(w->document()->isModified());
    QVERIFY(w->close());
    QCOMPARE(messages.Texts(), QStringList{"Save changes?"});
}

void TestShell::the_status_bar_switches_language_with_everything_else_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("farsi");
    QTest::newRow("hint of the control under the pointer")
        << "TextImg" << Texts::TextImgHint.In(Language::English) << Texts::TextImgHint.In(Language::Farsi);
    QTest::newRow("help mode prompt") << "HelpHelp" << Texts::HelpModePrompt.In(Language::English)
                                      << Texts::HelpModePrompt.In(Language::Farsi);
    QTest::newRow("pointer elsewhere: nothing") << "" << QString() << QString();
}

void TestShell::the_status_bar_switches_language_with_everything_else()
{
    QFETCH(QString, shown);
    QFETCH(QString, english);
    QFETCH(QString, farsi);
    WindowFixture w;
    QCursor::setPos(w->mapToGlobal(QPoint(-50, -50)));
    if (shown == "HelpHelp")
        w.Action("HelpHelp")->trigger();
    else if (!shown.isEmpty())
        QTest::mouseMove(w.Find<QWidget>(shown.toLatin1()));
    QCOMPARE(w->statusBar()->currentMessage(), english);
    w->SettingsFarsiExecute(); // F9, the pointer resting where it was
    QCOMPARE(w->statusBar()->currentMessage(), farsi);
    w->SettingsEnglishExecute();
    QCOMPARE(w->statusBar()->currentMessage(), english);
}

void TestShell::the_caption_names_the_file_in_both_languages()
{
    WindowFixture w;
    w->document()->setFileName("/some/folder/Salt.KVX");
    w->SettingsFarsiExecute();
    QCOMPARE(w->windowTitle(), QString("Stoikon - Salt"));
    w->SettingsEnglishExecute();
    QCOMPARE(w->windowTitle(), QString("Stoikon - Salt"));
}

void TestShell::every_farsi_text_is_persian_and_fits_the_code_page()
{
    std::vector<const LocalText*> all = ShellTexts();
    for (const auto* list : {&KeyOptionsTexts(), &OptionsTexts(), &MessageBoxTexts()})
        all.insert(all.end(), list->begin(), list->end());
    const std::vector<const LocalText*> about = AboutTexts();
    all.insert(all.end(), about.begin(), about.end());
    const size_t stored = all.size(); // texts that may end up in documents and pages
    // The reasons Balance gives are only shown, so they may hold subscripts and arrows.
    all.insert(all.end(), BalanceTexts().begin(), BalanceTexts().end());
    QVERIFY(stored > 100);
    for (size_t i = 0; i < all.size(); ++i) {
        // Persian yeh and keheh: a Persian keyboard types them, and the Arabic ones show
        // dotted final yehs and are not found by a search typed in Persian.
        const QString farsi = QString::fromUtf8(all[i]->In(Language::Farsi));
        QVERIFY2(!farsi.contains(QChar(0x064A)) && !farsi.contains(QChar(0x0643)), qPrintable(farsi));
        for (char32_t ch : farsi.toUcs4())
            QVERIFY2(i >= stored || CodePageHolds(ch), qPrintable(farsi));
    }
}

void TestShell::key_options_stay_left_to_right_in_farsi()
{
    WindowFixture w;
    w->SettingsFarsiExecute();
    QCOMPARE(w.Find<TKOForm>("KOForm")->windowTitle(), QString::fromUtf8("تنظیمات کلیدها"));
    QCOMPARE(w.Find<TKOForm>("KOForm")->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(w.Find<TKOForm>("KOForm")->KOP->layoutDirection(), Qt::LeftToRight);
}

void TestShell::status_messages_start_at_the_reading_side()
{
    WindowFixture w;
    QStatusBar* bar = w->statusBar();
    const auto inkSpan = [bar] {
        const QImage image = bar->grab().toImage();
        int first = image.width(), last = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return std::make_pair(first, last);
    };
    bar->showMessage("Opens an existing file");
    QVERIFY(inkSpan().first < bar->width() / 4);
    w->SettingsFarsiExecute();
    bar->showMessage(Texts::HelpModePrompt.In(Language::Farsi));
    QVERIFY(inkSpan().second > bar->width() * 3 / 4);
}

void TestShell::every_caption_fits_its_control_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("family");
    for (const char* family : {"DejaVu Sans", "Liberation Sans"}) {
        QTest::addRow("English, %s", family) << false << family;
        QTest::addRow("Farsi, %s", family) << true << family;
    }
}

void TestShell::every_caption_fits_its_control()
{
    // The program font of the shipped defaults (8 points), in the fonts of a Debian desktop.
    QFETCH(bool, farsi);
    QFETCH(QString, family);
    if (!QFontDatabase::hasFamily(family))
        QSKIP("font not installed");
    WindowFixture w(QString(), false);
    w->SetDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    if (farsi)
        w->SettingsFarsiExecute();
    w.EditFonts([&](FontSettings& f) { f.ProgramFont.Name = family.toStdString(); });
    const Language lang = farsi ? Language::Farsi : Language::English;
    QStringList cut = CutCaptions(w.Window);

    auto* ops = w.Find<TOpsForm>("OpsForm");
    ops->open();
    for (int page = 0; page < 2; ++page) {
        ops->PageControl->setCurrentIndex(page);
        QVERIFY(QTest::qWaitForWindowExposed(ops));
        cut << CutCaptions(ops);
    }
    ops->reject();
    auto* keys = w.Find<TKOForm>("KOForm");
    keys->PrepareToOpen(w->ProgramQFont());
    keys->show();
    cut << CutCaptions(keys);
    keys->hide();
    auto* about = w.Find<TAboutForm>("AboutForm");
    about->show();
    cut << CutCaptions(about);
    about->hide();
    for (const int buttons : {mbYes | mbNo | mbCancel, int(mbOK)}) {
        std::unique_ptr<QMessageBox> box(
            BuildMessageBox({Texts::MsgSaveChanges.In(lang), MsgKind::Confirmation, buttons, lang},
                            w->ProgramQFont(), w.Window));
        box->show();
        cut << CutCaptions(box.get());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
}
