// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line as a screen reader reads it through Qt's accessibility interfaces: its
// spoken text and its caret. What Balance tells a screen reader is read through AT-SPI
// (tests/app/atspi_reader.py), as Qt sends its events only to a platform's bridge.

#include "tests/ui/reactionline/LineTest.h"

#include <QAccessible>
#include <QTest>

class TestLineAccessible : public QObject
{
    Q_OBJECT

  private slots:
    void text_and_caret_are_read_as_spoken_data();
    void text_and_caret_are_read_as_spoken();
};

void TestLineAccessible::text_and_caret_are_read_as_spoken_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<int>("offset"); // the caret's, in the spoken text

    QTest::newRow("caret before the arrow") << "2H2+O2>2H2O" << 6 << "2 H 2 plus O 2 yields 2 H 2 O" << 14;
    QTest::newRow("caret after an electron")
        << "Fe^3++e^->Fe^2+" << 9 << "Fe charge 3 plus plus electron yields Fe charge 2 plus" << 30;
}

void TestLineAccessible::text_and_caret_are_read_as_spoken()
{
    QFETCH(QString, reaction);
    QFETCH(int, caret);
    QFETCH(QString, spoken);
    QFETCH(int, offset);
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
    // A screen reader's caret move lands on the line's caret.
    text->setCursorPosition(0);
    QCOMPARE(w.Line()->caretPos(), 0);
    text->setCursorPosition(offset);
    QCOMPARE(w.Line()->caretPos(), caret);
    QCOMPARE(text->selectionCount(), 0);
    QVERIFY(text->characterRect(offset - 1).intersects(line->rect()));
}

QTEST_MAIN(TestLineAccessible)
#include "tst_line_accessible.moc"
