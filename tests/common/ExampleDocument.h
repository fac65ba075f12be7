// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small document as users' files hold it: 2H2+O2>2H2O in English, three columns, one
// formula, the built-in fonts. Shared by the reader's tests and the window's.

#include <string>
#include <vector>

inline const std::vector<std::string>& ExampleDocumentLines()
{
    static const std::vector<std::string> lines = {
        "2H2+O2>2H2O",
        "E",
        "4",
        "3",
        "100,60,80",
        "Formula,Number,Mass",
        "H2,2,4",
        "O2,1,",
        "H2O,2,",
        "Tahoma,8,00,-16777208",
        "Arial,8,00,-16777208",
        "Arial,14,10,-16777208",
        "Arial,14,10,16711680",
        "Arial,10,10,-16777208",
        "1",
        "#Mass(a)=#Mass(b)*#Number(a)/#Number(b)",
        "5",
        "3",
        "2",
        "0",
    };
    return lines;
}
