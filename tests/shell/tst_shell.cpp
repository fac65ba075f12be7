// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up, window settings, shutdown, language switch and message box.

#include "dialogs/MessageSound.h"
#include "dialogs/OpsU.h"
#include "editor/KOU.h"
#include "shell/AboutU.h"
#include "shell/ActionTable.h"
#include "shell/InterfaceTexts.h"
#include "shell/StoikonApp.h"
#include "tests/common/WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QStringEncoder>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include <memory>

class TestShell : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void first_run_uses_designed_bounds_and_english();
    void stored_values_are_read_in_order_until_one_is_missing_data();
    void stored_values_are_read_in_order_until_one_is_missing();
    void stored_farsi_comes_up_before_any_document();
    void a_window_stored_off_every_screen_comes_back();
    void closing_writes_the_six_values_and_the_next_start_restores_them_data();
    void closing_writes_the_six_values_and_the_next_start_restores_them();
    void cancelling_the_close_question_keeps_the_window_and_writes_nothing();
    void later_activations_do_not_start_again();
    void the_window_cannot_be_made_smaller_than_its_minimum();

    void farsi_then_english_restores_every_text();
    void only_the_other_language_command_is_offered();
    void keys_and_menu_letters_are_each_used_once();
    void a_language_switch_marks_the_document_changed();
    void the_caption_names_the_file_in_both_languages();
    void the_status_bar_switches_language_with_everything_else_data();
    void the_status_bar_switches_language_with_everything_else();

    void message_box_buttons_defaults_and_results_data();
    void message_box_buttons_defaults_and_results();
    void farsi_message_box_is_right_to_left_with_farsi_title_and_buttons();
    void closing_a_message_box_by_its_close_box_answers_cancel();
    void message_boxes_stand_in_the_middle_of_the_screen();
    void each_kind_of_message_has_its_own_sound_data();
    void each_kind_of_message_has_its_own_sound();
    void problem_with_farsi_stays_english();

    void every_farsi_text_fits_the_code_page();
    void key_options_stay_left_to_right_in_farsi();
    void status_messages_start_at_the_reading_side();
    void every_caption_fits_its_control_data();
    void every_caption_fits_its_control();

  private:
    std::unique_ptr<TestSettings> Settings;
};

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

// Offscreen the frame is the one Qt computes; under X it is the window manager's, and without
// one there is nothing to check.
bool Framed(QWidget* window)
{
    return QGuiApplication::platformName() != QLatin1String("xcb") ||
           QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 3000);
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

void Store(const QList<QPair<QString, QVariant>>& values)
{
    QSettings settings("Velk", "ST1");
    for (const auto& [name, value] : values)
        settings.setValue(name, value);
    settings.sync();
}
} // namespace

void TestShell::init()
{
    Settings = std::make_unique<TestSettings>();
}

void TestShell::cleanup()
{
    Settings.reset();
}

void TestShell::first_run_uses_designed_bounds_and_english()
{
    WindowFixture w;
    if (!Framed(w.Window))
        QSKIP("no window manager frames the window");
    QTRY_COMPARE(w->frameGeometry(), QRect(10, 9, 780, 551));
    QCOMPARE(w->windowState(), Qt::WindowNoState);
    QCOMPARE(w->document()->language(), Language::English);
    QCOMPARE(w->windowTitle(), QString("Stoikon - Untitled"));
    QCOMPARE(w->layoutDirection(), Qt::LeftToRight);
    QVERIFY(!w->document()->isModified());
}

void TestShell::stored_values_are_read_in_order_until_one_is_missing_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QByteArray>("lang"); // LANG, the other locale variables unset

    const QRect designed(10, 9, 780, 551);
    QTest::newRow("first run in a Farsi locale starts in Farsi")
        << QStringList{} << QStringList{} << designed << true << QByteArray("fa_IR.UTF-8");
    QTest::newRow("first run in an English locale starts in English")
        << QStringList{} << QStringList{} << designed << false << QByteArray("en_US.UTF-8");
    QTest::newRow("a stored Lang=0 wins over a Farsi locale")
        << QStringList{"Width", "Height", "Top", "Left", "WS", "Lang"}
        << QStringList{"640", "480", "30", "20", "0", "0"} << QRect(20, 30, 640, 480) << false
        << QByteArray("fa_IR.UTF-8");
    QTest::newRow("width and height only") << QStringList{"Width", "Height"} << QStringList{"700", "500"}
                                           << QRect(10, 9, 700, 500) << false << QByteArray("C.UTF-8");
    QTest::newRow("a word stops the reading") << QStringList{"Width", "Height", "Top", "Left", "WS", "Lang"}
                                              << QStringList{"700", "wide", "40", "50", "0", "1"}
                                              << QRect(10, 9, 700, 551) << false << QByteArray("C.UTF-8");
    QTest::newRow("all six") << QStringList{"Width", "Height", "Top", "Left", "WS", "Lang"}
                             << QStringList{"640", "480", "30", "20", "0", "1"} << QRect(20, 30, 640, 480)
                             << true << QByteArray("C.UTF-8");
    QTest::newRow("Lang missing keeps English")
        << QStringList{"Width", "Height", "Top", "Left", "WS"} << QStringList{"640", "480", "30", "20", "0"}
        << QRect(20, 30, 640, 480) << false << QByteArray("C.UTF-8");
}

