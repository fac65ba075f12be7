// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the process as soon as its window has painted for the first time, so that the whole
// process's time is the window's start-up: the program's loading, Qt's, the window built,
// laid out and drawn once. Loaded by FirstPaintLoader.cpp (bench/whole_process.sh preloads
// it); it changes nothing before the first paint.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class FirstPaint : public QObject
{
  public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            // The paint of every widget of the window ends before queued calls run.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    std::fflush(stdout);
                    ::_exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

// Runs as the application object is made, before the program builds its window.
void WatchForFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)
