// SPDX-License-Identifier: GPL-3.0-or-later
// Textbook notation: the writers, and what they write read back.

#include "tests/core/NotationTest.h"

#include <QFile>

class TestNotationWriters : public QObject
{
    Q_OBJECT

  private slots:
    void notationWriters_data();
    void notationWriters();
    void writtenBack_data();
    void writtenBack();
    void notationRoundTrip_data();
    void notationRoundTrip();
    void balanceAsJson_data();
    void balanceAsJson();
};

void TestNotationWriters::notationWriters_data()
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

void TestNotationWriters::notationWriters()
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

void TestNotationWriters::writtenBack_data()
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

void TestNotationWriters::writtenBack()
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

void TestNotationWriters::notationRoundTrip_data()
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
void TestNotationWriters::notationRoundTrip()
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

void TestNotationWriters::balanceAsJson_data()
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

void TestNotationWriters::balanceAsJson()
{
    QFETCH(QString, input);
    QFETCH(QString, compact);
    QFETCH(QString, json);
    const BalanceOutcome outcome = BalanceReaction(compact.toStdString(), true);
    QCOMPARE(QString::fromStdString(BalanceAsJson(input.toStdString(), outcome)), json);
}

QTEST_GUILESS_MAIN(TestNotationWriters)
#include "tst_notation_writers.moc"
