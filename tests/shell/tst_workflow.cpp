// SPDX-License-Identifier: GPL-3.0-or-later
// The program's purpose through the real window: type a reaction, balance it, type a
// quantity, calculate the grid; and the cell checks on the way.

#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "grid/CellDelegate.h"
#include "grid/FormulaEvaluator.h"
#include "grid/GridCalculation.h"
#include "grid/PropertyGrid.h"
#include "tests/common/WindowFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

#include <memory>

class TestWorkflow : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void typing_and_enter_balance_and_fill_the_typed_columns_data();
    void typing_and_enter_balance_and_fill_the_typed_columns();
    void a_second_balance_keeps_the_balanced_text();
    void failing_reactions_show_their_message_in_the_interface_language_data();
    void failing_reactions_show_their_message_in_the_interface_language();
    void symbols_without_a_weight_leave_empty_weight_cells();
    void a_charged_formula_reads_left_to_right_in_the_farsi_grid();
    void a_failed_balance_leaves_the_grid_and_marks_the_document();

    void calculate_grid_fills_empty_targets_from_other_rows_data();
    void calculate_grid_fills_empty_targets_from_other_rows();
    void a_single_substance_row_changes_nothing_but_marks_the_document();
    void shipped_defaults_work_out_moles_and_masses_in_two_clicks();
    void small_amounts_fill_every_cell_that_large_ones_fill_data();
    void small_amounts_fill_every_cell_that_large_ones_fill();
    void recalculate_follows_a_changed_given_mass_and_marks_worked_out_cells();
    void precise_atomic_weights_apply_to_balance_and_are_kept();

    void cells_take_only_the_keys_of_their_column_type_data();
    void cells_take_only_the_keys_of_their_column_type();
    void a_number_that_does_not_convert_is_reported_and_kept();
    void clearing_a_numeric_cell_only_marks_the_document();
    void dragging_the_line_under_a_row_resizes_the_row();
    void a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole_data();
    void a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole();
    void headers_start_at_the_reading_side_data();
    void headers_start_at_the_reading_side();

  private:
    std::unique_ptr<TestSettings> Settings;
};

namespace {
// Columns as a document gives them: names in the header row, type codes in TypesList.
void SetColumns(const WindowFixture& w, const QStringList& names, const std::vector<std::string>& types)
{
    w.Grid()->setGridColumnCount(names.size());
    for (int c = 0; c < names.size(); ++c)
        w.Grid()->setCell(c, 0, names[c]);
    w.Grid()->setTypesList(types);
}

QStringList Column(const WindowFixture& w, int col)
{
    QStringList cells;
    for (int r = 1; r < w.Grid()->gridRowCount(); ++r)
        cells << w.Grid()->cell(col, r);
    return cells;
}

void TypeReaction(const WindowFixture& w, const QString& typed)
{
    w.KeyBox()->setFocus();
    QTest::keyClicks(w.KeyBox(), typed);
}

// Types into the grid as a person would: the first key opens the cell editor, the rest go
// to whatever has the focus then.
void TypeIntoGrid(const WindowFixture& w, const QString& typed, int column = 0, int row = 1)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    w.View()->setFocus();
    w.View()->setCurrentIndex(w.View()->model()->index(row - 1, column));
    for (QChar ch : typed) {
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(w.View());
        if (ch.unicode() < 0x80)
            QTest::keyClicks(target, QString(ch));
        else // a key of another keyboard layout
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Rows of cells for the grid, header first.
void FillGrid(const WindowFixture& w, const QList<QStringList>& rows)
{
    w.Grid()->setGridRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            w.Grid()->setCell(c, r, rows[r][c]);
}
} // namespace

void TestWorkflow::init()
{
    Settings = std::make_unique<TestSettings>();
}

void TestWorkflow::cleanup()
{
    Settings.reset();
}

void TestWorkflow::typing_and_enter_balance_and_fill_the_typed_columns_data()
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
                           << QStringList{"2.02", "31.98", "18.01"};
    // The formula column shows the charge; the electron has no weight
    QTest::newRow("ions and electrons") << "cu^2+=e^- cu"
                                        << "Cu^2++e^->Cu"
                                        << "Cu^2++2e^->Cu" << QStringList{"Cu^2+", "e^-", "Cu"}
                                        << QStringList{"1", "2", "1"} << QStringList{"63.54", "", "63.54"};
}

