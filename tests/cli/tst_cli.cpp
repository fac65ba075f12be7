// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <QTest>

#include <algorithm>
#include <sstream>
#include <streambuf>

// The command line through RunCommandLine, with string streams for the three channels.
class TestCommandLine : public QObject
{
    Q_OBJECT

  private slots:
    void run_data();
    void run();
    void balanceNotations_data();
    void balanceNotations();
    void help_listsEveryOption();
    void standardInput_answersEachLineBeforeReadingOn();
};

void TestCommandLine::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");

    // --balance
    QTest::newRow("balance") << QStringList{"--balance", "Cu+HNO3>Cu(NO3)2+NO+H2O"} << ""
                             << "3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O\n"
                             << 0;
    QTest::newRow("typed with unshifted keys") << QStringList{"--balance", "h2=o2 h2o"} << ""
                                               << "2H2+O2>2H2O\n"
                                               << 0;
    QTest::newRow("balanced text balances again") << QStringList{"--balance", "2H2+O2>2H2O"} << ""
                                                  << "2H2+O2>2H2O\n"
                                                  << 0;
    QTest::newRow("standard input, CR LF, a blank line kept in step")
        << QStringList{"--balance"} << "H2+O2>H2O\r\n \t\nfe+o2>fe2o3\n"
        << "2H2+O2>2H2O\n\n4Fe+3O2>2Fe2O3\n"
        << 0;
    QTest::newRow("standard input, empty") << QStringList{"--balance"} << ""
                                           << "" << 0;
    // Lines as a line reader gives them: the last needs no line feed, only the CR right
    // before a line's end goes, and a blank line still gets its (empty) answer
    QTest::newRow("standard input, no final line feed")
        << QStringList{"--balance"} << "H2+O2>H2O\nfe+o2>fe2o3"
        << "2H2+O2>2H2O\n4Fe+3O2>2Fe2O3\n"
        << 0;
    QTest::newRow("standard input, blank lines") << QStringList{"--balance"} << " \t\r\n\r\n\r"
                                                 << "\n\n\n"
                                                 << 0;

    // --molar-mass
    QTest::newRow("molar mass") << QStringList{"--molar-mass", "H2O", "Ca(OH)2"} << ""
                                << "18.015\n74.092\n"
                                << 0;
    QTest::newRow("unweighable formula") << QStringList{"--molar-mass", "NaCl", "Q", "H2+O2", "H2 + O2"} << ""
                                         << "58.44\nInvalid formula\nInvalid formula\nInvalid formula\n"
                                         << 1;
    QTest::newRow("formulas as --balance reads them")
        << QStringList{"--molar-mass", "CuSO4·5H2O", "CuSO4.5H2O", "[Cu(NH3)4]SO4",
                       "H₂O",          "PhCH3",      "AcOH",       "Fe3+"}
        << ""
        << "249.677\n249.677\n227.726\n18.015\n92.141\n60.052\n55.845\n"
        << 0;
    QTest::newRow("an ion weighs its atoms, the electron nothing known")
        << QStringList{"--molar-mass", "SO4^2-", "e^-"} << ""
        << "96.056\nInvalid formula\n"
        << 1;
    QTest::newRow("molar mass from standard input") << QStringList{"--molar-mass"} << "CO\nCo\n"
                                                    << "28.01\n58.933\n"
                                                    << 0;
    QTest::newRow("two-decimal weights, before the mode")
        << QStringList{"--two-decimal-weights", "--molar-mass", "H2O", "KMnO4"} << ""
        << "18.01\n158\n"
        << 0;
    QTest::newRow("two-decimal weights, among the formulas")
        << QStringList{"--molar-mass", "CO2", "--two-decimal-weights", "C6H12O6"} << ""
        << "43.99\n180.12\n"
        << 0;
    QTest::newRow("--precise is still accepted") << QStringList{"--precise", "--molar-mass", "H2O"} << ""
                                                 << "18.015\n"
                                                 << 0;
    QTest::newRow("the next run has the IUPAC weights again") << QStringList{"--molar-mass", "H2O"} << ""
                                                              << "18.015\n"
                                                              << 0;
    QTest::newRow("molar mass from standard input, CR LF") << QStringList{"--molar-mass"} << "CO\r\n\r\nCo"
                                                           << "28.01\n58.933\n"
                                                           << 0;

    // The window's cases
    QTest::newRow("no arguments") << QStringList{} << ""
                                  << "" << -1;
    QTest::newRow("document path") << QStringList{"reaction.KVX"} << ""
                                   << "" << -1;
    QTest::newRow("precise weights in the window") << QStringList{"--precise", "reaction.KVX"} << ""
                                                   << "" << -1;
}

