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
