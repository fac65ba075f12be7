// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>

// The main window's status bar: its message starts at the reading side, the right edge in
// Farsi. (Qt's own status bar keeps it at the left whatever the direction.)
class TStatusBar : public QStatusBar
{
  public:
    explicit TStatusBar(QWidget* parent);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
