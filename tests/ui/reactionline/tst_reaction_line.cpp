// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line on a started main window: typing with real key events, the caret keys
// and the mouse, and the line as screen readers read it through Qt's accessibility
// interfaces (what Balance tells them is read through AT-SPI, tests/app/atspi_reader.py, as
// Qt sends its events only to a platform's bridge).

#include "tests/ui/reactionline/LineTest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestReactionLine : public QObject
{
    Q_OBJECT

  private slots:
    void typing_maps_keys_and_tidies_the_line_data();
    void typing_maps_keys_and_tidies_the_line();
    void an_input_method_commit_is_typed();
    void a_second_separator_leaves_text_and_caret_as_they_were();
    void caret_and_deletion_keys_data();
    void caret_and_deletion_keys();
    void a_long_reaction_scrolls_to_keep_the_caret_in_view();
    void a_click_places_the_caret_data();
    void a_click_places_the_caret();
    void selection_keys_data();
    void selection_keys();
    void the_mouse_selects_by_dragging_and_by_double_click();
    void balance_leaves_the_caret_at_the_end_and_the_start_in_view();
    void an_empty_line_shows_its_hint_in_the_interface_language();
    void text_and_caret_are_read_as_spoken_data();
    void text_and_caret_are_read_as_spoken();
};

namespace {
bool LineKeepsCaretInView(const WindowFixture& w)
{
    const ReactionLine* line = w.Line();
    const int offset = line->widthBefore(line->caretPos()) - line->widthBefore(line->firstVisible());
    return offset >= 0 && offset < line->width();
}
} // namespace

void TestReactionLine::typing_maps_keys_and_tidies_the_line_data()
{
    QTest::addColumn<QStringList>("keySets"); // KP, KOP, KCP, KF; empty = defaults
    QTest::addColumn<bool>("autoCase");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    auto row = [](const char* name, const char* typed, const char* expected, bool autoCase = true,
                  const QStringList& keySets = {}) {
        QTest::newRow(name) << keySets << autoCase << QString::fromUtf8(typed) << QString::fromUtf8(expected);
    };
    // default key sets
    row("blank types the arrow, = types plus", "h2=o2 h2o", "H2+O2>H2O");
    row("dot types the arrow", "h2o.h2", "H2O>H2");
    row("brackets type parentheses", "ca[oh]2", "Ca(OH)2");
    row("a two-letter symbol wins", "co", "Co");
    row("Shift keeps carbon monoxide", "CO", "CO");
    row("sodium chloride", "nacl", "NaCl");
    row("methane", "ch4", "CH4");
    // tidying
    row("a digit at the start vanishes", "2h2", "H2");
    row("a digit after plus vanishes", "h2=3o2", "H2+O2");
    row("a digit after the arrow vanishes", "h2 2h2o", "H2>H2O");
    row("a second plus is dropped", "h2==o2", "H2+O2");
    row("an arrow after plus is dropped", "h2= o2", "H2+O2");
    row("characters outside the alphabet", "h2@o!", "H2O");
    row("a Farsi letter is dropped", "hب2", "H2");
    // ions and the electron
    row("ions", "mno4^-=h^+", "MnO4^-+H^+");
    row("a charge's sign, then the separator", "h^++fe^2+", "H^++Fe^2+");
    row("the electron keeps its lower case", "fe^3+=e^- fe^2+", "Fe^3++e^->Fe^2+");
    // auto identification off
    row("letters keep their case", "nacl", "nacl", false);
    row("digits and separators are still tidied", "2h2==o2", "h2+o2", false);
    // changed key sets
    row("a letter in a set types its symbol", "cao", "(AO", true, {"+=", "([c", ")]", " >."});
    row("empty KF drops the blank", "h2 o2", "H2O2", true, {"+=", "([", ")]", ""});
    row("empty KF still lets > type the arrow", "h2>o2", "H2>O2", true, {"+=", "([", ")]", ""});
    row("plus in KF makes = and + type the arrow", "h2=o2+h2o", "H2>O2>H2O", true,
        {"+=", "([", ")]", " >.+"});
    row("empty KP leaves + typing itself", "h2=o2+h2o", "H2O2+H2O", true, {"", "([", ")]", " >."});
    row("a Farsi letter in KF types the arrow", "h2یo2", "H2>O2", true,
        {"+=", "([", ")]", QString::fromUtf8(" >.ی")});
}

