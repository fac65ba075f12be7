// SPDX-License-Identifier: GPL-3.0-or-later
// The stoikon command: plain C++, so that the command-line modes start without loading Qt.
// Everything else (the window, an export that draws) is the window program's, which takes
// over this process with the same arguments.
#include "cli/CommandLine.h"
#include "document/Paths.h"
#include "generated/Version.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include <unistd.h>

namespace {
// Beside this program in the build tree; in an installation where the install put it.
std::string WindowProgramPath()
{
    const std::string folder = ProgramFolder();
    const std::string beside = JoinPath(folder, WindowProgramName);
    return IsRegularFile(beside) ? beside : CleanPath(JoinPath(folder, WindowProgramFromCommand));
}
} // namespace

int main(int argc, char** argv)
{
    PrepareStandardStreams();
    const int status = RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                                      std::cerr, UnknownOption::ForWindowProgram);
    if (status != ForWindowProgram)
        return status;
    const std::string window = WindowProgramPath();
    ::execv(window.c_str(), argv);
    std::cerr << "stoikon: cannot start the window program " << window << ": " << std::strerror(errno)
              << '\n';
    return 1;
}