// Runs the command line on the row's arguments and input; compares what it printed on
// each stream and its exit status.
static void RunRow(const QString& error)
{
    QFETCH(QStringList, args);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(int, status);
    std::vector<std::string> arguments;
    for (const QString& a : args)
        arguments.push_back(a.toStdString());
    std::istringstream in(input.toStdString());
    std::ostringstream out, err;
    QCOMPARE(RunCommandLine(arguments, in, out, err), status);
    QCOMPARE(QString::fromStdString(out.str()), output);
    QCOMPARE(QString::fromStdString(err.str()), error);
}

void TestCommandLine::run()
{
    RunRow(QString());
}

void TestCommandLine::balanceNotations_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("status");

    // Textbook notation in
    QTest::newRow("subscripts, not a different reaction") << QStringList{"--balance", "H₂+O₂>H₂O"} << ""
                                                          << "2H2+O2>2H2O\n"
                                                          << "" << 0;
    QTest::newRow("spaced, with states and a hydrate")
        << QStringList{"--balance"} << "  Zn(s) + HCl(aq) = ZnCl2(aq) + H2(g)  \nCuSO4·5H2O → CuSO4 + H2O\n"
        << "Zn+2HCl>ZnCl2+H2\nCuSO4(H2O)5>CuSO4+5H2O\n"
        << "" << 0;
    QTest::newRow("a character no reading can use, typed")
        << QStringList{"--balance", "H2+O2>H2O", "H2+O2>H2O\x1b"} << ""
        << "2H2+O2>2H2O\nInvalid reaction\n"
        << "stoikon: reaction 2: cannot read U+001B at character 10\n"
        << 1;
    QTest::newRow("a character no reading can use, textbook")
        << QStringList{"--balance"} << "\n 2H₂ + O₂ → 2H₂O ✓\n"
        << "\nInvalid reaction\n"
        << "stoikon: line 2: cannot read '✓' (U+2713) at character 18\n"
        << 1;
    QTest::newRow("a line of two CRs is not blank, a CR inside a line no key")
        << QStringList{"--balance"} << "\r\r\nH2+O2\r>H2O\r\n"
        << "Invalid reaction\nInvalid reaction\n"
        << "stoikon: line 1: cannot read U+000D at character 1\n"
           "stoikon: line 2: cannot read U+000D at character 6\n"
        << 1;
    QTest::newRow("a + with no substance before it")
        << QStringList{"--balance", "Cu + + Zn → Cu + Zn"} << ""
        << "Invalid reaction\n"
        << "stoikon: reaction 1: cannot read '+' (U+002B) at character 4\n"
        << 1;
    QTest::newRow("a name no element or group has")
        << QStringList{"--balance", "XyCH3 + O2 → CO2 + H2O"} << ""
        << "Invalid reaction\n"
        << "stoikon: reaction 1: cannot read 'Xy' at character 1: no element or group has that symbol\n"
        << 1;
    QTest::newRow("lower case read as the one reading that balances")
        << QStringList{"--balance", "ch4=o2 co2=h2o", "Cu+hno3>cu(no3)2+no+h2o"} << ""
        << "CH4+2O2>CO2+2H2O\n3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O\n"
        << "stoikon: reaction 1: Read co2 as CO2\n"
           "stoikon: reaction 2: Read hno3 as HNO3, cu(no3)2 as Cu(NO3)2, no as NO\n"
        << 0;

    // Formats out
    QTest::newRow("unicode") << QStringList{"--balance", "--format", "unicode", "Fe+O2>Fe2O3"} << ""
                             << "4Fe + 3O₂ → 2Fe₂O₃\n"
                             << "" << 0;
    QTest::newRow("unicode, ions in and out")
        << QStringList{"--balance",    "--format",   "unicode", "MnO₄⁻ + H⁺ + Fe²⁺ → Mn²⁺ + Fe³⁺ + H₂O",
                       "Cu>Cu^2++e^-", "Fe^3+>Fe^2+"}
        << ""
        << "MnO₄⁻ + 8H⁺ + 5Fe²⁺ → Mn²⁺ + 5Fe³⁺ + 4H₂O\nCu → Cu²⁺ + 2e⁻\nCan not balance this reaction\n"
        << "stoikon: reaction 3: No coefficients give every element (and the charge) the same total on both "
           "sides.\n"
        << 1;
    QTest::newRow("latex, the format last")
        << QStringList{"--balance", "h2=o2 h2o", "--format", "latex"} << ""
        << "\\ce{2H2 + O2 -> 2H2O}\n"
        << "" << 0;
    QTest::newRow("html, failures as in plain")
        << QStringList{"--balance", "--format=html", "H2+O2>H2O", "H2+O2"} << ""
        << "2H<sub>2</sub> + O<sub>2</sub> &rarr; 2H<sub>2</sub>O\nInvalid reaction\n"
        << "stoikon: reaction 2: The reaction has no arrow (>) between its two sides.\n"
        << 1;
    QTest::newRow("json, one object a line, blank lines kept")
        << QStringList{"--balance", "--format", "json"} << "H2 + O2 -> H2O\n\nFe+O2>FeO+Fe2O3\n"
        << "{\"input\":\"H2 + O2 -> H2O\",\"status\":\"balanced\",\"balanced\":\"2H2+O2>2H2O\","
           "\"written\":\"2H2 + O2 -> 2H2O\",\"substances\":[\"H2\",\"O2\",\"H2O\"],\"coefficients\":[2,1,2],"
           "\"molar_masses\":[2.016,31.998,18.015],\"reason\":null}\n\n"
           "{\"input\":\"Fe+O2>FeO+Fe2O3\",\"status\":\"cannot_balance\",\"balanced\":null,\"written\":null,"
           "\"substances\":[],\"coefficients\":[],\"molar_masses\":[],\"reason\":\"several_reactions\","
           "\"count\":2,\"reactions\":[\"2Fe+O2>2FeO\",\"4Fe+3O2>2Fe2O3\"]}\n"
        << "stoikon: line 3: It is 2 independent reactions written as one: 2Fe+O2>2FeO; 4Fe+3O2>2Fe2O3\n"
        << 1;
    QTest::newRow("json, two-decimal weights")
        << QStringList{"--two-decimal-weights", "--balance", "--format", "json", "H2O>H2+O2"} << ""
        << "{\"input\":\"H2O>H2+O2\",\"status\":\"balanced\",\"balanced\":"
           "\"2H2O>2H2+O2\",\"written\":\"2H2O>2H2+O2\",\"substances\":[\"H2O\",\"H2\",\"O2\"],"
           "\"coefficients\":[2,2,1],\"molar_masses\":[18.01,2.02,31.98],\"reason\":null}\n"
        << "" << 0;
    // Why not, and what would balance
    QTest::newRow("one failure fails the run, each says why")
        << QStringList{"--balance", "H2+O2>H2O", "H2+O2", "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O", "Fe2O3>FeO+Fe"}
        << ""
        << "2H2+O2>2H2O\nInvalid reaction\nCan not balance this reaction\nCan not balance this reaction\n"
        << "stoikon: reaction 2: The reaction has no arrow (>) between its two sides.\n"
           "stoikon: reaction 3: It is 2 independent reactions written as one: NaOH+HCl>NaCl+H2O; "
           "2NaOH+H2SO4>Na2SO4+2H2O\n"
           "stoikon: reaction 4: Fe belongs on the other side: Fe2O3+Fe>3FeO\n"
        << 1;
    QTest::newRow("coefficients a book gives choose among several forms")
        << QStringList{"--balance", "2KMnO4 + 5H2O2 + 3H2SO4 → K2SO4 + MnSO4 + O2 + H2O",
                       "2kmno4=5h2o2=3h2so4 k2so4=mnso4=o2=h2o"}
        << ""
        << "2KMnO4+5H2O2+3H2SO4>K2SO4+2MnSO4+5O2+8H2O\n2KMnO4+5H2O2+3H2SO4>K2SO4+2MnSO4+5O2+8H2O\n"
        << "" << 0;
    QTest::newRow("completed in solution when asked")
        << QStringList{"--balance", "MnO4^- + Fe^2+ -> Mn^2+ + Fe^3+", "--medium", "acid", "Fe^3+>Fe^2+"}
        << ""
        << "MnO4^-+5Fe^2++8H^+>Mn^2++5Fe^3++4H2O\nCan not balance this reaction\n"
        << "stoikon: reaction 2: No coefficients give every element (and the charge) the same total on both "
           "sides.\n"
        << 1;
    QTest::newRow("completion offered")
        << QStringList{"--balance", "Cr2O7^2- + I^- -> Cr^3+ + I2"} << ""
        << "Invalid reaction\n"
        << "stoikon: reaction 1: O appears only among the reactants. It balances in acidic solution "
           "(completed "
           "with H⁺ and H₂O) or in basic solution (with OH⁻ and H₂O). (--medium acid or base)\n"
        << 1;
    QTest::newRow("unknown medium") << QStringList{"--balance", "--medium=neutral", "H2+O2>H2O"} << ""
                                    << ""
                                    << "stoikon: unknown medium 'neutral': acid or base\n"
                                    << 2;

    // --check
    QTest::newRow("check: balanced, and not in lowest terms")
        << QStringList{"--check", "4H₂ + 2O₂ → 4H₂O", "Fe^3++e^->Fe^2+"} << ""
        << "4H2+2O2>4H2O\n  The coefficients balance the reaction.\n"
           "  They are not in lowest terms: each can be divided by 2.\n  Reactants : products\n"
           "  H  8 : 8\n  O  4 : 4\n"
           "Fe^3++e^->Fe^2+\n  The coefficients balance the reaction.\n  They are in lowest terms.\n"
           "  Reactants : products\n  Fe  1 : 1\n  charge  2 : 2\n"
        << "" << 0;
    QTest::newRow("check: not balanced, or not a reaction")
        << QStringList{"--check"} << "2h2=o2 h2o\nH2+O2\n010H2+5O2>10H2O\n"
        << "2H2+O2>H2O\n  The coefficients do not balance the reaction.\n  They are in lowest terms.\n"
           "  Reactants : products\n  H  4 : 2  ≠\n  O  2 : 1  ≠\n"
           "H2+O2\n  Invalid reaction\n  The reaction has no arrow (>) between its two sides.\n"
           "010H2+5O2>10H2O\n  The coefficients balance the reaction.\n"
           "  They are not in lowest terms: each can be divided by 5.\n  Reactants : products\n"
           "  H  20 : 20\n  O  10 : 10\n"
        << "" << 1;

    QTest::newRow("unknown format") << QStringList{"--balance", "--format", "rtf", "H2+O2>H2O"} << ""
                                    << ""
                                    << "stoikon: unknown format 'rtf': plain, unicode, latex, html or json\n"
                                    << 2;
    QTest::newRow("format without a name")
        << QStringList{"--balance", "H2+O2>H2O", "--format"} << ""
        << ""
        << "stoikon: --format needs a name: plain, unicode, latex, html or json\n"
        << 2;
}

