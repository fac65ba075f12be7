// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files and command lines for the tests: the example document as bytes, files written and
// read whole, and the command line run with string streams.

#include "cli/CommandLine.h"
#include "model/FilePath.h"
#include "render/DrawnExports.h"
#include "tests/common/ExampleDocument.h"

#include <QFile>
#include <QStringList>

#include <sstream>

inline QByteArray ExampleBytes()
{
    QByteArray bytes;
    for (const std::string& line : ExampleDocumentLines())
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

// False when the file could not be written whole.
inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The command line with its document modes; errors, when given, receives standard error.
inline int RunCommand(const QStringList& args, QString* errors = nullptr)
{
    static const bool registered = (RegisterDrawnExports(), true);
    Q_UNUSED(registered);
    std::vector<std::string> argv;
    for (const QString& arg : args)
        argv.push_back(PathBytes(arg));
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunCommandLine(argv, in, out, err);
    if (errors)
        *errors = QString::fromStdString(err.str());
    return status;
}
