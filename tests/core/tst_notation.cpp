// SPDX-License-Identifier: GPL-3.0-or-later
// Textbook notation: written forms read into the compact reaction text, and the writers.

#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/ReactionParser.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"

#include <QFile>
#include <QTest>

class TestNotation : public QObject
{
    Q_OBJECT

  private slots:
    void readReactionLine_data();
    void readReactionLine();
    void writtenForms_data();
    void writtenForms();
    void notationWriters_data();
    void notationWriters();
    void writtenBack_data();
    void writtenBack();
    void notationRoundTrip_data();
    void notationRoundTrip();
    void balanceAsJson_data();
    void balanceAsJson();
};

namespace {

// A line read and balanced as --balance does it: the balanced text, or why it failed.
QString Balanced(const std::string& line, WrittenReaction* written = nullptr,
                 std::vector<std::string>* coefficients = nullptr)
{
    const NotationReading reading = ReadReactionLine(line, KeyOptions());
    if (reading.BadPosition)
        return "unreadable";
    const ChosenReading chosen =
        BalanceReading(reading, WithGivenCoefficients(reading.Text, reading.Coefficients), true);
    if (written && reading.Textbook)
        *written = ChosenWritten(reading, chosen);
    if (coefficients)
        *coefficients = chosen.Outcome.CoefficientTexts;
    switch (chosen.Outcome.status) {
    case BalanceOutcome::Status::Balanced:
        return QString::fromStdString(chosen.Outcome.BalancedText);
    case BalanceOutcome::Status::CannotBalance:
        return "cannot balance";
    default:
        return "invalid";
    }
}

// Written in every notation and read back, the reaction balances the same way.
void CheckWrittenBack(const std::string& line, const WrittenReaction& written,
                      const std::vector<std::string>& coefficients, const QString& balanced)
{
    for (WrittenFormat format : {WrittenFormat::Unicode, WrittenFormat::Latex, WrittenFormat::Html}) {
        const std::string text = ReactionAsWritten(written, coefficients, format);
        QVERIFY2(Balanced(text) == balanced, text.c_str());
    }
    const std::string json = InputWithCoefficients(line, written, coefficients);
    QVERIFY2(Balanced(json) == balanced, json.c_str());
}

void Row(const char* written, const char* balanced)
{
    QTest::newRow(written) << QString::fromUtf8(written) << QString(balanced);
}

} // namespace

