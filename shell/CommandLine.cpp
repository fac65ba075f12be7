// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

#include "core/Balance.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionText.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#ifndef STOIKON_VERSION
#define STOIKON_VERSION "1.0.0"
#endif

namespace {

AtomicWeights RunWeights = AtomicWeights::Table;

// The operands, or the lines of standard input when there are none (blank lines skipped,
// a CR before the line feed dropped).
std::vector<std::string> OperandsOrLines(const std::vector<std::string>& operands, std::istream& in)
{
    if (!operands.empty())
        return operands;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

int RunBalance(const std::vector<std::string>& operands, std::istream& in, std::ostream& out, std::ostream&)
{
    const KeyOptions keys;
    int status = 0;
    for (const std::string& reaction : OperandsOrLines(operands, in)) {
        // As if pasted into an empty reaction line with the default key sets.
        BalanceOutcome outcome = BalanceReaction(TypeReaction(reaction, keys), keys.ChB);
        switch (outcome.status) {
        case BalanceOutcome::Status::Balanced:
            out << outcome.BalancedText << '\n';
            break;
        case BalanceOutcome::Status::InvalidReaction:
            out << "Invalid reaction\n";
            status = 1;
            break;
        case BalanceOutcome::Status::CannotBalance:
            out << "Can not balance this reaction\n";
            status = 1;
            break;
        }
    }
    return status;
}

int RunMolarMass(const std::vector<std::string>& operands, std::istream& in, std::ostream& out, std::ostream&)
{
    int status = 0;
    for (const std::string& formula : OperandsOrLines(operands, in)) {
        try {
            out << MolarMass(formula, RunWeights) << '\n';
        } catch (const StoikonError&) {
            out << "Invalid formula\n";
            status = 1;
        }
    }
    return status;
}

// Option lines as "  --name OPERANDS", each followed by its help text wrapped to fit 80
// columns under a six-blank indent.
int RunHelp(const std::vector<std::string>&, std::istream&, std::ostream& out, std::ostream&)
{
    out << "Usage: stoikon [DOCUMENT.KVX]\n"
           "       stoikon OPTION [ARGUMENT...]\n"
           "\n"
           "Without an option Stoikon opens its window (and the document, if one is named).\n"
           "\n"
           "Options:\n";
    for (const CommandLineOption& option : CommandLineOptions()) {
        out << "  " << option.Name;
        if (*option.Operands)
            out << ' ' << option.Operands;
        std::istringstream words(option.Help);
        std::string word;
        std::string line = "     ";
        while (words >> word) {
            if (line.size() + 1 + word.size() > 79) {
                out << '\n' << line;
                line = "     ";
            }
            line += ' ' + word;
        }
        out << '\n' << line << '\n';
    }
    return 0;
}

int RunVersion(const std::vector<std::string>&, std::istream&, std::ostream& out, std::ostream&)
{
    out << "Stoikon " << STOIKON_VERSION << '\n';
    return 0;
}

std::vector<CommandLineOption>& Options()
{
    static std::vector<CommandLineOption> options = {
        {"--balance", "[REACTION...]",
         "balance each reaction (typed as in the reaction line: h2=o2 h2o is H2+O2>H2O); "
         "without one, read reactions from standard input, one per line",
         RunBalance},
        {"--molar-mass", "[FORMULA...]",
         "print the molar mass of each formula; without one, read formulas from standard input",
         RunMolarMass},
        {"--precise", "",
         "weigh with the IUPAC standard atomic weights abridged to five significant figures "
         "(18.015 for H2O) instead of the program's own table, in --molar-mass, --calculate and "
         "the window; it may stand anywhere among the arguments",
         nullptr},
        {"--help", "", "show this help and exit", RunHelp},
        {"--version", "", "show the version and exit", RunVersion},
    };
    return options;
}
} // namespace

const std::vector<CommandLineOption>& CommandLineOptions()
{
    return Options();
}

void AddCommandLineOption(const CommandLineOption& option)
{
    // Before --precise, --help and --version, which close the list.
    std::vector<CommandLineOption>& options = Options();
    options.insert(options.end() - 3, option);
}

bool TakePreciseOption(std::vector<std::string>& args)
{
    const auto end = std::remove(args.begin(), args.end(), std::string("--precise"));
    const bool found = end != args.end();
    args.erase(end, args.end());
    return found;
}

AtomicWeights CommandLineWeights()
{
    return RunWeights;
}

int RunCommandLine(const std::vector<std::string>& givenArgs, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    std::vector<std::string> args = givenArgs;
    RunWeights = TakePreciseOption(args) ? AtomicWeights::Precise : AtomicWeights::Table;
    // No option, or a document path: the window takes over.
    if (args.empty() || args.front().size() < 2 || args.front()[0] != '-')
        return -1;
    const std::string& name = args.front();
    for (const CommandLineOption& option : CommandLineOptions())
        if (option.Run && (name == option.Name || (name == "-h" && option.Run == RunHelp)))
            return option.Run(std::vector<std::string>(args.begin() + 1, args.end()), in, out, err);
    err << "stoikon: unknown option '" << name << "'\n"
        << "Try 'stoikon --help' for the list of options.\n";
    return 2;
}
