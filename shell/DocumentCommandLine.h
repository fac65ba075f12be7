// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command-line modes that work on documents (--export-html, --export-bitmap,
// --calculate). They run without a display: the window is made offscreen, never shown.
void RegisterDocumentCommands();
