// SPDX-License-Identifier: GPL-3.0-or-later
// The program's purpose through the real window: type a quantity and calculate the grid.

#include "document/ShownCells.h"
#include "grid/FormulaEvaluator.h"
#include "grid/FormulaLine.h"
#include "grid/GridCalculation.h"
#include "tests/common/GridHelpers.h"
#include "ui/grid/CellDelegate.h"
#include "ui/grid/GridView.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <map>

class TestCalculateWorkflow : public WindowTest
{
    Q_OBJECT

  private slots:
    void calculate_grid_fills_empty_targets_from_other_rows_data();
    void calculate_grid_fills_empty_targets_from_other_rows();
    void a_single_substance_row_changes_nothing();
    void shipped_defaults_work_out_moles_and_masses_in_two_clicks();
    void small_amounts_fill_every_cell_that_large_ones_fill_data();
    void small_amounts_fill_every_cell_that_large_ones_fill();
    void recalculate_follows_a_changed_given_mass_and_marks_worked_out_cells();
    void a_long_recalculation_shows_its_progress_and_cancel_leaves_the_grid();
    void precise_atomic_weights_apply_to_balance_and_are_kept();
    void a_teachers_steps_keep_every_number_consistent();
};

void TestCalculateWorkflow::calculate_grid_fills_empty_targets_from_other_rows_data()
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

void TestCalculateWorkflow::calculate_grid_fills_empty_targets_from_other_rows()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, molBefore);
    QFETCH(QStringList, molAfter);
    WindowFixture w;
    SetColumns(w, {"Mol", "Number"}, {"2", "3"});
    FillGrid(w, {{"Mol", "Number"}, {molBefore[0], "2"}, {molBefore[1], "1"}});
    w.EditOptions([&formula](DocumentOptions& options) { options.Formulas = {formula.toStdString()}; });
    w.MarkSaved();
    w.Find<QPushButton>("calculateButton")->click();
    QCOMPARE(Column(w, 0), molAfter);
    QCOMPARE(Column(w, 1), (QStringList{"2", "1"}));
    // A calculation that wrote nothing leaves a saved document unmodified.
    QCOMPARE(w->document()->isModified(), molAfter != molBefore);
}

void TestCalculateWorkflow::a_single_substance_row_changes_nothing()
{
    WindowFixture w;
    SetColumns(w, {"Mol", "Mass"}, {"2", "2"});
    FillGrid(w, {{"Mol", "Mass"}, {"2", ""}});
    w.EditOptions([](DocumentOptions& options) { options.Formulas = {"#Mass(a)=#Mol(a)*10"}; });
    w.MarkSaved();
    w->findChild<QPushButton*>("calculateButton")->click();
    QCOMPARE(Column(w, 1), QStringList{""});
    QVERIFY(!w->document()->isModified());
}

void TestCalculateWorkflow::shipped_defaults_work_out_moles_and_masses_in_two_clicks()
{
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    QCOMPARE(w.Grid()->cell(0, 0), QString("Formula"));
    TypeReaction(w, "fe=o2 fe2o3");
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(w->document()->reactionText()), QString("4Fe+3O2>2Fe2O3"));
    // 11.17 g of iron: 0.2 mol.
    w.Doc()->setCell(4, 1, "11.169");
    w->findChild<QPushButton*>("calculateButton")->click();
    w->findChild<QPushButton*>("calculateButton")->click();
    QCOMPARE(Column(w, 3).mid(0, 3), (QStringList{"0.2", "0.15", "0.1"}));
    QCOMPARE(Column(w, 4).mid(1, 2), (QStringList{"4.7997", "15.9687"}));
}

void TestCalculateWorkflow::small_amounts_fill_every_cell_that_large_ones_fill_data()
{
    QTest::addColumn<QString>("mass");
    QTest::newRow("100 g") << "100";
    // Regression: a result in E notation (6.26315262050306E-5 mol) split at the minus
    // sign of its exponent in the next formula, and every cell after it stayed empty.
    QTest::newRow("0.01 g") << "0.01";
    QTest::newRow("0.00001 g") << "0.00001";
}

