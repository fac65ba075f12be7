// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayStart.h"
#include "cli/CommandLine.h"
#include "render/BitmapExport.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    // The command-line modes use the C++ streams alone: unsynchronised, standard input is
    // read in blocks as it arrives and output is buffered until a read would wait.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The bitmap is drawn with Qt Gui: its export is this program's, not the command line's.
    RegisterBitmapExport();
    const int status = RunCommandLine(args, std::cin, std::cout, std::cerr);
    if (status >= 0)
        return status;

    const std::unique_ptr<QApplication> app = StartOnDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stoikon"));
    QApplication::setDesktopFileName(QStringLiteral("stoikon"));
    std::vector<std::string> windowArgs = args;
    const bool precise = TakePreciseOption(windowArgs);
    const QString file = windowArgs.empty() ? QString() : QString::fromLocal8Bit(windowArgs.front().c_str());
    auto window = std::make_unique<MainWindow>(file);
    if (precise)
        window->usePreciseWeights();
    window->show();
    return QApplication::exec();
}
