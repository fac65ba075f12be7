// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"

#include <optional>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Runs Stoikon's command-line modes (--balance, --molar-mass, --help, --version, ...).
// args excludes the program name. Returns the process exit status, or -1 when the
// arguments ask for the window (no option, or a document path).
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// The atomic weights the arguments choose, wherever the option stands among them: the
// IUPAC standard weights by default and with --precise, the former two-decimal table with
// --two-decimal-weights (which wins over --precise). Takes the options out of args; nothing
// when there was none.
std::optional<AtomicWeights> TakeWeightsOption(std::vector<std::string>& args);

// The atomic weights the modes of the current RunCommandLine use.
AtomicWeights CommandLineWeights();

// One row of the option table. Run gets the arguments after the option and returns the exit
// status.
struct CommandLineOption
{
    std::string Name;     // "--balance"
    std::string Operands; // how the arguments are shown in --help, "" when none
    std::string Help;     // one line for --help
    // Empty for an option that goes with the others instead of being a mode (--precise).
    std::function<int(const std::vector<std::string>& operands, std::istream& in, std::ostream& out,
                      std::ostream& err)>
        Run;
};

// Every option in the order --help lists them: the modes of this library, one for every
// document export (document/Exports), and --precise, --help and --version last.
std::vector<CommandLineOption> CommandLineOptions();
