// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving and opening when the disk, the path or the user is not what a save expects: a full
// disk, a device node, a FIFO, a directory, a read-only folder, /dev/zero, a write-protected
// file, another user's file. A failed save says so and leaves the old file exactly as it
// was, its access control list and extended attributes included, with no temporary file
// left; a save that succeeds keeps them. What is not a document is refused at once, without
// waiting for a writer or reading until the memory runs out, and so are the program's own
// files; lost output is a failure.

#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"

#include <QDir>
#include <QObject>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// A test class whose every test has user settings and a scratch folder of its own, and
// mounts undone.
class FaultsTest : public QObject
{
    Q_OBJECT

  private slots: // before and after each test
    void init()
    {
        Settings = std::make_unique<TestSettings>();
        Dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        for (const QString& folder : Mounted)
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
        Mounted.clear();
        // A folder made read-only must be writable again to be removed.
        ::chmod(QFile::encodeName(PathOf("fault")).constData(), 0755);
        Dir.reset();
        Settings.reset();
    }

  protected:
    QString PathOf(const QString& name) const { return QDir(Dir->path()).filePath(name); }
    // Makes the fault at folder/New.KVX; an empty answer, or why the fault cannot be made.
    QString MakeFault(const QString& fault, const QString& folder);
    bool MountSmallDisk(const QString& folder);

    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<QTemporaryDir> Dir;
    QStringList Mounted;
};

// What a path holds, to tell that a save left it alone or kept what it had: its kind,
// mode, owner and device number, its bytes, access control list and extended attributes
// when it is a file, and the names in its folder (no temporary file may be left behind).
struct Snapshot
{
    struct stat Info = {};
    QByteArray Bytes;
    QByteArray Access; // the access control list as text, with the mode's entries
    QByteArray Attributes;
    QStringList Folder;
    bool SameFile(const Snapshot& o) const
    {
        return Info.st_mode == o.Info.st_mode && Info.st_uid == o.Info.st_uid &&
               Info.st_gid == o.Info.st_gid && Info.st_rdev == o.Info.st_rdev && Access == o.Access &&
               Attributes == o.Attributes;
    }
    bool operator==(const Snapshot& o) const { return SameFile(o) && Bytes == o.Bytes && Folder == o.Folder; }
};

Snapshot Take(const QString& path);

// Gives a file what a shared document has: an entry of its access control list for another
// user (who may read it) and an extended attribute. False where the file system has neither.
bool ShareFile(const QString& path, const char* entry = "u:daemon:r");

// The effective user and group become nobody's for as long as it lives, when the test runs as
// root: root writes any file, so a user's faults show only under a user. Nothing as any other.
class AsAnotherUser
{
  public:
    AsAnotherUser()
    {
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() != 0 || !nobody)
            return;
        Groups.resize(size_t(::getgroups(0, nullptr)));
        if (::getgroups(int(Groups.size()), Groups.data()) < 0 || ::setgroups(0, nullptr) != 0 ||
            ::setegid(nobody->pw_gid) != 0 || ::seteuid(nobody->pw_uid) != 0)
            qFatal("cannot become nobody");
        Switched = true;
    }
    ~AsAnotherUser()
    {
        if (Switched &&
            (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(Groups.size(), Groups.data()) != 0))
            qFatal("cannot become root again");
    }
    static uid_t Uid() { return ::getpwnam("nobody")->pw_uid; }

  private:
    std::vector<gid_t> Groups;
    bool Switched = false;
};
