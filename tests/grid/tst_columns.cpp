// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit-free grid library: column rules, item lines and Calculate Grid on plain text
// grids.

#include "grid/GridCalculation.h"
#include "grid/GridItems.h"

#include <QtTest>

class TestColumns : public QObject
{
    Q_OBJECT

  private slots:
    void checks_cell_texts_data();
    void checks_cell_texts();
    void filters_keys_by_column_type_data();
    void filters_keys_by_column_type();
    void missing_type_entries_read_as_text();
    void reads_item_lines_data();
    void reads_item_lines();
    void renames_duplicate_items_data();
    void renames_duplicate_items();
    void applies_item_lines_to_columns_and_types();
    void splits_formula_lines();
    void calculates_grid_data();
    void calculates_grid();
};

namespace {

// Grids are written as one string per row, cells separated by "|"; the first row is
// the header.
GridCells MakeGrid(const QStringList& rows)
{
    GridCells cells;
    for (const QString& row : rows) {
        GridRow cellsOfRow;
        for (const QString& cell : row.split(QLatin1Char('|')))
            cellsOfRow.push_back(cell.toStdString());
        cells.push_back(cellsOfRow);
    }
    return cells;
}

QStringList GridRows(const GridCells& cells)
{
    QStringList rows;
    for (const GridRow& row : cells) {
        QStringList texts;
        for (const std::string& cell : row)
            texts << QString::fromStdString(cell);
        rows << texts.join(QLatin1Char('|'));
    }
    return rows;
}

std::vector<std::string> ToStd(const QStringList& list)
{
    std::vector<std::string> result;
    for (const QString& text : list)
        result.push_back(text.toStdString());
    return result;
}

} // namespace

void TestColumns::checks_cell_texts_data()
{
    QTest::addColumn<QChar>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");

    // Whole numbers are 32-bit signed.
    QTest::newRow("integer") << QChar('1') << "12" << true;
    QTest::newRow("signed integer") << QChar('1') << "-2147483648" << true;
    QTest::newRow("integer max") << QChar('3') << "2147483647" << true;
    QTest::newRow("integer overflow") << QChar('3') << "2147483648" << false;
    QTest::newRow("integer underflow") << QChar('1') << "-2147483649" << false;
    QTest::newRow("integer with fraction") << QChar('1') << "12.5" << false;
    QTest::newRow("integer with blank") << QChar('1') << " 5" << false;
    QTest::newRow("empty integer") << QChar('3') << "" << true;
    // Real numbers use "." whatever the locale.
    QTest::newRow("real") << QChar('2') << "2.5" << true;
    QTest::newRow("real without integer part") << QChar('4') << ".5" << true;
    QTest::newRow("real with exponent") << QChar('2') << "1.5E-7" << true;
    QTest::newRow("real two separators") << QChar('2') << "1.2.3" << false;
    QTest::newRow("real with comma") << QChar('4') << "1,5" << false;
    QTest::newRow("real bare exponent") << QChar('2') << "1E" << false;
    QTest::newRow("real out of range") << QChar('2') << "1E5000" << false;
    QTest::newRow("real underflow reads as zero") << QChar('2') << "1E-5000" << true;
    QTest::newRow("real letters") << QChar('4') << "abc" << false;
    QTest::newRow("empty real") << QChar('2') << "" << true;
    // Text and formula columns are not checked.
    QTest::newRow("text") << QChar('0') << "abc" << true;
    QTest::newRow("formula") << QChar('5') << "H2O" << true;
}

void TestColumns::checks_cell_texts()
{
    QFETCH(QChar, type);
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QCOMPARE(CellTextConverts(type.toLatin1(), text.toStdString()), converts);
}