void TestNotation::readReactionLine_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("textbook");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("badPosition"); // of the first unusable character, 0 when none

    // Subscripts
    QTest::newRow("subscripts") << "H₂ + O₂ → H₂O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("subscripts, compact") << "H₂+O₂>H₂O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("two-digit subscripts") << "C₆H₁₂O₆ + O₂ → CO₂ + H₂O" << true << "C6H12O6+O2>CO2+H2O" << 0;
    QTest::newRow("subscript after a group")
        << "Fe₂(SO₄)₃ → Fe₂O₃ + SO₃" << true << "Fe2(SO4)3>Fe2O3+SO3" << 0;
    QTest::newRow("subscript minus") << "e₋₁ → H" << true << "e-1>H" << 0;

    // Arrows
    QTest::newRow("→") << "H2 + O2 → H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("⟶") << "H2+O2⟶H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("->") << "H2+O2->H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("-->") << "H2 + O2 --> H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("=>") << "H2+O2=>H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("⇒") << "H2+O2⇒H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("⇌") << "N2 + H2 ⇌ NH3" << true << "N2+H2>NH3" << 0;
    QTest::newRow("⇄") << "N2+H2⇄NH3" << true << "N2+H2>NH3" << 0;
    QTest::newRow("↔") << "N2+H2↔NH3" << true << "N2+H2>NH3" << 0;
    QTest::newRow("<=>") << "N2+H2<=>NH3" << true << "N2+H2>NH3" << 0;
    QTest::newRow("<->") << "N2+H2<->NH3" << true << "N2+H2>NH3" << 0;
    QTest::newRow("= between spaced substances") << "H2 + O2 = H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("one = and no typed arrow") << "H2+O2=H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("two arrows left for Balance") << "A → B → C" << true << "A>B>C" << 0;

    // Spacing
    QTest::newRow("blanks around the line ignored") << "  H2 + O2 -> H2O  " << true << "H2+O2>H2O" << 0;
    QTest::newRow("blank after a coefficient") << "2 H2 + O2 -> 2 H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("tabs") << "H2\t+\tO2 -> H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("no-break spaces") << "H2\u00A0+\u00A0O2\u00A0\u2192\u00A0H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("zero-width space passed over") << "H2\u200B + O2 → H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("blanks only around the arrow") << "H2+O2 → H2O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("full stop ending a sentence") << "H2 + O2 → H2O." << true << "H2+O2>H2O" << 0;
    QTest::newRow("blank inside a formula") << "H2 O2 → H2O" << true << "H2O2>H2O" << 3;

    // Hydrates
    QTest::newRow("middle dot") << "CuSO4·5H2O → CuSO4 + H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("bullet") << "CuSO4•5H2O → CuSO4 + H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("bullet operator") << "CuSO4∙5H2O → CuSO4 + H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("asterisk") << "CuSO4*5H2O -> CuSO4 + H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("full stop with an arrow besides")
        << "CuSO4.5H2O>CuSO4+H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("no count") << "CuSO₄·H₂O → CuSO₄ + H₂O" << true << "CuSO4(H2O)>CuSO4+H2O" << 0;
    QTest::newRow("two-digit count") << "Na2CO3·10H2O ⇌ Na2CO3 + H2O" << true << "Na2CO3(H2O)10>Na2CO3+H2O"
                                     << 0;
    QTest::newRow("after a group") << "KAl(SO4)2·12H2O → KAl(SO4)2 + H2O" << true
                                   << "KAl(SO4)2(H2O)12>KAl(SO4)2+H2O" << 0;
    QTest::newRow("spaced") << "CuSO4 · 5 H2O → CuSO4 + H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("group with no hydrate count")
        << "CuSO4·(H2O)5 → CuSO4 + H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;
    QTest::newRow("hydrate count times group count")
        << "CaSO4·2(H2O)3 → CaSO4 + H2O" << true << "CaSO4((H2O)3)2>CaSO4+H2O" << 0;
    QTest::newRow("dot with nothing after") << "CuSO4· → CuSO4" << true << "CuSO4>CuSO4" << 6;

    // States
    QTest::newRow("(s) (aq) (g)") << "Zn(s) + HCl(aq) → ZnCl2(aq) + H2(g)" << true << "Zn+HCl>ZnCl2+H2" << 0;
    QTest::newRow("(l)") << "H2O(l) → H2(g) + O2(g)" << true << "H2O>H2+O2" << 0;
    QTest::newRow("spaced state") << "H2O (l) -> H2 (g) + O2 (g)" << true << "H2O>H2+O2" << 0;
    QTest::newRow("state alone is a sign") << "Zn(s)+HCl(aq)>ZnCl2+H2" << true << "Zn+HCl>ZnCl2+H2" << 0;
    QTest::newRow("gas and precipitate arrows")
        << "AgNO3 + NaCl → AgCl↓ + NaNO3↑" << true << "AgNO3+NaCl>AgCl+NaNO3" << 0;

    // Charges
    QTest::newRow("superscript charges") << "Fe³⁺ + e⁻ → Fe²⁺" << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("permanganate") << "MnO₄⁻ + 8H⁺ + 5Fe²⁺ → Mn²⁺ + 5Fe³⁺ + 4H₂O" << true
                                  << "MnO4^-+H^++Fe^2+>Mn^2++Fe^3++H2O" << 0;
    QTest::newRow("subscript then superscript")
        << "SO₄²⁻ + Ba²⁺ → BaSO₄" << true << "SO4^2-+Ba^2+>BaSO4" << 0;
    QTest::newRow("sign before the digits") << "Fe⁺³ + e⁻ → Fe⁺²" << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("braces") << "Fe{3+} + e{-} -> Fe{2+}" << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("caret and braces") << "Fe^{3+} + e^{-} -> Fe^{2+}" << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("caret, the ion notation itself")
        << "Fe^3+ + e^- -> Fe^2+" << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("Unicode minus in braces")
        << "Fe^{3+} + e^{−} -> Fe^{2+}" << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("charge then state")
        << "Cu²⁺(aq) + Zn(s) → Cu(s) + Zn²⁺(aq)" << true << "Cu^2++Zn>Cu+Zn^2+" << 0;
    QTest::newRow("a + with no substance before it") << "Cu + + Zn → Cu + Zn" << true << "Cu+Zn>Cu+Zn" << 4;
    QTest::newRow("caret without a sign") << "Fe^3 → Fe" << true << "Fe3>Fe" << 3;
    QTest::newRow("two signs") << "Fe³⁺⁺ → Fe" << true << "Fe>Fe" << 3;

    // Brackets
    QTest::newRow("square brackets") << "K4[Fe(CN)6] + Cl2 → K3[Fe(CN)6] + KCl" << true
                                     << "K4(Fe(CN)6)+Cl2>K3(Fe(CN)6)+KCl" << 0;
    QTest::newRow("complex ion") << "[Cu(H₂O)₆]²⁺ + NH₃ → [Cu(NH₃)₄]²⁺ + H₂O" << true
                                 << "(Cu(H2O)6)^2++NH3>(Cu(NH3)4)^2++H2O" << 0;

    // Given coefficients
    QTest::newRow("coefficients dropped") << "2H₂ + O₂ → 2H₂O" << true << "H2+O2>H2O" << 0;
    QTest::newRow("spaced coefficients") << "4 Fe + 3 O2 -> 2 Fe2O3" << true << "Fe+O2>Fe2O3" << 0;
    QTest::newRow("coefficient and hydrate count")
        << "2CuSO4·5H2O → 2CuSO4 + 10H2O" << true << "CuSO4(H2O)5>CuSO4+H2O" << 0;

    // mhchem, as the LaTeX writer writes it
    QTest::newRow("\\ce") << "\\ce{2H2 + O2 -> 2H2O}" << true << "H2+O2>H2O" << 0;
    QTest::newRow("$\\ce$ with charges") << "$\\ce{Fe^3+ + e^- -> Fe^2+}$" << true << "Fe^3++e^->Fe^2+" << 0;

    // Typed notation: no textbook sign, so the keys' meaning holds
    QTest::newRow("h2=o2 h2o") << "h2=o2 h2o" << false << "H2+O2>H2O" << 0;
    QTest::newRow("fe=o2 fe2o3") << "fe=o2 fe2o3" << false << "Fe+O2>Fe2O3" << 0;
    QTest::newRow("compact text") << "H2+O2>H2O" << false << "H2+O2>H2O" << 0;
    QTest::newRow("compact text with coefficients") << "2H2+O2>2H2O" << false << "H2+O2>H2O" << 0;
    QTest::newRow("typed brackets") << "ca[oh]2=hcl cacl2=h2o" << false << "Ca(OH)2+HCl>CaCl2+H2O" << 0;
    QTest::newRow("full stop as the only arrow") << "H2+O2.H2O" << false << "H2+O2>H2O" << 0;
    QTest::newRow("lower-case dot types the arrow") << "cuso4.5h2o" << false << "CuSO4>H2O" << 0;
    QTest::newRow("two = and no arrow") << "h2=o2=h2o" << false << "H2+O2+H2O" << 0;
    QTest::newRow("typed, blanks around the line ignored") << " h2=o2 h2o " << false << "H2+O2>H2O" << 0;

    // Characters neither reading can use
    QTest::newRow("typed, unknown character") << "H2+O2>H2O@" << false << "H2+O2>H2O" << 10;
    QTest::newRow("typed, position counts characters") << "  é+O2>H2O" << false << "+O2>H2O" << 3;
    QTest::newRow("textbook, unknown character") << "H₂ + O₂ → H₂O ✓" << true << "H2+O2>H2O" << 15;
    QTest::newRow("+ after +") << "H2 + + O2 → H2O" << true << "H2+O2>H2O" << 4;
    QTest::newRow("leading +") << "+ H2 + O2 → H2O" << true << "H2+O2>H2O" << 1;
    QTest::newRow("trailing +") << "H2 + O2 → H2O +" << true << "H2+O2>H2O" << 15;
    QTest::newRow("a name no element or group has") << "XyCl + O2 → Cl2O" << true << "Cl+O2>Cl2O" << 1;
    QTest::newRow("a left arrow") << "H2O <- H2 + O2" << true << "H2OH2+O2" << 5;
    QTest::newRow("an unknown LaTeX command") << "\\ce{H2 \\pm O2 -> H2O}" << true << "H2O2>H2O" << 8;
}

