// SPDX-License-Identifier: GPL-3.0-or-later
// The element table and molar masses.

#include "core/ElementTable.h"
#include "core/Errors.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <locale>

class TestElementTable : public QObject
{
    Q_OBJECT

  private slots:
    void molarMass_data();
    void molarMass();
    void molarMass_rejects_data();
    void molarMass_rejects();
    void elementLookup_data();
    void elementLookup();
    void molarMass_ignoresTheLocale();
    void preciseMolarMass_data();
    void preciseMolarMass();
    void preciseWeightsBelongToTheirElements();
};

void TestElementTable::molarMass_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("mass");
    QTest::newRow("water") << "H2O"
                           << "18.01";
    QTest::newRow("salt") << "NaCl"
                          << "58.44";
    QTest::newRow("sulfuric acid") << "H2SO4"
                                   << "98.04";
    QTest::newRow("hydrogen") << "H2"
                              << "2.02";
    QTest::newRow("oxygen") << "O2"
                            << "31.98";
    // The parser, not the table, tells one-letter and two-letter symbols apart
    QTest::newRow("cobalt") << "Co"
                            << "58.93";
    QTest::newRow("carbon monoxide") << "CO"
                                     << "28";
    QTest::newRow("lower-case start finds Co") << "co"
                                               << "58.93";
    QTest::newRow("group") << "Ca(OH)2"
                           << "74.08";
    QTest::newRow("three-decimal weight") << "Fe2(SO4)3"
                                          << "399.754";
    QTest::newRow("negative count subtracts") << "OH-1"
                                              << "14.98";
    QTest::newRow("old symbol") << "Lw"
                                << "257";
    QTest::newRow("today's symbol of the same element") << "Lr"
                                                        << "257";
    QTest::newRow("an element named since") << "OgF4"
                                            << "369.96";
    QTest::newRow("heavy water") << "D2O"
                                 << "20.01";
    QTest::newRow("an ion weighs its atoms") << "SO4^2-"
                                             << "96.02";
}

void TestElementTable::molarMass()
{
    QFETCH(QString, formula);
    QFETCH(QString, mass);
    QCOMPARE(QString::fromStdString(MolarMass(formula.toStdString())), mass);
}

void TestElementTable::molarMass_rejects_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("electron") << "e";
    QTest::newRow("electron with its charge") << "e^-";
    QTest::newRow("unknown after a known one") << "H2e";
    QTest::newRow("empty") << "";
    QTest::newRow("coefficient") << "2H2O";
    QTest::newRow("two substances") << "H2+O2";
    QTest::newRow("unclosed group") << "Ca(OH2";
}

void TestElementTable::molarMass_rejects()
{
    QFETCH(QString, formula);
    QVERIFY_THROWS_EXCEPTION(StoikonError, MolarMass(formula.toStdString()));
}

void TestElementTable::elementLookup_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("weight");
    QTest::newRow("first") << "Ac" << 0 << "227";
    QTest::newRow("Sb follows Am") << "Sb" << 3 << "121.75";
    QTest::newRow("Au follows Ge") << "Au" << 34 << "196.97";
    QTest::newRow("case-blind") << "fE" << 42 << "55.847";
    QTest::newRow("Lw, not Lr") << "Lw" << 45 << "257";
    QTest::newRow("Mv, not Md") << "Mv" << 51 << "256";
    QTest::newRow("K follows Po") << "K" << 68 << "39.10";
    QTest::newRow("last") << "Zr" << 102 << "91.22";
    QTest::newRow("Lr finds Lw") << "Lr" << 45 << "257";
    QTest::newRow("Md finds Mv") << "md" << 51 << "256";
    QTest::newRow("named since, after the stored rows") << "Og" << 117 << "294";
    QTest::newRow("deuterium") << "D" << 118 << "2.01";
    QTest::newRow("not a prefix match") << "Z" << -1 << "";
}

void TestElementTable::elementLookup()
{
    QFETCH(QString, symbol);
    QFETCH(int, row);
    QFETCH(QString, weight);
    QCOMPARE(int(MetsLst().size()), 120);
    QCOMPARE(int(AWList().size()), 120);
    QCOMPARE(FindElement(symbol.toStdString()), row);
    if (row >= 0)
        QCOMPARE(QString::fromStdString(AWList()[size_t(row)]), weight);
}

namespace {

struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

void TestElementTable::molarMass_ignoresTheLocale()
{
    // The stored weights use "." and so does the printed mass, whatever the user's locale.
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    bool haveCommaLocale =
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    std::string mass = MolarMass("Fe2(SO4)3");
    std::locale::global(previous);
    std::setlocale(LC_NUMERIC, previousC.c_str());
    QCOMPARE(QString::fromStdString(mass), QString("399.754"));
    if (!haveCommaLocale)
        qInfo("no comma-decimal C locale installed; checked with the C++ locale only");
}

void TestElementTable::preciseMolarMass_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("mass");
    QTest::newRow("water") << "H2O"
                           << "18.015";
    QTest::newRow("carbon dioxide") << "CO2"
                                    << "44.009";
    QTest::newRow("permanganate") << "KMnO4"
                                  << "158.032";
    QTest::newRow("iron(III) oxide") << "Fe2O3"
                                     << "159.687";
    QTest::newRow("glucose") << "C6H12O6"
                             << "180.156";
    QTest::newRow("salt") << "NaCl"
                          << "58.44";
    QTest::newRow("sulfuric acid") << "H2SO4"
                                   << "98.072";
    QTest::newRow("lead: conventional value of an interval") << "Pb"
                                                             << "207.2";
    QTest::newRow("technetium: longest-lived isotope") << "Tc"
                                                       << "97";
    QTest::newRow("Lw is lawrencium-266") << "Lw"
                                          << "266";
    QTest::newRow("heavy water") << "D2O"
                                 << "20.0272";
}

void TestElementTable::preciseMolarMass()
{
    QFETCH(QString, formula);
    QFETCH(QString, mass);
    QCOMPARE(QString::fromStdString(MolarMass(formula.toStdString(), AtomicWeights::Precise)), mass);
    // The same symbols have weights under both choices.
    QVERIFY_THROWS_EXCEPTION(StoikonError, MolarMass("Q", AtomicWeights::Precise));
}

void TestElementTable::preciseWeightsBelongToTheirElements()
{
    // Row by row, the precise weight is the same element's: within 4% of the program's own
    // weight (the old mass numbers of Lw, No and Fm are the farthest off), so a row out of
    // step or a misplaced decimal point shows.
    QCOMPARE(PreciseAWList().size(), AWList().size());
    for (size_t row = 0; row < AWList().size(); ++row) {
        const double table = std::stod(AWList()[row]);
        const double precise = std::stod(MolarMass(MetsLst()[row], AtomicWeights::Precise));
        QVERIFY2(std::abs(precise - table) < 0.04 * table, MetsLst()[row].c_str());
    }
}

QTEST_GUILESS_MAIN(TestElementTable)
#include "tst_element_table.moc"
