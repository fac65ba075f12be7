// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that succeed and keep what the file and the work had, the command line's failures
// rather than lost work or output, and the program's own files read with care.

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/FileAccess.h"
#include "document/UserFolders.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "model/Settings.h"
#include "tests/app/FaultsTest.h"
#include "ui/mainwindow/CommandFunctions.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>

class TestSafeFiles : public FaultsTest
{
    Q_OBJECT

  private slots:
    void a_save_keeps_the_file_and_the_work_data();
    void a_save_keeps_the_file_and_the_work();
    void the_command_line_fails_rather_than_lose_anything_data();
    void the_command_line_fails_rather_than_lose_anything();
    void the_programs_own_files_are_read_with_care_data();
    void the_programs_own_files_are_read_with_care();
};

void TestSafeFiles::a_save_keeps_the_file_and_the_work_data()
{
    QTest::addColumn<QString>("what");
    for (const char* what :
         {"shared with an access control list and an attribute", "another user's, saved by root",
          "left over from a crash", "stopped by SIGTERM", "named by a dangling link", "one of two hard links",
          "named in bytes that are not UTF-8", "rows past the reaction's substances",
          "a comma typed into a cell"})
        QTest::newRow(what) << what;
}

void TestSafeFiles::a_save_keeps_the_file_and_the_work()
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
        OpenFile(w->context(), source);
        TypeIntoGrid(w, "H2O,l", 0, 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(10); // the editor's text is committed after the key
        QCOMPARE(w->statusBar()->currentMessage(),
                 "A comma separates the cells in the file, so a cell or a name can not hold one");
        QVERIFY(SaveTo(w->context(), target));
        Document reopened;
        reopened.open(PathBytes(target), std::string());
        QCOMPARE(reopened.cells()[3], GridRow({"H2Ol", "2", ""}));
        return;
    }
    const Snapshot before = Take(target);
    QCOMPARE(RunCommand(args), 0);
    const Snapshot after = Take(target);
    QVERIFY(after.SameFile(before));
    QCOMPARE(namesInFolder().filter(".doc.KVX."), QStringList());
    Document saved;
    saved.open(PathBytes(target), std::string());
    QCOMPARE(saved.rowCount(), what.startsWith("rows past") ? 5 : 4);
    QCOMPARE(saved.cell(2, 2), "2"); // worked out from the 4 in the first row
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

void TestSafeFiles::the_command_line_fails_rather_than_lose_anything_data()
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

void TestSafeFiles::the_command_line_fails_rather_than_lose_anything()
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

void TestSafeFiles::the_programs_own_files_are_read_with_care_data()
{
    QTest::addColumn<QString>("what");
    for (const char* what : {"a settings file that is a FIFO", "a settings file that leads to /dev/zero",
                             "a settings file larger than any", "a window larger than the screens",
                             "a document's fonts past any size", "a worked-out record that is a FIFO",
                             "no HOME", "relative XDG folders"})
        QTest::newRow(what) << what;
}

void TestSafeFiles::the_programs_own_files_are_read_with_care()
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
        Document document;
        document.open(PathBytes(PathOf("doc.KVX")), std::string());
        QCOMPARE(document.fonts().ReactionFont.Size, LargestFontSize);
        return;
    } else if (what.contains("record")) {
        QVERIFY(WriteBytes(PathOf("doc.KVX"), ExampleBytes()));
        WindowFixture w;
        const QByteArray key =
            QCryptographicHash::hash(QFile::encodeName(PathOf("doc.KVX")), QCryptographicHash::Sha1);
        QVERIFY(::mkfifo(QFile::encodeName(w.Marks.path() + "/" + key.toHex() + ".marks").constData(),
                         0644) == 0);
        OpenFile(w->context(), PathOf("doc.KVX")); // returns at once
        QCOMPARE(w->document()->fileName(), PathOf("doc.KVX"));
        return;
    } else if (what == "no HOME") {
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const QString own = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir);
        QCOMPARE(QString::fromStdString(UserDataHome()), own + "/.local/share");
        QCOMPARE(QString::fromStdString(UserSettingsPath()), own + "/.config/Velk/ST1.conf");
        return;
    } else if (what.startsWith("relative")) {
        qputenv("HOME", QFile::encodeName(Dir->path()));
        qputenv("XDG_DATA_HOME", "data");
        qputenv("XDG_CONFIG_HOME", "config");
        QCOMPARE(QString::fromStdString(UserDataHome()), Dir->path() + "/.local/share");
        QCOMPARE(QString::fromStdString(UserSettingsPath()), Dir->path() + "/.config/Velk/ST1.conf");
        return;
    }
    // A settings file that is not the program's own is passed over, whole: the designed bounds.
    WindowFixture w;
    QCOMPARE(w->frameGeometry(), QRect(10, 9, 780, 551));
}

QTEST_MAIN(TestSafeFiles)
#include "tst_safe_files.moc"
