// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/WorkedOutRecord.h"

#include "core/WholeNumber.h"
#include "document/DefaultsLocation.h"
#include "document/Digest.h"
#include "document/FileAccess.h"

#include <algorithm>
#include <cstdlib>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string Signature = "Stoikon worked-out cells 1";
// Enough for a teacher's worksheets; older records go first.
constexpr std::size_t KeptRecords = 500;
// A record names each worked-out cell in a line of two numbers: the largest grid a document
// holds, every cell worked out, takes under 4 MiB.
constexpr std::size_t MaxRecordBytes = 4 * 1024 * 1024;

std::string RecordPath(const std::string& folder, const std::string& path)
{
    return JoinPath(folder, Sha1Hex(CanonicalPath(path)) + ".marks");
}

void DropOldRecords(const std::string& folder)
{
    struct Record
    {
        std::string Path;
        struct timespec Modified;
    };
    std::vector<Record> records;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            struct stat info;
            const std::string path = JoinPath(folder, name);
            if (name.size() > 6 && name.compare(name.size() - 6, 6, ".marks") == 0 &&
                ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
                records.push_back({path, info.st_mtim});
        }
        ::closedir(dir);
    }
    if (records.size() <= KeptRecords)
        return;
    // Newest first.
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        if (a.Modified.tv_sec != b.Modified.tv_sec)
            return a.Modified.tv_sec > b.Modified.tv_sec;
        if (a.Modified.tv_nsec != b.Modified.tv_nsec)
            return a.Modified.tv_nsec > b.Modified.tv_nsec;
        return a.Path < b.Path;
    });
    for (std::size_t i = KeptRecords; i < records.size(); ++i)
        ::unlink(records[i].Path.c_str());
}
} // namespace

std::string WorkedOutRecordFolder()
{
    const std::string base = DefaultsWriteFolder();
    return base.empty() ? base : JoinPath(base, "marks");
}

void SaveWorkedOutRecord(const std::string& folder, const std::string& path, std::string_view bytes,
                         const std::vector<CellPlace>& marked)
{
    if (folder.empty())
        return;
    const std::string record = RecordPath(folder, path);
    if (marked.empty()) {
        ::unlink(record.c_str()); // an older record of the path would no longer be true
        return;
    }
    if (!MakeFolders(folder))
        return;
    std::string text = Signature + '\n' + Sha256Hex(bytes) + '\n';
    for (const auto& [column, row] : marked)
        text += std::to_string(column) + ' ' + std::to_string(row) + '\n';
    try {
        ReplaceFile(record, text);
    } catch (const FileError&) {
        return;
    }
    DropOldRecords(folder);
}

std::vector<CellPlace> ReadWorkedOutRecord(const std::string& folder, const std::string& path,
                                           std::string_view bytes)
{
    std::vector<CellPlace> marked;
    if (folder.empty())
        return marked;
    std::string text;
    try {
        text = ReadRegularFile(RecordPath(folder, path), MaxRecordBytes);
    } catch (const FileError&) {
        return marked;
    }
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(std::string_view(text).substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (lines.size() < 2 || lines[0] != Signature || lines[1] != Sha256Hex(bytes))
        return marked;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::size_t blank = lines[i].find(' ');
        if (blank == std::string_view::npos || lines[i].find(' ', blank + 1) != std::string_view::npos)
            continue;
        const auto column = ParseWholeNumber(lines[i].substr(0, blank));
        const auto row = ParseWholeNumber(lines[i].substr(blank + 1));
        if (column && row)
            marked.emplace_back(*column, *row);
    }
    return marked;
}
