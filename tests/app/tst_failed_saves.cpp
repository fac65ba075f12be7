// SPDX-License-Identifier: GPL-3.0-or-later
// Failed saves, and what is not a document.

#include "document/DocumentFile.h"
#include "document/FileAccess.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "tests/app/FaultsTest.h"
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

class TestFailedSaves : public FaultsTest
{
    Q_OBJECT

  private slots:
    void a_failed_save_says_so_and_keeps_the_old_file_data();
    void a_failed_save_says_so_and_keeps_the_old_file();
    void what_is_not_a_document_is_refused_at_once_data();
    void what_is_not_a_document_is_refused_at_once();
};

void TestFailedSaves::a_failed_save_says_so_and_keeps_the_old_file_data()
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

void TestFailedSaves::a_failed_save_says_so_and_keeps_the_old_file()
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

void TestFailedSaves::what_is_not_a_document_is_refused_at_once_data()
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

void TestFailedSaves::what_is_not_a_document_is_refused_at_once()
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

QTEST_MAIN(TestFailedSaves)
#include "tst_failed_saves.moc"
