// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DefaultsLocation.h"

#include "document/UserFolders.h"
#include "generated/Version.h"

#include <algorithm>

namespace {
const char* const DataSubfolder = "stoikon";
// Earlier versions kept the user's defaults here; a copy saved then is still found.
const char* const EarlierUserSubfolder = "Stoikon";

// A subfolder of the user's data folder; empty when the user has none.
std::string UserDataFolder(const char* subfolder)
{
    const std::string data = UserDataHome();
    return data.empty() ? data : JoinPath(data, subfolder);
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
