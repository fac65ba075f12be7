// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up, the window settings it reads and writes, and shutdown.

#include "tests/common/WindowFixture.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

class TestMainWindow : public WindowTest
{
    Q_OBJECT

  private slots:
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
    void tab_reaches_every_control();
};

namespace {
void Store(const QList<QPair<QString, QVariant>>& values)
{
    QSettings settings("Velk", "ST1");
    for (const auto& [name, value] : values)
        settings.setValue(name, value);
    settings.sync();
}
} // namespace

void TestMainWindow::first_run_uses_designed_bounds_and_english()
{
    WindowFixture w;
    if (!Framed(w.Window))
        QSKIP("no window manager frames the window");
    QTRY_COMPARE(w->frameGeometry(), QRect(10, 9, 780, 551));
    QCOMPARE(w->windowState(), Qt::WindowNoState);
    QCOMPARE(w->document()->language(), Language::English);
    QCOMPARE(w->windowTitle(), QString("Stoikon - Untitled[*]"));
    QCOMPARE(w->layoutDirection(), Qt::LeftToRight);
    QVERIFY(!w->document()->isModified());
}

void TestMainWindow::stored_values_are_read_in_order_until_one_is_missing_data()
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

void TestMainWindow::stored_values_are_read_in_order_until_one_is_missing()
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

void TestMainWindow::stored_farsi_comes_up_before_any_document()
{
    Store({{"Width", 780}, {"Height", 551}, {"Top", 9}, {"Left", 10}, {"WS", 0}, {"Lang", 1}});
    WindowFixture w;
    QCOMPARE(w->document()->language(), Language::Farsi);
    QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.Find<QPushButton>("balanceButton")->text(), QString::fromUtf8("موازنه"));
    // The key box stays left to right whatever the language.
    QCOMPARE(w->findChild<QWidget*>("keyBox")->layoutDirection(), Qt::LeftToRight);
    QVERIFY(!w->document()->isModified());
}

void TestMainWindow::a_window_stored_off_every_screen_comes_back()
{
    Store({{"Width", 700}, {"Height", 500}, {"Top", 5000}, {"Left", -9000}});
    WindowFixture w;
    QCOMPARE(w->frameGeometry().size(), QSize(700, 500));
    QVERIFY(w->screen()->availableGeometry().intersects(w->frameGeometry()));
}

void TestMainWindow::closing_writes_the_six_values_and_the_next_start_restores_them_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::newRow("normal") << false;
    QTest::newRow("minimised") << true;
}

void TestMainWindow::closing_writes_the_six_values_and_the_next_start_restores_them()
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
        w->commandAction("switchToFarsi")->trigger();
        w.MarkSaved();
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
    QCOMPARE(again->isMinimized(), minimised);
    if (minimised)
        again->showNormal();
    QTRY_COMPARE(again->frameGeometry(), moved);
    QCOMPARE(again->document()->language(), Language::Farsi);
}

void TestMainWindow::cancelling_the_close_question_keeps_the_window_and_writes_nothing()
{
    MessageRecorder messages;
    WindowFixture w;
    w.MarkModified();
    messages.Answers = {AnswerCancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(messages.Texts(), QStringList{"Save changes?"});
    QCOMPARE(messages.Shown.front().Kind, MessageKind::Confirmation);
    QVERIFY(!QSettings("Velk", "ST1").contains("Width"));
    QVERIFY(w->document()->isModified());
}

void TestMainWindow::later_activations_do_not_start_again()
{
    WindowFixture w;
    w->document()->setReaction("H2O");
    w->startUp();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w.Window, &activate);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2O"));
}

void TestMainWindow::the_window_cannot_be_made_smaller_than_its_minimum()
{
    WindowFixture w;
    w->resize(100, 100);
    QCOMPARE(w->size(), QSize(580, 350));
}

void TestMainWindow::tab_reaches_every_control()
{
    // Tab from the reaction line past Balance into the grid, Ctrl+Tab out of the grid to
    // Calculate, and Tab round to the line again.
    WindowFixture w;
    w->activateWindow();
    w.KeyBox()->setFocus();
    QStringList reached;
    for (const Qt::KeyboardModifier modifier :
         {Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier, Qt::NoModifier}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifier);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, QStringList({"balanceButton", "grid", "calculateButton", "keyBox"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
