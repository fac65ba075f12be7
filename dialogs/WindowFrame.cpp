// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
// Watches the window's exposures and calls fit until it is done, then goes.
class FrameWatcher : public QObject
{
  public:
    FrameWatcher(QWindow* window, std::function<bool()> fit) : QObject(window), Fit(std::move(fit))
    {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && Fit())
            deleteLater();
        return false;
    }

  private:
    std::function<bool()> Fit;
};
} // namespace

QMargins FrameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void SetFrameBounds(QWidget* window, const QRect& bounds, const QMargins& margins)
{
    window->resize(bounds.size().shrunkBy(margins));
    // A top-level window is moved by its frame's corner.
    window->move(bounds.topLeft());
}

QRect CentredIn(const QRect& screen, const QSize& outer)
{
    return {screen.left() + (screen.width() - outer.width()) / 2,
            screen.top() + (screen.height() - outer.height()) / 2, outer.width(), outer.height()};
}

void WhenFramed(QWidget* window, std::function<bool()> fit)
{
    if (QWindow* handle = window->windowHandle())
        new FrameWatcher(handle, std::move(fit));
}

void CentreOnScreen(QWidget* window)
{
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const auto centre = [window, area](const QMargins& margins) {
        window->move(CentredIn(area, window->size().grownBy(margins)).topLeft());
    };
    QMargins margins = FrameMargins(window);
    if (margins.isNull() && parent)
        margins = FrameMargins(parent); // the same window manager frames both
    centre(margins);
    WhenFramed(window, [window, centre] {
        centre(FrameMargins(window));
        return true;
    });
}