void TestShell::stored_values_are_read_in_order_until_one_is_missing()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, values);
    QFETCH(QRect, bounds);
    QFETCH(bool, farsi);
    QFETCH(QByteArray, lang);
    const char* const localeVariables[] = {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "LANG"};
    QList<QByteArray> saved;
    for (const char* name : localeVariables) {
        saved << qgetenv(name);
        qunsetenv(name);
    }
    qputenv("LANG", lang);
    const auto restore = qScopeGuard([&] {
        for (int i = 0; i < saved.size(); ++i)
            qputenv(localeVariables[i], saved[i]);
    });
    QList<QPair<QString, QVariant>> stored;
    for (int i = 0; i < names.size(); ++i)
        stored.append({names[i], values[i]});
    Store(stored);

    WindowFixture w;
    QCOMPARE(w->frameGeometry(), bounds);
    QCOMPARE(w->document()->language() == Language::Farsi, farsi);
}

void TestShell::stored_farsi_comes_up_before_any_document()
{
    Store({{"Width", 780}, {"Height", 551}, {"Top", 9}, {"Left", 10}, {"WS", 0}, {"Lang", 1}});
    WindowFixture w;
    QCOMPARE(w->document()->language(), Language::Farsi);
    QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.Find<QPushButton>("WeightBtn")->text(), QString::fromUtf8("موازنه"));
    // The key box stays left to right whatever the language.
    QCOMPARE(w->findChild<QWidget*>("TextBtn")->layoutDirection(), Qt::LeftToRight);
    QVERIFY(!w->document()->isModified());
}

void TestShell::a_window_stored_off_every_screen_comes_back()
{
    Store({{"Width", 700}, {"Height", 500}, {"Top", 5000}, {"Left", -9000}});
    WindowFixture w;
    QCOMPARE(w->frameGeometry().size(), QSize(700, 500));
    QVERIFY(w->screen()->availableGeometry().intersects(w->frameGeometry()));
}

void TestShell::closing_writes_the_six_values_and_the_next_start_restores_them_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::newRow("normal") << false;
    QTest::newRow("minimised") << true;
}

void TestShell::closing_writes_the_six_values_and_the_next_start_restores_them()
{
    QFETCH(bool, minimised);
    // The values are the frame's bounds; the user moves the window before closing it.
    Store({{"Width", 700}, {"Height", 480}, {"Top", 44}, {"Left", 33}});
    const QRect moved(50, 60, 700, 480);
    {
        WindowFixture w;
        if (!Framed(w.Window))
            QSKIP("no window manager frames the window");
        QTRY_COMPARE(w->frameGeometry(), QRect(33, 44, 700, 480));
        w->move(moved.topLeft());
        QTRY_COMPARE(w->frameGeometry(), moved);
        if (minimised) {
            w->showMinimized();
            QTRY_VERIFY(w->isMinimized());
        }
        w->SettingsFarsiExecute();
        w->document()->setModified(false);
        QVERIFY(w->close());
    }
    QSettings settings("Velk", "ST1");
    QList<int> stored;
    for (const char* name : {"Width", "Height", "Top", "Left", "WS", "Lang"})
        stored << settings.value(name).toInt();
    QCOMPARE(stored, (QList<int>{700, 480, 60, 50, minimised ? 1 : 0, 1}));

    // The next start puts the frame exactly where it was, also once restored.
    WindowFixture again(QString(), false);
    again.Window->show();
    QTest::qWait(200);
    qDebug() << "later" << again->windowState();
    QCOMPARE(again->isMinimized(), minimised);
    if (minimised)
        again->showNormal();
    QTRY_COMPARE(again->frameGeometry(), moved);
    QCOMPARE(again->document()->language(), Language::Farsi);
}

