// SPDX-License-Identifier: GPL-3.0-or-later
// Textbook notation: written forms read into the compact reaction text, and the writers.
#include "tst_core.h"

#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/ReactionParser.h"
#include "core/TextbookNotation.h"

#include <QTest>

void TestCore::readReactionLine_data()
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
    QTest::newRow("a plain + is no charge") << "Cu2+ + Zn → Cu + Zn2+" << true << "Cu2+Zn>Cu+Zn2" << 4;
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
}

void TestCore::readReactionLine()
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

void TestCore::notationWriters_data()
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

void TestCore::notationWriters()
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

void TestCore::balanceAsJson_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QString>("json");

    QTest::newRow("balanced") << "H₂ + O₂ → H₂O"
                              << "H2+O2>H2O"
                              << R"({"input":"H₂ + O₂ → H₂O","status":"balanced","balanced":"2H2+O2>2H2O",)"
                                 R"("substances":["H2","O2","H2O"],"coefficients":[2,1,2],)"
                                 R"("molar_masses":[2.02,31.98,18.01],"reason":null})";
    QTest::newRow("a mass the table lacks is null")
        << "X+O2>X2O"
        << "X+O2>X2O"
        << R"({"input":"X+O2>X2O","status":"balanced",)"
           R"("balanced":"4X+O2>2X2O","substances":["X","O2","X2O"],)"
           R"("coefficients":[4,1,2],"molar_masses":[null,31.98,null],"reason":null})";
    QTest::newRow("ions: the charge weighs nothing, the electron has no mass")
        << "Cu²⁺ + e⁻ → Cu"
        << "Cu^2++e^->Cu"
        << R"({"input":"Cu²⁺ + e⁻ → Cu","status":"balanced","balanced":"Cu^2++2e^->Cu",)"
           R"("substances":["Cu^2+","e^-","Cu"],"coefficients":[1,2,1],"molar_masses":[63.54,null,63.54],)"
           R"("reason":null})";
    QTest::newRow("invalid, input escaped")
        << "\"H2\" + O2\t\\"
        << "H2+O2"
        << R"({"input":"\"H2\" + O2\u0009\\","status":"invalid_reaction",)"
           R"("balanced":null,"substances":[],"coefficients":[],)"
           R"("molar_masses":[],"reason":"no_arrow"})";
    QTest::newRow("two reactions in one")
        << "C+O2>CO+CO2"
        << "C+O2>CO+CO2"
        << R"({"input":"C+O2>CO+CO2","status":"cannot_balance","balanced":null,)"
           R"("substances":[],"coefficients":[],"molar_masses":[],)"
           R"("reason":"several_reactions","count":2,"reactions":["2C+O2>2CO","C+O2>CO2"]})";
    QTest::newRow("a substance on the wrong side")
        << "Fe2O3>FeO+Fe"
        << "Fe2O3>FeO+Fe"
        << R"({"input":"Fe2O3>FeO+Fe","status":"cannot_balance",)"
           R"("balanced":null,"substances":[],"coefficients":[],)"
           R"("molar_masses":[],"reason":"wrong_side","moved":["Fe"],)"
           R"("reaction":"Fe2O3+Fe>3FeO"})";
    QTest::newRow("ions that balance in solution")
        << "MnO4^- + Fe^2+ -> Mn^2+ + Fe^3+"
        << "MnO4^-+Fe^2+>Mn^2++Fe^3+"
        << R"({"input":"MnO4^- + Fe^2+ -> Mn^2+ + Fe^3+",)"
           R"("status":"invalid_reaction","balanced":null,"substances":[],)"
           R"("coefficients":[],"molar_masses":[],)"
           R"("reason":"element_on_one_side","only_left":["O"],)"
           R"("only_right":[],"completes_in":["acid","base"]})";
}

void TestCore::balanceAsJson()
{
    QFETCH(QString, input);
    QFETCH(QString, compact);
    QFETCH(QString, json);
    const BalanceOutcome outcome = BalanceReaction(compact.toStdString(), true);
    QCOMPARE(QString::fromStdString(BalanceAsJson(input.toStdString(), outcome)), json);
}
