// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A whole number as the program reads it everywhere (counts, cells, widths, document
// lines): an optional "+" or "-" and decimal digits, within the signed 32-bit range.
// No blanks, no other notation.
std::optional<std::int32_t> ParseWholeNumber(const std::string& text);