void TestReactionLine::typing_maps_keys_and_tidies_the_line()
{
    QFETCH(QStringList, keySets);
    QFETCH(bool, autoCase);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TestSettings settings;
    WindowFixture w;
    SetKeySets(w, keySets, autoCase);
    Type(w, typed);
    QCOMPARE(Text(w), expected);
    QCOMPARE(w.Line()->caretPos(), expected.size());
    QCOMPARE(int(w.Line()->charWidths().size()), expected.size());
}

void TestReactionLine::an_input_method_commit_is_typed()
{
    TestSettings settings;
    WindowFixture w;
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("h2=o2"));
    QApplication::sendEvent(w.KeyBox(), &event);
    QCOMPARE(Text(w), QStringLiteral("H2+O2"));
}

void TestReactionLine::a_second_separator_leaves_text_and_caret_as_they_were()
{
    TestSettings settings;
    WindowFixture w;
    Type(w, "h2=o2");
    QTest::keyClick(w.KeyBox(), Qt::Key_Left);
    QTest::keyClick(w.KeyBox(), Qt::Key_Left);
    for (char separator : {'=', '+', ' ', '>'}) {
        QTest::keyClick(w.KeyBox(), separator);
        QCOMPARE(Text(w), QStringLiteral("H2+O2"));
        QCOMPARE(w.Line()->caretPos(), 3);
    }
}

void TestReactionLine::caret_and_deletion_keys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    auto row = [](const char* name, const char* text, int caret, Qt::Key key, const char* expected,
                  int expectedCaret) {
        QTest::newRow(name) << QString(text) << caret << int(key) << QString(expected) << expectedCaret;
    };
    const char* balanced = "2H2+O2>2H2O";
    // at the ends nothing changes
    row("Delete at the end", "H2O", 3, Qt::Key_Delete, "H2O", 3);
    row("Backspace at the start", "H2O", 0, Qt::Key_Backspace, "H2O", 0);
    row("Right at the end", "H2O", 3, Qt::Key_Right, "H2O", 3);
    row("Left at the start", "H2O", 0, Qt::Key_Left, "H2O", 0);
    // moving and deleting
    row("Home", "H2O", 2, Qt::Key_Home, "H2O", 0);
    row("End", "H2O", 1, Qt::Key_End, "H2O", 3);
    row("Backspace", "H2O", 2, Qt::Key_Backspace, "HO", 1);
    row("Delete", "H2O", 1, Qt::Key_Delete, "HO", 1);
    row("Delete tidies a count that became a coefficient", "H2+O2", 3, Qt::Key_Delete, "H2+", 3);
    // through a charge: the hidden "^" is one more caret position
    row("Backspace the charge's sign", "Fe^3+", 5, Qt::Key_Backspace, "Fe^3", 4);
    row("Backspace the charge's count", "Fe^3", 4, Qt::Key_Backspace, "Fe^", 3);
    row("Backspace the ^", "Fe^", 3, Qt::Key_Backspace, "Fe", 2);
    row("Delete the hidden ^", "Fe^3+", 2, Qt::Key_Delete, "Fe3+", 2);
    row("Right onto the ^", "Fe^3+", 2, Qt::Key_Right, "Fe^3+", 3);
    row("Left off the charge", "Fe^3+", 3, Qt::Key_Left, "Fe^3+", 2);
    row("Home in an ion", "Fe^3+", 4, Qt::Key_Home, "Fe^3+", 0);
    row("End in an ion", "Fe^3+", 0, Qt::Key_End, "Fe^3+", 5);
    // a balanced text keeps its coefficients through caret keys
    row("balanced: Left", balanced, 3, Qt::Key_Left, balanced, 2);
    row("balanced: Right", balanced, 3, Qt::Key_Right, balanced, 4);
    row("balanced: Home", balanced, 3, Qt::Key_Home, balanced, 0);
    row("balanced: End", balanced, 3, Qt::Key_End, balanced, 11);
    // ... and loses all of them to any typed character or deletion
    row("balanced: Escape", balanced, 3, Qt::Key_Escape, "H2+O2>H2O", 2);
    row("balanced: Delete at the end", balanced, 11, Qt::Key_Delete, "H2+O2>H2O", 9);
    row("balanced: Backspace at the start", balanced, 0, Qt::Key_Backspace, "H2+O2>H2O", 0);
    row("balanced: a dropped character", balanced, 11, Qt::Key_Exclam, "H2+O2>H2O", 9);
}

