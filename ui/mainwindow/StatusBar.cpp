// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/StatusBar.h"

#include <QEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QStyleOption>

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent)
{
    // Qt repaints only where it would have put the message itself.
    connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
}

void TStatusBar::changeEvent(QEvent* event)
{
    QStatusBar::changeEvent(event);
    // The size grip moves to the other corner only when it is made again.
    if (event->type() == QEvent::LayoutDirectionChange && isSizeGripEnabled()) {
        setSizeGripEnabled(false);
        setSizeGripEnabled(true);
    }
}

void TStatusBar::paintEvent(QPaintEvent* event)
{
    const QString message = currentMessage();
    if (message.isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    QRect area = rect().adjusted(6, 0, -6, 0);
    // Keep clear of the size grip, wherever the last layout put it.
    if (const QSizeGrip* grip = findChild<QSizeGrip*>(); grip && grip->isVisible()) {
        if (grip->geometry().center().x() < width() / 2)
            area.setLeft(grip->geometry().right() + 1);
        else
            area.setRight(grip->geometry().left() - 1);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area,
                     int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)) |
                         Qt::TextSingleLine,
                     message);
}
