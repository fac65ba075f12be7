// SPDX-License-Identifier: GPL-3.0-or-later
// Failed saves and what is not a document; the helpers the fault tests share.

#include "tst_faults.h"

#include "document/DocumentFile.h"
#include "document/FileAccess.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"

#include <QTest>

#include <optional>

#include <acl/libacl.h>
#include <fcntl.h>
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

void TestFaults::init()
{
    Settings = std::make_unique<TestSettings>();
    Dir = std::make_unique<QTemporaryDir>();
}

void TestFaults::cleanup()
{
    for (const QString& folder : Mounted)
        ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    Mounted.clear();
    // A folder made read-only must be writable again to be removed.
    ::chmod(QFile::encodeName(PathOf("fault")).constData(), 0755);
    Dir.reset();
    Settings.reset();
}

bool TestFaults::MountSmallDisk(const QString& folder)
{
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0)
        return false;
    Mounted << folder;
    return true;
}

QString TestFaults::MakeFault(const QString& fault, const QString& folder)
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

void TestFaults::a_failed_save_says_so_and_keeps_the_old_file_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("cause");

    const QList<QPair<QString, QString>> faults = {
        {"full disk", "No space left on device"},
        {"device node", "not a regular file"},
        {"FIFO", "not a regular file"},
        {"directory", "Is a directory"},
        {"read-only folder", ::geteuid() == 0 ? "Read-only file system" : "Permission denied"},
        {"write-protected file", "Permission denied"},
        {"another user's file", "the file belongs to another user"}};
    // Every way the program writes a file: the three commands of the command line (the
    // document both to another file and over itself), the window's Save, and the
    // options dialog's Default.
    for (const auto& [fault, cause] : faults)
        for (const QString command :
             {"calculate -o", "calculate", "export-html", "export-bitmap", "Save", "Default"})
            // A document must be there to be calculated in place.
            if (command != "calculate" || fault == "full disk" || fault == "read-only folder" ||
                fault.endsWith("file"))
                QTest::newRow(qPrintable(fault + ", " + command)) << fault << command << cause;
}

void TestFaults::a_failed_save_says_so_and_keeps_the_old_file()
{
    QFETCH(QString, fault);
    QFETCH(QString, command);
    QFETCH(QString, cause);
    const QString source = PathOf("example.KVX");
    QVERIFY(WriteBytes(source, ExampleBytes()));
    const QString folder = PathOf("fault");
    QVERIFY(QDir().mkpath(folder));
    const QString skip = MakeFault(fault, folder);
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    const QString target = QDir(folder).filePath("New.KVX");
    const Snapshot before = Take(target);
    const bool asUser = fault.endsWith("file"); // what root may do, a user may not

    if (command == "Save" || command == "Default") {
        MessageRecorder messages;
        WindowFixture w;
        OpenFile(w->context(), source);
        QVERIFY(messages.Shown.empty());
        std::optional<AsAnotherUser> user;
        if (asUser)
            user.emplace();
        if (command == "Save") {
            w.MarkModified();
            SaveTo(w->context(), target);
            QCOMPARE(messages.Texts(), QStringList{"Can not save this file"});
            QVERIFY(w.Doc()->isModified());
        } else {
            w->desktop().setDefaultsFolder(folder);
            QVERIFY(!WriteDefaults(w->context()));
            QVERIFY(messages.Shown.empty()); // the defaults file fails silently
        }
    } else {
        QStringList args;
        if (command == "calculate -o")
            args = QStringList{"--calculate", source, "-o", target};
        else if (command == "calculate")
            args = QStringList{"--calculate", target};
        else
            args = QStringList{"--" + command, source, target};
        QString errors;
        std::optional<AsAnotherUser> user;
        if (asUser)
            user.emplace();
        QCOMPARE(RunCommand(args, &errors), 1);
        QCOMPARE(errors, "Can not save this file\n" + target + ": " + cause + "\n");
    }
    QVERIFY(Take(target) == before);
}

void TestFaults::what_is_not_a_document_is_refused_at_once_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("cause");

    QTest::newRow("FIFO without a writer") << "fifo"
                                           << "not a regular file";
    QTest::newRow("/dev/zero") << "/dev/zero"
                               << "not a regular file";
    QTest::newRow("directory") << "folder"
                               << "Is a directory";
    QTest::newRow("larger than any document") << "large.KVX"
                                              << "file is larger than 16 MiB";
    QTest::newRow("more lines than any document") << "lines.KVX"
                                                  << "more than 2000000 lines";
    QTest::newRow("row count past the file") << "rows.KVX"
                                             << "row count 2000000000 is larger than the file";
}

void TestFaults::what_is_not_a_document_is_refused_at_once()
{
    QFETCH(QString, path);
    QFETCH(QString, cause);
    QVERIFY(::mkfifo(QFile::encodeName(PathOf("fifo")).constData(), 0644) == 0);
    QVERIFY(QDir(Dir->path()).mkdir("folder"));
    QFile large(PathOf("large.KVX"));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(MaxReadBytes) + 1)); // sparse
    large.close();
    QVERIFY(WriteBytes(PathOf("lines.KVX"), ExampleBytes() + QByteArray(int(MaxDocumentLines), '\n')));
    QVERIFY(WriteBytes(PathOf("rows.KVX"), ExampleBytes().replace("\r\n4\r\n", "\r\n2000000000\r\n")));

    if (!path.startsWith('/'))
        path = PathOf(path);
    QString errors;
    QCOMPARE(RunCommand({"--export-html", path, PathOf("page.html")}, &errors), 1);
    QCOMPARE(errors, "Can not open this file\n" + path + ": " + cause + "\n");
    QVERIFY(!QFile::exists(PathOf("page.html")));
}

QTEST_MAIN(TestFaults)