void TestReactionLine::caret_and_deletion_keys()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    TestSettings settings;
    WindowFixture w;
    SetText(w, text, caret);
    QTest::keyClick(w.KeyBox(), Qt::Key(key));
    QCOMPARE(Text(w), expected);
    QCOMPARE(w.Line()->caretPos(), expectedCaret);
}

void TestReactionLine::a_long_reaction_scrolls_to_keep_the_caret_in_view()
{
    TestSettings settings;
    WindowFixture w;
    for (int i = 0; i < 30; ++i) {
        Type(w, "ch4=");
        QVERIFY(LineKeepsCaretInView(w));
    }
    QVERIFY(w.Line()->firstVisible() > 0);
    QTest::keyClick(w.KeyBox(), Qt::Key_Home);
    QCOMPARE(w.Line()->firstVisible(), 0);
    QTest::keyClick(w.KeyBox(), Qt::Key_End);
    QVERIFY(w.Line()->firstVisible() > 0);
    QVERIFY(LineKeepsCaretInView(w));
}

void TestReactionLine::a_click_places_the_caret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boundary"); // -1: right of the text
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");
    QTest::newRow("on the first boundary") << "2H2+O" << 0 << 0 << 0;
    QTest::newRow("inside the first character") << "2H2+O" << 0 << 1 << 1;
    QTest::newRow("on a boundary") << "2H2+O" << 2 << 0 << 2;
    QTest::newRow("just after a boundary") << "2H2+O" << 2 << 1 << 3;
    QTest::newRow("right of the text") << "2H2+O" << -1 << 0 << 5;
    // the "^" takes no room: a click at the charge's left edge goes before it
    QTest::newRow("at a charge's left edge") << "Fe^2+" << 3 << 0 << 2;
    QTest::newRow("inside a charge's count") << "Fe^2+" << 3 << 1 << 4;
    QTest::newRow("right of a charge") << "Fe^2+" << -1 << 0 << 5;
}

void TestReactionLine::a_click_places_the_caret()
{
    QFETCH(QString, text);
    QFETCH(int, boundary);
    QFETCH(int, offset);
    QFETCH(int, expected);
    TestSettings settings;
    WindowFixture w;
    SetText(w, text, 0);
    const int x = boundary < 0 ? w.Line()->width() - 2 : w.Line()->widthBefore(boundary) + offset;
    QTest::mouseClick(w.Line(), Qt::LeftButton, {}, QPoint(x, 5));
    QCOMPARE(w.Line()->caretPos(), expected);
    QCOMPARE(Text(w), text); // a click keeps the coefficients
}