void TestWorkflow::typing_and_enter_balance_and_fill_the_typed_columns()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, balanced);
    QFETCH(QStringList, formulas);
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, weights);
    WindowFixture w;
    SetColumns(w, {"Formula", "Note", "Number", "Weight", "Mass"}, {"5", "0", "3", "4", "2"});
    w.Grid()->setGridRowCount(4);
    w.Grid()->setCell(1, 1, "kept");
    w.Grid()->setCell(4, 2, "12");

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

void TestWorkflow::a_second_balance_keeps_the_balanced_text()
{
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Formula", "Number"}, {"5", "3"});
    w->document()->setReactionText("Cu+HNO3>Cu(NO3)2+NO+H2O");
    w.Find<QPushButton>("WeightBtn")->click();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O"));
    w.Find<QPushButton>("WeightBtn")->click();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O"));
    QCOMPARE(Column(w, 1), (QStringList{"3", "8", "3", "2", "4"}));
    QVERIFY(messages.Shown.empty());
}

void TestWorkflow::failing_reactions_show_their_message_in_the_interface_language_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("message");

    const QString invalid = "Invalid reaction";
    const QString invalidFa = QString::fromUtf8("واکنش غلط است");
    const QString cannot =
        "Can not balance this reaction\rIt may be has more than one answer or it is more than "
        "one separate reaction.";
    const QString cannotFa =
        QString::fromUtf8("نمي توانم اين واکنش را موازنه کنم \r ممکن است اين واکنش بيش از يک "
                          "جواب داشته باشد يا بيش از يک واکنش مجزا باشد");
    // Which reactions fail, and how, is the core's (tst_balance); here the message.
    QTest::newRow("empty") << "" << false << invalid;
    QTest::newRow("two reactions in one") << "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O" << false << cannot;
    QTest::newRow("farsi: empty") << "" << true << invalidFa;
    QTest::newRow("farsi: two reactions in one") << "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O" << true << cannotFa;
}

void TestWorkflow::failing_reactions_show_their_message_in_the_interface_language()
{
    QFETCH(QString, reaction);
    QFETCH(bool, farsi);
    QFETCH(QString, message);
    MessageRecorder messages;
    WindowFixture w;
    if (farsi)
        w->SettingsFarsiExecute();
    w->document()->setReactionText(reaction.toStdString());
    w->WeightBtnClick();
    QCOMPARE(messages.Texts(), QStringList{message});
    QCOMPARE(messages.Shown.front().Kind, MsgKind::Error);
    QCOMPARE(messages.Shown.front().Buttons, int(mbOK));
}

void TestWorkflow::symbols_without_a_weight_leave_empty_weight_cells()
{
    MessageRecorder messages;
    WindowFixture w;
    w.Find<TKOForm>("KOForm")->ChB->setChecked(false); // keep "Lr" as typed
    SetColumns(w, {"Formula", "Number", "Weight"}, {"5", "3", "4"});
    w.Grid()->setGridRowCount(4);
    for (int r = 1; r < 4; ++r)
        w.Grid()->setCell(2, r, "left over");
    w->document()->setReactionText("Lr+O2>Lr2O3");
    w->WeightBtnClick();
    QVERIFY(messages.Shown.empty());
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("4Lr+3O2>2Lr2O3"));
    QCOMPARE(Column(w, 2), (QStringList{"", "31.98", ""}));
}

