// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentIO.h"

#include "document/DocumentFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* CodePage = "windows-1256";
}

QByteArray EncodeCodePage(const QString& text)
{
    QString mapped = text;
    // Farsi keyboards type U+06CC; the code page has only the Arabic yeh U+064A.
    mapped.replace(QChar(0x06CC), QChar(0x064A));
    QStringEncoder encoder(CodePage);
    return encoder.encode(mapped);
}

QString DecodeCodePage(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

std::optional<std::vector<std::string>> ReadCodePageLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return SplitDocumentLines(DecodeCodePage(bytes).toStdString());
}

bool WriteCodePageLines(const QString& path, const std::vector<std::string>& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = EncodeCodePage(QString::fromStdString(JoinDocumentLines(lines)));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