void TestReactionLine::selection_keys_data()
{
    QTest::addColumn<bool>("farsi"); // the interface's direction; the line reads left to right
    QTest::addColumn<bool>("autoCase");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys"); // key sequences parted by "; ", then typed
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::addColumn<QString>("selected");

    const QString water = "H2+O2>H2O";
    auto row = [&](const char* name, const QString& text, int caret, const char* keys, const char* typed,
                   const char* expected, int expectedCaret, const char* selected, bool farsi = false,
                   bool autoCase = true) {
        QTest::newRow(name) << farsi << autoCase << text << caret << QString(keys) << QString(typed)
                            << QString(expected) << expectedCaret << QString(selected);
    };
    row("Shift+Left selects back", water, 9, "Shift+Left; Shift+Left", "", "H2+O2>H2O", 7, "2O");
    row("Shift+Home and Shift+End", water, 3, "Shift+End; Shift+Home", "", "H2+O2>H2O", 0, "H2+");
    row("Ctrl+A", water, 3, "Ctrl+A", "", "H2+O2>H2O", 9, "H2+O2>H2O");
    row("Left ends a selection at its left edge", water, 3, "Ctrl+A; Left", "", "H2+O2>H2O", 0, "");
    row("Ctrl+Shift+Right selects a formula", water, 0, "Ctrl+Shift+Right", "", "H2+O2>H2O", 2, "H2");
    row("typing replaces the selection", water, 9, "Ctrl+A", "nacl", "NaCl", 4, "");
    row("the key sets type into a selection", "H2+O2", 5, "Shift+Left; Shift+Left", "o3 h2o", "H2+O3>H2O", 9,
        "");
    row("without automatic case", water, 9, "Ctrl+A", "nacl", "nacl", 4, "", false, false);
    row("Backspace takes the selection", water, 6, "Shift+End; Backspace", "", "H2+O2>", 6, "");
    row("Ctrl+Backspace takes a formula", water, 9, "Ctrl+Backspace", "", "H2+O2>", 6, "");
    row("Ctrl+Backspace after a separator", water, 6, "Ctrl+Backspace", "", "H2+H2O", 3, "");
    row("Ctrl+Delete takes a formula and its separator", water, 0, "Ctrl+Delete", "", "O2>H2O", 0, "");
    row("Ctrl+Delete in the middle", water, 3, "Ctrl+Delete", "", "H2+H2O", 3, "");
    row("a charge's plus parts no formulas", "Fe^3++Cl", 6, "Ctrl+Backspace", "", "Cl", 0, "");
    row("a balanced reaction loses its coefficients", "2H2+O2>2H2O", 11, "Ctrl+Backspace", "", "H2+O2>", 6,
        "");
    row("Farsi: Shift+Left selects back", water, 9, "Shift+Left; Shift+Left", "", "H2+O2>H2O", 7, "2O", true);
    row("Farsi: Ctrl+A and typing", water, 9, "Ctrl+A", "nacl", "NaCl", 4, "", true);
}

void TestReactionLine::selection_keys()
{
    QFETCH(bool, farsi);
    QFETCH(bool, autoCase);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    QFETCH(QString, selected);
    TestSettings settings;
    WindowFixture w;
    if (farsi)
        w->commandAction("switchToFarsi")->trigger();
    QCOMPARE(w->layoutDirection(), farsi ? Qt::RightToLeft : Qt::LeftToRight);
    SetKeySets(w, {}, autoCase);
    SetText(w, text, caret);
    QSignalSpy told(w.Line(), &ReactionLine::editStateChanged);
    for (const QKeySequence& key : QKeySequence::listFromString(keys))
        QTest::keySequence(w.KeyBox(), key);
    Type(w, typed);
    QCOMPARE(Text(w), expected);
    QCOMPARE(QString::fromStdString(w.Line()->text()), expected);
    QCOMPARE(w.Line()->caretPos(), expectedCaret);
    QCOMPARE(w.Line()->selectedText(), selected);
    QCOMPARE(w.Line()->hasSelection(), !selected.isEmpty());
    QVERIFY(!told.isEmpty());
}

