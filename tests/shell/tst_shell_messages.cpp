// SPDX-License-Identifier: GPL-3.0-or-later
// The message box: buttons, answers, the Farsi layout, its place on the screen and its sounds.

#include "tst_shell.h"

#include "dialogs/MessageSound.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

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
        BuildMessageBox({QString::fromUtf8("آیا تغییرات را ذخیره کنم؟"), MsgKind::Confirmation,
                         mbYes | mbNo | mbCancel, Language::Farsi},
                        QFont("Tahoma", 8)));
    QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(box->windowTitle(), QString::fromUtf8("تایید"));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QStringList captions;
    QAbstractButton* no = nullptr;
    for (QAbstractButton* b : box->buttons()) {
        captions << b->text();
        if (b->text() == QString::fromUtf8("&خیر"))
            no = b;
    }
    captions.sort();
    QStringList expected{QString::fromUtf8("&بلی"), QString::fromUtf8("&خیر"), QString::fromUtf8("لغو")};
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
    QVERIFY(messages.Shown.front().Text.startsWith("1- A font with Persian letters must be installed"));
    QCOMPARE(messages.Shown.front().Lang, Language::Farsi);
    QCOMPARE(messages.Shown.front().Kind, MsgKind::Information);
}
