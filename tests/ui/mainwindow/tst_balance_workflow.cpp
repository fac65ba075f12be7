// SPDX-License-Identifier: GPL-3.0-or-later
// The program's purpose through the real window: type a reaction and balance it.

#include "tests/common/GridHelpers.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/grid/GridView.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

class TestBalanceWorkflow : public WindowTest
{
    Q_OBJECT

  private slots:
    void typing_and_enter_balance_and_fill_the_typed_columns_data();
    void typing_and_enter_balance_and_fill_the_typed_columns();
    void a_second_balance_keeps_the_balanced_text();
    void failing_reactions_show_their_message_in_the_interface_language_data();
    void failing_reactions_show_their_message_in_the_interface_language();
    void coefficients_the_line_shows_choose_among_several_forms();
    void check_tells_whether_the_written_coefficients_balance();
    void lower_case_is_read_as_the_one_reading_that_balances_data();
    void lower_case_is_read_as_the_one_reading_that_balances();
    void symbols_without_a_weight_leave_empty_weight_cells();
    void a_charged_formula_reads_left_to_right_in_the_farsi_grid();
    void a_failed_balance_leaves_the_grid_and_marks_the_document();
};

void TestBalanceWorkflow::typing_and_enter_balance_and_fill_the_typed_columns_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("balanced");
    QTest::addColumn<QStringList>("formulas");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("weights");
    QTest::newRow("water") << "h2=o2 h2o"
                           << "H2+O2>H2O"
                           << "2H2+O2>2H2O" << QStringList{"H2", "O2", "H2O"} << QStringList{"2", "1", "2"}
                           << QStringList{"2.016", "31.998", "18.015"};
    // The formula column shows the charge; the electron has no weight
    QTest::newRow("ions and electrons") << "cu^2+=e^- cu"
                                        << "Cu^2++e^->Cu"
                                        << "Cu^2++2e^->Cu" << QStringList{"Cu^2+", "e^-", "Cu"}
                                        << QStringList{"1", "2", "1"} << QStringList{"63.546", "", "63.546"};
}

void TestBalanceWorkflow::typing_and_enter_balance_and_fill_the_typed_columns()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, balanced);
    QFETCH(QStringList, formulas);
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, weights);
    WindowFixture w;
    SetColumns(w, {"Formula", "Note", "Number", "Weight", "Mass"}, {"5", "0", "3", "4", "2"});
    w.SetRowCount(4);
    w.Doc()->setCell(1, 1, "kept");
    w.Doc()->setCell(4, 2, "12");

    TypeReaction(w, typed);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), text);
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);

    QCOMPARE(QString::fromStdString(w->document()->reactionText()), balanced);
    QCOMPARE(w.Grid()->gridRowCount(), 4);
    QCOMPARE(Column(w, 0), formulas);
    QCOMPARE(Column(w, 2), numbers);
    QCOMPARE(Column(w, 3), weights);
    QCOMPARE(Column(w, 1), (QStringList{"kept", "", ""}));
    QCOMPARE(Column(w, 4), (QStringList{"", "12", ""}));
    QVERIFY(w->document()->isModified());
}

void TestBalanceWorkflow::a_second_balance_keeps_the_balanced_text()
{
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Formula", "Number"}, {"5", "3"});
    w->document()->setReaction("Cu+HNO3>Cu(NO3)2+NO+H2O");
    w.Find<QPushButton>("balanceButton")->click();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O"));
    w.Find<QPushButton>("balanceButton")->click();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O"));
    QCOMPARE(Column(w, 1), (QStringList{"3", "8", "3", "2", "4"}));
    QVERIFY(messages.Shown.empty());
}

