// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StoikonApp.h"

#include "dialogs/OpsU.h"
#include "editor/KOU.h"
#include "shell/AboutU.h"
#include "shell/MainU.h"

#include <QtGlobal>

void InitStoikonResources()
{
    // The pictures are compiled into a static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(stoikon);
}

TSTMainForm* CreateStoikonWindows(const QString& commandLineFile)
{
    InitStoikonResources();
    auto* main = new TSTMainForm;
    main->SetCommandLineFile(commandLineFile);
    auto* about = new TAboutForm(main->document(), main);
    auto* ops = new TOpsForm(main->document(), main);
    auto* keys = new TKOForm(main);
    main->AttachDialogs(about, ops, keys);
    return main;
}
