// SPDX-License-Identifier: GPL-3.0-or-later
// Reactions and formulas read into substances, elements and counts.

#include "core/Errors.h"
#include "core/ReactionParser.h"
#include "tests/core/TestText.h"

#include <QTest>

class TestReactionParser : public QObject
{
    Q_OBJECT

  private slots:
    void prepareReaction_data();
    void prepareReaction();
    void splitSubstances_data();
    void splitSubstances();
    void collectElements_data();
    void collectElements();
    void countElements_data();
    void countElements();
    void countElements_rejects_data();
    void countElements_rejects();
};

void TestReactionParser::prepareReaction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prepared");
    QTest::newRow("water") << "H2+O2>H2O"
                           << "H2+O2>H2O1";
    QTest::newRow("group") << "Ca(OH)2"
                           << "Ca1(O1H1)2";
    QTest::newRow("two-letter symbols") << "NaCl"
                                        << "Na1Cl1";
    QTest::newRow("group after count") << "Fe2(SO4)3"
                                       << "Fe2(S1O4)3";
    QTest::newRow("whole reaction") << "NaCl+AgNO3>AgCl+NaNO3"
                                    << "Na1Cl1+Ag1N1O3>Ag1Cl1+Na1N1O3";
    QTest::newRow("trailing separator") << "A+"
                                        << "A1+1";
    QTest::newRow("trailing minus") << "H-"
                                    << "H-1";
    QTest::newRow("minus before a symbol") << "e-H"
                                           << "e-1H1";
    QTest::newRow("nested groups") << "((CH3)2)3"
                                   << "((C1H3)2)3";
    QTest::newRow("charges end their formulas") << "Fe^3++e^->Fe^2+"
                                                << "Fe1^3++e1^->Fe1^2+";
    QTest::newRow("a + charge gets its count") << "H^++OH^->H2O"
                                               << "H1^1++O1H1^->H2O1";
    QTest::newRow("empty") << ""
                           << "";
}

void TestReactionParser::prepareReaction()
{
    QFETCH(QString, text);
    QFETCH(QString, prepared);
    QCOMPARE(QString::fromStdString(PrepareReaction(text.toStdString())), prepared);
}

void TestReactionParser::splitSubstances_data()
{
    QTest::addColumn<QString>("prepared");
    QTest::addColumn<QString>("reactants");
    QTest::addColumn<QString>("products");
    QTest::newRow("precipitation") << "Na1Cl1+Ag1N1O3>Ag1Cl1+Na1N1O3"
                                   << "Na1Cl1|Ag1N1O3"
                                   << "Ag1Cl1|Na1N1O3";
    QTest::newRow("leading separator") << "+A1>B1"
                                       << "|A1"
                                       << "B1";
    QTest::newRow("adjacent separators") << "A1++B1>C1"
                                         << "A1||B1"
                                         << "C1";
    QTest::newRow("trailing separator") << "A1>B1+"
                                        << "A1"
                                        << "B1";
    QTest::newRow("blanks trimmed") << " A1 + B1 > C1 "
                                    << "A1|B1"
                                    << "C1";
    QTest::newRow("no arrow") << "A1+B1"
                              << "A1|B1"
                              << "";
    QTest::newRow("second arrow stays a separator") << "A1>B1>C1"
                                                    << "A1"
                                                    << "B1|C1";
    QTest::newRow("a charge's sign separates nothing") << "H1^1++Fe1^2+>Fe1^3+"
                                                       << "H1^1+|Fe1^2+"
                                                       << "Fe1^3+";
}

void TestReactionParser::splitSubstances()
{
    QFETCH(QString, prepared);
    QFETCH(QString, reactants);
    QFETCH(QString, products);
    SubstanceLists lists = SplitSubstances(prepared.toStdString());
    QCOMPARE(Joined(lists.Reactants), reactants);
    QCOMPARE(Joined(lists.Products), products);
}

void TestReactionParser::collectElements_data()
{
    QTest::addColumn<QString>("prepared");
    QTest::addColumn<QString>("elements");
    QTest::newRow("first appearance order") << "Na1Cl1+Ag1N1O3>Ag1Cl1+Na1N1O3"
                                            << "Na|Cl|Ag|N|O";
    QTest::newRow("case-blind, first spelling kept") << "co1+Co1+"
                                                     << "co";
    QTest::newRow("lower-case start") << "H2e-1+"
                                      << "H|e";
    QTest::newRow("long symbol") << "Uub1+"
                                 << "Uub";
    QTest::newRow("groups") << "Ca1(O1H1)2+"
                            << "Ca|O|H";
    QTest::newRow("charge listed last, the electron's e is no element") << "e1^-+Fe1^3+>Fe1^2+"
                                                                        << "Fe|^";
}

