// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Paths.h"

#include "generated/Version.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

std::string CleanPath(const std::string& path)
{
    if (path.empty())
        return path;
    const bool absolute = path[0] == '/';
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (!absolute)
                parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string clean = absolute ? "/" : "";
    for (std::size_t i = 0; i < parts.size(); ++i)
        clean += (i > 0 ? "/" : "") + parts[i];
    return clean.empty() ? "." : clean;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || (!name.empty() && name[0] == '/'))
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string CanonicalPath(const std::string& path)
{
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
        std::string canonical(resolved);
        std::free(resolved);
        return canonical;
    }
    return AbsolutePath(path);
}

std::string AbsolutePath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return CleanPath(path);
    std::vector<char> folder(PATH_MAX);
    if (!::getcwd(folder.data(), folder.size()))
        return CleanPath(path);
    return CleanPath(JoinPath(folder.data(), path));
}

std::string ProgramFolder()
{
    const std::string program = CanonicalPath("/proc/self/exe");
    const std::size_t slash = program.find_last_of('/');
    const std::string folder = program.substr(0, std::max<std::size_t>(slash, 1));
    // An installed window program lives apart from the command, out of the PATH; the
    // installation's folders are found from the command's. In the build tree both sit together.
    if (program.compare(slash + 1, std::string::npos, WindowProgramName) == 0 &&
        !IsRegularFile(JoinPath(folder, "stoikon")))
        return CleanPath(JoinPath(folder, CommandFolderFromWindowProgram));
    return folder;
}

bool PathExists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool MakeFolders(const std::string& folder)
{
    const std::string clean = CleanPath(folder);
    for (std::size_t slash = clean.find('/', 1);; slash = clean.find('/', slash + 1)) {
        const std::string step = clean.substr(0, slash);
        if (::mkdir(step.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info;
    return ::stat(clean.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}
