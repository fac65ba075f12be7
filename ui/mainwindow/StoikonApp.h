// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TSTMainForm;

// Creates the windows in their start-up order: the main window, the about box, the options
// dialog and the key-options dialog (which reads its settings). The dialogs are children of
// the main window and are destroyed with it; the key-options dialog writes its settings then.
TSTMainForm* CreateStoikonWindows(const QString& commandLineFile = QString());

// Registers the compiled-in pictures (icons, program icon, small images).
void InitStoikonResources();
