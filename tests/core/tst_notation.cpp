// SPDX-License-Identifier: GPL-3.0-or-later
// Textbook notation: written forms read into the compact reaction text.

#include "tests/core/NotationTest.h"

class TestNotation : public QObject
{
    Q_OBJECT

  private slots:
    void readReactionLine_data();
    void readReactionLine();
    void writtenForms_data();
    void writtenForms();
};

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
    QTest::newRow("a second charge") << "Fe^3+^+ → Fe" << true << "Fe^3+>Fe" << 6;
    QTest::newRow("the electron's second charge") << "Fe^{3+} + e^-^{-} → Fe" << true << "Fe^3++e^->Fe" << 14;

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

QTEST_GUILESS_MAIN(TestNotation)
#include "tst_notation.moc"
