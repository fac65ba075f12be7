// SPDX-License-Identifier: GPL-3.0-or-later
// Document lines: bad files, the lenient defaults reading and the caption of a path.

#include "tests/document/DocumentLines.h"

#include <QtTest>

class TestDocumentDefaults : public QObject
{
    Q_OBJECT

  private slots:
    void refusesBadFiles_data();
    void refusesBadFiles();
    void formulasMayReachTheLastLine();
    void readsDefaultsUpToFirstBadLine_data();
    void readsDefaultsUpToFirstBadLine();
    void readsAllDefaultsOfAGoodFile();
    void captionsFromPaths_data();
    void captionsFromPaths();
};

namespace {

// The example with one line replaced, or cut short before that line when text is null.
QByteArray ExampleWith(std::size_t line, const char* text)
{
    std::vector<std::string> lines = ExampleLines;
    if (text)
        lines[line] = text;
    else
        lines.resize(line);
    return Text(lines);
}

const FontSpec RedRegular{"Arial", 8, false, false, 255};

// How far the defaults reading got, counting language, column count, widths, header
// names, each font, formulas, type codes and position: 12 for a complete file.
int DefaultsStage(const DefaultsData& d)
{
    return int(d.Lang.has_value()) + int(d.ColumnCount.has_value()) + int(d.Widths.has_value()) +
           int(d.HeaderNames.has_value()) + int(d.Fonts.size()) + int(d.Formulas.has_value()) +
           int(d.TypesList.has_value()) + int(d.SubscriptsPosition.has_value());
}

} // namespace

void TestDocumentDefaults::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason"); // what the command line prints after the path

    QTest::newRow("empty file") << QByteArray() << "line 1 is missing";
    QTest::newRow("only a reaction line") << QByteArray("2H2+O2>2H2O\r\n") << "line 2 is missing";
    static const char garbage[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe,,,\n-\n\xc3";
    QTest::newRow("binary garbage") << QByteArray(garbage, sizeof garbage - 1) << "row count";
    QTest::newRow("a reaction past the reader's limit")
        << ExampleWith(0, std::string(MaxReactionBytes + 1, 'H').c_str())
        << "the reaction is longer than 65536 bytes";
    // Counts
    QTest::newRow("row count not a number")
        << ExampleWith(2, "four") << "row count \"four\" is not a whole number of zero or more";
    QTest::newRow("column count not a number") << ExampleWith(3, "3.0") << "column count \"3.0\"";
    QTest::newRow("negative row count") << ExampleWith(2, "-1") << "row count \"-1\"";
    QTest::newRow("negative column count") << ExampleWith(3, "-3") << "column count \"-3\"";
    QTest::newRow("huge row count") << ExampleWith(2, "2000000000")
                                    << "row count 2000000000 is larger than the file";
    QTest::newRow("huge column count")
        << ExampleWith(3, "2000000000") << "column count 2000000000 is larger than the widths line";
    QTest::newRow("row count past 32 bits") << ExampleWith(2, "4294967300") << "row count \"4294967300\"";
    QTest::newRow("formula count past the last line")
        << ExampleWith(14, "6") << "formula count 6 is larger than the file";
    QTest::newRow("formula count not a number") << ExampleWith(14, "one") << "formula count \"one\"";
    // Fields
    QTest::newRow("width not a number") << ExampleWith(4, "100,wide,80") << "a width on line 5";
    QTest::newRow("fewer widths than columns") << ExampleWith(4, "100,60") << "column count 3 is larger";
    QTest::newRow("more widths than columns") << ExampleWith(4, "100,60,80,90") << "a width on line 5";
    QTest::newRow("font size not a number")
        << ExampleWith(10, "Arial,x,00,-16777208") << "the font size or colour on line 11";
    QTest::newRow("colour not a number")
        << ExampleWith(12, "Arial,14,10,blue") << "the font size or colour on line 13";
    QTest::newRow("position not a number") << ExampleWith(19, "low") << "subscripts position \"low\"";
    // Missing lines
    QTest::newRow("no language line") << ExampleWith(1, nullptr) << "line 2 is missing";
    QTest::newRow("cut inside the rows") << ExampleWith(7, nullptr) << "row count 4 is larger than the file";
    QTest::newRow("cut inside the fonts")
        << ExampleWith(12, nullptr) << "row count 4 is larger than the file";
    QTest::newRow("cut after the formula count")
        << ExampleWith(15, nullptr) << "formula count 1 is larger than the file";
    QTest::newRow("cut after the last formula: it is the position")
        << ExampleWith(16, nullptr) << "subscripts position \"#Mass(a)";

    // Rows and columns that each fit the file but together make an absurd grid.
    std::vector<std::string> big = {"", "E", "1001", "1000", "1"};
    for (int i = 1; i < 1000; ++i)
        big[4] += ",1";
    big.resize(5 + 1001, "");
    for (int i = 0; i < FontSettings::Count; ++i)
        big.push_back(FormatFontLine(RedRegular));
    big.push_back("0");
    big.push_back("0");
    QTest::newRow("grid over a million cells") << Text(big) << "1001 rows and 1000 columns is larger than";
}

void TestDocumentDefaults::refusesBadFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    try {
        ReadDocumentLines(Lines(text));
        QFAIL("read as a document");
    } catch (const DocumentReadError& error) {
        QVERIFY2(QString::fromStdString(error.what()).contains(reason), error.what());
    }
}

