// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The painter of the main window's menus.

#include <QFont>
#include <QObject>

class QMainWindow;

class TVelkMenu : public QObject
{
    Q_OBJECT

public:
    explicit TVelkMenu(QMainWindow* owner);
    void SetFont(const QFont& font) { Font = font; }
    QFont Font;
};