void TestColumns::filters_keys_by_column_type_data()
{
    QTest::addColumn<QChar>("type");
    QTest::addColumn<uint>("key");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("integer digit") << QChar('1') << uint('7') << true;
    QTest::newRow("integer backspace") << QChar('1') << 8u << true;
    QTest::newRow("integer point") << QChar('1') << uint('.') << false;
    QTest::newRow("integer minus") << QChar('1') << uint('-') << false;
    QTest::newRow("integer enter") << QChar('1') << 13u << false;
    QTest::newRow("number point") << QChar('3') << uint('.') << false;
    QTest::newRow("real point") << QChar('2') << uint('.') << true;
    QTest::newRow("real letter") << QChar('2') << uint('e') << false;
    QTest::newRow("weight comma") << QChar('4') << uint(',') << false;
    QTest::newRow("weight escape") << QChar('4') << 27u << false;
    QTest::newRow("weight Farsi digit") << QChar('4') << 0x06F5u << false;
    QTest::newRow("text letter") << QChar('0') << uint('x') << true;
    QTest::newRow("formula control key") << QChar('5') << 22u << true;
    QTest::newRow("text Farsi letter") << QChar('0') << 0x0645u << true;
    QTest::newRow("text Farsi yeh, saved as Arabic yeh") << QChar('0') << 0x06CCu << true;
    QTest::newRow("text minus sign, not in the code page") << QChar('0') << 0x2212u << false;
    QTest::newRow("formula emoji") << QChar('5') << 0x1F600u << false;
}

void TestColumns::filters_keys_by_column_type()
{
    QFETCH(QChar, type);
    QFETCH(uint, key);
    QFETCH(bool, accepted);
    QCOMPARE(GridKeyAccepts(type.toLatin1(), char32_t(key)), accepted);
}

void TestColumns::missing_type_entries_read_as_text()
{
    const std::vector<std::string> types{"1", "", "4"};
    QCOMPARE(TypeCodeAt(types, 0), '1');
    QCOMPARE(TypeCodeAt(types, 1), '0');
    QCOMPARE(TypeCodeAt(types, 2), '4');
    QCOMPARE(TypeCodeAt(types, 3), '0');
    QCOMPARE(TypeCodeAt(types, -1), '0');
}

void TestColumns::reads_item_lines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("type");
    QTest::addColumn<int>("width");

    QTest::newRow("new item") << "New Item:0=100"
                              << "New Item" << QChar('0') << 100;
    QTest::newRow("real column") << "Mol:2=80"
                                 << "Mol" << QChar('2') << 80;
    QTest::newRow("Farsi name") << QString::fromUtf8("مول:3=64") << QString::fromUtf8("مول") << QChar('3')
                                << 64;
    QTest::newRow("empty width") << "Mol:2="
                                 << "Mol" << QChar('2') << 100;
    QTest::newRow("width not a number") << "Mol:2=wide"
                                        << "Mol" << QChar('2') << 100;
    QTest::newRow("colon in name") << "a:b:0=50"
                                   << "a" << QChar('b') << 100;
    QTest::newRow("no type") << "Mol:"
                             << "Mol" << QChar('0') << 100;
    QTest::newRow("no colon") << "Mol"
                              << "Mol" << QChar('0') << 100;
}

void TestColumns::reads_item_lines()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QChar, type);
    QFETCH(int, width);
    const GridItem item = ParseItemLine(line.toStdString());
    QCOMPARE(QString::fromStdString(item.Name), name);
    QCOMPARE(item.Type, type.toLatin1());
    QCOMPARE(item.Width, width);
}

void TestColumns::renames_duplicate_items_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("other case") << QStringList{"Mol:2=100", "mol:2=100"} << QStringList{"Mol", "Item 1"};
    QTest::newRow("several") << QStringList{"A:0=1", "B:0=1", "a:0=1", "b:0=1"}
                             << QStringList{"A", "B", "Item 2", "Item 3"};
    QTest::newRow("renamed header counts as earlier")
        << QStringList{"x:0=1", "X:0=1", "item 1:0=1"} << QStringList{"x", "Item 1", "Item 2"};
    QTest::newRow("Farsi") << QStringList{QString::fromUtf8("مول:0=1"), QString::fromUtf8("مول:0=1")}
                           << QStringList{QString::fromUtf8("مول"), "Item 1"};
}

