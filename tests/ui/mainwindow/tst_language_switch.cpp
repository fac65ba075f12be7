// SPDX-License-Identifier: GPL-3.0-or-later
// The language switch, and the texts of both languages: the code page, the reading side and
// the room their controls give them.

#include "tests/common/WindowFixture.h"
#include "texts/CodePage.h"
#include "texts/Texts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/mainwindow/Commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
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

class TestLanguageSwitch : public WindowTest
{
    Q_OBJECT

  private slots:
    void farsi_then_english_restores_every_text();
    void only_the_other_language_command_is_offered();
    void keys_and_menu_letters_are_each_used_once();
    void a_language_switch_marks_the_document_changed();
    void the_status_bar_switches_language_with_everything_else_data();
    void the_status_bar_switches_language_with_everything_else();
    void the_caption_names_the_file_in_both_languages();
    void key_options_stay_left_to_right_in_farsi();
    void status_messages_start_at_the_reading_side();
    void every_caption_fits_its_control_data();
    void every_caption_fits_its_control();
};

namespace {
// Everything the language switch words, in one list, to compare two states.
QStringList AllTexts(WindowFixture& w)
{
    // The file dialogs' titles, asked for and cancelled.
    w->commandAction("openDocument")->trigger();
    w->commandAction("saveDocumentAs")->trigger();
    QStringList texts = w.FileDialogTitles.mid(w.FileDialogTitles.size() - 2);
    for (QMenu* menu : {w.Find<QMenu>("fileMenu"), w.Find<QMenu>("editMenu"), w.Find<QMenu>("reactionMenu"),
                        w.Find<QMenu>("settingsMenu"), w.Find<QMenu>("helpMenu")})
        texts << menu->title();
    for (const CommandRow& row : CommandRows()) {
        QAction* action = w.Action(row.Id);
        // Undo and Redo name the step they would take, which the switch itself is.
        if (QByteArray(row.Id) != "undo" && QByteArray(row.Id) != "redo")
            texts << action->text();
        texts << action->toolTip() << action->statusTip();
    }
    texts << w->findChild<QLabel*>("reactionLabel")->text() << w->findChild<QLabel*>("gridLabel")->text()
          << w.Find<QPushButton>("balanceButton")->text() << w.Find<QPushButton>("calculateButton")->text()
          << w.Find<QPushButton>("calculateButton")->toolTip()
          << w.Find<QPushButton>("calculateButton")->statusTip() << w->windowTitle()
          << w.Find<OptionsDialog>("optionsDialog")->windowTitle()
          << w.Find<AboutDialog>("aboutDialog")->windowTitle()
          << w.Find<KeyOptionsDialog>("keyOptionsDialog")->windowTitle();
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

void TestLanguageSwitch::farsi_then_english_restores_every_text()
{
    WindowFixture w;
    const QStringList english = AllTexts(w);
    QTest::keyClick(w.Window, Qt::Key_F9);
    QCOMPARE(w->document()->language(), Language::Farsi);
    const QStringList farsi = AllTexts(w);
    QCOMPARE(farsi.size(), english.size());
    QVERIFY(farsi != english);
    QCOMPARE(w.Find<QMenu>("fileMenu")->title(), QString::fromUtf8("پر&ونده"));
    QCOMPARE(farsi.front(), QString::fromUtf8("گشودن"));
    QCOMPARE(w.Action("newDocument")->statusTip(), QString::fromUtf8("یک پرونده جدید ایجاد می کند"));
    QTest::keyClick(w.Window, Qt::Key_F10);
    QCOMPARE(w->document()->language(), Language::English);
    QCOMPARE(AllTexts(w), english);
    QCOMPARE(w.Action("newDocument")->toolTip(), QString("New"));
    QCOMPARE(w.Action("newDocument")->statusTip(), QString("Creates a new file"));
    QCOMPARE(w.Action("help")->toolTip(), QString("Help"));
    QCOMPARE(w.Action("help")->statusTip(), QString("Help"));
}

void TestLanguageSwitch::only_the_other_language_command_is_offered()
{
    WindowFixture w;
    QToolBar* bar = w->findChild<QToolBar*>("toolBar");
    const auto shown = [&](QAction* a) { return a->isVisible() && bar->widgetForAction(a)->isVisible(); };
    QVERIFY(shown(w.Action("switchToFarsi")));
    QVERIFY(!shown(w.Action("switchToEnglish")));
    QCOMPARE(w.Action("switchToFarsi")->text(), QString("&Farsi"));
    w->commandAction("switchToFarsi")->trigger();
    QTest::qWait(20); // the tool bar lays out its buttons again
    QVERIFY(shown(w.Action("switchToEnglish")));
    QVERIFY(!shown(w.Action("switchToFarsi")));
    QCOMPARE(w.Action("switchToEnglish")->text(), QString::fromUtf8("&انگلیسی"));
    QCOMPARE(w.Action("switchToEnglish")->shortcut(), QKeySequence("F10"));
    QVERIFY(!w.Action("switchToEnglish")->isChecked());
}

void TestLanguageSwitch::keys_and_menu_letters_are_each_used_once()
{
    WindowFixture w;
    QList<QKeySequence> keys;
    for (const CommandRow& row : CommandRows())
        for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(row.Key))) {
            QVERIFY2(key.isEmpty() || !keys.contains(key), row.Id);
            keys << key;
        }
    for (const bool farsi : {false, true}) {
        if (farsi)
            w->commandAction("switchToFarsi")->trigger();
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

void TestLanguageSwitch::a_language_switch_marks_the_document_changed()
{
    MessageRecorder messages;
    messages.Answers = {AnswerNo};
    WindowFixture w;
    QVERIFY(!w->document()->isModified());
    w->commandAction("switchToFarsi")->trigger();
    QVERIFY(w->document()->isModified());
    QVERIFY(w->close());
    QCOMPARE(messages.Texts(), QStringList{QString::fromUtf8(Texts::MsgSaveChanges.In(Language::Farsi))});
}

void TestLanguageSwitch::the_status_bar_switches_language_with_everything_else_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("farsi");
    QTest::newRow("hint of the control under the pointer")
        << "reactionLine" << Texts::ReactionLineHint.In(Language::English)
        << Texts::ReactionLineHint.In(Language::Farsi);
    QTest::newRow("help mode prompt")
        << "help" << Texts::HelpModePrompt.In(Language::English) << Texts::HelpModePrompt.In(Language::Farsi);
    QTest::newRow("pointer elsewhere: nothing") << "" << QString() << QString();
}

void TestLanguageSwitch::the_status_bar_switches_language_with_everything_else()
{
    QFETCH(QString, shown);
    QFETCH(QString, english);
    QFETCH(QString, farsi);
    WindowFixture w;
    QCursor::setPos(w->mapToGlobal(QPoint(-50, -50)));
    if (shown == "help")
        w.Action("help")->trigger();
    else if (!shown.isEmpty())
        QTest::mouseMove(w.Find<QWidget>(shown.toLatin1()));
    QCOMPARE(w->statusBar()->currentMessage(), english);
    w->commandAction("switchToFarsi")->trigger(); // F9, the pointer resting where it was
    QCOMPARE(w->statusBar()->currentMessage(), farsi);
    w->commandAction("switchToEnglish")->trigger();
    QCOMPARE(w->statusBar()->currentMessage(), english);
}

void TestLanguageSwitch::the_caption_names_the_file_in_both_languages()
{
    WindowFixture w;
    w->document()->save(QDir(w.Scratch.path()).filePath("Salt.KVX"), w.Marks.path());
    w->commandAction("switchToFarsi")->trigger();
    QCOMPARE(w->windowTitle(), QString("Stoikon - Salt[*]"));
    w->commandAction("switchToEnglish")->trigger();
    QCOMPARE(w->windowTitle(), QString("Stoikon - Salt[*]"));
}

void TestLanguageSwitch::key_options_stay_left_to_right_in_farsi()
{
    WindowFixture w;
    w->commandAction("switchToFarsi")->trigger();
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->windowTitle(),
             QString::fromUtf8("تنظیمات کلیدها"));
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->openKeys->layoutDirection(), Qt::LeftToRight);
}