void TestDocumentDefaults::formulasMayReachTheLastLine()
{
    // The formulas end where the count says, also on the last line, which is then the
    // subscripts position too; no type codes are left.
    std::vector<std::string> lines = ExampleLines;
    lines[14] = "5";
    DocumentData doc = ReadDocumentLines(lines);
    QCOMPARE(ToList(doc.Formulas), ToList({lines.begin() + 15, lines.end()}));
    QVERIFY(doc.TypesList.empty());
    QCOMPARE(doc.Fonts.SubscriptsPosition, 0);
    // No formulas, and the count is the last line.
    lines.resize(15);
    lines[14] = "0";
    doc = ReadDocumentLines(lines);
    QVERIFY(doc.Formulas.empty() && doc.TypesList.empty());
}

void TestDocumentDefaults::readsDefaultsUpToFirstBadLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("stage");

    QTest::newRow("complete file") << Text(ExampleLines) << 12;
    QTest::newRow("missing file (empty)") << QByteArray() << 0;
    QTest::newRow("reaction line only") << ExampleWith(1, nullptr) << 0;
    QTest::newRow("column count bad") << ExampleWith(3, "three") << 1;
    QTest::newRow("column count negative") << ExampleWith(3, "-3") << 1;
    QTest::newRow("column count beyond widths") << ExampleWith(3, "2000000000") << 1;
    QTest::newRow("no widths line") << ExampleWith(4, nullptr) << 1;
    QTest::newRow("width bad") << ExampleWith(4, "100,x,80") << 2;
    QTest::newRow("no header line") << ExampleWith(5, nullptr) << 3;
    QTest::newRow("row count bad") << ExampleWith(2, "many") << 4;
    QTest::newRow("row count huge") << ExampleWith(2, "2000000000") << 4;
    QTest::newRow("first font bad") << ExampleWith(9, "Tahoma,8,00,x") << 4;
    QTest::newRow("third font bad") << ExampleWith(11, "Arial,?,10,0") << 6;
    QTest::newRow("cut after fourth font") << ExampleWith(13, nullptr) << 8;
    QTest::newRow("formula count bad") << ExampleWith(14, "x") << 9;
    QTest::newRow("formula count past the file") << ExampleWith(14, "9") << 9;
    QTest::newRow("cut after the last formula: no type codes") << ExampleWith(16, nullptr) << 11;
    QTest::newRow("formula count reaching the last line") << ExampleWith(14, "5") << 12;
    QTest::newRow("position bad") << ExampleWith(19, "x") << 11;
}

void TestDocumentDefaults::readsDefaultsUpToFirstBadLine()
{
    QFETCH(QByteArray, text);
    QFETCH(int, stage);
    const DefaultsData d = ReadDefaultsLines(Lines(text));
    QCOMPARE(DefaultsStage(d), stage);
    // Whatever was read is read right, whatever comes after the bad line is not.
    if (stage >= 2)
        QCOMPARE(d.ColumnCount, std::optional<int>(3));
    if (stage >= 3)
        QCOMPARE(*d.Widths, (std::vector<int>{100, 60, 80}));
    if (stage >= 10)
        QCOMPARE(d.Formulas->front(), ExampleLines[15]);
}

void TestDocumentDefaults::readsAllDefaultsOfAGoodFile()
{
    std::vector<std::string> lines = ExampleLines;
    lines[0] = ""; // defaults files carry no reaction
    lines[1] = "F";
    lines[13] = FormatFontLine(RedRegular);
    lines.insert(lines.end() - 1, "1"); // a surplus type code
    const DefaultsData d = ReadDefaultsLines(lines);
    QCOMPARE(d.Lang, std::optional<Language>(Language::Farsi));
    QCOMPARE(ToList(*d.HeaderNames), (QStringList{"Formula", "Number", "Mass"}));
    QCOMPARE(d.Fonts.size(), std::size_t(5));
    QVERIFY(d.Fonts[0] == FontSettings().ProgramFont);
    QVERIFY(d.Fonts[4] == RedRegular);
    QCOMPARE(ToList(*d.Formulas), ToList(ReadDocumentLines(lines).Formulas));
    QCOMPARE(ToList(*d.TypesList), (QStringList{"5", "3", "2", "1"}));
    QCOMPARE(d.SubscriptsPosition, std::optional<int>(0));
}

void TestDocumentDefaults::captionsFromPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");

    QTest::newRow("untitled") << ""
                              << "Stoikon - Untitled";
    QTest::newRow("folder and extension dropped") << "/home/u/work/Water.KVX"
                                                  << "Stoikon - Water";
    QTest::newRow("only the last extension") << "/tmp/a.b.KVX"
                                             << "Stoikon - a.b";
    QTest::newRow("dot in a folder name") << "/tmp/v1.2/notes"
                                          << "Stoikon - notes";
    QTest::newRow("Farsi name") << "/tmp/آب.KVX"
                                << "Stoikon - آب";
}

void TestDocumentDefaults::captionsFromPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QCOMPARE(QString::fromStdString(DocumentCaption(path.toStdString())), caption);
}

QTEST_GUILESS_MAIN(TestDocumentDefaults)
#include "tst_document_defaults.moc"
