// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_core.h"

#include "TestText.h"

#include "core/Balance.h"

#include <QElapsedTimer>
#include <QTest>

using Status = BalanceOutcome::Status;
Q_DECLARE_METATYPE(Status)

void TestCore::composeBalancedReaction_data()
{
    QTest::addColumn<QString>("prepared");
    QTest::addColumn<QString>("coefficients");
    QTest::addColumn<int>("reactants");
    QTest::addColumn<QString>("text");

    QTest::newRow("water") << "H2|O2|H2O1"
                           << "2,1,2" << 2 << "2H2+O2>2H2O";
    QTest::newRow("implicit counts removed") << "Ca1(O1H1)2"
                                             << "1" << 1 << "Ca(OH)2";
    QTest::newRow("counts and coefficients of 10 and more kept") << "H10|O1"
                                                                 << "11,1" << 1 << "11H10>O";
    QTest::newRow("count of -1 inside kept") << "e-1|H1"
                                             << "1,1" << 1 << "e-1>H";
    QTest::newRow("final count of -1 becomes a bare minus") << "H1|e-1"
                                                            << "1,1" << 1 << "H>e-";
    QTest::newRow("count 21 kept") << "H21|H1"
                                   << "1,21" << 1 << "H21>21H";
}

void TestCore::composeBalancedReaction()
{
    QFETCH(QString, prepared);
    QFETCH(QString, coefficients);
    QFETCH(int, reactants);
    QFETCH(QString, text);
    std::vector<std::string> formulas;
    for (const QString& f : prepared.split('|'))
        formulas.push_back(f.toStdString());
    std::vector<long long> numbers;
    for (const QString& c : coefficients.split(','))
        numbers.push_back(c.toLongLong());
    QCOMPARE(QString::fromStdString(ComposeBalancedReaction(formulas, numbers, reactants)), text);
}

void TestCore::balanceReaction_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<bool>("autoCase");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("text"); // balanced text, or the tidied text after a failure

    // Balanced
    QTest::newRow("water") << "H2+O2>H2O" << true << Status::Balanced << "2H2+O2>2H2O";
    QTest::newRow("lower case tidied first") << "h2+o2>h2o" << true << Status::Balanced << "2H2+O2>2H2O";
    QTest::newRow("old coefficients ignored") << "5H2+O2>7H2O" << true << Status::Balanced << "2H2+O2>2H2O";
    QTest::newRow("iron oxide") << "Fe+O2>Fe2O3" << true << Status::Balanced << "4Fe+3O2>2Fe2O3";
    QTest::newRow("copper and nitric acid")
        << "Cu+HNO3>Cu(NO3)2+NO+H2O" << true << Status::Balanced << "3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O";
    QTest::newRow("permanganate and HCl")
        << "KMnO4+HCl>KCl+MnCl2+H2O+Cl2" << true << Status::Balanced << "2KMnO4+16HCl>2KCl+2MnCl2+8H2O+5Cl2";
    QTest::newRow("ferrocyanide")
        << "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O" << true << Status::Balanced
        << "10K4Fe(CN)6+122KMnO4+299H2SO4>162KHSO4+5Fe2(SO4)3+122MnSO4+60HNO3+60CO2+188H2O";
    QTest::newRow("zero pivot") << "KMnO4+FeSO4+H2SO4>K2SO4+MnSO4+Fe2(SO4)3+H2O" << true << Status::Balanced
                                << "2KMnO4+10FeSO4+8H2SO4>K2SO4+2MnSO4+5Fe2(SO4)3+8H2O";
    QTest::newRow("symbol the table lacks") << "Xy+O2>Xy2O3" << false << Status::Balanced << "4Xy+3O2>2Xy2O3";
    QTest::newRow("no seed element") << "CH4+C2H2>C3H6" << true << Status::Balanced << "CH4+C2H2>C3H6";
    QTest::newRow("electron typed in capitals, auto case off")
        << "Fe^3++E^->Fe^2+" << false << Status::Balanced << "Fe^3++E^->Fe^2+";
    QTest::newRow("negative count") << "H2+e-1>H2e-2" << false << Status::Balanced << "H2+2e-1>H2e-2";
    QTest::newRow("final count of -1") << "H2e-2>H+e-1" << false << Status::Balanced << "H2e-2>2H+2e-";
    // A reaction whose only balanced form needs a negative coefficient is written as it is
    QTest::newRow("negative solution")
        << "C2H2+C3H4>C4H6" << true << Status::Balanced << "C2H2+-2C3H4>-1C4H6";

    // Invalid reaction
    QTest::newRow("empty") << "" << true << Status::InvalidReaction << "";
    QTest::newRow("two arrows") << "H2+O2>H2O>H2" << true << Status::InvalidReaction << "H2+O2>H2O>H2";
    QTest::newRow("no arrow") << "H2+O2" << true << Status::InvalidReaction << "H2+O2";
    QTest::newRow("different elements") << "H2>O2" << true << Status::InvalidReaction << "H2>O2";
    QTest::newRow("element missing on the right")
        << "H2+O2>H2" << true << Status::InvalidReaction << "H2+O2>H2";
    QTest::newRow("tidied text kept after a failure")
        << "2h2+o2" << true << Status::InvalidReaction << "H2+O2";
    QTest::newRow("blank from a document")
        << "H2 + O2 > H2O" << true << Status::InvalidReaction << "H2 + O2 > H2O";
    QTest::newRow("non-ASCII byte") << "H2+O2>H2O\xC3\xA9" << false << Status::InvalidReaction
                                    << "H2+O2>H2O\xC3\xA9";
    QTest::newRow("unmatched (") << "Ca(OH2+HCl>CaCl2+H2O" << true << Status::InvalidReaction
                                 << "Ca(OH2+HCl>CaCl2+H2O";
    QTest::newRow("substance without atoms")
        << "+H2+O2>H2O" << true << Status::InvalidReaction << "+H2+O2>H2O";
    QTest::newRow("coefficient beyond 32 bits")
        << "H2147483647+O2147483646>HO" << false << Status::InvalidReaction << "H2147483647+O2147483646>HO";

    // Can not balance
    QTest::newRow("two reactions") << "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O" << true << Status::CannotBalance
                                   << "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O";
    QTest::newRow("two forms") << "H2+O2>H2O+H2O2" << true << Status::CannotBalance << "H2+O2>H2O+H2O2";
    QTest::newRow("no form") << "CO>CO2" << true << Status::CannotBalance << "CO>CO2";
    // The only balanced form leaves a substance out (coefficient 0)
    QTest::newRow("only form without K2Cr2O7 and Cr2O3")
        << "K2Cr2O7+KI>Cr2O3+K+I2" << true << Status::CannotBalance << "K2Cr2O7+KI>Cr2O3+K+I2";
    QTest::newRow("only form without Br2 and HBr")
        << "C6H12O6+Br2>HBr+C2H5OH+CO2" << true << Status::CannotBalance << "C6H12O6+Br2>HBr+C2H5OH+CO2";
    QTest::newRow("unknown pair split by auto case")
        << "Xy+O2>Xy2O3" << true << Status::CannotBalance << "XY+O2>XY2O3";
    QTest::newRow("64-bit overflow") << "H2147483647+O2147483629>H2147483587O2147483579" << false
                                     << Status::CannotBalance
                                     << "H2147483647+O2147483629>H2147483587O2147483579";
}

