// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/HelpMode.h"

#include "texts/Texts.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/DesktopServices.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/reactionline/ReactionLine.h"

#include <QHeaderView>
#include <QMouseEvent>

HelpMode::HelpMode(const DesktopServices& desktop, StatusBar* status, QObject* parent)
    : QObject(parent), Desktop(desktop), Status(status)
{
}

void HelpMode::addControl(QWidget* control)
{
    Controls.push_back(control);
}

void HelpMode::addGrid(GridView* grid)
{
    for (QWidget* surface : {grid->viewport(), grid->horizontalHeader()->viewport()}) {
        GridSurfaces.push_back(surface);
        surface->installEventFilter(this);
    }
}

void HelpMode::enter()
{
    On = true;
    showPointer(true);
    // The window keeps hints out of the status bar while help mode is on.
    Status->showNotice(Texts::HelpModePrompt);
}

bool HelpMode::explain(Topic topic)
{
    if (!On)
        return false;
    On = false;
    showPointer(false);
    Status->clearMessage();
    Desktop.message(topic == Topic::Grid ? Texts::MsgGridHelp : Texts::MsgReactionHelp,
                    MessageKind::Information, ButtonOk);
    return true;
}

void HelpMode::showPointer(bool help)
{
    // The reaction line shows its own pointer, and no caret, in help mode.
    for (QWidget* control : Controls) {
        if (auto* line = qobject_cast<ReactionLine*>(control))
            line->setHelpMode(help);
        else if (help)
            control->setCursor(Qt::WhatsThisCursor);
        else
            control->unsetCursor();
    }
    for (QWidget* surface : GridSurfaces) {
        if (help)
            surface->setCursor(Qt::WhatsThisCursor);
        else
            surface->unsetCursor();
    }
}

bool HelpMode::eventFilter(QObject* watched, QEvent* event)
{
    // A click anywhere on the grid is the request for its help: the press neither selects a
    // cell nor starts an edit, and the release ends help mode.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!On)
            return false;
        Pressed = true;
        return true;
    case QEvent::MouseMove:
        return Pressed;
    case QEvent::MouseButtonRelease: {
        if (!Pressed)
            return false;
        Pressed = false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            explain(Topic::Grid);
        return true;
    }
    default:
        return false;
    }
}