void TestBalanceWorkflow::failing_reactions_show_their_message_in_the_interface_language_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("line"); // the reaction line afterwards

    const QString invalid = "Invalid reaction\r";
    const QString invalidFa = QString::fromUtf8("واکنش غلط است\r");
    const QString cannot =
        "Can not balance this reaction\rIt may be has more than one answer or it is more than "
        "one separate reaction.\r";
    const QString cannotFa = QString::fromUtf8("نمی توانم این واکنش را موازنه کنم\r");
    const QString ions = "MnO4^-+Fe^2+>Mn^2++Fe^3+";
    const QString offer = invalid + "O appears only among the reactants.\rIt balances in acidic solution "
                                    "(completed with H⁺ and H₂O) or in basic solution (with OH⁻ and H₂O).";
    const int choice = ButtonYes | ButtonNo | ButtonCancel;
    // Which reactions fail, and why, is the core's (tst_balance); here the message and its
    // reason under it, in the language of the window.
    QTest::newRow("empty") << "" << false << int(AnswerOk) << invalid + "There is no reaction to balance."
                           << int(ButtonOk) << "";
    QTest::newRow("two reactions in one")
        << "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O" << false << int(AnswerOk)
        << cannot + "It is 2 independent reactions written as one:\rNaOH + HCl → NaCl + H₂O\r"
                    "2NaOH + H₂SO₄ → Na₂SO₄ + 2H₂O"
        << int(ButtonOk) << "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O";
    QTest::newRow("farsi: empty") << "" << true << int(AnswerOk)
                                  << invalidFa + QString::fromUtf8("واکنشی برای موازنه نوشته نشده است.")
                                  << int(ButtonOk) << "";
    QTest::newRow("farsi: wrong side")
        << "Fe2O3>FeO+Fe" << true << int(AnswerOk)
        << cannotFa + QString::fromUtf8("جای \u2066Fe\u2069 در طرف دیگر است: \u2066Fe₂O₃ + Fe → 3FeO\u2069")
        << int(ButtonOk) << "Fe2O3>FeO+Fe";
    QTest::newRow("completion declined") << ions << false << int(AnswerCancel) << offer << choice << ions;
    QTest::newRow("completed in acidic solution")
        << ions << false << int(AnswerYes) << offer << choice << "MnO4^-+5Fe^2++8H^+>Mn^2++5Fe^3++4H2O";
    QTest::newRow("completed in basic solution")
        << ions << false << int(AnswerNo) << offer << choice << "MnO4^-+5Fe^2++4H2O>Mn^2++5Fe^3++8OH^-";
}

void TestBalanceWorkflow::failing_reactions_show_their_message_in_the_interface_language()
{
    QFETCH(QString, reaction);
    QFETCH(bool, farsi);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(int, buttons);
    QFETCH(QString, line);
    MessageRecorder messages;
    messages.DefaultAnswer = answer;
    WindowFixture w;
    if (farsi)
        w->commandAction("switchToFarsi")->trigger();
    w->document()->setReaction(reaction.toStdString());
    w->findChild<QPushButton*>("balanceButton")->click();
    QCOMPARE(messages.Texts(), QStringList{message});
    QCOMPARE(messages.Shown.front().Kind, MessageKind::Error);
    QCOMPARE(messages.Shown.front().Buttons, buttons);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), line);
}

void TestBalanceWorkflow::coefficients_the_line_shows_choose_among_several_forms()
{
    MessageRecorder messages;
    WindowFixture w;
    w->document()->setReaction("2KMnO4+5H2O2+3H2SO4>K2SO4+MnSO4+O2+H2O"); // as a book's, pasted
    w->findChild<QPushButton*>("balanceButton")->click();
    QVERIFY(messages.Shown.empty());
    QCOMPARE(QString::fromStdString(w->document()->reactionText()),
             QString("2KMnO4+5H2O2+3H2SO4>K2SO4+2MnSO4+5O2+8H2O"));
}

