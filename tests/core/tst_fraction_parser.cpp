// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_core.h"

#include "TestText.h"

#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionParser.h"

#include <QTest>

#include <climits>

void TestCore::parseFraction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<QString>("formatted");

    // Slash forms are reduced, the sign goes to the numerator
    QTest::newRow("6/4") << "6/4" << qint64(3) << qint64(2) << "3/2";
    QTest::newRow("3/-6") << "3/-6" << qint64(-1) << qint64(2) << "-1/2";
    QTest::newRow("-3/-6") << "-3/-6" << qint64(1) << qint64(2) << "1/2";
    // Zero numerators and zero denominators are never divided
    QTest::newRow("0/5") << "0/5" << qint64(0) << qint64(5) << "0/5";
    QTest::newRow("3/0") << "3/0" << qint64(3) << qint64(0) << "3/0";
    // Whole numbers are n over 1 and formatted with both parts
    QTest::newRow("6") << "6" << qint64(6) << qint64(1) << "6/1";
    QTest::newRow("+4") << "+4" << qint64(4) << qint64(1) << "4/1";
    QTest::newRow("-0") << "-0" << qint64(0) << qint64(1) << "0/1";
    // 32-bit limits
    QTest::newRow("int32 min") << "-2147483648" << qint64(INT_MIN) << qint64(1) << "-2147483648/1";
    QTest::newRow("int32 max over -1") << "2147483647/-1" << qint64(-INT_MAX) << qint64(1) << "-2147483647/1";
}

void TestCore::parseFraction()
{
    QFETCH(QString, text);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(QString, formatted);
    Fraction f = ParseFraction(text.toStdString());
    QCOMPARE(qint64(f.Numerator), numerator);
    QCOMPARE(qint64(f.Denominator), denominator);
    QCOMPARE(QString::fromStdString(FormatFraction(f)), formatted);
}

void TestCore::parseFraction_rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("no denominator") << "4/";
    QTest::newRow("no numerator") << "/4";
    QTest::newRow("lone sign") << "-";
    QTest::newRow("double sign") << "+-4";
    QTest::newRow("blank") << " 4";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("two slashes") << "1/2/3";
    QTest::newRow("sum") << "4+2";
    QTest::newRow("past 32 bits") << "2147483648";
    QTest::newRow("denominator past 32 bits") << "1/-2147483649";
}

void TestCore::parseFraction_rejects()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(ConversionError, ParseFraction(text.toStdString()));
}

void TestCore::fractionArithmetic_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("result");

    QTest::newRow("multiply reduces") << "mul"
                                      << "2/3"
                                      << "3/4"
                                      << "1/2";
    QTest::newRow("multiply keeps 0/5") << "mul"
                                        << "0/5"
                                        << "2/1"
                                        << "0/5";
    QTest::newRow("add") << "add"
                         << "1/2"
                         << "1/3"
                         << "5/6";
    QTest::newRow("add to zero stays 0/4") << "add"
                                           << "1/2"
                                           << "-1/2"
                                           << "0/4";
    QTest::newRow("reciprocal is not reduced") << "rec"
                                               << "-2/3"
                                               << ""
                                               << "3/-2";
    QTest::newRow("reciprocal of zero") << "rec"
                                        << "0/1"
                                        << ""
                                        << "1/0";
    // Division is multiplication by the reciprocal; the reduction fixes the sign
    QTest::newRow("divide by -2/3") << "div"
                                    << "1/1"
                                    << "-2/3"
                                    << "-3/2";
}

void TestCore::fractionArithmetic()
{
    QFETCH(QString, operation);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, result);
    Fraction x = ParseFraction(a.toStdString());
    Fraction r;
    if (operation == "mul")
        r = MultiplyFractions(x, ParseFraction(b.toStdString()));
    else if (operation == "add")
        r = AddFractions(x, ParseFraction(b.toStdString()));
    else if (operation == "rec")
        r = ReciprocalFraction(x);
    else
        r = MultiplyFractions(x, ReciprocalFraction(ParseFraction(b.toStdString())));
    QCOMPARE(QString::fromStdString(FormatFraction(r)), result);
}

