// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a number is shown in a cell too narrow for its text, as spreadsheets show it: rounded
// to as many significant digits as fit. Only the drawing changes; the cell keeps its text.

#include <functional>
#include <string>

// The text to draw for a cell text. fits tells whether a text fits the cell. A text that
// fits, that is not a number, or whose value does not fit even rounded to one significant
// digit is returned unchanged (the view then cuts it as any other text).
std::string FitNumberText(const std::string& text, const std::function<bool(const std::string&)>& fits);