void TestBalanceWorkflow::check_tells_whether_the_written_coefficients_balance()
{
    MessageRecorder messages;
    WindowFixture w;
    w->document()->setReaction("4H2+2O2>4H2O");
    w.Action("checkCoefficients")->trigger();
    w->document()->setReaction("H2+O2>H2O");
    w.Action("checkCoefficients")->trigger();
    QCOMPARE(messages.Texts(),
             (QStringList{"4H₂ + 2O₂ → 4H₂O\rThe coefficients balance the reaction.\rThey are not "
                          "in lowest terms: each can be divided by 2.\rReactants : products\r"
                          "H  8 : 8\rO  4 : 4",
                          "H₂ + O₂ → H₂O\rThe coefficients do not balance the reaction.\rThey "
                          "are in lowest terms.\rReactants : products\rH  2 : 2\rO  2 : 1  ≠"}));
    QCOMPARE(messages.Shown.front().Kind, MessageKind::Information);
    QCOMPARE(messages.Shown.back().Kind, MessageKind::Warning);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2+O2>H2O")); // as it was
}

void TestBalanceWorkflow::lower_case_is_read_as_the_one_reading_that_balances_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("note");
    QTest::newRow("English") << false << "Read co2 as CO2";
    // The formulas run left to right within the Farsi sentence.
    QTest::newRow("Farsi") << true << QString::fromUtf8("\u2066co2\u2069 به صورت \u2066CO2\u2069 خوانده شد");
}

void TestBalanceWorkflow::lower_case_is_read_as_the_one_reading_that_balances()
{
    QFETCH(bool, farsi);
    QFETCH(QString, note);
    MessageRecorder messages;
    WindowFixture w;
    if (farsi)
        w->commandAction("switchToFarsi")->trigger();
    // ch4=o2 co2=h2o as typed: the automatic case made co2 cobalt.
    w->document()->setReaction("CH4+O2>Co2+H2O");
    w->findChild<QPushButton*>("balanceButton")->click();
    QVERIFY(messages.Shown.empty());
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("CH4+2O2>CO2+2H2O"));
    QCOMPARE(w->statusBar()->currentMessage(), note);
}

void TestBalanceWorkflow::symbols_without_a_weight_leave_empty_weight_cells()
{
    MessageRecorder messages;
    WindowFixture w;
    w.Find<KeyOptionsDialog>("keyOptionsDialog")->autoCase->setChecked(false); // keep "Xy" as typed
    SetColumns(w, {"Formula", "Number", "Weight"}, {"5", "3", "4"});
    w.SetRowCount(4);
    for (int r = 1; r < 4; ++r)
        w.Doc()->setCell(2, r, "left over");
    w->document()->setReaction("Xy+O2>Xy2O3");
    w->findChild<QPushButton*>("balanceButton")->click();
    QVERIFY(messages.Shown.empty());
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("4Xy+3O2>2Xy2O3"));
    QCOMPARE(Column(w, 2), (QStringList{"", "31.998", ""}));
}

void TestBalanceWorkflow::a_charged_formula_reads_left_to_right_in_the_farsi_grid()
{
    // Laid out right to left, Fe^3+ would show as +Fe^3; it stays right-aligned.
    WindowFixture w;
    w->commandAction("switchToFarsi")->trigger();
    SetColumns(w, {"F"}, {"5"});
    FillGrid(w, {{"F"}, {"Fe^3+"}, {QString::fromUtf8("مول")}, {"H2O"}});
    const QStyleOptionViewItem ion = w.View()->shownCell(0, 1);
    QCOMPARE(ion.direction, Qt::LeftToRight);
    QCOMPARE(ion.displayAlignment & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute),
             Qt::AlignRight | Qt::AlignAbsolute);
    QCOMPARE(w.View()->shownCell(0, 2).direction, Qt::RightToLeft);
    QCOMPARE(w.View()->shownCell(0, 3).direction, Qt::RightToLeft); // no charge: as before
}

void TestBalanceWorkflow::a_failed_balance_leaves_the_grid_and_marks_the_document()
{
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Formula"}, {"5"});
    FillGrid(w, {{"Formula"}, {"kept"}});
    w->document()->setReaction("2H2+O2");
    w->findChild<QPushButton*>("balanceButton")->click();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2+O2"));
    QCOMPARE(Column(w, 0), QStringList{"kept"});
    QVERIFY(w->document()->isModified());
}

QTEST_MAIN(TestBalanceWorkflow)
#include "tst_balance_workflow.moc"
