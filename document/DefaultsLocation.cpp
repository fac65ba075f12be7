// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DefaultsLocation.h"

#include "generated/Version.h"

#include <algorithm>

namespace {
const char* const DataSubfolder = "stoikon";
// Earlier versions kept the user's defaults here; a copy saved then is still found.
const char* const EarlierUserSubfolder = "Stoikon";

// The user's data folder by the XDG rules: $XDG_DATA_HOME, else ~/.local/share.
std::string UserDataHome()
{
    const std::string data = Environment("XDG_DATA_HOME");
    if (!data.empty())
        return data;
    const std::string home = Environment("HOME");
    return (home.empty() ? std::string("/") : CleanPath(home)) + "/.local/share";
}

// The system's data folders: the absolute ones of $XDG_DATA_DIRS, else /usr/local/share and
// /usr/share.
std::vector<std::string> SystemDataFolders()
{
    const std::string dirs = Environment("XDG_DATA_DIRS");
    if (dirs.empty())
        return {"/usr/local/share", "/usr/share"};
    std::vector<std::string> folders;
    for (std::size_t start = 0; start <= dirs.size();) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        const std::string dir = dirs.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/' &&
            std::find(folders.begin(), folders.end(), CleanPath(dir)) == folders.end())
            folders.push_back(CleanPath(dir));
        start = end + 1;
    }
    return folders;
}

// A subfolder of the user's data folder, as the program has always named it: the data
// folder without one trailing "/", then "/" and the subfolder.
std::string UserDataFolder(const char* subfolder)
{
    std::string data = UserDataHome();
    if (data.size() > 1 && data.back() == '/')
        data.pop_back();
    return JoinPath(data, subfolder);
}

void AddOnce(std::vector<std::string>& folders, const std::string& folder)
{
    const std::string clean = CleanPath(folder);
    if (!clean.empty() && std::find(folders.begin(), folders.end(), clean) == folders.end())
        folders.push_back(clean);
}
} // namespace

bool RunsFromBuildTree(const std::string& programFolder)
{
    return PathExists(JoinPath(programFolder, "CMakeCache.txt"));
}

std::vector<std::string> DefaultsSearchFolders(const std::string& programFolder)
{
    std::vector<std::string> folders;
    // What Default wrote is what the next New reads.
    AddOnce(folders, DefaultsWriteFolder(programFolder));
    AddOnce(folders, UserDataFolder(DataSubfolder));
    AddOnce(folders, UserDataFolder(EarlierUserSubfolder));
    for (const std::string& data : SystemDataFolders())
        AddOnce(folders, JoinPath(data, DataSubfolder));
    AddOnce(folders, JoinPath(programFolder, DataFolderFromProgram));
    AddOnce(folders, programFolder);
    return folders;
}

std::string FindDefaultsFile(const std::string& name, const std::string& programFolder)
{
    for (const std::string& folder : DefaultsSearchFolders(programFolder)) {
        const std::string path = JoinPath(folder, name);
        if (IsRegularFile(path))
            return path;
    }
    return std::string();
}

std::string DefaultsWriteFolder(const std::string& programFolder)
{
    return RunsFromBuildTree(programFolder) ? CleanPath(programFolder) : UserDataFolder(DataSubfolder);
}