void TestReactionLine::the_mouse_selects_by_dragging_and_by_double_click()
{
    TestSettings settings;
    WindowFixture w;
    SetText(w, "2H2+O2>2H2O", 0);
    ReactionLine* line = w.Line();
    const int y = line->height() / 2;
    QTest::mousePress(line, Qt::LeftButton, {}, QPoint(int(line->widthBefore(4)), y));
    QMouseEvent move(QEvent::MouseMove, QPointF(line->widthBefore(6), y), line->mapToGlobal(QPointF(0, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &move);
    QTest::mouseRelease(line, Qt::LeftButton, {}, QPoint(int(line->widthBefore(6)), y));
    QCOMPARE(line->selectedText(), QString("O2"));
    QCOMPARE(Text(w), QString("2H2+O2>2H2O")); // selecting keeps the coefficients
    // A double-click selects the formula under it, with its coefficient.
    QTest::mouseDClick(line, Qt::LeftButton, {}, QPoint(int(line->widthBefore(9)) + 1, y));
    QCOMPARE(line->selectedText(), QString("2H2O"));
    QTest::mouseDClick(line, Qt::LeftButton, {}, QPoint(int(line->widthBefore(1)) + 1, y));
    QCOMPARE(line->selectedText(), QString("2H2"));
}

void TestReactionLine::balance_leaves_the_caret_at_the_end_and_the_start_in_view()
{
    TestSettings settings;
    WindowFixture w;
    const QString ferrocyanide = "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O";
    SetText(w, ferrocyanide, 12);
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QVERIFY(Text(w).startsWith("10K4Fe(CN)6+122KMnO4"));
    QCOMPARE(w.Line()->caretPos(), Text(w).size());
    QCOMPARE(w.Line()->firstVisible(), 0);
    // Narrower than the reaction, the line still shows it from its start.
    SetText(w, ferrocyanide, 12);
    w.Line()->resize(120, w.Line()->height());
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QCOMPARE(w.Line()->firstVisible(), 0);
    QCOMPARE(w.Line()->caretPos(), Text(w).size());
}

void TestReactionLine::an_empty_line_shows_its_hint_in_the_interface_language()
{
    TestSettings settings;
    WindowFixture w;
    SetText(w, "");
    const QImage& picture = w.Line()->picture();
    const QRect left(0, 0, picture.width() / 2, picture.height());
    const QRect right(picture.width() / 2, 0, picture.width() / 2, picture.height());
    QVERIFY(!InkBox(picture, left, IsInk).isEmpty());
    QVERIFY(InkBox(picture, right, IsInk).isEmpty());
    w->commandAction("switchToFarsi")->trigger();
    QVERIFY(InkBox(w.Line()->picture(), left, IsInk).isEmpty());
    QVERIFY(!InkBox(w.Line()->picture(), right, IsInk).isEmpty());
    Type(w, "h");
    QVERIFY(InkBox(w.Line()->picture(), right, IsInk).isEmpty());
}

void TestReactionLine::text_and_caret_are_read_as_spoken_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<int>("offset");   // the caret's, in the spoken text
    QTest::addColumn<QString>("word"); // heard as the character after the caret

    QTest::newRow("caret before the arrow")
        << "2H2+O2>2H2O" << 6 << "2 H 2 plus O 2 yields 2 H 2 O" << 15 << "yields";
    QTest::newRow("caret before an electron")
        << "Fe^3++e^->Fe^2+" << 6 << "Fe charge 3 plus plus electron yields Fe charge 2 plus" << 22
        << "electron";
    QTest::newRow("caret after an electron")
        << "Fe^3++e^->Fe^2+" << 9 << "Fe charge 3 plus plus electron yields Fe charge 2 plus" << 31
        << "yields";
}

void TestReactionLine::text_and_caret_are_read_as_spoken()
{
    QFETCH(QString, reaction);
    QFETCH(int, caret);
    QFETCH(QString, spoken);
    QFETCH(int, offset);
    QFETCH(QString, word);
    WindowFixture w;
    w.Doc()->setLanguage(Language::English);
    SetText(w, reaction, caret);
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(w.KeyBox());
    QVERIFY(line && line->textInterface());
    QCOMPARE(line->role(), QAccessible::EditableText);
    QVERIFY(line->state().editable);
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Reaction"));
    QAccessibleTextInterface* text = line->textInterface();
    QCOMPARE(text->text(0, text->characterCount()), spoken);
    QCOMPARE(text->cursorPosition(), offset);
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(offset, QAccessible::CharBoundary, &start, &end), word);
    QCOMPARE(end - start, word.size());
    // A screen reader's caret move lands on the line's caret.
    text->setCursorPosition(0);
    QCOMPARE(w.Line()->caretPos(), 0);
    text->setCursorPosition(offset);
    QCOMPARE(w.Line()->caretPos(), caret);
    QCOMPARE(text->selectionCount(), 0);
    QVERIFY(text->characterRect(offset - 1).intersects(line->rect()));
    // The selection, both ways: a screen reader's is the line's.
    text->setSelection(0, 0, offset);
    QCOMPARE(w.Line()->selectedText(), reaction.left(caret));
    QCOMPARE(text->selectionCount(), 1);
    int selectedFrom = -1;
    int selectedTo = -1;
    text->selection(0, &selectedFrom, &selectedTo);
    QCOMPARE(std::pair(selectedFrom, selectedTo), std::pair(0, offset));
    text->removeSelection(0);
    QVERIFY(!w.Line()->hasSelection());
}

QTEST_MAIN(TestReactionLine)
#include "tst_reaction_line.moc"
