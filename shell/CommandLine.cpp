// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

int RunCommandLine(const std::vector<std::string>& args, std::istream&, std::ostream&, std::ostream&)
{
    (void)args;
    return -1;
}