void TestReactionParser::collectElements()
{
    QFETCH(QString, prepared);
    QFETCH(QString, elements);
    QCOMPARE(Joined(CollectElements(prepared.toStdString())), elements);
}

void TestReactionParser::countElements_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("counts");
    QTest::newRow("group") << "Ca(OH)2"
                           << "Ca|O|H"
                           << "1,2,2";
    QTest::newRow("group then more") << "Cu(NH3)4SO4"
                                     << "Cu|N|H|S|O"
                                     << "1,4,12,1,4";
    QTest::newRow("sibling groups") << "(NH4)2(SO4)"
                                    << "N|H|S|O"
                                    << "2,8,1,4";
    QTest::newRow("nested groups") << "((CH3)2)3"
                                   << "C|H"
                                   << "6,18";
    QTest::newRow("nested inside a group") << "Fe4(Fe(CN)6)3"
                                           << "Fe|C|N"
                                           << "7,18,18";
    QTest::newRow("absent element") << "H2O"
                                    << "H|Na|O"
                                    << "2,0,1";
    QTest::newRow("negative count") << "e-1"
                                    << "e"
                                    << "-1";
    QTest::newRow("negative group count") << "(OH)-2"
                                          << "O|H"
                                          << "-2,-2";
    QTest::newRow("case-blind lookup") << "co"
                                       << "Co"
                                       << "1";
    QTest::newRow("lower-case after a count") << "H2e"
                                              << "H|e"
                                              << "2,1";
    QTest::newRow("repeated symbol adds up") << "CH3COOH"
                                             << "C|H|O"
                                             << "2,4,2";
    QTest::newRow("ion") << "SO4^2-"
                         << "S|O|^"
                         << "1,4,-2";
    QTest::newRow("charge after a group") << "Ag(NH3)2^+"
                                          << "Ag|N|H|^"
                                          << "1,2,6,1";
    QTest::newRow("electron") << "e^-"
                              << "H|^"
                              << "0,-1";
    QTest::newRow("a count past 32 bits") << "C4294967296H2"
                                          << "C|H"
                                          << "4294967296,2";
}

void TestReactionParser::countElements()
{
    QFETCH(QString, formula);
    QFETCH(QString, elements);
    QFETCH(QString, counts);
    std::vector<std::string> list;
    for (const QString& e : elements.split('|'))
        list.push_back(e.toStdString());
    const CountTable table =
        CountFormulas(std::vector<std::string>{PrepareReaction(formula.toStdString())}, list);
    QStringList row;
    for (const std::int64_t n : table.Counts)
        row << QString::number(n);
    QCOMPARE(row.join(','), counts);
}

void TestReactionParser::countElements_rejects_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("minus inside the digits") << "H2-3";
    QTest::newRow("lone minus before a letter") << "H-e";
    QTest::newRow("digit where a symbol begins") << "2H";
    QTest::newRow("empty group") << "()";
    QTest::newRow("group without a count") << "(OH)a";
    QTest::newRow("group count 0") << "(OH)0";
    QTest::newRow("count 0") << "PbO0";
    QTest::newRow("unclosed group") << "Ca(OH";
    QTest::newRow("unopened group") << "CaOH)2";
    QTest::newRow("blank") << "H2 O";
    QTest::newRow("foreign character") << "H2O!";
    QTest::newRow("count past 64 bits") << "H9223372036854775808";
    QTest::newRow("group product past 64 bits") << "(H4294967296)4294967296";
}

void TestReactionParser::countElements_rejects()
{
    QFETCH(QString, formula);
    std::string prepared = PrepareReaction(formula.toStdString());
    std::vector<std::string> elements = CollectElements(prepared + "+");
    QVERIFY_THROWS_EXCEPTION(StoikonError, CountFormulas(std::vector<std::string>{prepared}, elements));
}

QTEST_GUILESS_MAIN(TestReactionParser)
#include "tst_reaction_parser.moc"
