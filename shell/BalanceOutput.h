// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PreciseWeights.h"

#include <string>

// One line of --balance: read (textbook notation or typed keys), balanced and written in the
// chosen notation.

enum class BalanceFormat
{
    Plain, // the compact text of the reaction line, 2H2+O2>2H2O
    Unicode,
    Latex,
    Html,
    Json
};

// The format called name ("plain", "unicode", "latex", "html" or "json"); false for any other.
bool ParseBalanceFormat(const std::string& name, BalanceFormat& format);

struct BalancedLine
{
    std::string Output; // without the line feed
    bool Failed = false;
    // For standard error: why the reading failed ("cannot read '@' (U+0040) at character 10"),
    // or how letters typed in lower case were read ("Read co2 as CO2"); empty otherwise.
    std::string Note;
};

// A blank line gives an empty output line, so that outputs stay in step with inputs. A
// character that no reading can use fails the line as an invalid reaction. The JSON form's
// molar masses are summed from weights.
BalancedLine BalanceLine(const std::string& line, BalanceFormat format, AtomicWeights weights);
