// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command-line modes that work on documents (--export-html, --export-bitmap,
// --calculate, --defaults). They work on a document model, without any window: the web
// page and the calculation need no application object at all, the bitmap only a GUI one
// for its fonts (offscreen when there is no display).
void RegisterDocumentCommands();