void TestShell::cancelling_the_close_question_keeps_the_window_and_writes_nothing()
{
    MessageRecorder messages;
    WindowFixture w;
    w->document()->setModified(true);
    messages.Answers = {mrCancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(messages.Texts(), QStringList{"Save changes?"});
    QCOMPARE(messages.Shown.front().Kind, MsgKind::Confirmation);
    QVERIFY(!QSettings("Velk", "ST1").contains("Width"));
    QVERIFY(w->document()->isModified());
}

void TestShell::later_activations_do_not_start_again()
{
    WindowFixture w;
    w->document()->setReactionText("H2O");
    w->FormActivate();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w.Window, &activate);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2O"));
}

void TestShell::the_window_cannot_be_made_smaller_than_its_minimum()
{
    WindowFixture w;
    w->resize(100, 100);
    QCOMPARE(w->size(), QSize(580, 350));
}

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
    QCOMPARE(w.Action("FileNew")->statusTip(), QString::fromUtf8("يك پرونده جديد ايجاد مي كند"));
    QTest::keyClick(w.Window, Qt::Key_F10);
    QCOMPARE(w->document()->language(), Language::English);
    QCOMPARE(AllTexts(w), english);
    QCOMPARE(w.Action("FileNew")->toolTip(), QString("New"));
    QCOMPARE(w.Action("FileNew")->statusTip(), QString("Creates a new file"));
    QCOMPARE(w.Action("HelpOnline")->toolTip(), QString("Online Help"));
    QCOMPARE(w.Action("HelpOnline")->statusTip(), QString("Online Help"));
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
    QCOMPARE(w.Action("SettingsEnglish")->text(), QString::fromUtf8("&انگليسي"));
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

void TestShell::message_box_buttons_defaults_and_results_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("escapeButton");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << int(mbOK) << QStringList{"OK"} << "OK"
                        << "OK"
                        << "OK" << int(mrOk);
    QTest::newRow("Yes No") << int(mbYes | mbNo) << QStringList{"&Yes", "&No"} << "&Yes"
                            << "&No"
                            << "&No" << int(mrNo);
    QTest::newRow("Yes No Cancel") << int(mbYes | mbNo | mbCancel) << QStringList{"&Yes", "&No", "Cancel"}
                                   << "&Yes"
                                   << "Cancel"
                                   << "&Yes" << int(mrYes);
    QTest::newRow("Cancel pressed") << int(mbYes | mbNo | mbCancel) << QStringList{"&Yes", "&No", "Cancel"}
                                    << "&Yes"
                                    << "Cancel"
                                    << "Cancel" << int(mrCancel);
}

void TestShell::message_box_buttons_defaults_and_results()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultButton);
    QFETCH(QString, escapeButton);
    QFETCH(QString, pressed);
    QFETCH(int, result);

    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({"Text", MsgKind::Warning, buttons, Language::English}, QFont()));
    QStringList shown;
    for (QAbstractButton* b : box->buttons())
        shown << b->text();
    shown.sort();
    captions.sort();
    QCOMPARE(shown, captions);
    QCOMPARE(box->defaultButton()->text(), defaultButton);
    QCOMPARE(box->escapeButton()->text(), escapeButton);
    QCOMPARE(box->windowTitle(), QString("Warning"));
    QCOMPARE(box->icon(), QMessageBox::Warning);

    box->open();
    for (QAbstractButton* b : box->buttons())
        if (b->text() == pressed)
            b->click();
    QCOMPARE(MessageBoxResult(box.get()), result);
}

void TestShell::farsi_message_box_is_right_to_left_with_farsi_title_and_buttons()
{
    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({QString::fromUtf8("آيا تغييرات را ذخيره كنم؟"), MsgKind::Confirmation,
                         mbYes | mbNo | mbCancel, Language::Farsi},
                        QFont("Tahoma", 8)));
    QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(box->windowTitle(), QString::fromUtf8("تاييد"));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QStringList captions;
    QAbstractButton* no = nullptr;
    for (QAbstractButton* b : box->buttons()) {
        captions << b->text();
        if (b->text() == QString::fromUtf8("&خير"))
            no = b;
    }
    captions.sort();
    QStringList expected{QString::fromUtf8("&بلي"), QString::fromUtf8("&خير"), QString::fromUtf8("لغو")};
    expected.sort();
    QCOMPARE(captions, expected);
    QCOMPARE(box->font().family(), QString("Tahoma"));
    QVERIFY(no);
    // Alt and the underlined letter press the button.
    box->open();
    QVERIFY(QTest::qWaitForWindowActive(box.get()));
    const QChar letter(u'خ');
    QTest::sendKeyEvent(QTest::Click, box.get(), Qt::Key(letter.unicode()), letter, Qt::AltModifier);
    QTRY_VERIFY(!box->isVisible()); // the button shows itself pressed for a moment
    QCOMPARE(MessageBoxResult(box.get()), int(mrNo));
}

