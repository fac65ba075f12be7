// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"

#include <optional>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// What RunCommandLine returns when the arguments are the window program's: the window (no
// option, or a document path), or an export that draws, whose writer only the window
// program has (document/Exports).
inline constexpr int ForWindowProgram = -1;

// What an option missing from the table is: a wrong call, or one for the window program,
// which may know options that draw beside these (the stoikon command hands it over).
enum class UnknownOption
{
    Refuse,
    ForWindowProgram
};

// Runs Stoikon's command-line modes (--balance, --molar-mass, --help, --version, ...).
// args excludes the program name. Returns the process exit status, or ForWindowProgram.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, UnknownOption unknown = UnknownOption::Refuse);

// Readies the standard streams for the modes: a stream the caller closed is opened on
// /dev/null, and the C++ streams are unsynchronised from C's, so that standard input is read
// in blocks as it arrives and output is buffered until a read would wait.
void PrepareStandardStreams();

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