void TestLanguageSwitch::status_messages_start_at_the_reading_side()
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
    w->commandAction("switchToFarsi")->trigger();
    bar->showMessage(Texts::HelpModePrompt.In(Language::Farsi));
    QVERIFY(inkSpan().second > bar->width() * 3 / 4);
}

void TestLanguageSwitch::every_caption_fits_its_control_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("family");
    for (const char* family : {"DejaVu Sans", "Liberation Sans"}) {
        QTest::addRow("English, %s", family) << false << family;
        QTest::addRow("Farsi, %s", family) << true << family;
    }
}

void TestLanguageSwitch::every_caption_fits_its_control()
{
    // The program font of the shipped defaults (8 points), in the fonts of a Debian desktop.
    QFETCH(bool, farsi);
    QFETCH(QString, family);
    if (!QFontDatabase::hasFamily(family))
        QSKIP("font not installed");
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    if (farsi)
        w->commandAction("switchToFarsi")->trigger();
    w.EditFonts([&](FontSettings& f) { f.ProgramFont.Name = family.toStdString(); });
    const Language lang = farsi ? Language::Farsi : Language::English;
    QStringList cut = CutCaptions(w.Window);

    auto* ops = w.Find<OptionsDialog>("optionsDialog");
    ops->open();
    for (int page = 0; page < 2; ++page) {
        ops->pages->setCurrentIndex(page);
        QVERIFY(QTest::qWaitForWindowExposed(ops));
        cut << CutCaptions(ops);
    }
    ops->reject();
    auto* keys = w.Find<KeyOptionsDialog>("keyOptionsDialog");
    keys->prepareToOpen(w->desktop().programFont());
    keys->show();
    cut << CutCaptions(keys);
    keys->hide();
    auto* about = w.Find<AboutDialog>("aboutDialog");
    about->show();
    cut << CutCaptions(about);
    about->hide();
    for (const int buttons : {ButtonYes | ButtonNo | ButtonCancel, int(ButtonOk)}) {
        std::unique_ptr<QMessageBox> box(
            BuildMessageBox({Texts::MsgSaveChanges.In(lang), MessageKind::Confirmation, buttons, lang},
                            w->desktop().programFont(), w.Window));
        box->show();
        cut << CutCaptions(box.get());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_language_switch.moc"