void TestWorkflow::a_charged_formula_reads_left_to_right_in_the_farsi_grid()
{
    // Laid out right to left, Fe^3+ would show as +Fe^3; it stays right-aligned.
    WindowFixture w;
    w->SettingsFarsiExecute();
    SetColumns(w, {"F"}, {"5"});
    FillGrid(w, {{"F"}, {"Fe^3+"}, {QString::fromUtf8("مول")}, {"H2O"}});
    const QStyleOptionViewItem ion = w.View()->ShownCell(0, 1);
    QCOMPARE(ion.direction, Qt::LeftToRight);
    QCOMPARE(ion.displayAlignment & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute),
             Qt::AlignRight | Qt::AlignAbsolute);
    QCOMPARE(w.View()->ShownCell(0, 2).direction, Qt::RightToLeft);
    QCOMPARE(w.View()->ShownCell(0, 3).direction, Qt::RightToLeft); // no charge: as before
}

void TestWorkflow::a_failed_balance_leaves_the_grid_and_marks_the_document()
{
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Formula"}, {"5"});
    FillGrid(w, {{"Formula"}, {"kept"}});
    w->document()->setReactionText("2H2+O2");
    w->WeightBtnClick();
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("H2+O2"));
    QCOMPARE(Column(w, 0), QStringList{"kept"});
    QVERIFY(w->document()->isModified());
}

void TestWorkflow::calculate_grid_fills_empty_targets_from_other_rows_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("molBefore");
    QTest::addColumn<QStringList>("molAfter");

    // What the formulas give is the grid's (tst_grid); here the button and the document.
    const QString formula = "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)";
    QTest::newRow("row 1 from row 2, row 2 kept") << formula << QStringList{"", "4"} << QStringList{"8", "4"};
    QTest::newRow("nothing known, nothing written") << formula << QStringList{"", ""} << QStringList{"", ""};
    QTest::newRow("comma lines never apply")
        << "Mol(a),Mol(b)=Number(a),Number(b)" << QStringList{"", "4"} << QStringList{"", "4"};
}

void TestWorkflow::calculate_grid_fills_empty_targets_from_other_rows()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, molBefore);
    QFETCH(QStringList, molAfter);
    WindowFixture w;
    SetColumns(w, {"Mol", "Number"}, {"2", "3"});
    FillGrid(w, {{"Mol", "Number"}, {molBefore[0], "2"}, {molBefore[1], "1"}});
    w->document()->setFormulas({formula.toStdString()});
    w->document()->setModified(false);
    w.Find<QPushButton>("CalGrid")->click();
    QCOMPARE(Column(w, 0), molAfter);
    QCOMPARE(Column(w, 1), (QStringList{"2", "1"}));
    QVERIFY(w->document()->isModified());
}

void TestWorkflow::a_single_substance_row_changes_nothing_but_marks_the_document()
{
    WindowFixture w;
    SetColumns(w, {"Mol", "Mass"}, {"2", "2"});
    FillGrid(w, {{"Mol", "Mass"}, {"2", ""}});
    w->document()->setFormulas({"#Mass(a)=#Mol(a)*10"});
    w->document()->setModified(false);
    w->CalGridClick();
    QCOMPARE(Column(w, 1), QStringList{""});
    QVERIFY(w->document()->isModified());
}

void TestWorkflow::shipped_defaults_work_out_moles_and_masses_in_two_clicks()
{
    WindowFixture w(QString(), false);
    w->SetDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    QCOMPARE(w.Grid()->cell(0, 0), QString("Formula"));
    TypeReaction(w, "fe=o2 fe2o3");
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("4Fe+3O2>2Fe2O3"));
    // 11.17 g of iron: 0.2 mol.
    w.Grid()->setCell(4, 1, "11.1694");
    w->CalGridClick();
    w->CalGridClick();
    QCOMPARE(Column(w, 3).mid(0, 3), (QStringList{"0.2", "0.15", "0.1"}));
    QCOMPARE(Column(w, 4).mid(1, 2), (QStringList{"4.797", "15.9664"}));
}

void TestWorkflow::small_amounts_fill_every_cell_that_large_ones_fill_data()
{
    QTest::addColumn<QString>("mass");
    QTest::newRow("100 g") << "100";
    // Regression: a result in E notation (6.26315262050306E-5 mol) split at the minus
    // sign of its exponent in the next formula, and every cell after it stayed empty.
    QTest::newRow("0.01 g") << "0.01";
    QTest::newRow("0.00001 g") << "0.00001";
}

