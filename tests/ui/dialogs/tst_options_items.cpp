// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog driven through its real widgets on a started main window: the items of
// the grid and the formulas.

#include "tests/ui/dialogs/OptionsDialogTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class TestOptionsItems : public OptionsDialogTest
{
    Q_OBJECT

  private slots:
    void moving_an_item_moves_its_definition_but_not_the_cells_data();
    void moving_an_item_moves_its_definition_but_not_the_cells();
    void a_repeated_name_becomes_item_and_its_index_data();
    void a_repeated_name_becomes_item_and_its_index();
    void the_item_editors_rewrite_the_selected_entry();
    void deleting_every_item_leaves_the_first_column_as_it_was();
    void a_new_formula_targets_the_first_column();
    void formula_editors_follow_the_selected_entry_data();
    void formula_editors_follow_the_selected_entry();
};

namespace {
void ClickEntry(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}
} // namespace

void TestOptionsItems::moving_an_item_moves_its_definition_but_not_the_cells_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("editorName");
    QTest::newRow("middle up") << 1 << "GIUp" << QStringList{"B", "A", "C"} << "B";
    QTest::newRow("middle down") << 1 << "GIDown" << QStringList{"A", "C", "B"} << "B";
    QTest::newRow("top stays") << 0 << "GIUp" << QStringList{"A", "B", "C"} << "A";
    QTest::newRow("bottom stays") << 2 << "GIDown" << QStringList{"A", "B", "C"} << "C";
}

void TestOptionsItems::moving_an_item_moves_its_definition_but_not_the_cells()
{
    QFETCH(int, selected);
    QFETCH(QString, button);
    QFETCH(QStringList, order);
    QFETCH(QString, editorName);
    SetColumns(Window->Window, {{"A", "0", 50}, {"B", "1", 60}, {"C", "2", 70}});
    const QMap<QString, std::pair<QString, int>> definition = {
        {"A", {"0", 50}}, {"B", {"1", 60}}, {"C", {"2", 70}}};
    Show();
    auto* list = Find<QListWidget>("GIList");
    ClickEntry(list, selected);
    Click(button.toLatin1());
    QCOMPARE(Find<QLineEdit>("GIName")->text(), editorName);
    Click("OK");
    QCOMPARE(Headers(Window->Window), order);
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(QString::fromStdString((*Window)->document()->document().typesList()[c]),
                 definition[order[c]].first);
        QCOMPARE((*Window)->document()->grid()->columnWidth(c), definition[order[c]].second);
    }
    // The data cells stay in their column positions.
    QCOMPARE((*Window)->document()->grid()->cell(0, 1), QString("A1"));
    QCOMPARE((*Window)->document()->grid()->cell(1, 1), QString("B1"));
    QCOMPARE((*Window)->document()->grid()->cell(2, 1), QString("C1"));
}

void TestOptionsItems::a_repeated_name_becomes_item_and_its_index_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("Mol and mol") << QStringList{"Mol", "mol"} << QStringList{"Mol", "Item 1"};
    QTest::newRow("third repeats first")
        << QStringList{"Mass", "Mol", "MASS"} << QStringList{"Mass", "Mol", "Item 2"};
    QTest::newRow("different names") << QStringList{"Mol", "Mass"} << QStringList{"Mol", "Mass"};
}

void TestOptionsItems::a_repeated_name_becomes_item_and_its_index()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, headers);
    std::vector<Column> columns;
    for (int i = 0; i < names.size(); ++i)
        columns.push_back({QString("c%1").arg(i), "0", 100});
    SetColumns(Window->Window, columns);
    Show();
    auto* list = Find<QListWidget>("GIList");
    for (int i = 0; i < names.size(); ++i) {
        ClickEntry(list, i);
        Retype(Find<QLineEdit>("GIName"), names[i]);
        QCOMPARE(list->item(i)->text(), names[i] + ":0=100");
    }
    Click("OK");
    QCOMPARE(Headers(Window->Window), headers);
}

void TestOptionsItems::the_item_editors_rewrite_the_selected_entry()
{
    SetColumns(Window->Window, {{"Mol", "0", 100}});
    Show();
    auto* list = Find<QListWidget>("GIList");
    Click("GINew");
    QCOMPARE(list->currentItem()->text(), QString("New Item:0=100"));
    QCOMPARE(Find<QLineEdit>("GIName")->text(), QString("New Item"));
    Retype(Find<QLineEdit>("GIName"), "Mass");
    Find<QComboBox>("GIType")->setCurrentIndex(4);
    Retype(Find<QLineEdit>("GIWidth"), "");
    QCOMPARE(list->currentItem()->text(), QString("Mass:4="));
    Click("OK");
    QCOMPARE(Headers(Window->Window), (QStringList{"Mol", "Mass"}));
    QCOMPARE((*Window)->document()->document().typesList()[1], std::string("4"));
    QCOMPARE((*Window)->document()->grid()->columnWidth(1), 100); // an empty width gives 100
}

