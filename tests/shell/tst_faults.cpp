// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening when the disk, the path or the user is not what a save expects: a full
// disk, a device node, a FIFO, a directory, a read-only folder, /dev/zero, a write-protected
// file, another user's file. A failed save says so and leaves the old file exactly as it
// was, its access control list and extended attributes included, with no temporary file
// left; a save that succeeds keeps them. What is not a document is refused at once, without
// waiting for a writer or reading until the memory runs out, and so are the program's own
// files; lost output is a failure.

#include "document/DocumentFile.h"
#include "document/DocumentModel.h"
#include "document/FileAccess.h"
#include "document/FilePath.h"
#include "document/UserFiles.h"
#include "grid/GridModel.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include <memory>
#include <optional>

#include <acl/libacl.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

class TestFaults : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void a_failed_save_says_so_and_keeps_the_old_file_data();
    void a_failed_save_says_so_and_keeps_the_old_file();
    void what_is_not_a_document_is_refused_at_once_data();
    void what_is_not_a_document_is_refused_at_once();
    void a_save_keeps_the_file_and_the_work_data();
    void a_save_keeps_the_file_and_the_work();
    void the_command_line_fails_rather_than_lose_anything_data();
    void the_command_line_fails_rather_than_lose_anything();
    void the_programs_own_files_are_read_with_care_data();
    void the_programs_own_files_are_read_with_care();

  private:
    QString PathOf(const QString& name) const { return QDir(Dir->path()).filePath(name); }
    // Makes the fault at folder/New.KVX; an empty answer, or why the fault cannot be made.
    QString MakeFault(const QString& fault, const QString& folder);
    bool MountSmallDisk(const QString& folder);

    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<QTemporaryDir> Dir;
    QStringList Mounted;
};

