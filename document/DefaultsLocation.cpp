// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DefaultsLocation.h"

#include "document/UserFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef STOIKON_DATA_FROM_BIN
#define STOIKON_DATA_FROM_BIN "../share/stoikon"
#endif

namespace {
const char* const DataSubfolder = "stoikon";
// Earlier versions kept the user's defaults here; a copy saved then is still found.
const char* const EarlierUserSubfolder = "Stoikon";

// Empty when the user has no data folder.
QString UserDataFolder(const char* subfolder)
{
    const QString data = UserDataHome();
    return data.isEmpty() ? QString() : QDir(data).filePath(subfolder);
}

void AddOnce(QStringList& folders, const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (!clean.isEmpty() && !folders.contains(clean))
        folders << clean;
}
} // namespace

QString DefaultsFileName(bool farsi)
{
    return farsi ? QStringLiteral("NewF.KVX") : QStringLiteral("New.KVX");
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool RunsFromBuildTree(const QString& programFolder)
{
    return QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("CMakeCache.txt")));
}

QStringList DefaultsSearchFolders(const QString& programFolder)
{
    QStringList folders;
    // What Default wrote is what the next New reads.
    AddOnce(folders, DefaultsWriteFolder(programFolder));
    AddOnce(folders, UserDataFolder(DataSubfolder));
    AddOnce(folders, UserDataFolder(EarlierUserSubfolder));
    for (const QString& data : SystemDataFolders())
        AddOnce(folders, QDir(data).filePath(DataSubfolder));
    AddOnce(folders, QDir(programFolder).filePath(QStringLiteral(STOIKON_DATA_FROM_BIN)));
    AddOnce(folders, programFolder);
    return folders;
}

QString FindDefaultsFile(const QString& name, const QString& programFolder)
{
    for (const QString& folder : DefaultsSearchFolders(programFolder)) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString DefaultsWriteFolder(const QString& programFolder)
{
    return RunsFromBuildTree(programFolder) ? QDir::cleanPath(programFolder) : UserDataFolder(DataSubfolder);
}