void TestNotation::readReactionLine()
{
    QFETCH(QString, written);
    QFETCH(bool, textbook);
    QFETCH(QString, text);
    QFETCH(int, badPosition);
    const NotationReading reading = ReadReactionLine(written.toStdString(), KeyOptions());
    QCOMPARE(QString::fromStdString(reading.Text), text);
    QCOMPARE(reading.Textbook, textbook);
    QCOMPARE(int(reading.BadPosition), badPosition);
    if (badPosition)
        QCOMPARE(uint(reading.BadCharacter), written.toUcs4().at(badPosition - 1));
}

// Reactions as textbooks, web pages, mhchem and other balancers write them, and what they
// balance to; each written back in every notation reads back the same.
void TestNotation::writtenForms_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("balanced");

    // Arrows and given coefficients
    Row("H2 + O2 = H2O", "2H2+O2>2H2O");
    Row("CH4 + O2 → CO2 + H2O", "CH4+2O2>CO2+2H2O");
    Row("N2 + H2 <=> NH3", "N2+3H2>2NH3");
    Row("N2 + H2 <-> NH3", "N2+3H2>2NH3");
    Row("N2 + H2 <--> NH3", "N2+3H2>2NH3");
    Row("H2 + Cl2 ==> HCl", "H2+Cl2>2HCl");
    Row("4 Fe + 3 O2 -> 2 Fe2O3", "4Fe+3O2>2Fe2O3");
    Row("0.5 O2 + H2 -> H2O", "O2+2H2>2H2O");
    Row("1/2 O2 + H2 -> H2O", "O2+2H2>2H2O");
    Row("½O₂ + H₂ → H₂O", "O2+2H2>2H2O");
    // Brackets, hydrates, states
    Row("K4[Fe(CN)6] + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O",
        "10K4(Fe(CN)6)+122KMnO4+299H2SO4>162KHSO4+5Fe2(SO4)3+122MnSO4+60HNO3+60CO2+188H2O");
    Row("CuSO4*5H2O = CuSO4 + H2O", "CuSO4(H2O)5>CuSO4+5H2O");
    Row("Na2CO3·10H2O → Na2CO3 + H2O", "Na2CO3(H2O)10>Na2CO3+10H2O");
    Row("AgNO3(aq) + NaCl(aq) → AgCl↓ + NaNO3(aq)", "AgNO3+NaCl>AgCl+NaNO3");
    Row("CaCO3(s) → CaO(s) + CO2(g)↑", "CaCO3>CaO+CO2");
    // Charges after ^ and in braces
    Row("MnO4^- + Fe^2+ + H^+ = Mn^2+ + Fe^3+ + H2O", "MnO4^-+5Fe^2++8H^+>Mn^2++5Fe^3++4H2O");
    Row("Fe^3+ + I- -> Fe^2+ + I2", "2Fe^3++2I^->2Fe^2++I2");
    Row("H2O + Cl- -> HCl + OH^-", "H2O+Cl^->HCl+OH^-");
    Row("Fe{3+} + I{-} = Fe{2+} + I2", "2Fe^3++2I^->2Fe^2++I2");
    Row("Cr2O7{-2} + H{+} + {-} = Cr{+3} + H2O", "Cr2O7^2-+14H^++6e^->2Cr^3++7H2O");
    Row("SO4^{2-} + Ba^{2+} -> BaSO4", "SO4^2-+Ba^2+>BaSO4");
    Row("Fe⁺³ + Sn⁺² → Fe⁺² + Sn⁺⁴", "2Fe^3++Sn^2+>2Fe^2++Sn^4+");
    // Bare charges: touching the formula and followed by a blank, the end or an arrow
    Row("Na+ + Cl- -> NaCl", "Na^++Cl^->NaCl");
    Row("Ag+(aq) + Cl-(aq) → AgCl(s)", "Ag^++Cl^->AgCl");
    Row("Cu2+ + Zn → Cu + Zn2+", "Cu^2++Zn>Cu+Zn^2+");
    Row("Al3+ + OH- = Al(OH)3", "Al^3++3OH^->Al(OH)3");
    Row("MnO4- + 8H+ + 5e- -> Mn2+ + 4H2O", "MnO4^-+8H^++5e^->Mn^2++4H2O");
    Row("NH3 + H+ -> NH4+", "NH3+H^+>NH4^+");
    Row("H3O+ + OH- = H2O", "H3O^++OH^->2H2O");
    Row("SO42- + Ba2+ -> BaSO4", "SO4^2-+Ba^2+>BaSO4");
    Row("O22- + H+ -> H2O2", "O2^2-+2H^+>H2O2");
    Row("Hg22+ + Cl- -> Hg2Cl2", "Hg2^2++2Cl^->Hg2Cl2");
    Row("N3- + H+ → HN3", "N3^-+H^+>HN3");
    Row("[Fe(CN)6]4- + Ce4+ -> [Fe(CN)6]3- + Ce3+", "(Fe(CN)6)^4-+Ce^4+>(Fe(CN)6)^3-+Ce^3+");
    Row("Cl− + Ag⁺ → AgCl", "Cl^-+Ag^+>AgCl");
    // Sign first
    Row("S^-2 + I2 -> S + I^-", "S^2-+I2>S+2I^-");
    Row("Cr^+3 + e- -> Cr^+2", "Cr^3++e^->Cr^2+");
    Row("Fe+3 + e- = Fe+2", "Fe^3++e^->Fe^2+");
    Row("SO4-2 + Ba+2 = BaSO4", "SO4^2-+Ba^2+>BaSO4");
    Row("Fe(3+) + e(-) = Fe(2+)", "Fe^3++e^->Fe^2+");
    Row("Fe/3+ + e- = Fe/2+", "Fe^3++e^->Fe^2+");
    // Electrons
    Row("Cu -> Cu^2+ + 2e-", "Cu>Cu^2++2e^-");
    Row("Fe3+ + e = Fe2+", "Fe^3++e^->Fe^2+");
    Row("Cu²⁺ + 2e⁻ → Cu", "Cu^2++2e^->Cu");
    Row("Cu>Cu^2++e-", "Cu>Cu^2++2e^-");
    // mhchem
    Row("$\\ce{2 H2 + O2 -> 2 H2O}$", "2H2+O2>2H2O");
    Row("\\ce{CO2 + C -> 2 CO}", "CO2+C>2CO");
    Row("\\ce{2Fe^3+ + I- -> Fe^2+ + I2}", "2Fe^3++2I^->2Fe^2++I2");
    Row("\\ce{H+ + OH- -> H2O}", "H^++OH^->H2O");
    Row("\\ce{NH3 + H2O <=> NH4+ + OH-}", "NH3+H2O>NH4^++OH^-");
    Row("\\ce{CH3COOH <=> CH3COO- + H+}", "CH3COOH>CH3COO^-+H^+");
    Row("\\ce{SO4^2- + Ba^2+ -> BaSO4 v}", "SO4^2-+Ba^2+>BaSO4");
    Row("\\ce{SO4{}^{2-} + Ba^2+ -> BaSO4}", "SO4^2-+Ba^2+>BaSO4");
    Row("\\ce{Zn + HCl -> ZnCl2 + H2 ^}", "Zn+2HCl>ZnCl2+H2");
    Row("\\ce{CaCO3 ->[\\Delta] CaO + CO2 ^}", "CaCO3>CaO+CO2");
    Row("\\ce{6CO2 + 6H2O ->[hv] C6H12O6 + 6O2}", "6CO2+6H2O>C6H12O6+6O2");
    Row("\\ce{KClO3 ->[MnO2][\\Delta] KCl + O2}", "2KClO3>2KCl+3O2");
    Row("\\ce{CH2=CH2 + Br2 -> CH2Br-CH2Br}", "CH2CH2+Br2>CH2BrCH2Br");
    Row("\\ce{HC#CH + H2 -> CH3CH3}", "HCCH+2H2>CH3CH3");
    Row("\\ce{Cr2O7^2- + 14H+ + 6e- -> 2Cr^3+ + 7H2O}", "Cr2O7^2-+14H^++6e^->2Cr^3++7H2O");
    Row("\\ce{KCr(SO4)2.12H2O -> KCr(SO4)2 + H2O}", "KCr(SO4)2(H2O)12>KCr(SO4)2+12H2O");
    Row("\\ce{Fe^{II}Fe^{III}2O4 + H2 -> Fe + H2O}", "FeFe2O4+4H2>3Fe+4H2O");
    Row("\\ce{CO3^2-_{(aq)} + H+ -> H2O + CO2}", "CO3^2-+2H^+>H2O+CO2");
    Row("\\ce{[Cu(NH3)4]^2+ + H+ -> Cu^2+ + NH4+}", "(Cu(NH3)4)^2++4H^+>Cu^2++4NH4^+");
    // Other LaTeX, web pages
    Row("$\\mathrm{2H_2 + O_2 \\rightarrow 2H_2O}$", "2H2+O2>2H2O");
    Row("Fe<sup>3+</sup> + e<sup>&minus;</sup> &rarr; Fe<sup>2+</sup>", "Fe^3++e^->Fe^2+");
    // Organic shorthand
    Row("PhCH3 + KMnO4 + H2SO4 = PhCOOH + K2SO4 + MnSO4 + H2O",
        "5C6H5CH3+6KMnO4+9H2SO4>5C6H5COOH+3K2SO4+6MnSO4+14H2O");
    Row("PhCH3+KMnO4+H2SO4>PhCOOH+K2SO4+MnSO4+H2O", "5C6H5CH3+6KMnO4+9H2SO4>5C6H5COOH+3K2SO4+6MnSO4+14H2O");
    Row("MeOH + O2 -> CO2 + H2O", "2CH3OH+3O2>2CO2+4H2O");
    Row("AcOH + EtOH -> AcOEt + H2O", "CH3COOH+C2H5OH>CH3COOC2H5+H2O");
    Row("Ac2O + H2O -> AcOH", "(CH3CO)2O+H2O>2CH3COOH");
    Row("AcOH+NaOH>AcONa+H2O", "CH3COOH+NaOH>CH3COONa+H2O");
    Row("PrOH + O2 -> CO2 + H2O", "2C3H7OH+9O2>6CO2+8H2O");
    Row("n-BuOH + O2 -> CO2 + H2O", "C4H9OH+6O2>4CO2+5H2O");
    Row("Ph3P + O2 -> Ph3PO", "2(C6H5)3P+O2>2(C6H5)3PO");
    Row("BnCl + H2O -> BnOH + HCl", "C6H5CH2Cl+H2O>C6H5CH2OH+HCl");
    Row("Pr + O2 -> Pr2O3", "4Pr+3O2>2Pr2O3");
    // Symbols of today's table
    Row("Lr + O2 -> Lr2O3", "4Lr+3O2>2Lr2O3");
    Row("Og + F2 -> OgF4", "Og+2F2>OgF4");
    Row("Nh + O2 -> Nh2O3", "4Nh+3O2>2Nh2O3");
    Row("D2 + O2 -> D2O", "2D2+O2>2D2O");
    Row("Lw+O2>Lw2O3", "4Lw+3O2>2Lw2O3");
    // Lower case: the one reading that balances
    Row("ch4=o2 co2=h2o", "CH4+2O2>CO2+2H2O");
    Row("ch4 + o2 -> co2 + h2o", "CH4+2O2>CO2+2H2O");
    Row("Cu+hno3>cu(no3)2+no+h2o", "3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O");
    Row("sio2+hf=sif4+h2o", "SiO2+4HF>SiF4+2H2O");
    Row("co=o2 co2", "2CO+O2>2CO2");
}