void TestShell::closing_a_message_box_by_its_close_box_answers_cancel()
{
    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({"Text", MsgKind::Warning, mbYes | mbNo, Language::English}, QFont()));
    box->open();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    box->close();
    QCOMPARE(MessageBoxResult(box.get()), int(mrCancel));
}

void TestShell::message_boxes_stand_in_the_middle_of_the_screen()
{
    WindowFixture w; // at (10, 9): a box over the window is far from the screen's middle
    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({"Save changes?", MsgKind::Confirmation, mbYes | mbNo | mbCancel, Language::English},
                        QFont(), w.Window));
    box->open();
    if (!Framed(box.get()))
        QSKIP("no window manager frames the box");
    const QPoint middle = w->screen()->geometry().center();
    const auto offCentre = [&] { return box->frameGeometry().center() - middle; };
    QTRY_VERIFY2(std::abs(offCentre().x()) <= 1 && std::abs(offCentre().y()) <= 1,
                 qPrintable(QString("frame %1,%2 %3x%4")
                                .arg(box->frameGeometry().x())
                                .arg(box->frameGeometry().y())
                                .arg(box->frameGeometry().width())
                                .arg(box->frameGeometry().height())));
}

void TestShell::each_kind_of_message_has_its_own_sound_data()
{
    QTest::addColumn<MsgKind>("kind");
    QTest::addColumn<QString>("event");
    QTest::newRow("Warning") << MsgKind::Warning << "dialog-warning";
    QTest::newRow("Error") << MsgKind::Error << "dialog-error";
    QTest::newRow("Information") << MsgKind::Information << "dialog-information";
    QTest::newRow("Confirm") << MsgKind::Confirmation << "dialog-question";
}

void TestShell::each_kind_of_message_has_its_own_sound()
{
    QFETCH(MsgKind, kind);
    QFETCH(QString, event);
    QCOMPARE(QString(MessageSoundEvent(kind)), event);
    // Where libcanberra can play nothing, the bell rings instead.
    QCOMPARE(SoundMessage(kind, "no-such-driver"), MessageSound::Bell);
}

void TestShell::problem_with_farsi_stays_english()
{
    MessageRecorder messages;
    WindowFixture w;
    w->SettingsFarsiExecute();
    QCOMPARE(w.Action("ProblemwithFarsilanguage1")->text(), QString("&Problem with Farsi language"));
    w.Action("ProblemwithFarsilanguage1")->trigger();
    QCOMPARE(messages.Shown.size(), size_t(1));
    QVERIFY(messages.Shown.front().Text.startsWith("1- Farsi language must be installed on your computer."));
    QCOMPARE(messages.Shown.front().Lang, Language::Farsi);
    QCOMPARE(messages.Shown.front().Kind, MsgKind::Information);
}

void TestShell::every_farsi_text_fits_the_code_page()
{
    std::vector<const LocalText*> all = ShellTexts();
    for (const auto* list : {&KeyOptionsTexts(), &OptionsTexts(), &MessageBoxTexts()})
        all.insert(all.end(), list->begin(), list->end());
    const std::vector<const LocalText*> about = AboutTexts();
    all.insert(all.end(), about.begin(), about.end());
    QVERIFY(all.size() > 100);
    for (const LocalText* text : all) {
        QStringEncoder encoder("windows-1256");
        const QString farsi = text->In(Language::Farsi);
        const QByteArray bytes = encoder.encode(farsi);
        QVERIFY2(!encoder.hasError(), qPrintable(farsi));
        QStringDecoder decoder("windows-1256");
        QCOMPARE(decoder.decode(bytes), farsi);
    }
}

void TestShell::key_options_stay_left_to_right_in_farsi()
{
    WindowFixture w;
    w->SettingsFarsiExecute();
    QCOMPARE(w.Find<TKOForm>("KOForm")->windowTitle(), QString::fromUtf8("تنظيمات كليدها"));
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

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
