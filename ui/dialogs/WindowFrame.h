// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window's frame: the window manager's border and title bar around its client area. Qt
// sizes a top-level window by its client area, while the program's bounds (the stored
// window bounds, a box centred on the screen) are the frame's. The frame is known only once
// the window manager has framed the window, about its first exposure; where there is no
// window manager the client area is the frame.

#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

// The frame's margins around the client area; none before the window is framed, or
// without a window manager.
QMargins FrameMargins(const QWidget* window);

// Puts the window's frame at bounds: resizes the client area to bounds less margins (the
// frame's, or an estimate of them while it has none yet) and moves the frame to its corner.
void SetFrameBounds(QWidget* window, const QRect& bounds, const QMargins& margins);

// Where a frame of outer size stands in the middle of screen.
QRect CentredIn(const QRect& screen, const QSize& outer);

// Stands the window's frame in the middle of the screen its parent window is on (the primary
// screen without a parent): at once, taking the parent's frame margins for the window's own
// while it has none yet, and again once the window is framed.
void CentreOnScreen(QWidget* window);

// Calls fit at each exposure of the shown window until it answers true with the frame's margins
// known. The window manager frames the window about its first exposure; on a busy machine the
// frame may be told a little later, and fit is called once more when it is.
void WhenFramed(QWidget* window, std::function<bool()> fit);