void TestNotation::writtenForms()
{
    QFETCH(QString, written);
    QFETCH(QString, balanced);
    WrittenReaction form;
    std::vector<std::string> coefficients;
    QCOMPARE(Balanced(written.toStdString(), &form, &coefficients), balanced);
    if (!form.Substances.empty())
        CheckWrittenBack(written.toStdString(), form, coefficients, balanced);
}

void TestNotation::notationWriters_data()
{
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QString>("unicode");
    QTest::addColumn<QString>("latex");
    QTest::addColumn<QString>("html");

    QTest::newRow("water") << "2H2+O2>2H2O"
                           << "2H₂ + O₂ → 2H₂O"
                           << "\\ce{2H2 + O2 -> 2H2O}"
                           << "2H<sub>2</sub> + O<sub>2</sub> &rarr; 2H<sub>2</sub>O";
    QTest::newRow("coefficients and counts of two digits")
        << "12C+11H2>C12H22"
        << "12C + 11H₂ → C₁₂H₂₂"
        << "\\ce{12C + 11H2 -> C12H22}"
        << "12C + 11H<sub>2</sub> &rarr; C<sub>12</sub>H<sub>22</sub>";
    QTest::newRow("groups")
        << "CuSO4(H2O)5>CuSO4+5H2O"
        << "CuSO₄(H₂O)₅ → CuSO₄ + 5H₂O"
        << "\\ce{CuSO4(H2O)5 -> CuSO4 + 5H2O}"
        << "CuSO<sub>4</sub>(H<sub>2</sub>O)<sub>5</sub> &rarr; CuSO<sub>4</sub> + 5H<sub>2</sub>O";
    QTest::newRow("charges, the sign before a separator") << "Fe^3++e^->Fe^2+"
                                                          << "Fe³⁺ + e⁻ → Fe²⁺"
                                                          << "\\ce{Fe^3+ + e^- -> Fe^2+}"
                                                          << "Fe<sup>3+</sup> + e<sup>&minus;</sup> &rarr; "
                                                             "Fe<sup>2+</sup>";
    QTest::newRow("charges after counts") << "MnO4^-+8H^++5Fe^2+>Mn^2++5Fe^3++4H2O"
                                          << "MnO₄⁻ + 8H⁺ + 5Fe²⁺ → Mn²⁺ + 5Fe³⁺ + 4H₂O"
                                          << "\\ce{MnO4^- + 8H^+ + 5Fe^2+ -> Mn^2+ + 5Fe^3+ + 4H2O}"
                                          << "MnO<sub>4</sub><sup>&minus;</sup> + 8H<sup>+</sup> + "
                                             "5Fe<sup>2+</sup> &rarr; Mn<sup>2+</sup> + 5Fe<sup>3+</sup> + "
                                             "4H<sub>2</sub>O";
    QTest::newRow("negative counts") << "e-1>H-"
                                     << "e₋₁ → H₋"
                                     << "\\ce{e_{-1} -> H_{-1}}"
                                     << "e<sub>&minus;1</sub> &rarr; H<sub>&minus;</sub>";
    QTest::newRow("unbalanced text as the line holds it") << "H2+O2"
                                                          << "H₂ + O₂"
                                                          << "\\ce{H2 + O2}"
                                                          << "H<sub>2</sub> + O<sub>2</sub>";
}