void TestColumns::renames_duplicate_items()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, names);
    QStringList actual;
    for (const GridItem& item : ItemsFromLines(ToStd(lines)))
        actual << QString::fromStdString(item.Name);
    QCOMPARE(actual, names);
}

void TestColumns::applies_item_lines_to_columns_and_types()
{
    std::vector<GridItem> columns{{"Mol", '2', 80}, {"Number", '3', 90}, {"Mass", '2', 70}};
    std::vector<std::string> types{"2", "3", "2", "4"};

    ApplyItemLines({"Number:3=90", "Mol:2=abc"}, columns, types);
    QCOMPARE(columns.size(), std::size_t(2));
    QCOMPARE(FormatItemLine(columns[1]), std::string("Mol:2=100"));
    // Surplus type entries stay: documents keep them.
    QCOMPARE(types, (std::vector<std::string>{"3", "2", "2", "4"}));
    QCOMPARE(ItemLinesOf({"Number", "Mol", "Extra"}, {90, 100}, {"3"}),
             (std::vector<std::string>{"Number:3=90", "Mol:0=100", "Extra:0=100"}));

    // Deleting every item leaves the first column as it was.
    ApplyItemLines({}, columns, types);
    QCOMPARE(columns.size(), std::size_t(1));
    QCOMPARE(FormatItemLine(columns[0]), std::string("Number:3=90"));
    QCOMPARE(types.size(), std::size_t(4));
}

void TestColumns::splits_formula_lines()
{
    using Split = std::pair<std::string, std::string>;
    QCOMPARE(SplitFormulaLine("#Mol(a)=#Mol(b)*2"), Split("#Mol(a)", "#Mol(b)*2"));
    QCOMPARE(SplitFormulaLine("a=b=c"), Split("a", "b=c"));
    QCOMPARE(SplitFormulaLine("no target"), Split("", "no target"));
    QCOMPARE(JoinFormulaLine(FormulaTargetOf("Mol"), "b*c"), std::string("#Mol(a)=b*c"));
}

