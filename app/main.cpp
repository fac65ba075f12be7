// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayStart.h"
#include "cli/CommandLine.h"
#include "model/FilePath.h"
#include "render/DrawnExports.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>

#include <iostream>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {
// A standard stream the caller closed (>&-) is opened on /dev/null the other way round: a
// write to a closed standard output then fails, as it should, instead of going into the
// first file the program opens, which would take its number.
void OpenClosedStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) >= 0)
            continue;
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}
} // namespace

int main(int argc, char** argv)
{
    OpenClosedStandardStreams();
    // The command-line modes use the C++ streams alone: unsynchronised, standard input is
    // read in blocks as it arrives and output is buffered until a read would wait.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The picture, the handout and the SVG are drawn with Qt Gui: their exports are this
    // program's, not the command line's.
    RegisterDrawnExports();
    const int status = RunCommandLine(args, std::cin, std::cout, std::cerr);
    if (status >= 0)
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
