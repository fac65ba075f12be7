// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exports drawn with Qt Gui, as rows of the document exports (document/Exports), for the
// File menu and the command line alike: the picture of the reaction and the grid (PNG or
// BMP by the file's suffix), the handout as a PDF, and the reaction alone as SVG. They are
// drawn with the desktop's colours, and with an offscreen GUI application for their fonts
// where none runs (the command line's). Adding them twice adds them once.
void RegisterDrawnExports();