void TestNotation::notationWriters()
{
    QFETCH(QString, compact);
    QFETCH(QString, unicode);
    QFETCH(QString, latex);
    QFETCH(QString, html);
    QCOMPARE(QString::fromStdString(ReactionAsUnicode(compact.toStdString())), unicode);
    QCOMPARE(QString::fromStdString(ReactionAsLatex(compact.toStdString())), latex);
    QCOMPARE(QString::fromStdString(ReactionAsHtml(compact.toStdString())), html);
    // What the unicode and LaTeX writers write reads back as the same reaction.
    for (const QString& written : {unicode, latex}) {
        const NotationReading reading = ReadReactionLine(written.toStdString(), KeyOptions());
        QCOMPARE(int(reading.BadPosition), 0);
        std::string read = reading.Text, expected = compact.toStdString();
        int caret = 0;
        TidyReaction(read, caret, true);
        TidyReaction(expected, caret, true);
        QCOMPARE(PrepareReaction(read), PrepareReaction(expected)); // H- and H-1 are one count
    }
}

void TestNotation::writtenBack_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("unicode");
    QTest::addColumn<QString>("latex");
    QTest::addColumn<QString>("html");

    QTest::newRow("hydrate dot, spaced coefficients")
        << "2 CuSO4 · 5 H2O → 2 CuSO4 + H2O"
        << "CuSO₄·5H₂O → CuSO₄ + 5 H₂O"
        << "\\ce{CuSO4*5H2O -> CuSO4 + 5 H2O}"
        << "CuSO<sub>4</sub>&middot;5H<sub>2</sub>O &rarr; CuSO<sub>4</sub> + 5 H<sub>2</sub>O";
    QTest::newRow("square brackets, states, equilibrium")
        << "[Cu(H2O)6]Cl2(aq) + NH3(aq) <=> [Cu(NH3)4]Cl2(aq) + H2O(l)"
        << "[Cu(H₂O)₆]Cl₂(aq) + 4NH₃(aq) ⇌ [Cu(NH₃)₄]Cl₂(aq) + 6H₂O(l)"
        << "\\ce{[Cu(H2O)6]Cl2(aq) + 4NH3(aq) <=> [Cu(NH3)4]Cl2(aq) + 6H2O(l)}"
        << "[Cu(H<sub>2</sub>O)<sub>6</sub>]Cl<sub>2</sub>(aq) + 4NH<sub>3</sub>(aq) &rlhar; "
           "[Cu(NH<sub>3</sub>)<sub>4</sub>]Cl<sub>2</sub>(aq) + 6H<sub>2</sub>O(l)";
    QTest::newRow("conditions over the arrow, gas and precipitate")
        << "\\ce{Pb(NO3)2 ->[\\Delta] PbO v + NO2 ^ + O2 ^}"
        << "2Pb(NO₃)₂ →[Δ] 2PbO↓ + 4NO₂↑ + O₂↑"
        << "\\ce{2Pb(NO3)2 ->[\\Delta] 2PbO v + 4NO2 ^ + O2 ^}"
        << "2Pb(NO<sub>3</sub>)<sub>2</sub> &rarr;[Δ] 2PbO&darr; + 4NO<sub>2</sub>&uarr; + "
           "O<sub>2</sub>&uarr;";
    QTest::newRow("charges in each style, the electron a lone {-}")
        << "MnO4- + H^+ + {-} → Mn{2+} + H₂O"
        << "MnO₄⁻ + 8H⁺ + 5e⁻ → Mn²⁺ + 4H₂O"
        << "\\ce{MnO4- + 8H^+ + 5e^{-} -> Mn^{2+} + 4H2O}"
        << "MnO<sub>4</sub><sup>&minus;</sup> + 8H<sup>+</sup> + 5e<sup>&minus;</sup> &rarr; Mn<sup>2+</sup> "
           "+ "
           "4H<sub>2</sub>O";
    QTest::newRow("sign first, a count read as charge")
        << "S^-2 + Fe3+ = S + Fe2+"
        << "S⁻² + 2Fe³⁺ = S + 2Fe²⁺"
        << "\\ce{S^{-2} + 2Fe^3+ = S + 2Fe^2+}"
        << "S<sup>&minus;2</sup> + 2Fe<sup>3+</sup> = S + 2Fe<sup>2+</sup>";
    QTest::newRow("groups and bonds")
        << "CH2=CH2 + EtOH → EtOCH2-CH3"
        << "CH₂=CH₂ + EtOH → EtOCH₂-CH₃"
        << "\\ce{CH2=CH2 + EtOH -> EtOCH2-CH3}"
        << "CH<sub>2</sub>=CH<sub>2</sub> + EtOH &rarr; EtOCH<sub>2</sub>-CH<sub>3</sub>";
}

