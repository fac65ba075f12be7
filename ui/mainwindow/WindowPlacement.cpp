// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window stands: the bounds and state of the last run, fitted to the window
// manager's frame, and kept again at exit with the rest of the user settings.

#include "model/DocumentModel.h"
#include "ui/dialogs/WindowFrame.h"
#include "ui/mainwindow/MainWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
// The stored bounds are whatever the settings file holds, a hand-edited one included: the
// size is kept between a usable least and the largest screen's working area (KeepOnScreen
// then brings a window lying off every screen back).
QRect UsableBounds(const QRect& stored)
{
    const QSize least(200, 150);
    QSize largest = least;
    for (QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->availableGeometry().size());
    return QRect(stored.topLeft(), QSize(std::clamp(stored.width(), least.width(), largest.width()),
                                         std::clamp(stored.height(), least.height(), largest.height())));
}

// A window that would lie entirely off every screen (a monitor unplugged since the last
// run) is brought back onto the primary screen.
void KeepOnScreen(QWidget* window)
{
    const QRect frame(window->pos(), window->size());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame))
            return;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        window->move(primary->availableGeometry().topLeft() + QPoint(10, 9));
}
} // namespace

void MainWindow::placeWindow()
{
    // Until the window manager has framed the window its frame is not known: the client
    // area takes the whole bounds, and is fitted inside the frame when it first shows.
    const QRect bounds = UsableBounds(UserSettings.Bounds);
    SetFrameBounds(this, bounds, FrameMargins(this));
    KeepOnScreen(this);
    StoredBounds = QRect(pos(), bounds.size());
    // The state once the window has its bounds: a window minimised before it is sized shows,
    // restored, at the toolkit's default size.
    const int state = UserSettings.WindowState;
    setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

void MainWindow::fitFrameToStoredBounds()
{
    // A window that starts minimised is fitted when it is first restored; a maximised one
    // has the bounds the window manager gives it.
    WhenFramed(this, [this] {
        if (isMinimized())
            return false;
        if (!isMaximized() && !isFullScreen())
            SetFrameBounds(this, StoredBounds, FrameMargins(this));
        return true;
    });
}

void MainWindow::keepPlacement()
{
    // The frame's bounds; a minimised window keeps those it will be restored to.
    UserSettings.Bounds = isMinimized() ? normalGeometry().marginsAdded(FrameMargins(this)) : frameGeometry();
    UserSettings.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    UserSettings.Lang = Document->language();
    UserSettings.save();
}
