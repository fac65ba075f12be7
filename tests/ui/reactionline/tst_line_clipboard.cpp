// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line on a started main window: copy and paste, textbook notation on the
// clipboard and a carriage return in pasted text.

#include "tests/ui/reactionline/LineTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

class TestLineClipboard : public QObject
{
    Q_OBJECT

  private slots:
    void copy_and_paste_back_give_the_text_without_coefficients();
    void the_selection_is_copied_with_its_picture_cut_and_pasted_over();
    void textbook_notation_pasted_and_copied_as_a_person_would();
    void pasted_textbook_notation_goes_in_as_read_data();
    void pasted_textbook_notation_goes_in_as_read();
    void a_carriage_return_in_pasted_text_runs_balance_at_that_point();
    void a_carriage_return_balances_the_reaction_data();
    void a_carriage_return_balances_the_reaction();
    void paste_without_text_on_the_clipboard_changes_nothing();
    void a_second_paste_during_a_paste_is_ignored();
    void closing_the_window_stops_a_paste();
};

void TestLineClipboard::copy_and_paste_back_give_the_text_without_coefficients()
{
    TestSettings settings;
    WindowFixture w;
    SetText(w, "2H2+O2>2H2O");
    w.Action("copyReaction")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2H2+O2>2H2O"));
    w.MarkSaved();
    w.Action("pasteReaction")->trigger();
    QCOMPARE(Text(w), QStringLiteral("H2+O2>H2O"));
    QCOMPARE(w.Line()->caretPos(), 9);
    QVERIFY(w.Doc()->isModified());
}

