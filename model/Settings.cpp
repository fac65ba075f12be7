// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Settings.h"

#include "document/Paths.h"
#include "document/UserFolders.h"
#include "model/FilePath.h"

#include <QLocale>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <memory>

#include <sys/stat.h>

namespace {
// The largest settings file that is read: the program's own settings take a few hundred bytes.
constexpr long long MaxSettingsBytes = 64 * 1024;

// Checked before the settings open it: a missing file is made by the first write.
bool SettingsFileReadable(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && info.st_size <= MaxSettingsBytes;
}

// The settings file read with the same care as a document: one that is not a regular file
// (a FIFO would block the start, a link to /dev/zero fill the memory) or is larger than
// MaxSettingsBytes is neither read nor written, and the settings live in memory only.
std::unique_ptr<QSettings> OpenUserSettings()
{
    std::string path = UserSettingsPath();
    if (!path.empty() && !SettingsFileReadable(path))
        path.clear();
    return std::make_unique<QSettings>(PathFromBytes(path), QSettings::IniFormat);
}

// Reads one whole-number value; false when it is missing or not a number.
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

std::string ReadText(const QSettings& settings, const char* name)
{
    return settings.value(QLatin1String(name)).toString().toStdString();
}
} // namespace

namespace {
// A menu item's check, stored as 1 or 0; none until it was chosen once.
std::optional<bool> ReadSwitch(const QSettings& settings, const char* name)
{
    if (!settings.contains(QLatin1String(name)))
        return std::nullopt;
    return settings.value(QLatin1String(name)).toString() == QLatin1String("1");
}

void SaveSwitch(const char* name, std::optional<bool> value)
{
    if (value)
        OpenUserSettings()->setValue(name, *value ? 1 : 0);
}
} // namespace

Settings Settings::load()
{
    Settings read;
    const std::unique_ptr<QSettings> file = OpenUserSettings();
    const QSettings& settings = *file;
    // The key sets, on any run but the first: a missing text reads as empty, and that set
    // then maps nothing; a missing or unreadable switch keeps its default (on).
    if (!settings.allKeys().isEmpty()) {
        read.Keys.PlusKeys = ReadText(settings, "KP");
        read.Keys.OpenKeys = ReadText(settings, "KOP");
        read.Keys.CloseKeys = ReadText(settings, "KCP");
        int autoCase = 0;
        if (ReadInt(settings, "ChB", autoCase))
            read.Keys.AutoCase = autoCase != 0;
        read.Keys.ArrowKeys = ReadText(settings, "KF");
    }
    read.PreciseWeights = ReadSwitch(settings, "PreciseWeights");
    read.StudentsSheet = ReadSwitch(settings, "StudentsSheet");
    // Each value counts as soon as it is read; the first missing or malformed one ends the
    // reading and the rest keep their defaults (all of them on a first run).
    int left = read.Bounds.left();
    int top = read.Bounds.top();
    int width = read.Bounds.width();
    int height = read.Bounds.height();
    int language = 0;
    if (ReadInt(settings, "Width", width) && ReadInt(settings, "Height", height) &&
        ReadInt(settings, "Top", top) && ReadInt(settings, "Left", left) &&
        ReadInt(settings, "WS", read.WindowState) && ReadInt(settings, "Lang", language))
        read.Lang = language != 0 ? Language::Farsi : Language::English;
    // A hand-edited file may hold any number: far past every screen is as far as a rectangle
    // holds without overflowing (the window fits the bounds to its screens).
    constexpr int farthest = 1 << 20;
    read.Bounds = QRect(std::clamp(left, -farthest, farthest), std::clamp(top, -farthest, farthest),
                        std::clamp(width, 0, farthest), std::clamp(height, 0, farthest));
    return read;
}

void Settings::save() const
{
    const std::unique_ptr<QSettings> file = OpenUserSettings();
    QSettings& settings = *file;
    settings.setValue("Width", Bounds.width());
    settings.setValue("Height", Bounds.height());
    settings.setValue("Top", Bounds.y());
    settings.setValue("Left", Bounds.x());
    settings.setValue("WS", WindowState);
    settings.setValue("Lang", Lang == Language::Farsi ? 1 : 0);
    settings.setValue("KP", QString::fromStdString(Keys.PlusKeys));
    settings.setValue("KOP", QString::fromStdString(Keys.OpenKeys));
    settings.setValue("KCP", QString::fromStdString(Keys.CloseKeys));
    settings.setValue("ChB", Keys.AutoCase ? 1 : 0);
    settings.setValue("KF", QString::fromStdString(Keys.ArrowKeys));
    settings.sync();
}

void Settings::savePreciseWeights() const
{
    SaveSwitch("PreciseWeights", PreciseWeights);
}

void Settings::saveStudentsSheet() const
{
    SaveSwitch("StudentsSheet", StudentsSheet);
}

std::string UserSettingsPath()
{
    const std::string config = UserConfigHome();
    return config.empty() ? std::string() : JoinPath(config, "Velk/ST1.conf");
}

Language LocaleLanguage()
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
        locale == QLatin1String("POSIX"))
        return Language::English;
    const QString preferred = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    return QLocale(preferred.isEmpty() ? locale : preferred).language() == QLocale::Persian
               ? Language::Farsi
               : Language::English;
}