void TestColumns::calculates_grid_data()
{
    QTest::addColumn<QStringList>("formulas");
    QTest::addColumn<QStringList>("grid");
    QTest::addColumn<QStringList>("expected");

    const QStringList molFromOther{"#Mol(a)=#Mol(b)*#Number(a)/#Number(b)"};

    // Amount of one substance from another's and the coefficients.
    QTest::newRow("mol from the other substance")
        << molFromOther << QStringList{"Mol|Number", "|2", "4|1"} << QStringList{"Mol|Number", "8|2", "4|1"};
    QTest::newRow("referenced cell empty")
        << molFromOther << QStringList{"Mol|Number", "|2", "|1"} << QStringList{"Mol|Number", "|2", "|1"};
    QTest::newRow("single substance row")
        << QStringList{"#Mol(a)=#Number(a)*2"} << QStringList{"Mol|Number", "|2"}
        << QStringList{"Mol|Number", "|2"};
    QTest::newRow("values written feed later pairs")
        << molFromOther << QStringList{"Mol|Number", "|2", "4|1", "|4"}
        << QStringList{"Mol|Number", "8|2", "4|1", "16|4"};
    QTest::newRow("Farsi names") << QStringList{QString::fromUtf8("#مول(a)=#مول(b)*2")}
                                 << QStringList{QString::fromUtf8("مول|Number"), "|", "3|"}
                                 << QStringList{QString::fromUtf8("مول|Number"), "6|", "3|"};

    // Only empty cells are written.
    QTest::newRow("text cell kept") << molFromOther << QStringList{"Mol|Number", "abc|2", "4|1"}
                                    << QStringList{"Mol|Number", "abc|2", "4|1"};
    QTest::newRow("target in other case fills an empty cell")
        << QStringList{"#mol(a)=#Number(a)*3"} << QStringList{"Mol|Number", "|2", "|1"}
        << QStringList{"Mol|Number", "6|2", "3|1"};
    // Regression: a target written in another case is never replaced by its value, and
    // once evaluated it overwrote a value the user had typed.
    QTest::newRow("target in other case keeps a value")
        << QStringList{"#mol(a)=#Number(a)*3"} << QStringList{"Mol|Number", "|2", "4|1"}
        << QStringList{"Mol|Number", "6|2", "4|1"};

    // Lines that never apply.
    QTest::newRow("reference in other case")
        << QStringList{"#Mol(a)=#mol(b)*2"} << QStringList{"Mol|Number", "|2", "4|1"}
        << QStringList{"Mol|Number", "|2", "4|1"};
    QTest::newRow("built-in comma lines")
        << QString::fromStdString(BuiltInFormulaLines()[0]).split(QLatin1Char('\n')) +
               QStringList{QString::fromStdString(BuiltInFormulaLines()[1])}
        << QStringList{"Mol|Number", "|2", "4|1"} << QStringList{"Mol|Number", "|2", "4|1"};
    QTest::newRow("target with (b)") << QStringList{"#Mol(b)=1+1"} << QStringList{"Mol|Number", "|2", "|1"}
                                     << QStringList{"Mol|Number", "|2", "|1"};
    QTest::newRow("no such column") << QStringList{"#Mass(a)=1+1"} << QStringList{"Mol|Number", "|2", "|1"}
                                    << QStringList{"Mol|Number", "|2", "|1"};
    QTest::newRow("no equals sign") << QStringList{"#Mol(a)"} << QStringList{"Mol|Number", "|2", "|1"}
                                    << QStringList{"Mol|Number", "|2", "|1"};
    QTest::newRow("failed evaluation")
        << QStringList{"#Mol(a)=#Number(a)/0"} << QStringList{"Mol|Number", "|2", "|1"}
        << QStringList{"Mol|Number", "|2", "|1"};

    // Within one pair every line sees the cells as they were when the pair began.
    QTest::newRow("same target, later success wins")
        << QStringList{"#Mol(a)=1+1", "#Mol(a)=2+2", "#Mol(a)=1/0"} << QStringList{"Mol|Number", "|", "|"}
        << QStringList{"Mol|Number", "4|", "4|"};
    QTest::newRow("value written is not read in the same pair")
        << QStringList{"#Mass(a)=#Mol(a)*2", "#Mol(a)=#Number(a)"}
        << QStringList{"Mass|Mol|Number", "||2", "||1"} << QStringList{"Mass|Mol|Number", "|2|2", "|1|1"};
    // A negative cell is one operand, its sign included.
    QTest::newRow("negative cell squared")
        << QStringList{"#Mol(a)=#Number(a)^2*#Number(b)"} << QStringList{"Mol|Number", "|-3", "|2"}
        << QStringList{"Mol|Number", "18|-3", "-12|2"};

    // The text decides: a cell's text put in for a reference is read by the columns after it.
    QTest::newRow("a cell naming a later column")
        << molFromOther << QStringList{"Number|Mol", "#Mol(b)|", "1|4"}
        << QStringList{"Number|Mol", "#Mol(b)|16", "1|4"};
    QTest::newRow("a cell naming an earlier column")
        << molFromOther << QStringList{"Mol|Number", "|#Mol(b)", "4|1"}
        << QStringList{"Mol|Number", "|#Mol(b)", "4|1"};
}

void TestColumns::calculates_grid()
{
    QFETCH(QStringList, formulas);
    QFETCH(QStringList, grid);
    QFETCH(QStringList, expected);
    GridCells cells = MakeGrid(grid);
    GridCells asText = cells;
    QVERIFY(CalculateGrid(cells, ToStd(formulas)));
    QCOMPARE(GridRows(cells), expected);
    // The substitution as text, which the faster sweep must match.
    QVERIFY(CalculateGridByText(asText, ToStd(formulas)));
    QCOMPARE(GridRows(asText), expected);
    // A sweep out of work stops, keeping what it wrote.
    if (GridRows(cells) != grid)
        QVERIFY(!CalculateGrid(asText = MakeGrid(grid), ToStd(formulas), 0));
}

QTEST_GUILESS_MAIN(TestColumns)
#include "tst_columns.moc"
