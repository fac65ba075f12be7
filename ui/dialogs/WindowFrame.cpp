// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
// Calls fit at the window's exposures until fit is done with the window manager's frame
// known. On a busy machine the window can be exposed before the window manager has told its
// frame; the watcher then looks for the frame a while longer and fits once more when it comes.
// Where no window manager frames the window, the watcher goes when that while is over.
class FrameWatcher : public QObject
{
  public:
    FrameWatcher(QWidget* widget, std::function<bool()> fit)
        : QObject(widget), Widget(widget), Fit(std::move(fit))
    {
        widget->windowHandle()->installEventFilter(this);
        Poll.setInterval(50);
        connect(&Poll, &QTimer::timeout, this, [this] {
            if (++Polls > 100) // five seconds
                Finish();
            else
                Check(false);
        });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose)
            Check(true);
        return false;
    }

  private:
    // Without the frame known only an exposure calls fit; the polls wait for the frame.
    void Check(bool exposure)
    {
        const QWindow* handle = Widget->windowHandle();
        const bool framed = !FrameMargins(Widget).isNull();
        if (Finished || !handle || !handle->isExposed() || (!framed && !exposure) || !Fit())
            return;
        if (framed)
            Finish();
        else if (!Poll.isActive())
            Poll.start();
    }

    void Finish()
    {
        Finished = true;
        Poll.stop();
        deleteLater();
    }

    QWidget* Widget;
    std::function<bool()> Fit;
    QTimer Poll;
    int Polls = 0;
    bool Finished = false;
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
    if (window->windowHandle())
        new FrameWatcher(window, std::move(fit));
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
