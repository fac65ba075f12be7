// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages that the window and the command line give alike.

#include "core/Balance.h"
#include "texts/Language.h"

#include <string>

// What a Balance outcome is told as; null for a balanced reaction.
const LocalText* BalanceMessage(BalanceOutcome::Status status);

// The first line of a message, as the command line prints it ("\r" breaks a message's
// lines in the window's message box).
std::string FirstLine(const char* text);