void TestCommandLine::balanceNotations()
{
    QFETCH(QString, error);
    RunRow(error);
}

void TestCommandLine::help_listsEveryOption()
{
    std::istringstream in;
    std::ostringstream out, err;
    QCOMPARE(RunCommandLine({"--help"}, in, out, err), 0);
    for (const CommandLineOption& option : CommandLineOptions())
        QVERIFY2(out.str().find(option.Name) != std::string::npos, option.Name.c_str());

    std::ostringstream version;
    QCOMPARE(RunCommandLine({"--version"}, in, version, err), 0);
    QVERIFY(QString::fromStdString(version.str()).startsWith("Stoikon 1."));

    // An unknown option is reported on the error channel with status 2
    std::ostringstream unknownOut, unknownErr;
    QCOMPARE(RunCommandLine({"--frobnicate", "x"}, in, unknownOut, unknownErr), 2);
    QVERIFY(unknownOut.str().empty());
    QVERIFY(unknownErr.str().find("--frobnicate") != std::string::npos);
    // So is anything after a document: an option there is a mistake, not a window to open
    std::ostringstream afterOut, afterErr;
    QCOMPARE(RunCommandLine({"missing.KVX", "--balance", "x"}, in, afterOut, afterErr), 2);
    QVERIFY(afterOut.str().empty());
    QVERIFY(afterErr.str().find("'--balance' after the document 'missing.KVX'") != std::string::npos);

    // The stoikon command hands the window program what only it can do: the window, an
    // export that draws (its writer is the window program's), an option it may know; before
    // a word is written.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--precise", "doc.KVX"}, {"--export-bitmap", "missing.KVX", "out.bmp"}, {"--frobnicate"}}) {
        std::ostringstream handedOut, handedErr;
        QCOMPARE(RunCommandLine(args, in, handedOut, handedErr, UnknownOption::ForWindowProgram),
                 ForWindowProgram);
        QVERIFY(handedOut.str().empty() && handedErr.str().empty());
    }
}

