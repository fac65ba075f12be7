// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"
#include "shell/DisplayStart.h"
#include "shell/DocumentCommandLine.h"
#include "shell/MainU.h"
#include "shell/StoikonApp.h"

#include <QApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    // The command-line modes use the C++ streams alone: unsynchronised, standard input is
    // read in blocks as it arrives and output is buffered until a read would wait.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    RegisterDocumentCommands();
    const int status = RunCommandLine(args, std::cin, std::cout, std::cerr);
    if (status >= 0)
        return status;

    const std::unique_ptr<QApplication> app = StartOnDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stoikon"));
    QApplication::setDesktopFileName(QStringLiteral("stoikon"));
    std::vector<std::string> windowArgs = args;
    const bool precise = TakePreciseOption(windowArgs);
    const QString file = windowArgs.empty() ? QString() : QString::fromLocal8Bit(windowArgs.front().c_str());
    std::unique_ptr<TSTMainForm> window(CreateStoikonWindows(file));
    if (precise)
        window->UsePreciseWeights();
    window->show();
    return QApplication::exec();
}
