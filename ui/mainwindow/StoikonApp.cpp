// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/StoikonApp.h"

#include "render/BitmapExport.h"

#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/mainwindow/MainWindow.h"

#include <QtGlobal>

void InitStoikonResources()
{
    // The pictures are compiled into a static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(stoikon);
}

TSTMainForm* CreateStoikonWindows(const QString& commandLineFile)
{
    InitStoikonResources();
    RegisterBitmapExport(); // the File menu's bitmap export
    auto* main = new TSTMainForm;
    main->SetCommandLineFile(commandLineFile);
    auto* about = new TAboutForm(main->document(), main);
    auto* ops = new TOpsForm(main->document(), main);
    auto* keys = new TKOForm(main);
    main->AttachDialogs(about, ops, keys);
    return main;
}
