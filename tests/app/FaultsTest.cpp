// SPDX-License-Identifier: GPL-3.0-or-later
// The faults the fault tests make, and what a path holds.

#include "tests/app/FaultsTest.h"

#include "document/DocumentFile.h"
#include "document/FileAccess.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"
#include <QTest>
#include <acl/libacl.h>
#include <fcntl.h>
#include <optional>
#include <sys/acl.h>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>

Snapshot Take(const QString& path)
{
    Snapshot snapshot;
    const QByteArray name = QByteArray::fromStdString(PathBytes(path));
    ::lstat(name.constData(), &snapshot.Info);
    if (S_ISREG(snapshot.Info.st_mode)) {
        snapshot.Bytes = QByteArray::fromStdString(ReadRegularFile(name.toStdString()));
        if (acl_t acl = ::acl_get_file(name.constData(), ACL_TYPE_ACCESS)) {
            char* text = ::acl_to_any_text(acl, nullptr, ',', 0);
            snapshot.Access = text;
            ::acl_free(text);
            ::acl_free(acl);
        }
        char value[256];
        const ssize_t size = ::getxattr(name.constData(), "user.note", value, sizeof value);
        snapshot.Attributes = size < 0 ? QByteArray() : QByteArray(value, int(size));
    }
    snapshot.Folder = QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    return snapshot;
}

bool ShareFile(const QString& path, const char* entry)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return false;
    acl_t acl = ::acl_from_mode(info.st_mode);
    acl_t extra = ::acl_from_text(entry);
    acl_entry_t from;
    acl_entry_t to;
    for (int which = ACL_FIRST_ENTRY; ::acl_get_entry(extra, which, &from) == 1; which = ACL_NEXT_ENTRY)
        if (::acl_create_entry(&acl, &to) == 0)
            ::acl_copy_entry(to, from);
    const bool shared = ::acl_calc_mask(&acl) == 0 &&
                        ::acl_set_file(name.constData(), ACL_TYPE_ACCESS, acl) == 0 &&
                        ::setxattr(name.constData(), "user.note", "kept", 4, 0) == 0;
    ::acl_free(extra);
    ::acl_free(acl);
    return shared;
}

bool FaultsTest::MountSmallDisk(const QString& folder)
{
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0)
        return false;
    Mounted << folder;
    return true;
}

QString FaultsTest::MakeFault(const QString& fault, const QString& folder)
{
    const QString target = QDir(folder).filePath("New.KVX");
    const QByteArray path = QFile::encodeName(target);
    const bool root = ::geteuid() == 0;
    if (fault == "full disk") {
        if (!MountSmallDisk(folder))
            return "mounting a small tmpfs needs root; the full disk is not tested";
        WriteBytes(target, ExampleBytes());
        ShareFile(target);
        // Filled to the last byte, so the next write fails.
        const int fd = ::open(QFile::encodeName(folder + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
        const QByteArray block(512, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    } else if (fault == "read-only folder") {
        // Root writes into any folder whatever its mode, so it gets a read-only disk.
        if (root && !MountSmallDisk(folder))
            return "root needs a read-only tmpfs for this case, and mounting one failed";
        WriteBytes(target, ExampleBytes());
        ShareFile(target);
        if (root)
            ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
        else
            ::chmod(QFile::encodeName(folder).constData(), 0555);
    } else if (fault == "device node") {
        // A node of its own, like /dev/null, in the test's folder.
        if (::mknod(path.constData(), S_IFCHR | 0644, makedev(1, 3)) != 0)
            return "making a device node needs root; device nodes are not tested";
    } else if (fault == "FIFO") {
        ::mkfifo(path.constData(), 0644);
    } else if (fault == "directory") {
        QDir(folder).mkdir("New.KVX");
        WriteBytes(target + "/inside", "kept");
    } else if (fault == "write-protected file" || fault == "another user's file") {
        const bool own = fault == "write-protected file";
        if (!own && !root)
            return "another user's file needs root to be made; it is not tested";
        // The file in the saving user's own folder, or someone else's in a folder open to all.
        WriteBytes(target, ExampleBytes());
        ShareFile(target);
        ::chmod(path.constData(), own ? 0444 : 0666);
        ::chmod(QFile::encodeName(folder).constData(), own ? 0755 : 0777);
        ::chmod(QFile::encodeName(Dir->path()).constData(), 0755); // root runs the save as nobody
        if (own && root &&
            (::chown(path.constData(), AsAnotherUser::Uid(), gid_t(-1)) != 0 ||
             ::chown(QFile::encodeName(folder).constData(), AsAnotherUser::Uid(), gid_t(-1)) != 0))
            return "the file could not be given to nobody";
    }
    return QString();
}