void TestNotation::writtenBack()
{
    QFETCH(QString, written);
    QFETCH(QString, unicode);
    QFETCH(QString, latex);
    QFETCH(QString, html);
    WrittenReaction form;
    std::vector<std::string> coefficients;
    Balanced(written.toStdString(), &form, &coefficients);
    QCOMPARE(QString::fromStdString(ReactionAsWritten(form, coefficients, WrittenFormat::Unicode)), unicode);
    QCOMPARE(QString::fromStdString(ReactionAsWritten(form, coefficients, WrittenFormat::Latex)), latex);
    QCOMPARE(QString::fromStdString(ReactionAsWritten(form, coefficients, WrittenFormat::Html)), html);
}

void TestNotation::notationRoundTrip_data()
{
    QTest::addColumn<QString>("reaction");
    QFile file(QStringLiteral(STOIKON_CORPUS_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith("balanced "))
            QTest::newRow(qPrintable(line)) << line.section(' ', 1);
    }
}

// Every balanced reaction of the corpus written in each notation, from its compact text and
// from the way a textbook writes it, reads back to the same answer.
void TestNotation::notationRoundTrip()
{
    QFETCH(QString, reaction);
    const BalanceOutcome outcome = BalanceReaction(reaction.toStdString(), true);
    const QString balanced = QString::fromStdString(outcome.BalancedText);
    QCOMPARE(Balanced(outcome.BalancedText), balanced);
    for (const std::string& written :
         {ReactionAsUnicode(outcome.BalancedText), ReactionAsLatex(outcome.BalancedText),
          ReactionAsHtml(outcome.BalancedText)})
        QVERIFY2(Balanced(written) == balanced, written.c_str());
    const std::string unicode = ReactionAsUnicode(reaction.toStdString());
    WrittenReaction form;
    std::vector<std::string> coefficients;
    QCOMPARE(Balanced(unicode, &form, &coefficients), balanced);
    CheckWrittenBack(unicode, form, coefficients, balanced);
}

