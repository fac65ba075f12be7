// SPDX-License-Identifier: GPL-3.0-or-later
// Working out a sheet through the document, as the window and --calculate both do: which
// amount decides is read from the user's formulas, whatever their columns are named.

#include "document/Document.h"

#include <QtTest>

class TestDocumentSheet : public QObject
{
    Q_OBJECT

  private slots:
    void works_out_the_sheet_data();
    void works_out_the_sheet();
};

namespace {
GridCells Rows(const QStringList& rows)
{
    GridCells cells;
    for (const QString& row : rows) {
        cells.emplace_back();
        for (const QString& cell : row.split(QLatin1Char('|')))
            cells.back().push_back(cell.toStdString());
    }
    return cells;
}
} // namespace

void TestDocumentSheet::works_out_the_sheet_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<QStringList>("formulas");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("limiting");
    QTest::addColumn<QString>("notes"); // "row,column:value" for each note

    // Columns named by the user: the amounts flow through k, not through a "Mol" column.
    const QStringList extent{"#n(a)=#n(b)*#k(a)/#k(b)"};
    QTest::newRow("the reactant that runs out decides")
        << "A+2B>C" << extent << QStringList{"F|n|k", "A|2|1", "B|3|2", "C||1"}
        << QStringList{"F|n|k", "A|2|1", "B|3|2", "C|1.5|1"} << "B"
        << "1,1:0.5";
    QTest::newRow("a product's actual amount gives its yield")
        << "A>C+D" << extent << QStringList{"F|n|k", "A|2|1", "C||1", "D|1.5|1"}
        << QStringList{"F|n|k", "A|2|1", "C|2|1", "D|1.5|1"} << ""
        << "3,1:75";
    QTest::newRow("more product than can form is marked, not used")
        << "A>C+D" << extent << QStringList{"F|n|k", "A|2|1", "C|5|1", "D||1"}
        << QStringList{"F|n|k", "A|2|1", "C|5|1", "D|2|1"} << ""
        << "2,1:";
    QTest::newRow("one amount works out as it always has")
        << "A>C" << extent << QStringList{"F|n|k", "A|2|1", "C||3"} << QStringList{"F|n|k", "A|2|1", "C|6|3"}
        << ""
        << "";
    // The sheet states its conditions as constants its formulas name.
    QTest::newRow("stated conditions")
        << "A>C" << QStringList{"#T=300", "#P=100", "#V(a)=#n(a)*#T/#P"}
        << QStringList{"F|n|V", "A|2|", "C||"} << QStringList{"F|n|V", "A|2|6", "C||"} << ""
        << "";
    // A name typed with the Persian yeh refers to the column a document names with the Arabic one.
    QTest::newRow("Persian and Arabic yeh")
        << "A>C" << QStringList{QString::fromUtf8("#n(a)=#\u0645\u06cc(b)*2")}
        << QStringList{QString::fromUtf8("F|n|\u0645\u064a"), "A||1", "C||"}
        << QStringList{QString::fromUtf8("F|n|\u0645\u064a"), "A||1", "C|2|"} << ""
        << "";
}

void TestDocumentSheet::works_out_the_sheet()
{
    QFETCH(QString, reaction);
    QFETCH(QStringList, formulas);
    QFETCH(QStringList, given);
    QFETCH(QStringList, expected);
    QFETCH(QString, limiting);
    QFETCH(QString, notes);
    DocumentContent content;
    content.Data.ReactionText = reaction.toStdString();
    content.Data.Cells = Rows(given);
    content.Data.Widths.assign(content.Data.Cells[0].size(), 100);
    content.Data.TypesList = {"5"}; // F holds the substances' formulas
    for (const QString& formula : formulas)
        content.Data.Formulas.push_back(formula.toStdString());
    content.WorkedOut.assign(content.Data.Cells.size(), std::vector<bool>(content.Data.Widths.size(), false));
    Document document;
    document.restore(content);
    QVERIFY(document.calculateUntilSettled());
    QStringList shown;
    for (const GridRow& row : document.cells()) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << QString::fromStdString(cell);
        shown << cells.join(QLatin1Char('|'));
    }
    QCOMPARE(shown, expected);
    QCOMPARE(QString::fromStdString(document.limitingReactant()), limiting);
    QStringList said;
    for (const CellNote& note : document.notes())
        said << QString("%1,%2:%3").arg(note.Row).arg(note.Column).arg(QString::fromStdString(note.Value));
    QCOMPARE(said.join(QLatin1Char(' ')), notes);
}

QTEST_GUILESS_MAIN(TestDocumentSheet)
#include "tst_document_sheet.moc"
