// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's document modes as a user runs them without a display: no application
// object at all for --calculate and --export-html, a GUI one at most for --export-bitmap.
// This program links no widget library, so no widget can be made on these paths.

#include "tests/common/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList& ApplicationsMade()
{
    static QStringList made;
    return made;
}
void RecordApplication()
{
    ApplicationsMade() << QCoreApplication::instance()->metaObject()->className();
}

} // namespace

class TestHeadless : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void command_line_calculates_and_exports_documents();
    void command_line_reports_bad_documents_and_usage_data();
    void command_line_reports_bad_documents_and_usage();

  private:
    QTemporaryDir Dir;
    QString PathOf(const QString& name) const { return QDir(Dir.path()).filePath(name); }
};

void TestHeadless::initTestCase()
{
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qAddPreRoutine(RecordApplication);
}

void TestHeadless::command_line_calculates_and_exports_documents()
{
    QByteArray bytes = ReadBytes(STOIKON_SOURCE_DIR "/resources/defaults/New.KVX");
    bytes.replace(0, 2, "Fe+O2>Fe2O3\r\n");
    bytes.replace("\r\n,,,,,\r\n", "\r\n,,,,11.1694,\r\n");
    WriteBytes(PathOf("iron.KVX"), bytes);

    QCOMPARE(RunCommand({"--calculate", PathOf("iron.KVX"), "-o", PathOf("done.KVX")}), 0);
    const QByteArray done = ReadBytes(PathOf("done.KVX"));
    QVERIFY(done.startsWith("4Fe+3O2>2Fe2O3\r\n"));
    QVERIFY(done.contains("\r\nFe,4,55.847,0.2,11.1694,4.48\r\n"));
    QVERIFY(done.contains("\r\nFe2O3,2,159.664,0.1,15.9664,2.24\r\n"));
    QCOMPARE(ReadBytes(PathOf("iron.KVX")), bytes);
    // --precise weighs with the IUPAC weights: the masses follow from them.
    QCOMPARE(RunCommand({"--precise", "--calculate", PathOf("iron.KVX"), "-o", PathOf("precise.KVX")}), 0);
    QVERIFY(ReadBytes(PathOf("precise.KVX")).contains("\r\nFe2O3,2,159.687,0.100003581"));

    QCOMPARE(RunCommand({"--export-html", PathOf("done.KVX"), PathOf("done.html")}), 0);
    QVERIFY(ReadBytes(PathOf("done.html"))
                .contains("<td><font face=\"Arial\" color=\"#080000\" size=\"2\">15.9664"));
    QVERIFY(ApplicationsMade().isEmpty());
    QCOMPARE(RunCommand({"--export-bitmap", PathOf("done.KVX"), PathOf("done.bmp")}), 0);
    QCOMPARE(ApplicationsMade(), QStringList{"QGuiApplication"});
    const QImage picture(PathOf("done.bmp"));
    QCOMPARE(picture.width(), 10 + (100 + 60 + 80 + 110 * 3) + 10); // the grid is wider than the reaction
    QCOMPARE(picture.depth(), 32); // read back by Qt; written as 24 bits a pixel
    // The picture's format follows the name; the handout is a PDF, the reaction an SVG.
    QCOMPARE(RunCommand({"--export-bitmap", PathOf("done.KVX"), PathOf("done.png")}), 0);
    QProcess file;
    file.start("file", {"-b", PathOf("done.png"), PathOf("done.bmp")});
    QVERIFY(file.waitForFinished());
    const QString kinds = QString::fromUtf8(file.readAllStandardOutput());
    QVERIFY2(kinds.startsWith("PNG image data, 590 x ") && kinds.contains("\nPC bitmap"), qPrintable(kinds));
    QCOMPARE(RunCommand({"--export-pdf", PathOf("done.KVX"), PathOf("done.pdf")}), 0);
    QVERIFY(ReadBytes(PathOf("done.pdf")).startsWith("%PDF-"));
    QCOMPARE(RunCommand({"--export-svg", PathOf("done.KVX"), PathOf("done.svg")}), 0);
    QVERIFY(ReadBytes(PathOf("done.svg")).contains("<title>4Fe + 3O₂ → 2Fe₂O₃</title>"));
    QCOMPARE(ApplicationsMade(), QStringList(4, "QGuiApplication")); // one an export
}

void TestHeadless::command_line_reports_bad_documents_and_usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    QTest::newRow("missing document")
        << QStringList{"--calculate", "missing.KVX"} << 1 << "Can not open this file";
    QTest::newRow("garbage document")
        << QStringList{"--export-html", "garbage.KVX", "x.html"} << 1 << "Can not open this file";
    QTest::newRow("unbalanceable reaction")
        << QStringList{"--calculate", "twin.KVX"} << 1
        << "Can not balance this reaction\nIt is 2 independent reactions written as one: NaOH+HCl>NaCl+H2O;";
    QTest::newRow("output cannot be written")
        << QStringList{"--export-html", "twin.KVX", "garbage.KVX/x.html"} << 1 << "Can not save this file";
    QTest::newRow("no output named") << QStringList{"--export-bitmap", "twin.KVX"} << 2 << "Usage:";
    QTest::newRow("two inputs") << QStringList{"--calculate", "a.KVX", "b.KVX"} << 2 << "Usage:";
}

void TestHeadless::command_line_reports_bad_documents_and_usage()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, error);
    WriteBytes(PathOf("garbage.KVX"), "\x01\x02");
    WriteBytes(PathOf("twin.KVX"),
               QByteArray(ExampleBytes()).replace("2H2+O2>2H2O", "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O"));
    for (QString& arg : args)
        if (arg.contains(".KVX") || arg.endsWith(".html"))
            arg = PathOf(arg);
    QString errors;
    QCOMPARE(RunCommand(args, &errors), status);
    QVERIFY2(errors.contains(error), qPrintable(errors));
}

QTEST_APPLESS_MAIN(TestHeadless)
#include "tst_headless.moc"
