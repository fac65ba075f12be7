// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paths between Qt, which shows them as text, and the plain-C++ libraries, which pass them
// to the system as they are: bytes in the encoding of the system's file names.

#include <QFile>
#include <QString>

#include <string>

inline std::string NativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString ShownPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
