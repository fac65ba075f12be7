// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which cells of a saved document were worked out, kept in a small record of its own in the
// user's data folder, not in the document: the .KVX format has no room for it, and a
// document must read exactly the same in a program that knows nothing of marks.
//
// A record belongs to the document's path and holds a digest of the file as it was saved.
// Opening applies it only when the document reads back to those very bytes, so a file that
// was edited, replaced or copied over since never takes marks that are not its own (a
// stale mark would let Recalculate empty a given value).

#include <QString>

class DocumentModel;

// The folder of the records: "marks" in the folder the options dialog's Default writes to
// (the user's data folder, or the build tree for a program run from there).
QString WorkedOutRecordFolder();

// After a successful save of the document to fileName. A document without worked-out cells
// leaves no record; only the most recently saved records are kept.
void SaveWorkedOutRecord(const QString& folder, const QString& fileName, const DocumentModel& document);

// After a successful open of fileName: marks the cells the record names when the record is
// this document's own; otherwise the document stays as opened, every cell given.
void RestoreWorkedOutMarks(const QString& folder, const QString& fileName, DocumentModel& document);
