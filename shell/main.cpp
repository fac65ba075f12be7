// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = RunCommandLine(args, std::cin, std::cout, std::cerr);
    if (status >= 0)
        return status;
    return 0;
}