void TestOptionsItems::deleting_every_item_leaves_the_first_column_as_it_was()
{
    SetColumns(Window->Window, {{"First", "3", 77}, {"Second", "1", 120}});
    Show();
    auto* list = Find<QListWidget>("GIList");
    ClickEntry(list, 1);
    Click("GIDelete");
    QCOMPARE(list->currentRow(), 0); // the last entry was removed: the new last one
    QCOMPARE(Find<QLineEdit>("GIName")->text(), QString("First"));
    Click("GIDelete");
    QCOMPARE(list->count(), 0);
    QCOMPARE(Find<QLineEdit>("GIName")->text(), QString()); // no editor shows a gone entry
    Click("OK");
    QCOMPARE(Headers(Window->Window), QStringList{"First"});
    QCOMPARE((*Window)->document()->document().typesList()[0], std::string("3"));
    QCOMPARE((*Window)->document()->grid()->columnWidth(0), 77);
}

void TestOptionsItems::a_new_formula_targets_the_first_column()
{
    SetColumns(Window->Window, {{"Mol", "0", 100}, {"Mass", "2", 100}});
    Window->EditOptions([](DocumentOptions& options) { options.Formulas = {"#Mass(a)=#Mol(a)*2"}; });
    Show();
    auto* list = Find<QListWidget>("GFList");
    Click("GFNew");
    QCOMPARE(list->currentItem()->text(), QString("#Mol(a)=b*c"));
    QCOMPARE(Find<QComboBox>("GFN1")->currentText(), QString("#Mol(a)"));
    QCOMPARE(Find<QLineEdit>("GFN2")->text(), QString("b*c"));
    Find<QComboBox>("GFN1")->setCurrentIndex(1);
    Retype(Find<QLineEdit>("GFN2"), "#Mol(b)/2*3");
    // The dialog shows how the evaluator's operator order reads it.
    QVERIFY(Find<QLabel>("GFReading")->text().contains("#Mol(b)/(2*3)"));
    Retype(Find<QLineEdit>("GFN2"), "#Mol(b)/2");
    QCOMPARE(list->currentItem()->text(), QString("#Mass(a)=#Mol(b)/2"));
    Click("OK");
    QCOMPARE((*Window)->document()->formulas(),
             (std::vector<std::string>{"#Mass(a)=#Mol(a)*2", "#Mass(a)=#Mol(b)/2"}));
}

void TestOptionsItems::formula_editors_follow_the_selected_entry_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("target"); // shown by formulaTarget, empty when no column matches
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("afterTyping"); // the entry after typing "+1" into formulaExpression
    QTest::newRow("target in another case") << "#MOL(a)=2"
                                            << "#Mol(a)"
                                            << "2"
                                            << "#Mol(a)=2+1";
    QTest::newRow("second = stays in expression") << "#Mol(a)=a=b"
                                                  << "#Mol(a)"
                                                  << "a=b"
                                                  << "#Mol(a)=a=b+1";
    QTest::newRow("unknown target kept") << "#Gone(a)=3"
                                         << ""
                                         << "3"
                                         << "#Gone(a)=3+1";
    QTest::newRow("built-in comma form kept") << "Mol(a),Mol(b)=Number(a),Number(b)"
                                              << ""
                                              << "Number(a),Number(b)"
                                              << "Mol(a),Mol(b)=Number(a),Number(b)+1";
}

void TestOptionsItems::formula_editors_follow_the_selected_entry()
{
    QFETCH(QString, line);
    QFETCH(QString, target);
    QFETCH(QString, expression);
    QFETCH(QString, afterTyping);
    SetColumns(Window->Window, {{"Mol", "0", 100}});
    Window->EditOptions([&line](DocumentOptions& options) {
        options.Formulas = {"#Mol(a)=1", line.toStdString()};
    });
    Show();
    auto* list = Find<QListWidget>("GFList");
    ClickEntry(list, 1);
    QCOMPARE(Find<QComboBox>("GFN1")->currentText(), target);
    auto* gfn2 = Find<QLineEdit>("GFN2");
    QCOMPARE(gfn2->text(), expression);
    QCOMPARE(list->item(1)->text(), line); // loading the editors changes nothing
    gfn2->end(false);
    QTest::keyClicks(gfn2, "+1");
    QCOMPARE(list->item(1)->text(), afterTyping);
    Click("GFDelete");
    QCOMPARE(Entries(list), QStringList{"#Mol(a)=1"});
    QCOMPARE(gfn2->text(), QString("1"));
}

QTEST_MAIN(TestOptionsItems)
#include "tst_options_items.moc"