namespace {

// Standard input that arrives a few bytes at a time and, each time it has to wait for
// more, notes what had been written by then.
class TrickleInput : public std::streambuf
{
  public:
    TrickleInput(std::string text, const std::ostringstream& out) : Text(std::move(text)), Out(out) {}
    std::vector<std::string> WrittenAtEachWait;

  protected:
    int_type underflow() override
    {
        WrittenAtEachWait.push_back(Out.str());
        if (At == Text.size())
            return traits_type::eof();
        const size_t size = std::min<size_t>(1 + At % 3, Text.size() - At);
        Piece = Text.substr(At, size);
        At += size;
        setg(Piece.data(), Piece.data(), Piece.data() + Piece.size());
        return traits_type::to_int_type(Piece[0]);
    }

  private:
    std::string Text;
    const std::ostringstream& Out;
    std::string Piece;
    size_t At = 0;
};

} // namespace

void TestCommandLine::standardInput_answersEachLineBeforeReadingOn()
{
    // Lines cut anywhere (inside a UTF-8 letter, between CR and line feed) read as whole
    // lines, and each answer is out before the next input is waited for.
    const std::string input = "h2=o2 h2o\r\nfe+o\xe2\x82\x82>fe2o3\r\n \ncu+HNO3>cu(NO3)2+NO+h2o";
    std::ostringstream out, err;
    TrickleInput trickle(input, out);
    std::istream in(&trickle);
    QCOMPARE(RunCommandLine({"--balance"}, in, out, err), 0);
    const std::string answers = "2H2+O2>2H2O\n4Fe+3O2>2Fe2O3\n\n3Cu+8HNO3>3Cu(NO3)2+2NO+4H2O\n";
    QCOMPARE(out.str(), answers);
    const auto& seen = trickle.WrittenAtEachWait;
    QVERIFY(std::find(seen.begin(), seen.end(), "2H2+O2>2H2O\n") != seen.end());
    QVERIFY(std::find(seen.begin(), seen.end(), "2H2+O2>2H2O\n4Fe+3O2>2Fe2O3\n") != seen.end());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_cli.moc"
