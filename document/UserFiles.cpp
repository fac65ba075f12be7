// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/UserFiles.h"

#include "document/FilePath.h"

#include <QDir>
#include <QSettings>

#include <algorithm>
#include <cerrno>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The variable's value when it is an absolute path; empty otherwise.
QString AbsoluteVariable(const char* name)
{
    const char* value = ::getenv(name);
    if (!value || value[0] != '/')
        return QString();
    return QDir::cleanPath(PathFromBytes(value));
}

QString HomeFolder()
{
    const QString home = AbsoluteVariable("HOME");
    if (!home.isEmpty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    if (user && user->pw_dir && user->pw_dir[0] == '/')
        return QDir::cleanPath(PathFromBytes(user->pw_dir));
    return QString();
}

QString UserFolder(const char* variable, const char* underHome)
{
    const QString folder = AbsoluteVariable(variable);
    if (!folder.isEmpty())
        return folder;
    const QString home = HomeFolder();
    return home.isEmpty() || home == QLatin1String("/") ? QString() : home + QLatin1String(underHome);
}
// One whole-number value; false when it is missing or not a number.
bool ReadInt(const QSettings& settings, const char* name, int& value)
{
    const QVariant v = settings.value(QLatin1String(name));
    if (!v.isValid())
        return false;
    bool ok = false;
    const int n = v.toString().toInt(&ok);
    if (ok)
        value = n;
    return ok;
}

// Checked before the settings open it: a missing file is made by the first write.
bool SettingsFileReadable(const QString& path)
{
    struct stat info;
    if (::stat(PathBytes(path).c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && info.st_size <= MaxSettingsBytes;
}
} // namespace

QString UserDataHome()
{
    return UserFolder("XDG_DATA_HOME", "/.local/share");
}

QStringList SystemDataFolders()
{
    QStringList folders;
    const char* value = ::getenv("XDG_DATA_DIRS");
    for (const QString& folder :
         PathFromBytes(value ? value : "").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (folder.startsWith(QLatin1Char('/')))
            folders << QDir::cleanPath(folder);
    if (folders.isEmpty())
        folders << QStringLiteral("/usr/local/share") << QStringLiteral("/usr/share");
    return folders;
}

QString UserConfigHome()
{
    return UserFolder("XDG_CONFIG_HOME", "/.config");
}

QString UserSettingsPath()
{
    const QString config = UserConfigHome();
    return config.isEmpty() ? QString() : config + QStringLiteral("/Velk/ST1.conf");
}

std::unique_ptr<QSettings> OpenUserSettings()
{
    QString path = UserSettingsPath();
    if (!path.isEmpty() && !SettingsFileReadable(path))
        path.clear();
    // A settings object without a file keeps its values in memory only.
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

StoredWindow ReadStoredWindow(const QSettings& settings, QSize largestScreen)
{
    StoredWindow stored;
    int left = stored.Bounds.left();
    int top = stored.Bounds.top();
    int width = stored.Bounds.width();
    int height = stored.Bounds.height();
    int language = 0;
    if (ReadInt(settings, "Width", width) && ReadInt(settings, "Height", height) &&
        ReadInt(settings, "Top", top) && ReadInt(settings, "Left", left) &&
        ReadInt(settings, "WS", stored.State) && ReadInt(settings, "Lang", language))
        stored.Farsi = language != 0;
    const QSize least(200, 150);
    largestScreen = largestScreen.expandedTo(least);
    constexpr int farthest = 1 << 20;
    stored.Bounds = QRect(std::clamp(left, -farthest, farthest), std::clamp(top, -farthest, farthest),
                          std::clamp(width, least.width(), largestScreen.width()),
                          std::clamp(height, least.height(), largestScreen.height()));
    return stored;
}
