// SPDX-License-Identifier: GPL-3.0-or-later
// The message box: buttons, answers, the Farsi layout, its place on the screen and its sounds.

#include "tests/common/WindowFixture.h"
#include "ui/dialogs/MessageSound.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestMessageBox : public WindowTest
{
    Q_OBJECT

  private slots:
    void message_box_buttons_defaults_and_results_data();
    void message_box_buttons_defaults_and_results();
    void farsi_message_box_is_right_to_left_with_farsi_title_and_buttons();
    void closing_a_message_box_by_its_close_box_answers_cancel();
    void message_boxes_stand_in_the_middle_of_the_screen();
    void each_kind_of_message_has_its_own_sound_data();
    void each_kind_of_message_has_its_own_sound();
    void problem_with_farsi_stays_english();
};

void TestMessageBox::message_box_buttons_defaults_and_results_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("escapeButton");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << int(ButtonOk) << QStringList{"OK"} << "OK"
                        << "OK"
                        << "OK" << int(AnswerOk);
    QTest::newRow("Yes No") << int(ButtonYes | ButtonNo) << QStringList{"&Yes", "&No"} << "&Yes"
                            << "&No"
                            << "&No" << int(AnswerNo);
    QTest::newRow("Yes No Cancel") << int(ButtonYes | ButtonNo | ButtonCancel)
                                   << QStringList{"&Yes", "&No", "Cancel"} << "&Yes"
                                   << "Cancel"
                                   << "&Yes" << int(AnswerYes);
    QTest::newRow("Cancel pressed") << int(ButtonYes | ButtonNo | ButtonCancel)
                                    << QStringList{"&Yes", "&No", "Cancel"} << "&Yes"
                                    << "Cancel"
                                    << "Cancel" << int(AnswerCancel);
}

void TestMessageBox::message_box_buttons_defaults_and_results()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultButton);
    QFETCH(QString, escapeButton);
    QFETCH(QString, pressed);
    QFETCH(int, result);

    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({"Text", MessageKind::Warning, buttons, Language::English}, QFont()));
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

void TestMessageBox::farsi_message_box_is_right_to_left_with_farsi_title_and_buttons()
{
    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({QString::fromUtf8("آیا تغییرات را ذخیره کنم؟"), MessageKind::Confirmation,
                         ButtonYes | ButtonNo | ButtonCancel, Language::Farsi},
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
    QCOMPARE(MessageBoxResult(box.get()), int(AnswerNo));
}

void TestMessageBox::closing_a_message_box_by_its_close_box_answers_cancel()
{
    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({"Text", MessageKind::Warning, ButtonYes | ButtonNo, Language::English}, QFont()));
    box->open();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    box->close();
    QCOMPARE(MessageBoxResult(box.get()), int(AnswerCancel));
}

void TestMessageBox::message_boxes_stand_in_the_middle_of_the_screen()
{
    WindowFixture w; // at (10, 9): a box over the window is far from the screen's middle
    std::unique_ptr<QMessageBox> box(BuildMessageBox(
        {"Save changes?", MessageKind::Confirmation, ButtonYes | ButtonNo | ButtonCancel, Language::English},
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

void TestMessageBox::each_kind_of_message_has_its_own_sound_data()
{
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("event");
    QTest::newRow("Warning") << MessageKind::Warning << "dialog-warning";
    QTest::newRow("Error") << MessageKind::Error << "dialog-error";
    QTest::newRow("Information") << MessageKind::Information << "dialog-information";
    QTest::newRow("Confirm") << MessageKind::Confirmation << "dialog-question";
}

void TestMessageBox::each_kind_of_message_has_its_own_sound()
{
    QFETCH(MessageKind, kind);
    QFETCH(QString, event);
    QCOMPARE(QString(MessageSoundEvent(kind)), event);
    // Where libcanberra can play nothing, the bell rings instead.
    QCOMPARE(SoundMessage(kind, "no-such-driver"), MessageSound::Bell);
}

void TestMessageBox::problem_with_farsi_stays_english()
{
    MessageRecorder messages;
    WindowFixture w;
    w->commandAction("switchToFarsi")->trigger();
    QCOMPARE(w.Action("farsiProblems")->text(), QString("&Problem with Farsi language"));
    w.Action("farsiProblems")->trigger();
    QCOMPARE(messages.Shown.size(), size_t(1));
    QVERIFY(messages.Shown.front().Text.startsWith("1- A font with Persian letters must be installed"));
    QCOMPARE(messages.Shown.front().Lang, Language::Farsi);
    QCOMPARE(messages.Shown.front().Kind, MessageKind::Information);
}

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
