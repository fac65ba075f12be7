// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs Stoikon's command-line modes (--balance, --molar-mass, --help, --version, ...).
// args excludes the program name. Returns the process exit status, or -1 when the
// arguments ask for the window (no option, or a document path).
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// One row of the option table. Run gets the arguments after the option and returns the exit
// status. A new mode is one more row in CommandLineOptions().
struct CommandLineOption
{
    const char* Name;     // "--balance"
    const char* Operands; // how the arguments are shown in --help, "" when none
    const char* Help;     // one line for --help
    int (*Run)(const std::vector<std::string>& operands, std::istream& in, std::ostream& out,
               std::ostream& err);
};

const std::vector<CommandLineOption>& CommandLineOptions();

// Adds a mode defined outside the toolkit-free core of the command line (the document
// modes, which need the window's drawing and file code).
void AddCommandLineOption(const CommandLineOption& option);
