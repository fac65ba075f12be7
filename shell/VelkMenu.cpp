// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/VelkMenu.h"

#include <QMainWindow>

TVelkMenu::TVelkMenu(QMainWindow* owner) : QObject(owner) {}
