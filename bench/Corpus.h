// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <string>
#include <vector>

// The reactions of the test corpus (the second field of every line that is not a heading).
inline std::vector<std::string> CorpusReactions()
{
    std::vector<std::string> reactions;
    std::ifstream file(STOIKON_CORPUS_FILE);
    std::string kind;
    std::string reaction;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const size_t blank = line.find(' ');
        if (blank != std::string::npos)
            reactions.push_back(line.substr(blank + 1));
    }
    return reactions;
}