void TestWorkflow::small_amounts_fill_every_cell_that_large_ones_fill()
{
    QFETCH(QString, mass);
    WindowFixture w(QString(), false);
    w->SetDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    TypeReaction(w, "fe=o2 fe2o3");
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    w.Grid()->setCell(4, 3, mass); // the mass of Fe2O3
    while (w->document()->calculateGrid()) {
    }
    // Mol, Mass and Volume of all three substances, in proportion to the mass given.
    for (int col = 3; col <= 5; ++col) {
        for (int row = 1; row <= 3; ++row) {
            const std::optional<long double> value = ParseRealNumber(w.Grid()->cell(col, row).toStdString());
            QVERIFY2(value, qPrintable(QString("column %1, row %2").arg(col).arg(row)));
            if (col == 4 && row == 1) // 4 Fe in 2 Fe2O3: 223.388 g of 319.328 g
                QCOMPARE(double(*value / mass.toDouble()), 223.388 / 319.328);
        }
    }
}

void TestWorkflow::recalculate_follows_a_changed_given_mass_and_marks_worked_out_cells()
{
    MessageRecorder messages;
    WindowFixture w(QString(), false);
    w->SetDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    TypeReaction(w, "CH4+O2>CO2+H2O");
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("CH4+2O2>CO2+2H2O"));
    // Formula, Number, Weight, Mol, Mass, Volume; the rows CH4, O2, CO2, H2O.
    const int mol = 3;
    const int mass = 4;
    GridModel* grid = w.Grid();

    TypeIntoGrid(w, "10", mass, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    w.Find<QPushButton>("CalGrid")->click();
    QVERIFY2(grid->cell(mass, 2).startsWith("39.85"), qPrintable(grid->cell(mass, 2)));

    TypeIntoGrid(w, "20", mass, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    QCOMPARE(grid->cell(mass, 1), QString("20"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5); // Recalculate Grid
    QVERIFY2(grid->cell(mass, 2).startsWith("79.70"), qPrintable(grid->cell(mass, 2)));
    // No old value is left: the grid is what 20 g alone works out to.
    GridCells fresh = grid->cells();
    for (size_t r = 1; r < fresh.size(); ++r)
        for (size_t c = mol; c < fresh[r].size(); ++c)
            if (!(c == mass && r == 1))
                fresh[r][c].clear();
    for (GridCells before; before != fresh;) {
        before = fresh;
        CalculateGrid(fresh, w->document()->formulas());
    }
    QCOMPARE(grid->cells(), fresh);
    QVERIFY(messages.Shown.empty());

    // Worked out are the cells the formulas filled; the typed mass and Balance's columns are given.
    for (int r = 1; r < grid->gridRowCount(); ++r)
        for (int c = 0; c < grid->gridColumnCount(); ++c)
            QVERIFY2(grid->isWorkedOut(c, r) == (c >= mol && !(c == mass && r == 1)),
                     qPrintable(QString("column %1, row %2").arg(c).arg(r)));
    // They are drawn apart from the given ones, in a colour that reads on light and dark cells.
    const QStyleOptionViewItem workedOut = w.View()->ShownCell(mass, 2);
    const QStyleOptionViewItem given = w.View()->ShownCell(mass, 1);
    QVERIFY(workedOut.font.italic() && !given.font.italic());
    QCOMPARE(workedOut.palette.color(QPalette::Text), TCellDelegate::WorkedOutColor(given.palette));
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    for (const QColor base : {QColor(Qt::white), QColor(0x2B, 0x2B, 0x2B), QColor(Qt::black)}) {
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        const double a = luminance(TCellDelegate::WorkedOutColor(palette)) + 0.05;
        const double b = luminance(base) + 0.05;
        QVERIFY2(std::max(a, b) / std::min(a, b) >= 4.5, qPrintable(base.name()));
    }

    // Typing into a worked-out cell makes it a given one.
    TypeIntoGrid(w, "5", mol, 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    QVERIFY(!grid->isWorkedOut(mol, 3));
    QVERIFY(grid->isWorkedOut(mol, 2));
}

void TestWorkflow::precise_atomic_weights_apply_to_balance_and_are_kept()
{
    {
        WindowFixture w;
        SetColumns(w, {"Formula", "Weight"}, {"5", "4"});
        QAction* precise = w.Action("SettingsPreciseWeights");
        QVERIFY(!precise->isChecked());
        w->document()->setReactionText("H2+O2>H2O");
        w->WeightBtnClick();
        QCOMPARE(Column(w, 1), (QStringList{"2.02", "31.98", "18.01"}));
        precise->trigger();
        w->WeightBtnClick();
        QCOMPARE(Column(w, 1), (QStringList{"2.016", "31.998", "18.015"}));
    }
    WindowFixture next; // the choice is kept for the next start
    QVERIFY(next.Action("SettingsPreciseWeights")->isChecked());
    next.Action("SettingsPreciseWeights")->trigger();
    WindowFixture third;
    QVERIFY(!third.Action("SettingsPreciseWeights")->isChecked());
}

void TestWorkflow::cells_take_only_the_keys_of_their_column_type_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");

    QTest::newRow("integer drops the point") << "1"
                                             << "12.5"
                                             << "125";
    QTest::newRow("real keeps the point") << "2"
                                          << "12.5"
                                          << "12.5";
    QTest::newRow("substance number drops letters") << "3"
                                                    << "2x"
                                                    << "2";
    QTest::newRow("atomic weight drops letters") << "4"
                                                 << "a18.0b1"
                                                 << "18.01";
    QTest::newRow("text takes everything") << "0"
                                           << "a<b, c"
                                           << "a<b, c";
    QTest::newRow("formula takes everything") << "5"
                                              << "Fe2(SO4)3"
                                              << "Fe2(SO4)3";
    // A document stores Windows-1256: the minus sign and the Greek delta would be lost.
    QTest::newRow("text drops what a document cannot store")
        << "0" << QString::fromUtf8("\u0394H\u00b0=\u2212286 \u06a9\u06cc")
        << QString::fromUtf8("H\u00b0=286 \u06a9\u06cc");
}

void TestWorkflow::cells_take_only_the_keys_of_their_column_type()
{
    QFETCH(QString, type);
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Item"}, {type.toStdString()});
    TypeIntoGrid(w, typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    QCOMPARE(w.Grid()->cell(0, 1), cell);
    QVERIFY(w->document()->isModified());
    if (type == "0") { // pasted text goes through the same rule
        TypeIntoGrid(w, "x");
        QApplication::clipboard()->setText(typed);
        qobject_cast<QLineEdit*>(QApplication::focusWidget())->paste();
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), "x" + cell);
    }
}

void TestWorkflow::a_number_that_does_not_convert_is_reported_and_kept()
{
    WindowFixture w;
    SetColumns(w, {"Mol"}, {"2"});
    // The real box over the window, closed with Enter as a user would.
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text() + (box->icon() == QMessageBox::Critical ? " (error)" : "");
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    closer.start(10);
    TypeIntoGrid(w, "1.2.");
    QTRY_COMPARE(shown, QStringList{"Invalid number (error)"});
    // The window is active again (the window manager's part) and the editor still open with
    // the text as typed: the user goes on typing.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("1.2."));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::qWait(10);
    QCOMPARE(w.Grid()->cell(0, 1), QString("1.2"));
    QCOMPARE(shown.size(), 1);
}

void TestWorkflow::clearing_a_numeric_cell_only_marks_the_document()
{
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Mol"}, {"2"});
    w->document()->setModified(false);
    w->GridSetEditText(0, 1, QString());
    QTest::qWait(10);
    QVERIFY(messages.Shown.empty());
    QVERIFY(w->document()->isModified());
}

void TestWorkflow::dragging_the_line_under_a_row_resizes_the_row()
{
    WindowFixture w;
    w.Grid()->setGridRowCount(3);
    QWidget* cells = w.View()->viewport();
    const int before = w.View()->rowHeight(0);
    const int line = w.View()->rowViewportPosition(0) + before;
    const auto send = [cells](QEvent::Type type, int y) {
        QMouseEvent event(type, QPointF(30, y), cells->mapToGlobal(QPointF(30, y)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cells, &event);
    };
    send(QEvent::MouseButtonPress, line - 1);
    send(QEvent::MouseMove, line + 14);
    send(QEvent::MouseButtonRelease, line + 14);
    QCOMPARE(w.View()->rowHeight(0), before + 15);
    QCOMPARE(w.View()->rowHeight(1), before);
    QVERIFY(!w.View()->selectionModel()->hasSelection());
    // Away from a line, a press selects a cell as usual.
    send(QEvent::MouseButtonPress, w.View()->rowViewportPosition(1) + 8);
    send(QEvent::MouseButtonRelease, w.View()->rowViewportPosition(1) + 8);
    QCOMPARE(w.View()->currentIndex().row(), 1);
}

void TestWorkflow::a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("60 pixels") << 60;
    QTest::newRow("the shipped Mol column, 110 pixels") << 110;
}

void TestWorkflow::a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole()
{
    QFETCH(int, width);
    WindowFixture w(QString(), false);
    w->SetDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults")); // the grid font users see
    w.Start();
    SetColumns(w, {"Mol"}, {"2"});
    const QString full = "0.623052959501558";
    w.Grid()->setCell(0, 1, full);
    w.Grid()->setColumnWidth(0, width);
    const QStyleOptionViewItem shown = w.View()->ShownCell(0, 1);
    // Rounded to the digits that fit (0.6231 rather than 0.6230), and so short that the style
    // draws it whole: laid out as the style lays it out, it fits the room the style leaves.
    QVERIFY2(shown.text.size() >= 3 && (width > 60 || shown.text.size() < full.size()),
             qPrintable(shown.text));
    QCOMPARE(shown.text, QString::fromStdString(FormatGeneral(full.toDouble(), int(shown.text.size()) - 2)));
    QTextLayout layout(shown.text, shown.font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1000);
    layout.endLayout();
    const QStyle* style = w.View()->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w.View()) + 1;
    QVERIFY(line.naturalTextWidth() <=
            style->subElementRect(QStyle::SE_ItemViewItemText, &shown, w.View()).width() - 2 * margin);
    QCOMPARE(w.Grid()->cell(0, 1), full);
    QCOMPARE(w.View()->model()->index(0, 0).data(Qt::EditRole).toString(), full);
    // The full value is the cell's tooltip.
    const QRect cell = w.View()->visualRect(w.View()->model()->index(0, 0));
    QHelpEvent help(QEvent::ToolTip, cell.center(), w.View()->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(w.View()->viewport(), &help);
    QCOMPARE(QToolTip::text(), full);
    // In a wide column the whole text shows.
    w.Grid()->setColumnWidth(0, 300);
    QCOMPARE(w.View()->ShownCell(0, 1).text, full);
}

void TestWorkflow::headers_start_at_the_reading_side_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English, from the left") << false;
    QTest::newRow("Farsi, from the right, as the cells") << true;
}

void TestWorkflow::headers_start_at_the_reading_side()
{
    QFETCH(bool, farsi);
    WindowFixture w;
    if (farsi)
        w->SettingsFarsiExecute();
    SetColumns(w, {"Mol"}, {"2"});
    w.Grid()->setColumnWidth(0, 200);
    QHeaderView* header = w.View()->horizontalHeader();
    const QImage image = header->grab().toImage();
    const int left = header->sectionViewportPosition(0);
    int inkLeft = left + 200, inkRight = left;
    for (int y = 2; y < header->height() - 2; ++y)
        for (int x = left + 2; x < left + 198; ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    QVERIFY2(farsi ? inkLeft > left + 150 : inkRight < left + 50,
             qPrintable(QString::number(inkLeft - left)));
}

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