void TestLineClipboard::the_selection_is_copied_with_its_picture_cut_and_pasted_over()
{
    TestSettings settings;
    WindowFixture w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    SetText(w, "H2+O2>H2O", 9);
    w.KeyBox()->setFocus();
    QTest::keyClick(w.KeyBox(), Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keySequence(w.Window, QKeySequence("Ctrl+C"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("H2O"));
    const QImage picture = QApplication::clipboard()->image();
    QVERIFY(!picture.isNull() && picture.width() > picture.height());
    // Ctrl+V types the clipboard in place of the selection, one step to undo.
    SetText(w, "H2+O2>CO2", 9);
    QTest::keyClick(w.KeyBox(), Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keySequence(w.Window, QKeySequence("Ctrl+V"));
    QCOMPARE(Text(w), QStringLiteral("H2+O2>H2O"));
    QTest::keySequence(w.Window, QKeySequence("Ctrl+Z"));
    QCOMPARE(Text(w), QStringLiteral("H2+O2>CO2"));
    QCOMPARE(w.Line()->caretPos(), 6); // where it stood before the paste
    // Ctrl+X takes the selection out.
    QTest::keyClick(w.KeyBox(), Qt::Key_End);
    QTest::keyClick(w.KeyBox(), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(w.KeyBox(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("H2+O2>CO2"));
    QCOMPARE(Text(w), QString());
}

// The steps a person takes, on the offscreen clipboard and, run under X, on the real one.
void TestLineClipboard::textbook_notation_pasted_and_copied_as_a_person_would()
{
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w;
    w->activateWindow(); // the window's shortcuts need it active, on X as anywhere
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    QApplication::clipboard()->setText(QStringLiteral("2H₂ + O₂ → 2H₂O"));
    QTest::keyClick(w.KeyBox(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(Text(w), QStringLiteral("2H2+O2>2H2O")); // the book's coefficients, for Check
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QCOMPARE(Text(w), QStringLiteral("2H2+O2>2H2O"));
    QTest::keyClick(w.KeyBox(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), QStringLiteral("2H2+O2>2H2O"));
    QCOMPARE(copied->html(), QStringLiteral("2H<sub>2</sub> + O<sub>2</sub> &rarr; 2H<sub>2</sub>O"));
    QVERIFY(messages.Shown.empty());
}

void TestLineClipboard::pasted_textbook_notation_goes_in_as_read_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("keyF"); // the keys that type the arrow
    QTest::addColumn<QString>("text");
    QTest::newRow("first line only") << "\nCuSO₄·5H₂O → CuSO₄ + H₂O\nH2O"
                                     << " >."
                                     << "CuSO4(H2O)5>CuSO4+H2O";
    QTest::newRow("a carriage return after it balances") << "CuSO₄·5H₂O → CuSO₄ + H₂O\r\nH2O"
                                                         << " >."
                                                         << "CuSO4(H2O)5>CuSO4+5H2O";
    QTest::newRow("not through the key sets") << "Zn(s) + HCl(aq) → ZnCl₂(aq) + H₂(g)"
                                              << " >.+"
                                              << "Zn+HCl>ZnCl2+H2";
    QTest::newRow("superscript charges; the electron's e stays lower case") << "Fe³⁺ + e⁻ → Fe²⁺"
                                                                            << " >."
                                                                            << "Fe^3++e^->Fe^2+";
    QTest::newRow("ions typed key by key") << "fe^3+=e^- fe^2+"
                                           << " >."
                                           << "Fe^3++e^->Fe^2+";
    QTest::newRow("typed notation still typed") << "zn=hcl zncl2=h2"
                                                << " >.+"
                                                << "Zn>HCl>ZnCl2>H2";
    QTest::newRow("a group, never elements") << "PhCH3 + O2 → CO2 + H2O"
                                             << " >."
                                             << "C6H5CH3+O2>CO2+H2O";
    QTest::newRow("a charge read as the reading that balances") << "N3- + H+ → HN3"
                                                                << " >."
                                                                << "N3^-+H^+>HN3";
    QTest::newRow("a name no element or group has: refused, said in the status bar") << "XyCl + O2 → Cl2O"
                                                                                     << " >."
                                                                                     << "";
}

void TestLineClipboard::pasted_textbook_notation_goes_in_as_read()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, keyF);
    QFETCH(QString, text);
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w;
    SetKeySets(w, {"=", "([", ")]", keyF}, true);
    QApplication::clipboard()->setText(clipboard);
    w->commandAction("pasteReaction")->trigger();
    QCOMPARE(Text(w), text);
    QVERIFY(messages.Shown.empty());
    QCOMPARE(w->statusBar()->currentMessage(),
             QString(text.isEmpty() ? "No element or group is called Xy" : ""));
}

void TestLineClipboard::a_carriage_return_in_pasted_text_runs_balance_at_that_point()
{
    TestSettings settings;
    WindowFixture w;
    // In help mode the Balance command answers with a help message instead of
    // balancing, which shows when and where it ran.
    w->commandAction("help")->trigger();
    QStringList textAtBalance;
    SetMessageBoxHook([&](const MessageRequest&) {
        textAtBalance << Text(w);
        return int(AnswerOk);
    });
    QApplication::clipboard()->setText(QStringLiteral("h2=o2\r\nh2o"));
    w->commandAction("pasteReaction")->trigger();
    SetMessageBoxHook(nullptr);
    QCOMPARE(textAtBalance, QStringList{QStringLiteral("H2+O2")});
    QCOMPARE(Text(w), QStringLiteral("H2+O2H2O")); // the line feed is dropped
}

void TestLineClipboard::a_carriage_return_balances_the_reaction_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::newRow("Enter typed") << false;
    QTest::newRow("carriage return pasted") << true;
}

void TestLineClipboard::a_carriage_return_balances_the_reaction()
{
    QFETCH(bool, pasted);
    TestSettings settings;
    MessageRecorder messages;
    WindowFixture w;
    if (pasted) {
        QApplication::clipboard()->setText(QStringLiteral("h2=o2 h2o\r"));
        w->commandAction("pasteReaction")->trigger();
    } else {
        Type(w, "h2=o2 h2o");
        QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    }
    QCOMPARE(Text(w), QStringLiteral("2H2+O2>2H2O"));
    QVERIFY(messages.Shown.empty());
}

void TestLineClipboard::paste_without_text_on_the_clipboard_changes_nothing()
{
    TestSettings settings;
    WindowFixture w;
    SetText(w, "H2O", 3);
    QApplication::clipboard()->clear();
    w->commandAction("pasteReaction")->trigger();
    QCOMPARE(Text(w), QStringLiteral("H2O"));
    QCOMPARE(w.Line()->caretPos(), 3);
}

void TestLineClipboard::a_second_paste_during_a_paste_is_ignored()
{
    TestSettings settings;
    WindowFixture w;
    QApplication::clipboard()->setText(QStringLiteral("h2o2"));
    QTimer::singleShot(15, w.Window, [&] {
        QApplication::clipboard()->setText(QStringLiteral("nacl"));
        w->commandAction("pasteReaction")->trigger();
    });
    w->commandAction("pasteReaction")->trigger();
    QCOMPARE(Text(w), QStringLiteral("H2O2"));
    QVERIFY(!w.Line()->isPasting());
}

void TestLineClipboard::closing_the_window_stops_a_paste()
{
    TestSettings settings;
    MessageRecorder messages;
    messages.DefaultAnswer = AnswerNo; // do not save
    WindowFixture w;
    QApplication::clipboard()->setText(QString("h2o2").repeated(10));
    QTimer::singleShot(30, w.Window, [&] { w->close(); });
    w->commandAction("pasteReaction")->trigger();
    QVERIFY(!w->isVisible());
    QVERIFY(w.Doc()->reactionText().size() < 40);
    QVERIFY(!w.Line()->isPasting());
}

QTEST_MAIN(TestLineClipboard)
#include "tst_line_clipboard.moc"
