// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentIO.h"

#include "core/CodePage.h"
#include "document/DocumentFile.h"
#include "document/FileAccess.h"
#include "document/FilePath.h"

QByteArray EncodeCodePage(const QString& text)
{
    return QByteArray::fromStdString(EncodeCodePage(text.toStdString()));
}

QString DecodeCodePage(const QByteArray& bytes)
{
    return QString::fromStdString(DecodeCodePage(bytes.toStdString()));
}

std::optional<std::vector<std::string>> ReadCodePageLines(const QString& path, std::string* reason)
{
    std::string text;
    try {
        text = DecodeCodePage(ReadRegularFile(PathBytes(path)));
    } catch (const FileError& error) {
        if (reason)
            *reason = error.what();
        return std::nullopt;
    }
    if (CountDocumentLines(text) > MaxDocumentLines) {
        if (reason)
            *reason = PathBytes(path) + ": more than " + std::to_string(MaxDocumentLines) + " lines";
        return std::nullopt;
    }
    return SplitDocumentLines(text);
}

bool WriteFileBytes(const QString& path, std::string_view bytes, std::string* reason)
{
    try {
        ReplaceFile(PathBytes(path), bytes);
    } catch (const FileError& error) {
        if (reason)
            *reason = error.what();
        return false;
    }
    return true;
}

bool WriteCodePageLines(const QString& path, const std::vector<std::string>& lines, std::string* reason)
{
    return WriteFileBytes(path, EncodeCodePage(JoinDocumentLines(lines)), reason);
}
