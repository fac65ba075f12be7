// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/WorkedOutRecord.h"

#include "document/DefaultsLocation.h"
#include "document/DocumentFile.h"
#include "document/DocumentIO.h"
#include "document/DocumentModel.h"
#include "document/FileAccess.h"
#include "document/FilePath.h"
#include "grid/GridModel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace {
const QByteArray Signature = "Stoikon worked-out cells 1";
// Enough for a teacher's worksheets; older records go first.
constexpr int KeptRecords = 500;
// A record names each worked-out cell in a line of two numbers: the largest grid a document
// holds, every cell worked out, takes under 4 MiB.
constexpr std::size_t MaxRecordBytes = 4 * 1024 * 1024;

// The bytes a save of the document writes, as a digest.
QByteArray DocumentDigest(const DocumentModel& document)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const std::string& line : WriteDocumentLines(document.toData())) {
        hash.addData(EncodeCodePage(QString::fromStdString(line)));
        hash.addData(QByteArrayView("\r\n"));
    }
    return hash.result().toHex();
}

// The record of a document is named after the digest of the document's full path, its
// links resolved where it exists.
QString RecordPath(const QString& folder, const QString& fileName)
{
    std::string path = PathBytes(AbsolutePath(fileName));
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    const QByteArray key =
        QCryptographicHash::hash(QByteArray::fromStdString(path), QCryptographicHash::Sha1).toHex();
    return QDir(folder).filePath(QString::fromLatin1(key) + QStringLiteral(".marks"));
}

void DropOldRecords(const QString& folder)
{
    const QFileInfoList records =
        QDir(folder).entryInfoList({QStringLiteral("*.marks")}, QDir::Files, QDir::Time); // newest first
    for (int i = KeptRecords; i < records.size(); ++i)
        QFile::remove(records[i].filePath());
}
} // namespace

QString WorkedOutRecordFolder()
{
    const QString base = DefaultsWriteFolder();
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("marks"));
}

void SaveWorkedOutRecord(const QString& folder, const QString& fileName, const DocumentModel& document)
{
    if (folder.isEmpty())
        return;
    const QString path = RecordPath(folder, fileName);
    const auto marked = document.grid()->workedOutCells();
    if (marked.empty()) {
        QFile::remove(path); // an older record of the path would no longer be true
        return;
    }
    if (!QDir().mkpath(folder))
        return;
    QByteArray text = Signature + '\n' + DocumentDigest(document) + '\n';
    for (const auto& [column, row] : marked)
        text += QByteArray::number(column) + ' ' + QByteArray::number(row) + '\n';
    // The record is a convenience: a failure to write it costs the marks, nothing else.
    WriteFileBytes(path, std::string_view(text.constData(), std::size_t(text.size())));
    DropOldRecords(folder);
}

void RestoreWorkedOutMarks(const QString& folder, const QString& fileName, DocumentModel& document)
{
    if (folder.isEmpty())
        return;
    // Read as a document is: a record that is not a regular file, or is larger than a record
    // of the largest grid, is not this program's.
    std::string bytes;
    try {
        bytes = ReadRegularFile(PathBytes(RecordPath(folder, fileName)), MaxRecordBytes);
    } catch (const FileError&) {
        return;
    }
    const QList<QByteArray> lines = QByteArray::fromStdString(bytes).split('\n');
    if (lines.size() < 2 || lines[0] != Signature || lines[1] != DocumentDigest(document))
        return;
    GridModel* grid = document.grid();
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> numbers = lines[i].split(' ');
        bool columnOk = false;
        bool rowOk = false;
        const int column = numbers.size() == 2 ? numbers[0].toInt(&columnOk) : -1;
        const int row = numbers.size() == 2 ? numbers[1].toInt(&rowOk) : -1;
        // Only cells that hold a value can have been worked out.
        if (columnOk && rowOk && !grid->cell(column, row).isEmpty())
            grid->setWorkedOut(column, row, true);
    }
}
