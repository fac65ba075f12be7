// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayStart.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What Qt says while it connects is held back: on success it is passed on as it came, on
// failure the one line below stands for all of it.
struct HeldMessage
{
    QtMsgType Type;
    QByteArray File, Function, Category;
    int Line;
    QString Text;
};
std::vector<HeldMessage> Held;
QtMessageHandler Previous = nullptr;

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Why the window cannot open, from what the environment names.
std::string Reason()
{
    if (const std::string platform = Variable("QT_QPA_PLATFORM"); !platform.empty())
        return "the display platform '" + platform + "' (QT_QPA_PLATFORM) did not start";
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const std::string display = Variable(name); !display.empty())
            return "the display '" + display + "' (" + name + ") cannot be reached";
    return "there is no display (DISPLAY and WAYLAND_DISPLAY are not set)";
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const std::string line = "stoikon: cannot open the window: " + Reason() +
                                 "; start Stoikon in a desktop session, or use its command-line "
                                 "options, which need no display (stoikon --help)\n";
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    Held.push_back({type, context.file, context.function, context.category, context.line, text});
}

} // namespace

std::unique_ptr<QApplication> StartOnDisplay(int& argc, char** argv)
{
    Previous = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(Previous);
    for (const HeldMessage& held : Held) {
        const QMessageLogContext context(held.File.constData(), held.Line, held.Function.constData(),
                                         held.Category.constData());
        qt_message_output(held.Type, context, held.Text);
    }
    Held.clear();
    return app;
}
