// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

#include <QTest>

#include <sstream>

// The command line through RunCommandLine, with string streams for the three channels.
class TestCommandLine : public QObject
{
    Q_OBJECT

  private slots:
    void run_data();
    void run();
    void help_listsEveryOption();
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
    QTest::newRow("one failure fails the run")
        << QStringList{"--balance", "H2+O2>H2O", "H2+O2", "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O"} << ""
        << "2H2+O2>2H2O\nInvalid reaction\nCan not balance this reaction\n"
        << 1;
    QTest::newRow("standard input, CR LF and blank lines")
        << QStringList{"--balance"} << "H2+O2>H2O\r\n\nfe+o2>fe2o3\n"
        << "2H2+O2>2H2O\n4Fe+3O2>2Fe2O3\n"
        << 0;
    QTest::newRow("standard input, empty") << QStringList{"--balance"} << ""
                                           << "" << 0;

    // --molar-mass
    QTest::newRow("molar mass") << QStringList{"--molar-mass", "H2O", "Ca(OH)2"} << ""
                                << "18.01\n74.08\n"
                                << 0;
    QTest::newRow("unweighable formula") << QStringList{"--molar-mass", "NaCl", "Lr", "H2+O2"} << ""
                                         << "58.44\nInvalid formula\nInvalid formula\n"
                                         << 1;
    QTest::newRow("molar mass from standard input") << QStringList{"--molar-mass"} << "CO\nCo\n"
                                                    << "28\n58.93\n"
                                                    << 0;
    QTest::newRow("precise weights, before the mode")
        << QStringList{"--precise", "--molar-mass", "H2O", "KMnO4"} << ""
        << "18.015\n158.032\n"
        << 0;
    QTest::newRow("precise weights, among the formulas")
        << QStringList{"--molar-mass", "CO2", "--precise", "C6H12O6"} << ""
        << "44.009\n180.156\n"
        << 0;
    QTest::newRow("the next run has the table again") << QStringList{"--molar-mass", "H2O"} << ""
                                                      << "18.01\n"
                                                      << 0;

    // The window's cases
    QTest::newRow("no arguments") << QStringList{} << ""
                                  << "" << -1;
    QTest::newRow("document path") << QStringList{"reaction.KVX"} << ""
                                   << "" << -1;
    QTest::newRow("precise weights in the window") << QStringList{"--precise", "reaction.KVX"} << ""
                                                   << "" << -1;
}

void TestCommandLine::run()
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
    QCOMPARE(QString::fromStdString(err.str()), QString());
}

void TestCommandLine::help_listsEveryOption()
{
    std::istringstream in;
    std::ostringstream out, err;
    QCOMPARE(RunCommandLine({"--help"}, in, out, err), 0);
    for (const CommandLineOption& option : CommandLineOptions())
        QVERIFY2(out.str().find(option.Name) != std::string::npos, option.Name);

    std::ostringstream version;
    QCOMPARE(RunCommandLine({"--version"}, in, version, err), 0);
    QVERIFY(QString::fromStdString(version.str()).startsWith("Stoikon 1."));

    // An unknown option is reported on the error channel with status 2
    std::ostringstream unknownOut, unknownErr;
    QCOMPARE(RunCommandLine({"--frobnicate", "x"}, in, unknownOut, unknownErr), 2);
    QVERIFY(unknownOut.str().empty());
    QVERIFY(unknownErr.str().find("--frobnicate") != std::string::npos);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_cli.moc"
