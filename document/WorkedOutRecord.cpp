// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/WorkedOutRecord.h"

#include "document/DefaultsLocation.h"
#include "document/DocumentFile.h"
#include "document/DocumentIO.h"
#include "model/DocumentModel.h"
#include "model/GridModel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {
const QByteArray Signature = "Stoikon worked-out cells 1";
// Enough for a teacher's worksheets; older records go first.
constexpr int KeptRecords = 500;

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

QString RecordPath(const QString& folder, const QString& fileName)
{
    const QFileInfo file(fileName);
    const QString path =
        file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(path), QCryptographicHash::Sha1).toHex();
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
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size())
        file.commit();
    DropOldRecords(folder);
}

void RestoreWorkedOutMarks(const QString& folder, const QString& fileName, DocumentModel& document)
{
    if (folder.isEmpty())
        return;
    QFile file(RecordPath(folder, fileName));
    if (file.size() > 16 * 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = file.readAll().split('\n');
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
