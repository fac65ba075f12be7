// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Settings.h"

#include <QLocale>
#include <QSettings>

namespace {
// Where the settings are kept: the program's names, as earlier versions kept them.
const char* const Organisation = "Velk";
const char* const Application = "ST1";

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

Settings Settings::load()
{
    Settings read;
    const QSettings settings(Organisation, Application);
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
    if (settings.contains(QStringLiteral("PreciseWeights")))
        read.PreciseWeights =
            settings.value(QStringLiteral("PreciseWeights")).toString() == QLatin1String("1");
    // Each value counts as soon as it is read; the first missing or malformed one ends the
    // reading and the rest keep their defaults (all of them on a first run).
    int value = 0;
    do {
        if (!ReadInt(settings, "Width", value))
            break;
        read.Bounds.setWidth(value);
        if (!ReadInt(settings, "Height", value))
            break;
        read.Bounds.setHeight(value);
        if (!ReadInt(settings, "Top", value))
            break;
        read.Bounds.moveTop(value);
        if (!ReadInt(settings, "Left", value))
            break;
        read.Bounds.moveLeft(value);
        if (!ReadInt(settings, "WS", value))
            break;
        read.WindowState = value;
        if (!ReadInt(settings, "Lang", value))
            break;
        read.Lang = value != 0 ? Language::Farsi : Language::English;
    } while (false);
    return read;
}

void Settings::save() const
{
    QSettings settings(Organisation, Application);
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
    if (PreciseWeights)
        QSettings(Organisation, Application).setValue("PreciseWeights", *PreciseWeights ? 1 : 0);
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
