// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening when the disk or the path is not what a save expects: a full disk, a
// device node, a FIFO, a directory, a read-only folder, /dev/zero. A failed save says so
// and leaves the old file exactly as it was; what is not a document is refused at once,
// without waiting for a writer or reading until the memory runs out.

#include "document/DocumentFile.h"
#include "document/FileAccess.h"
#include "model/DocumentModel.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WindowFixture.h"

#include <QDir>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
// What a path holds, to tell that a failed save left it alone: its kind and device
// number, its bytes when it is a file, and the names in its folder (no temporary file
// may be left behind).
struct Snapshot
{
    mode_t Kind = 0;
    dev_t Device = 0;
    QByteArray Bytes;
    QStringList Folder;
    bool operator==(const Snapshot& o) const
    {
        return Kind == o.Kind && Device == o.Device && Bytes == o.Bytes && Folder == o.Folder;
    }
};

Snapshot Take(const QString& path)
{
    Snapshot snapshot;
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0) {
        snapshot.Kind = info.st_mode & S_IFMT;
        snapshot.Device = info.st_rdev;
    }
    if (S_ISREG(snapshot.Kind)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            snapshot.Bytes = file.readAll();
    }
    snapshot.Folder = QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    return snapshot;
}
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
    if (fault == "full disk") {
        if (!MountSmallDisk(folder))
            return "mounting a small tmpfs needs root; the full disk is not tested";
        WriteBytes(target, ExampleBytes());
        // Filled to the last byte, so the next write fails.
        const int fd = ::open(QFile::encodeName(folder + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
        const QByteArray block(512, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    } else if (fault == "read-only folder") {
        // Root writes into any folder whatever its mode, so it gets a read-only disk.
        const bool root = ::geteuid() == 0;
        if (root && !MountSmallDisk(folder))
            return "root needs a read-only tmpfs for this case, and mounting one failed";
        WriteBytes(target, ExampleBytes());
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
        {"read-only folder", ::geteuid() == 0 ? "Read-only file system" : "Permission denied"}};
    // Every way the program writes a file: the three commands of the command line (the
    // document both to another file and over itself), the window's Save, and the
    // options dialog's Default.
    for (const auto& [fault, cause] : faults)
        for (const QString command :
             {"calculate -o", "calculate", "export-html", "export-bitmap", "Save", "Default"})
            if (command != "calculate" || fault == "full disk" || fault == "read-only folder")
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

    if (command == "Save" || command == "Default") {
        MessageRecorder messages;
        WindowFixture w;
        OpenFile(w->context(), source);
        QVERIFY(messages.Shown.empty());
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
#include "tst_faults.moc"
