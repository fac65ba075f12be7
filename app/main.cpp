// SPDX-License-Identifier: GPL-3.0-or-later
// The window program, which the stoikon command (CommandMain.cpp) hands the window and the
// exports that draw to; it runs the other command-line modes as well.
#include "app/DisplayStart.h"
#include "cli/CommandLine.h"
#include "model/FilePath.h"
#include "render/DrawnExports.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    PrepareStandardStreams();
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The picture, the handout and the SVG are drawn with Qt Gui: their exports are this
    // program's, not the command line's.
    RegisterDrawnExports();
    const int status = RunCommandLine(args, std::cin, std::cout, std::cerr);
    if (status != ForWindowProgram)
        return status;

    const std::unique_ptr<QApplication> app = StartOnDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stoikon"));
    QApplication::setDesktopFileName(QStringLiteral("stoikon"));
    std::vector<std::string> windowArgs = args;
    const std::optional<AtomicWeights> weights = TakeWeightsOption(windowArgs);
    const QString file = windowArgs.empty() ? QString() : PathFromBytes(windowArgs.front());
    auto window = std::make_unique<MainWindow>(file);
    if (weights)
        window->useWeights(*weights);
    window->show();
    return QApplication::exec();
}