void TestCalculateWorkflow::small_amounts_fill_every_cell_that_large_ones_fill()
{
    QFETCH(QString, mass);
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    TypeReaction(w, "fe=o2 fe2o3");
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    w.Doc()->setCell(4, 3, mass); // the mass of Fe2O3
    w->document()->calculateUntilSettled();
    // Mol, Mass and Volume of all three substances, in proportion to the mass given.
    for (int col = 3; col <= 5; ++col) {
        for (int row = 1; row <= 3; ++row) {
            const std::optional<long double> value = ParseRealNumber(w.Grid()->cell(col, row).toStdString());
            QVERIFY2(value, qPrintable(QString("column %1, row %2").arg(col).arg(row)));
            if (col == 4 && row == 1) // 4 Fe in 2 Fe2O3: 223.38 g of 319.374 g
                QCOMPARE(double(*value / mass.toDouble()), 223.38 / 319.374);
        }
    }
}

void TestCalculateWorkflow::recalculate_follows_a_changed_given_mass_and_marks_worked_out_cells()
{
    MessageRecorder messages;
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
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
    w.Find<QPushButton>("calculateButton")->click();
    QVERIFY2(grid->cell(mass, 2).startsWith("39.89"), qPrintable(grid->cell(mass, 2)));

    TypeIntoGrid(w, "20", mass, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    QCOMPARE(grid->cell(mass, 1), QString("20"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5); // Recalculate Grid
    QVERIFY2(grid->cell(mass, 2).startsWith("79.78"), qPrintable(grid->cell(mass, 2)));
    // No old value is left: the grid is what 20 g alone works out to.
    GridCells fresh = w->document()->document().cells();
    for (size_t r = 1; r < fresh.size(); ++r)
        for (size_t c = mol; c < fresh[r].size(); ++c)
            if (!(c == mass && r == 1))
                fresh[r][c].clear();
    for (GridCells before; before != fresh;) {
        before = fresh;
        CalculateGrid(fresh, WithSheetConstants(w->document()->formulas()));
    }
    QCOMPARE(w->document()->document().cells(), fresh);
    QVERIFY(messages.Shown.empty());

    // Worked out are the cells the formulas filled; the typed mass and Balance's columns are given.
    for (int r = 1; r < grid->gridRowCount(); ++r)
        for (int c = 0; c < grid->gridColumnCount(); ++c)
            QVERIFY2(grid->isWorkedOut(c, r) == (c >= mol && !(c == mass && r == 1)),
                     qPrintable(QString("column %1, row %2").arg(c).arg(r)));
    // They are drawn apart from the given ones, in a colour that reads on light and dark cells.
    const QStyleOptionViewItem workedOut = w.View()->shownCell(mass, 2);
    const QStyleOptionViewItem given = w.View()->shownCell(mass, 1);
    QVERIFY(workedOut.font.italic() && !given.font.italic());
    QCOMPARE(workedOut.palette.color(QPalette::Text), CellDelegate::workedOutColor(given.palette));
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    for (const QColor base : {QColor(Qt::white), QColor(0x2B, 0x2B, 0x2B), QColor(Qt::black)}) {
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        const double a = luminance(CellDelegate::workedOutColor(palette)) + 0.05;
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

void TestCalculateWorkflow::a_long_recalculation_shows_its_progress_and_cancel_leaves_the_grid()
{
    WindowFixture w;
    // Only row a + 1 gives row a its value (0! is 1, 13! fails), so every sweep fills one row
    // and Recalculate runs to its work limit, longer than the moment before the progress shows.
    QList<QStringList> rows{{"Id", "X"}};
    for (int r = 1; r <= 3000; ++r)
        rows << QStringList{QString::number(r), r == 3000 ? "1" : ""};
    SetColumns(w, rows.front(), {"0", "0"});
    FillGrid(w, rows);
    w.EditOptions(
        [](DocumentOptions& options) { options.Formulas = {"#X(a)=#X(b)*(((#Id(b)-#Id(a)-1)^2*13)!)"}; });
    const GridCells before = w->document()->document().cells();
    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* progress = w->findChild<QProgressDialog*>(); progress && progress->isVisible()) {
            shown = true;
            progress->findChild<QPushButton*>()->click();
        }
    });
    watch.start(20);
    w->commandAction("recalculateGrid")->trigger();
    // A fast machine reaches the work limit before the progress shows, or before its Cancel.
    if (!shown || w->statusBar()->currentMessage() == "The grid is too large to calculate completely")
        QSKIP("this machine recalculated the chain before it could be cancelled");
    QCOMPARE(w->statusBar()->currentMessage(), QString("Calculation cancelled; the grid is as it was"));
    QCOMPARE(w->document()->document().cells(), before);
}

void TestCalculateWorkflow::precise_atomic_weights_apply_to_balance_and_are_kept()
{
    {
        WindowFixture w;
        SetColumns(w, {"Formula", "Weight"}, {"5", "4"});
        // The IUPAC weights unless the former two-decimal table is chosen; the sheet follows.
        QAction* precise = w.Action("preciseWeights");
        QVERIFY(precise->isChecked());
        w->document()->setReaction("H2+O2>H2O");
        w->findChild<QPushButton*>("balanceButton")->click();
        QCOMPARE(Column(w, 1), (QStringList{"2.016", "31.998", "18.015"}));
        precise->trigger();
        QCOMPARE(Column(w, 1), (QStringList{"2.02", "31.98", "18.01"}));
        w->findChild<QPushButton*>("balanceButton")->click();
        QCOMPARE(Column(w, 1), (QStringList{"2.02", "31.98", "18.01"}));
    }
    WindowFixture next; // the choice is kept for the next start
    QVERIFY(!next.Action("preciseWeights")->isChecked());
    next.Action("preciseWeights")->trigger();
    WindowFixture third;
    QVERIFY(third.Action("preciseWeights")->isChecked());
}

namespace {
long double Number(const WindowFixture& w, int column, int row)
{
    return *ParseRealNumber(w.Grid()->cell(column, row).toStdString());
}

bool Near(long double a, long double b)
{
    return std::fabs(a - b) <= 1e-9L * std::max<long double>(1, std::max(std::fabs(a), std::fabs(b)));
}
} // namespace

void TestCalculateWorkflow::a_teachers_steps_keep_every_number_consistent()
{
    // The shipped sheet: Formula, Number, Weight, Mol, Mass, Volume; rows H2, O2, H2O.
    enum Column
    {
        Formula,
        Coefficient,
        Weight,
        Mol,
        Mass,
        Volume
    };
    using Kind = CellNote::Kind;
    struct Step
    {
        const char* What;
        int Row;          // the mass typed into this row's cell
        const char* Text; // empty: the cell emptied with Delete; null: the weights switched
        const char* Limiting;
        std::vector<std::pair<int, Kind>> Notes; // rows with a note beside their mass
    };
    const Step steps[] = {
        {"one given amount", 1, "4", "", {}},
        {"a change", 1, "6", "", {}},
        {"a second given amount", 2, "16", "O₂", {{1, Kind::Excess}}},
        {"a product's actual amount", 3, "15", "O₂", {{1, Kind::Excess}, {3, Kind::Yield}}},
        {"the weights switched", 0, nullptr, "O₂", {{1, Kind::Excess}, {3, Kind::Yield}}},
        {"a given amount cleared", 2, "", "", {{3, Kind::Yield}}},
        {"more product than can form", 3, "100", "", {{3, Kind::Contradicts}}},
    };
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    w.Start();
    TypeReaction(w, "h2=o2 h2o");
    QTest::keyClick(w.KeyBox(), Qt::Key_Return);
    const Document& doc = w->document()->document();
    const auto* limiting = w->statusBar()->findChild<QLabel*>("limitingReactant");
    for (const Step& step : steps) {
        const QString oxygen = w.Grid()->cell(Weight, 2);
        if (!step.Text) {
            w.Action("preciseWeights")->trigger();
            QVERIFY(w.Grid()->cell(Weight, 2) != oxygen);
        } else if (*step.Text) {
            TypeIntoGrid(w, step.Text, Mass, step.Row);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::qWait(10); // the editor's text is committed after the key
        } else {
            w.View()->setCurrentIndex(w.Grid()->index(step.Row - 1, Mass));
            QTest::keyClick(w.View(), Qt::Key_Delete);
            QCOMPARE(w.Action("undo")->text(), QString("&Undo Delete")); // one step, whatever it works out
        }
        if (&step == &steps[0])
            w.Find<QPushButton>("calculateButton")->click();
        std::map<int, Kind> notes;
        for (const CellNote& note : doc.notes())
            notes[note.Row] = note.What;
        QCOMPARE(notes, (std::map<int, Kind>(step.Notes.begin(), step.Notes.end())));
        // Every row agrees with itself, its mass and volume with its moles, but for a given
        // amount marked as contradicting the others.
        long double extent = -1; // moles per coefficient where nothing is noted
        for (int r = 1; r <= 3; ++r) {
            const long double mol = Number(w, Mol, r);
            const auto note = notes.find(r);
            const bool contradicts = note != notes.end() && note->second == Kind::Contradicts;
            QVERIFY2(contradicts || Near(Number(w, Mass, r), mol * Number(w, Weight, r)), step.What);
            QVERIFY2(Near(Number(w, Volume, r), mol * 8.314462618L * 273.15L / 101.325L), step.What);
            if (note == notes.end() || contradicts) {
                const long double own = mol / Number(w, Coefficient, r);
                QVERIFY2(extent < 0 || Near(extent, own), step.What);
                extent = own;
            }
        }
        // What is left over, the yield: against the amount the others decide.
        for (const CellNote& note : doc.notes()) {
            const int r = note.Row;
            const long double decided = extent * Number(w, Coefficient, r) * Number(w, Weight, r);
            const long double value = note.Value.empty() ? 0 : *ParseRealNumber(note.Value);
            if (note.What == Kind::Excess)
                QVERIFY2(Near(Number(w, Mass, r) - value, decided), step.What);
            else if (note.What == Kind::Yield)
                QVERIFY2(Near(value, Number(w, Mass, r) / decided * 100), step.What);
            else
                QVERIFY2(Number(w, Mass, r) > decided, step.What);
            const QString said = w.Grid()->index(r - 1, Mass).data(GridModel::NoteRole).toString();
            QVERIFY2(!said.isEmpty() && w.View()->shownCell(Mass, r).text.contains(said), step.What);
        }
        // Worked-out numbers are shown right-aligned, to the figures of the given ones, their
        // trailing zeros kept (7.00, not 7).
        for (int r = 1; r <= 3; ++r) {
            const QStyleOptionViewItem shown = w.View()->shownCell(Volume, r);
            QVERIFY(shown.displayAlignment & Qt::AlignRight);
            const int figures = SignificantFiguresOf(shown.text.toStdString());
            QVERIFY2(figures == ShownSignificantFigures(doc) || !shown.text.contains('.'), step.What);
        }
        QCOMPARE(limiting->text(),
                 *step.Limiting ? QStringLiteral("Limiting reactant: ") + QString::fromUtf8(step.Limiting)
                                : QString());
        // The command line works out the same cells from the given ones.
        Document alone;
        DocumentContent given = doc.content();
        for (const auto& [column, row] : doc.workedOutCells())
            given.Data.Cells[size_t(row)][size_t(column)].clear();
        alone.restore(given);
        alone.calculateUntilSettled();
        QVERIFY2(alone.cells() == doc.cells(), step.What);
    }
}

QTEST_MAIN(TestCalculateWorkflow)
#include "tst_calculate_workflow.moc"