namespace {
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

// Gives a file what a shared document has: an entry of its access control list for another
// user (who may read it) and an extended attribute. False where the file system has neither.
bool ShareFile(const QString& path, const char* entry = "u:daemon:r")
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
} // namespace

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
        QVERIFY(w.Doc()->load(source));
        std::optional<AsAnotherUser> user;
        if (asUser)
            user.emplace();
        if (command == "Save") {
            w.Doc()->setFileName(target);
            w.Doc()->setModified(true);
            w->FileSaveExecute();
            QCOMPARE(messages.Texts(), QStringList{"Can not save this file"});
            QVERIFY(w.Doc()->isModified());
        } else {
            w->SetDefaultsFolder(folder);
            QVERIFY(!w->WriteDefaultsFile());
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

void TestFaults::a_save_keeps_the_file_and_the_work_data()
{
    QTest::addColumn<QString>("what");
    for (const char* what :
         {"shared with an access control list and an attribute", "another user's, saved by root",
          "left over from a crash", "stopped by SIGTERM", "named by a dangling link", "one of two hard links",
          "named in bytes that are not UTF-8", "rows past the reaction's substances",
          "a comma typed into a cell"})
        QTest::newRow(what) << what;
}

void TestFaults::a_save_keeps_the_file_and_the_work()
{
    QFETCH(QString, what);
    const QString source = PathOf("example.KVX");
    QVERIFY(WriteBytes(source, ExampleBytes()));
    QString target = PathOf("doc.KVX");
    QVERIFY(WriteBytes(target, "old"));
    const QByteArray path = QFile::encodeName(target);
    const auto namesInFolder = [this] {
        return QDir(Dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    QStringList args{"--calculate", source, "-o", target};
    if (what.startsWith("shared")) {
        ::chmod(path.constData(), 0640);
        if (!ShareFile(target, "u:daemon:rw"))
            QSKIP("this file system keeps no access control list or extended attribute");
    } else if (what.startsWith("another user's")) {
        if (::geteuid() != 0)
            QSKIP("only root saves another user's file");
        QVERIFY(::chown(path.constData(), AsAnotherUser::Uid(), AsAnotherUser::Uid()) == 0);
    } else if (what.startsWith("left over")) {
        // One a crash left, and one a save in another program holds.
        QVERIFY(WriteBytes(PathOf(".doc.KVX.123456789"), "stale") &&
                WriteBytes(PathOf(".doc.KVX.98765"), "held"));
        const int held =
            ::open(QFile::encodeName(PathOf(".doc.KVX.98765")).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(::flock(held, LOCK_EX) == 0);
        QCOMPARE(RunCommand(args), 0);
        ::close(held);
        QCOMPARE(namesInFolder(), QStringList({".", "..", ".doc.KVX.98765", "doc.KVX", "example.KVX"}));
        return;
    } else if (what.startsWith("stopped")) {
        // A 14 MB export stopped at moments all through it.
        std::vector<std::string> lines = ExampleDocumentLines();
        lines[2] = "40004";
        lines.insert(lines.begin() + 9, 40000, "H2," + std::string(350, '2') + ",");
        QVERIFY(WriteBytes(source, QByteArray::fromStdString(JoinDocumentLines(lines))));
        for (int delay = 0; delay < 120; delay += 15) {
            QProcess program;
            program.start(STOIKON_PROGRAM, {"--export-html", source, PathOf("page.html")});
            QVERIFY(program.waitForStarted());
            QTest::qSleep(delay);
            program.terminate();
            QVERIFY(program.waitForFinished());
            QCOMPARE(namesInFolder().filter(".page.html."), QStringList());
        }
        return;
    } else if (what.startsWith("named by")) {
        QVERIFY(QFile::remove(target) && QFile::link("missing.KVX", target));
    } else if (what.startsWith("one of two")) {
        QVERIFY(::link(path.constData(), QFile::encodeName(PathOf("other.KVX")).constData()) == 0);
    } else if (what.startsWith("named in bytes")) {
        // Two names that decoding as UTF-8 would make one; Qt cannot remove them.
        target = PathOf(PathFromBytes("d\xe9.KVX"));
        ReplaceFile(PathBytes(target), "old");
        ReplaceFile(PathBytes(PathOf(PathFromBytes("d\xe8.KVX"))), "other");
        args = QStringList{"--calculate", source, "-o", target};
        ::unlink(path.constData());
    } else if (what.startsWith("rows past")) {
        QVERIFY(WriteBytes(
            target, ExampleBytes().replace("\r\n4\r\n", "\r\n5\r\n").replace("H2O,2,", "H2O,2,\r\nnote,,")));
        args = QStringList{"--calculate", target};
    } else if (what.startsWith("a comma")) {
        MessageRecorder messages;
        WindowFixture w;
        QVERIFY(w.Doc()->load(source));
        TypeIntoGrid(w, "H2O,l", 0, 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(10); // the editor's text is committed after the key
        QCOMPARE(w->statusBar()->currentMessage(),
                 "A comma separates the cells in the file, so a cell or a name can not hold one");
        QVERIFY(w->FileSaveAsAccept(target));
        DocumentModel reopened;
        QVERIFY(reopened.load(target));
        QCOMPARE(reopened.grid()->cells()[3], GridRow({"H2Ol", "2", ""}));
        return;
    }
    const Snapshot before = Take(target);
    QCOMPARE(RunCommand(args), 0);
    const Snapshot after = Take(target);
    QVERIFY(after.SameFile(before));
    QCOMPARE(namesInFolder().filter(".doc.KVX."), QStringList());
    DocumentModel saved;
    QVERIFY(saved.load(target));
    QCOMPARE(saved.grid()->gridRowCount(), what.startsWith("rows past") ? 5 : 4);
    QCOMPARE(saved.grid()->cell(2, 2), "2"); // worked out from the 4 in the first row
    if (what.startsWith("named by"))
        QCOMPARE(QFileInfo(target).symLinkTarget(), PathOf("missing.KVX"));
    if (what.startsWith("one of two"))
        QCOMPARE(ReadBytes(PathOf("other.KVX")), "old");
    if (what.startsWith("named in bytes")) {
        const std::string other = PathBytes(PathOf(PathFromBytes("d\xe8.KVX")));
        QCOMPARE(ReadRegularFile(other), "other");
        ::unlink(other.c_str());
        ::unlink(PathBytes(target).c_str());
    }
}

void TestFaults::the_command_line_fails_rather_than_lose_anything_data()
{
    QTest::addColumn<QString>("command"); // for sh, the program as "$P"
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<int>("status");

    QTest::newRow("an empty -o") << R"("$P" --calculate doc.KVX -o "")"
                                 << ""
                                 << "Usage: stoikon --calculate DOCUMENT.KVX [-o OUTPUT.KVX]\n"
                                 << 2;
    QTest::newRow("a page over its own document") << R"("$P" --export-html doc.KVX doc.KVX)"
                                                  << ""
                                                  << "stoikon: doc.KVX is the document itself\n"
                                                  << 2;
    QTest::newRow("a picture over its document through a link")
        << R"("$P" --export-bitmap doc.KVX link.KVX)"
        << ""
        << "stoikon: link.KVX is the document itself\n"
        << 2;
    const QString full = "stoikon: write error: No space left on device\n";
    QTest::newRow("reactions onto a full disk") << R"("$P" --balance "h2=o2 h2o" > /dev/full)"
                                                << "" << full << 1;
    QTest::newRow("molar masses onto a full disk") << R"("$P" --molar-mass H2O > /dev/full)"
                                                   << "" << full << 1;
    QTest::newRow("standard input onto a full disk")
        << R"(yes h2=o2 h2o | head -n 100000 | "$P" --balance > /dev/full)"
        << "" << full << 1;
    QTest::newRow("standard output closed") << R"("$P" --balance "h2=o2 h2o" >&-)"
                                            << ""
                                            << "stoikon: write error: Bad file descriptor\n"
                                            << 1;
    QTest::newRow("a line past the input's limit")
        << R"({ head -c 70000 /dev/zero | tr '\0' h; echo; echo h2=o2 h2o; } | "$P" --balance)"
        << "Invalid reaction\n2H2+O2>2H2O\n"
        << "stoikon: line 1: line too long (more than 65536 bytes)\n"
        << 1;
}

void TestFaults::the_command_line_fails_rather_than_lose_anything()
{
    QFETCH(QString, command);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QFETCH(int, status);
    QVERIFY(WriteBytes(PathOf("doc.KVX"), ExampleBytes()) && QFile::link("doc.KVX", PathOf("link.KVX")));
    const Snapshot before = Take(PathOf("doc.KVX"));
    QProcess shell;
    shell.setWorkingDirectory(Dir->path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("P", STOIKON_PROGRAM);
    shell.setProcessEnvironment(environment);
    shell.start("/bin/sh", {"-c", command});
    QVERIFY(shell.waitForFinished());
    QCOMPARE(QString(shell.readAllStandardOutput()), output);
    QCOMPARE(QString(shell.readAllStandardError()), errors);
    QCOMPARE(shell.exitCode(), status);
    QVERIFY(Take(PathOf("doc.KVX")) == before);
}

void TestFaults::the_programs_own_files_are_read_with_care_data()
{
    QTest::addColumn<QString>("what");
    for (const char* what : {"a settings file that is a FIFO", "a settings file that leads to /dev/zero",
                             "a settings file larger than any", "a window larger than the screens",
                             "a document's fonts past any size", "a worked-out record that is a FIFO",
                             "no HOME", "relative XDG folders"})
        QTest::newRow(what) << what;
}

void TestFaults::the_programs_own_files_are_read_with_care()
{
    QFETCH(QString, what);
    const QString settings = Settings->Path() + "/Velk/ST1.conf";
    QVERIFY(QDir().mkpath(Settings->Path() + "/Velk"));
    const QByteArray settingsPath = QFile::encodeName(settings);
    const QByteArray home = qgetenv("HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", configHome);
        qunsetenv("XDG_DATA_HOME");
    });
    if (what.contains("FIFO") && what.contains("settings")) {
        QVERIFY(::mkfifo(settingsPath.constData(), 0644) == 0);
    } else if (what.contains("/dev/zero")) {
        QVERIFY(QFile::link("/dev/zero", settings));
    } else if (what.contains("larger than any")) {
        QVERIFY(WriteBytes(settings, "[General]\nWidth=700\n" + QByteArray(100000, '#') + "\n"));
    } else if (what.contains("window")) {
        QVERIFY(
            WriteBytes(settings, "[General]\nWidth=2147483647\nHeight=2147483647\nTop=2147483647\nLeft=0\n"));
        WindowFixture w;
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY(w->frameGeometry().width() <= screen.width() &&
                w->frameGeometry().height() <= screen.height());
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(w->frameGeometry()));
        return;
    } else if (what.contains("fonts")) {
        QVERIFY(WriteBytes(PathOf("doc.KVX"),
                           ExampleBytes().replace("Arial,14,10,-16777208", "Arial,2147483647,10,-16777208")));
        DocumentModel document;
        QVERIFY(document.load(PathOf("doc.KVX")));
        QCOMPARE(document.fonts().ReactionFont.Size, LargestFontSize);
        return;
    } else if (what.contains("record")) {
        QVERIFY(WriteBytes(PathOf("doc.KVX"), ExampleBytes()));
        WindowFixture w;
        const QByteArray key =
            QCryptographicHash::hash(QFile::encodeName(PathOf("doc.KVX")), QCryptographicHash::Sha1);
        QVERIFY(::mkfifo(QFile::encodeName(w.Marks.path() + "/" + key.toHex() + ".marks").constData(),
                         0644) == 0);
        w->FileOpenAccept(PathOf("doc.KVX")); // returns at once
        QCOMPARE(w.Doc()->fileName(), PathOf("doc.KVX"));
        return;
    } else if (what == "no HOME") {
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const QString own = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir);
        QCOMPARE(UserDataHome(), own + "/.local/share");
        QCOMPARE(UserSettingsPath(), own + "/.config/Velk/ST1.conf");
        return;
    } else if (what.startsWith("relative")) {
        qputenv("HOME", QFile::encodeName(Dir->path()));
        qputenv("XDG_DATA_HOME", "data");
        qputenv("XDG_CONFIG_HOME", "config");
        QCOMPARE(UserDataHome(), Dir->path() + "/.local/share");
        QCOMPARE(UserSettingsPath(), Dir->path() + "/.config/Velk/ST1.conf");
        return;
    }
    // A settings file that is not the program's own is passed over, whole: the designed bounds.
    WindowFixture w;
    QCOMPARE(w->frameGeometry(), QRect(10, 9, 780, 551));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
