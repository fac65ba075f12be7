// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/UserFolders.h"

#include "document/Paths.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace {
// The variable's value when it is an absolute path; empty otherwise.
std::string AbsoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return std::string();
    return CleanPath(value);
}

std::string HomeFolder()
{
    const std::string home = AbsoluteVariable("HOME");
    if (!home.empty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    if (user && user->pw_dir && user->pw_dir[0] == '/')
        return CleanPath(user->pw_dir);
    return std::string();
}

std::string UserFolder(const char* variable, const char* underHome)
{
    const std::string folder = AbsoluteVariable(variable);
    if (!folder.empty())
        return folder;
    const std::string home = HomeFolder();
    return home.empty() || home == "/" ? std::string() : home + underHome;
}
} // namespace

std::string UserDataHome()
{
    return UserFolder("XDG_DATA_HOME", "/.local/share");
}

std::vector<std::string> SystemDataFolders()
{
    std::vector<std::string> folders;
    const std::string dirs = Environment("XDG_DATA_DIRS");
    for (std::size_t start = 0; start < dirs.size();) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        if (end > start && dirs[start] == '/')
            folders.push_back(CleanPath(dirs.substr(start, end - start)));
        start = end + 1;
    }
    if (folders.empty())
        folders = {"/usr/local/share", "/usr/share"};
    return folders;
}

std::string UserConfigHome()
{
    return UserFolder("XDG_CONFIG_HOME", "/.config");
}