void TestNotation::balanceAsJson_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QString>("json");

    QTest::newRow("balanced")
        << "H₂ + O₂ → H₂O"
        << "H2+O2>H2O"
        << R"({"input":"H₂ + O₂ → H₂O","status":"balanced","balanced":"2H2+O2>2H2O","written":"2H2+O2>2H2O",)"
           R"("substances":["H2","O2","H2O"],"coefficients":[2,1,2],)"
           R"("molar_masses":[2.02,31.98,18.01],"reason":null})";
    QTest::newRow("a mass the table lacks is null")
        << "X+O2>X2O"
        << "X+O2>X2O"
        << R"({"input":"X+O2>X2O","status":"balanced",)"
           R"("balanced":"4X+O2>2X2O","written":"4X+O2>2X2O","substances":["X","O2","X2O"],)"
           R"("coefficients":[4,1,2],"molar_masses":[null,31.98,null],"reason":null})";
    QTest::newRow("ions: the charge weighs nothing, the electron has no mass")
        << "Cu²⁺ + e⁻ → Cu"
        << "Cu^2++e^->Cu"
        << R"({"input":"Cu²⁺ + e⁻ → Cu","status":"balanced","balanced":"Cu^2++2e^->Cu","written":"Cu^2++2e^->Cu",)"
           R"("substances":["Cu^2+","e^-","Cu"],"coefficients":[1,2,1],"molar_masses":[63.54,null,63.54],)"
           R"("reason":null})";
    QTest::newRow("invalid, input escaped")
        << "\"H2\" + O2\t\\"
        << "H2+O2"
        << R"({"input":"\"H2\" + O2\u0009\\","status":"invalid_reaction",)"
           R"("balanced":null,"written":null,"substances":[],"coefficients":[],)"
           R"("molar_masses":[],"reason":"no_arrow"})";
    QTest::newRow("two reactions in one")
        << "C+O2>CO+CO2"
        << "C+O2>CO+CO2"
        << R"({"input":"C+O2>CO+CO2","status":"cannot_balance","balanced":null,"written":null,)"
           R"("substances":[],"coefficients":[],"molar_masses":[],)"
           R"("reason":"several_reactions","count":2,"reactions":["2C+O2>2CO","C+O2>CO2"]})";
    QTest::newRow("a substance on the wrong side")
        << "Fe2O3>FeO+Fe"
        << "Fe2O3>FeO+Fe"
        << R"({"input":"Fe2O3>FeO+Fe","status":"cannot_balance",)"
           R"("balanced":null,"written":null,"substances":[],"coefficients":[],)"
           R"("molar_masses":[],"reason":"wrong_side","moved":["Fe"],)"
           R"("reaction":"Fe2O3+Fe>3FeO"})";
    QTest::newRow("ions that balance in solution")
        << "MnO4^- + Fe^2+ -> Mn^2+ + Fe^3+"
        << "MnO4^-+Fe^2+>Mn^2++Fe^3+"
        << R"({"input":"MnO4^- + Fe^2+ -> Mn^2+ + Fe^3+",)"
           R"("status":"invalid_reaction","balanced":null,"written":null,"substances":[],)"
           R"("coefficients":[],"molar_masses":[],)"
           R"("reason":"element_on_one_side","only_left":["O"],)"
           R"("only_right":[],"completes_in":["acid","base"]})";
}

void TestNotation::balanceAsJson()
{
    QFETCH(QString, input);
    QFETCH(QString, compact);
    QFETCH(QString, json);
    const BalanceOutcome outcome = BalanceReaction(compact.toStdString(), true);
    QCOMPARE(QString::fromStdString(BalanceAsJson(input.toStdString(), outcome)), json);
}

QTEST_GUILESS_MAIN(TestNotation)
#include "tst_notation.moc"
