// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gives the exports drawn with Qt Gui their writers, for the File menu and the command line
// alike: the picture of the reaction and the grid (PNG or BMP by the file's suffix), the
// handout as a PDF, and the reaction alone as SVG. document/Exports lists them without
// writers, so that the stoikon command, which loads no Qt, knows their options and hands
// them to the window program. They are drawn with the desktop's colours, and with an
// offscreen GUI application for their fonts where none runs (the command line's).
void RegisterDrawnExports();
