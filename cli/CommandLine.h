// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"

#include <iosfwd>
#include <string>
#include <vector>

// Runs Stoikon's command-line modes (--balance, --molar-mass, --help, --version, ...).
// args excludes the program name. Returns the process exit status, or -1 when the
// arguments ask for the window (no option, or a document path).
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// --precise, wherever it stands among the arguments, has molar masses summed from the
// precise atomic weights. Takes it out of args; true when it was there.
bool TakePreciseOption(std::vector<std::string>& args);

// The atomic weights the modes of the current RunCommandLine use.
AtomicWeights CommandLineWeights();

// One row of the option table. Run gets the arguments after the option and returns the exit
// status. A new mode is one more row in CommandLineOptions().
struct CommandLineOption
{
    const char* Name;     // "--balance"
    const char* Operands; // how the arguments are shown in --help, "" when none
    const char* Help;     // one line for --help
    // Null for an option that goes with the others instead of being a mode (--precise).
    int (*Run)(const std::vector<std::string>& operands, std::istream& in, std::ostream& out,
               std::ostream& err);
};

const std::vector<CommandLineOption>& CommandLineOptions();

// Adds a mode defined outside the toolkit-free core of the command line (the document
// modes, which need the window's drawing and file code).
void AddCommandLineOption(const CommandLineOption& option);