void TestCore::balanceReaction()
{
    QFETCH(QString, reaction);
    QFETCH(bool, autoCase);
    QFETCH(Status, status);
    QFETCH(QString, text);
    BalanceOutcome outcome = BalanceReaction(reaction.toStdString(), autoCase);
    QCOMPARE(outcome.status, status);
    if (status == Status::Balanced) {
        QCOMPARE(QString::fromStdString(outcome.BalancedText), text);
    } else {
        QCOMPARE(QString::fromStdString(outcome.TidiedText), text);
        QVERIFY(outcome.BalancedText.empty());
        QVERIFY(outcome.Coefficients.empty());
    }
}

void TestCore::balanceReaction_fillsTheGridLists()
{
    BalanceOutcome outcome = BalanceReaction("2ca(oh)2+hcl>cacl2+h2o", true);
    QCOMPARE(outcome.status, Status::Balanced);
    QCOMPARE(QString::fromStdString(outcome.TidiedText), QString("Ca(OH)2+HCl>CaCl2+H2O"));
    // The formulas as the user sees them, not the prepared ones
    QCOMPARE(Joined(outcome.Formulas), QString("Ca(OH)2|HCl|CaCl2|H2O"));
    QCOMPARE(Joined(outcome.Coefficients), QString("1,2,1,2"));
    QCOMPARE(outcome.Reactants, 2);
    QCOMPARE(QString::fromStdString(outcome.BalancedText), QString("Ca(OH)2+2HCl>CaCl2+2H2O"));
}

void TestCore::balanceReaction_isStableOnItsOwnOutput()
{
    const char* reactions[] = {"H2+O2>H2O", "Cu+HNO3>Cu(NO3)2+NO+H2O", "Al2(SO4)3+Ca(OH)2>Al(OH)3+CaSO4"};
    for (const char* reaction : reactions) {
        BalanceOutcome first = BalanceReaction(reaction, true);
        BalanceOutcome second = BalanceReaction(first.BalancedText, true);
        QCOMPARE(second.status, Status::Balanced);
        QCOMPARE(QString::fromStdString(second.BalancedText), QString::fromStdString(first.BalancedText));
    }
}

void TestCore::balanceReaction_givesUpQuicklyOnSeveralForms()
{
    // The count of balanced forms is known before the passes start, so no time budget is
    // spent on a reaction the passes could only cycle on.
    QElapsedTimer timer;
    timer.start();
    BalanceOutcome outcome = BalanceReaction("NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O", true);
    QCOMPARE(outcome.status, Status::CannotBalance);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

void TestCore::balanceReaction_exactSolutionWhenThePassesRunOutOfTime()
{
    // With no budget left after the first pass, the exact solution stands in and gives the
    // coefficients the passes would have found.
    BalanceOutcome outcome = BalanceReaction("K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O", true,
                                             std::chrono::milliseconds(0));
    QCOMPARE(outcome.status, Status::Balanced);
    QVERIFY(outcome.UsedExactSolution);
    QCOMPARE(Joined(outcome.Coefficients), QString("10,122,299,162,5,122,60,60,188"));
}
