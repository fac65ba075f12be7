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

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A cell as (column, row), row 0 being the header row.
using CellPlace = std::pair<int, int>;

// The folder of the records: "marks" in the folder the options dialog's Default writes to
// (the user's data folder, or the build tree for a program run from there).
std::string WorkedOutRecordFolder();

// After bytes were saved to path: the record of the marked cells. A document without
// worked-out cells leaves no record (an older one of the path goes); only the most recently
// saved records are kept. A record that cannot be written costs the marks, nothing else.
void SaveWorkedOutRecord(const std::string& folder, const std::string& path, std::string_view bytes,
                         const std::vector<CellPlace>& marked);

// The cells the record of path names, when it was made for exactly these bytes; none when
// there is no such record.
std::vector<CellPlace> ReadWorkedOutRecord(const std::string& folder, const std::string& path,
                                           std::string_view bytes);