void TestCore::commonDivisor_data()
{
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    QTest::addColumn<qint64>("divisor");
    QTest::newRow("12 18") << qint64(12) << qint64(18) << qint64(6);
    QTest::newRow("signs ignored") << qint64(-4) << qint64(6) << qint64(2);
    QTest::newRow("coprime") << qint64(9) << qint64(28) << qint64(1);
    QTest::newRow("zero gives 1") << qint64(0) << qint64(5) << qint64(1);
    QTest::newRow("both zero") << qint64(0) << qint64(0) << qint64(1);
    QTest::newRow("beyond 2^31") << (qint64(1) << 40) << (qint64(3) << 35) << (qint64(1) << 35);
    QTest::newRow("int64 min") << qint64(LLONG_MIN) << qint64(6) << qint64(2);
}

void TestCore::commonDivisor()
{
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    QFETCH(qint64, divisor);
    QCOMPARE(qint64(CommonDivisor(x, y)), divisor);
}

void TestCore::overflowIsReported_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::newRow("product") << "mul" << (qint64(1) << 62) << qint64(1);
    QTest::newRow("sum") << "add" << qint64(LLONG_MAX) << qint64(1);
    QTest::newRow("denominator product") << "mul" << qint64(1) << (qint64(1) << 62);
    QTest::newRow("sign change") << "mul" << qint64(LLONG_MIN) << qint64(-1);
}

void TestCore::overflowIsReported()
{
    QFETCH(QString, operation);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    Fraction f{numerator, denominator};
    if (operation == "mul")
        QVERIFY_THROWS_EXCEPTION(ArithmeticOverflowError, MultiplyFractions(f, Fraction{4, 3}));
    else
        QVERIFY_THROWS_EXCEPTION(ArithmeticOverflowError, AddFractions(f, MakeFraction(1)));
}

void TestCore::prepareReaction_data()
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

void TestCore::prepareReaction()
{
    QFETCH(QString, text);
    QFETCH(QString, prepared);
    QCOMPARE(QString::fromStdString(PrepareReaction(text.toStdString())), prepared);
}

void TestCore::splitSubstances_data()
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

void TestCore::splitSubstances()
{
    QFETCH(QString, prepared);
    QFETCH(QString, reactants);
    QFETCH(QString, products);
    SubstanceLists lists = SplitSubstances(prepared.toStdString());
    QCOMPARE(Joined(lists.Reactants), reactants);
    QCOMPARE(Joined(lists.Products), products);
}

void TestCore::collectElements_data()
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

void TestCore::collectElements()
{
    QFETCH(QString, prepared);
    QFETCH(QString, elements);
    QCOMPARE(Joined(CollectElements(prepared.toStdString())), elements);
}

void TestCore::countElements_data()
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
}

void TestCore::countElements()
{
    QFETCH(QString, formula);
    QFETCH(QString, elements);
    QFETCH(QString, counts);
    std::vector<std::string> list;
    for (const QString& e : elements.split('|'))
        list.push_back(e.toStdString());
    std::vector<std::string> vectors = CountElements({PrepareReaction(formula.toStdString())}, list);
    QCOMPARE(int(vectors.size()), 1);
    QCOMPARE(QString::fromStdString(vectors.front()), counts);
}

void TestCore::countElements_rejects_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("minus inside the digits") << "H2-3";
    QTest::newRow("lone minus before a letter") << "H-e";
    QTest::newRow("digit where a symbol begins") << "2H";
    QTest::newRow("empty group") << "()";
    QTest::newRow("group without a count") << "(OH)a";
    QTest::newRow("group count 0") << "(OH)0";
    QTest::newRow("unclosed group") << "Ca(OH";
    QTest::newRow("unopened group") << "CaOH)2";
    QTest::newRow("blank") << "H2 O";
    QTest::newRow("foreign character") << "H2O!";
    QTest::newRow("count past 32 bits") << "H2147483648";
    QTest::newRow("group product past 32 bits") << "(H65536)65536";
}

void TestCore::countElements_rejects()
{
    QFETCH(QString, formula);
    std::string prepared = PrepareReaction(formula.toStdString());
    std::vector<std::string> elements = CollectElements(prepared + "+");
    QVERIFY_THROWS_EXCEPTION(StoikonError, CountElements({prepared}, elements));
}
