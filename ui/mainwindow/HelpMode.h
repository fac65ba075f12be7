// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help mode: after Help, the next click on one of the window's working controls explains it
// instead of acting: a click on the reaction line or Balance the reaction's help, one on the
// grid or Calculate Grid the grid's. Meanwhile those controls show the help pointer and the
// status bar keeps its prompt instead of showing hints.

#include <QObject>

#include <utility>
#include <vector>

class DesktopServices;
class GridView;
class QWidget;
class StatusBar;

class HelpMode : public QObject
{
  public:
    enum class Topic
    {
        Reaction,
        Grid
    };

    HelpMode(const DesktopServices& desktop, StatusBar* status, QObject* parent);
    // A control that shows the help pointer; its click asks explain() with its topic.
    void addControl(QWidget* control);
    // The grid: a click anywhere on its cells or header is taken here, neither selecting a
    // cell nor starting an edit.
    void addGrid(GridView* grid);

    bool isOn() const { return On; }
    void enter();
    // In help mode: help mode ends, the topic's help is shown, and true says that the click
    // was taken. Otherwise false: the control acts.
    bool explain(Topic topic);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPointer(bool help);

    const DesktopServices& Desktop;
    StatusBar* Status;
    std::vector<QWidget*> Controls;
    std::vector<QWidget*> GridSurfaces; // the cells and the header row of item names
    bool On = false;
    bool Pressed = false;
};
