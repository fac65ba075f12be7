// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two digests the records of worked-out cells are made of, as lower-case hexadecimal:
// SHA-256 of a saved document's bytes, and SHA-1 of its path for the record's name.

#include <string>
#include <string_view>

std::string Sha256Hex(std::string_view bytes);
std::string Sha1Hex(std::string_view bytes);
