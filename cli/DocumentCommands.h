// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command-line modes that work on documents: one for every document export
// (--export-html, and --export-bitmap where the drawing library added its export), then
// --calculate and --defaults. They work on a Document as the window does, without any window.

#include "cli/CommandLine.h"

#include <vector>

void AddDocumentOptions(std::vector<CommandLineOption>& options);
