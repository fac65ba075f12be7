// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the real window: the user's steps taken back to the saved document
// and made again, with the keys, the Edit menu's items and the modified mark.

#include "tests/common/GridHelpers.h"
#include "texts/Texts.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <tuple>

class TestUndoHistory : public WindowTest
{
    Q_OBJECT

  private slots:
    void steps_undone_reach_the_saved_document_and_redo_makes_them_again();
    void typing_is_undone_a_formula_at_a_time_data();
    void typing_is_undone_a_formula_at_a_time();
};

namespace {
// What a step may change, to compare two states of the document: the reaction, the language,
// the cells and their marks, the formulas, the column types and widths.
using Snapshot = std::tuple<std::string, Language, GridCells, std::vector<std::vector<bool>>,
                            std::vector<std::string>, std::vector<std::string>, std::vector<int>>;

Snapshot Take(const WindowFixture& w)
{
    const DocumentContent content = w.Doc()->document().content();
    return {content.Data.ReactionText, content.Data.Lang,      content.Data.Cells, content.WorkedOut,
            content.Data.Formulas,     content.Data.TypesList, content.Data.Widths};
}

// Presses a key combination until the action it runs is disabled; how many times it ran.
int PressWhileEnabled(const WindowFixture& w, QAction* action, QKeySequence key)
{
    int presses = 0;
    while (action->isEnabled() && presses < 100) {
        QTest::keySequence(w.Window, key);
        ++presses;
    }
    return presses;
}
} // namespace

void TestUndoHistory::steps_undone_reach_the_saved_document_and_redo_makes_them_again()
{
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    QAction* undo = w.Action("undo");
    QAction* redo = w.Action("redo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    TypeReaction(w, "fe=o2 fe2o3");
    w.MarkSaved();
    QVERIFY(!w->isWindowModified());
    const Snapshot saved = Take(w);

    // Balance, a cell typed, Calculate, a cell changed and Recalculate, the options, the language.
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QCOMPARE(undo->text(), QString("&Undo Balance"));
    QVERIFY(w->isWindowModified());
    TypeIntoGrid(w, "11.1694", 4, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    QCOMPARE(w.Grid()->cell(4, 1), QString("11.1694"));
    QCOMPARE(undo->text(), QString("&Undo Cell Edit"));
    w.Find<QPushButton>("calculateButton")->click();
    QCOMPARE(Column(w, 3).mid(0, 3), (QStringList{"0.2", "0.15", "0.1"}));
    w.Doc()->setCell(4, 1, "22.3388");
    QTest::keyClick(w.Window, Qt::Key_F5);
    QCOMPARE(undo->text(), QString("&Undo Recalculate Grid"));
    w.EditOptions([](DocumentOptions& options) { options.Formulas.clear(); });
    QTest::keyClick(w.Window, Qt::Key_F9);
    QCOMPARE(w.Doc()->language(), Language::Farsi);
    QCOMPARE(undo->text(), QString::fromUtf8("&واگرد تغییر زبان"));
    const Snapshot last = Take(w);

    // Ctrl+Z back to the saved document: unmodified, every cell as it was.
    int steps = 0;
    for (; w.Doc()->isModified() && steps < 20; ++steps)
        QTest::keySequence(w.Window, QKeySequence("Ctrl+Z"));
    QCOMPARE(steps, 7);
    QVERIFY(Take(w) == saved);
    QVERIFY(!w.Doc()->isModified());
    QVERIFY(!w->isWindowModified());
    QCOMPARE(w.Doc()->language(), Language::English);
    QCOMPARE(redo->text(), QString("&Redo Balance"));
    QCOMPARE(undo->text(), QString("&Undo Typing")); // the typing before the save

    // Ctrl+Y and Ctrl+Shift+Z to the end again.
    QTest::keySequence(w.Window, QKeySequence("Ctrl+Shift+Z"));
    QCOMPARE(QString::fromStdString(w.Doc()->reactionText()), QString("4Fe+3O2>2Fe2O3"));
    QCOMPARE(PressWhileEnabled(w, redo, QKeySequence("Ctrl+Y")), steps - 1);
    QVERIFY(Take(w) == last);
    QVERIFY(w.Doc()->isModified());
    QVERIFY(w->isWindowModified());

    // Saved at the end, the end is the unmodified state; one undo leaves it.
    w.MarkSaved();
    QVERIFY(!w->isWindowModified());
    undo->trigger();
    QVERIFY(w.Doc()->isModified());
    redo->trigger();
    QVERIFY(!w.Doc()->isModified());
}

void TestUndoHistory::typing_is_undone_a_formula_at_a_time_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("undone"); // the line after each Ctrl+Z
    QTest::newRow("a formula") << "h2o" << QStringList{""};
    QTest::newRow("formula by formula") << "h2=o2 h2o" << QStringList{"H2+O2>", "H2+", ""};
    QTest::newRow("deleting is one step") << "nacl\b\b" << QStringList{"NaCl", ""};
}

void TestUndoHistory::typing_is_undone_a_formula_at_a_time()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, undone);
    WindowFixture w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    TypeReaction(w, typed);
    QStringList texts;
    while (w.Action("undo")->isEnabled() && texts.size() < 10) {
        QTest::keySequence(w.Window, QKeySequence("Ctrl+Z"));
        texts << QString::fromStdString(w.Doc()->reactionText());
    }
    QCOMPARE(texts, undone);
    QCOMPARE(w.Line()->caretPos(), 0);
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undo_history.moc"
