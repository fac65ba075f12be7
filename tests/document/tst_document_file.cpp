// SPDX-License-Identifier: GPL-3.0-or-later
// Document lines: the example file, round trips, the splitting rule and the fields of a line.

#include "tests/document/DocumentLines.h"

#include <QtTest>

class TestDocumentFile : public QObject
{
    Q_OBJECT

  private slots:
    void exampleReadsAndWritesBackByteForByte();
    void richDocumentRoundTrips();
    void writerKeepsColumnCountInEveryRow();
    void splitsLines_data();
    void splitsLines();
    void splitsFields_data();
    void splitsFields();
    void parsesWholeNumbers_data();
    void parsesWholeNumbers();
    void parsesFontLines_data();
    void parsesFontLines();
    void readsLanguageLetter_data();
    void readsLanguageLetter();
};

void TestDocumentFile::exampleReadsAndWritesBackByteForByte()
{
    const DocumentData doc = ReadDocumentLines(ExampleLines);
    QCOMPARE(doc.ReactionText, std::string("2H2+O2>2H2O"));
    QCOMPARE(doc.Lang, Language::English);
    QCOMPARE(doc.Widths, (std::vector<int>{100, 60, 80}));
    QCOMPARE(doc.Cells.size(), std::size_t(4));
    QCOMPARE(ToList(doc.Cells[0]), (QStringList{"Formula", "Number", "Mass"}));
    QCOMPARE(ToList(doc.Cells[2]), (QStringList{"O2", "1", ""}));
    QVERIFY(doc.Fonts == FontSettings()); // the example uses the built-in fonts
    QCOMPARE(ToList(doc.Formulas), QStringList{"#Mass(a)=#Mass(b)*#Number(a)/#Number(b)"});
    QCOMPARE(ToList(doc.TypesList), (QStringList{"5", "3", "2"}));

    QCOMPARE(ToList(WriteDocumentLines(doc)), ToList(ExampleLines));
    QByteArray expected;
    for (const std::string& line : ExampleLines)
        expected += QByteArray::fromStdString(line) + "\r\n";
    QCOMPARE(Text(WriteDocumentLines(doc)), expected);
}

void TestDocumentFile::richDocumentRoundTrips()
{
    DocumentData doc;
    doc.ReactionText = "2C2H6+7O2>4CO2+6H2O";
    doc.Lang = Language::Farsi;
    doc.Widths = {120, 64, 80, 1};
    doc.Cells = {
        {"فرمول ماده", "مول", "جرم (گرم)", "یادداشت"},
        {"C2H6", "2", "60", "گاز اتان"},
        {"O2", "7", "", ""},
        {"CO2", "4", "", "دی اکسید کربن"},
        {"H2O", "6", "", ""},
    };
    doc.Fonts.ProgramFont = {"Tahoma", 9, false, true, ClWindowText};
    doc.Fonts.GridFont = {"B Nazanin", 11, true, true, 0x00336699};
    doc.Fonts.ReactionFont = {"Times New Roman", 16, true, false, 255};
    doc.Fonts.NumbersFont = {"Courier New", 20, false, false, ClBlue};
    doc.Fonts.SubscriptsFont = {"Arial", 7, false, true, static_cast<ColorValue>(0xFF00000Fu)};
    doc.Fonts.SubscriptsPosition = -3;
    doc.Formulas = {"#مول(a)=#مول(b)*#جرم (گرم)(a)", "#جرم (گرم)(a)=#مول(a)*2", ""};
    doc.TypesList = {"5", "3", "2", "0", "1", "4"}; // two surplus entries

    const std::vector<std::string> lines = WriteDocumentLines(doc);
    QCOMPARE(lines[1], std::string("F"));
    QCOMPARE(lines[11], std::string("B Nazanin,11,11,3368601"));
    QCOMPARE(lines[14], std::string("Arial,7,01,-16777201"));
    const DocumentData back = ReadDocumentLines(SplitDocumentLines(JoinDocumentLines(lines)));
    QCOMPARE(ToList(back.Formulas), ToList(doc.Formulas));
    QCOMPARE(ToList(back.TypesList), ToList(doc.TypesList));
    QVERIFY(back == doc);
}

void TestDocumentFile::writerKeepsColumnCountInEveryRow()
{
    DocumentData doc;
    doc.Widths = {100};
    doc.Cells = {{"Formula"}, {"H2"}};
    std::vector<std::string> lines = WriteDocumentLines(doc);
    // A one-column grid has no comma at all in its widths and rows.
    QCOMPARE(lines[4], std::string("100"));
    QCOMPARE(lines[5], std::string("Formula"));
    QCOMPARE(lines[6], std::string("H2"));

    // Short rows are padded so every row line still splits into K cells.
    doc.Widths = {10, 20, 30};
    doc.Cells = {{"a", "b", "c"}, {"x"}};
    lines = WriteDocumentLines(doc);
    QCOMPARE(lines[6], std::string("x,,"));
    QCOMPARE(ToList(ReadDocumentLines(lines).Cells[1]), (QStringList{"x", "", ""}));

    // A pasted line break would shift every later line; it is written as a blank.
    doc.Formulas = {"#a(a)=\r\n1"};
    doc.Cells[1] = {"x\ny", "", "z\r"};
    const DocumentData back =
        ReadDocumentLines(SplitDocumentLines(JoinDocumentLines(WriteDocumentLines(doc))));
    QCOMPARE(ToList(back.Cells[1]), (QStringList{"x y", "", "z "}));
    QCOMPARE(ToList(back.Formulas), QStringList{"#a(a)=  1"});

    // A cell holding a comma is written unescaped and reads back split at it.
    doc.Widths = {10, 20};
    doc.Cells = {{"a,b", "x"}};
    QCOMPARE(ToList(ReadDocumentLines(WriteDocumentLines(doc)).Cells[0]), (QStringList{"a", "b,x"}));
}

void TestDocumentFile::splitsLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty text") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("no break at end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n\r\n") << QStringList{"", "", "x", ""};
    QTest::newRow("LF then CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
}

void TestDocumentFile::splitsLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QCOMPARE(ToList(Lines(text)), lines);
}

void TestDocumentFile::splitsFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("as many commas as needed") << "O2,1," << 3 << QStringList{"O2", "1", ""};
    QTest::newRow("more commas: last takes the rest") << "a,b,x" << 2 << QStringList{"a", "b,x"};
    QTest::newRow("fewer commas: last still takes the rest") << "a,b" << 4 << QStringList{"a", "", "", "b"};
    QTest::newRow("no comma in two fields") << "x" << 2 << QStringList{"", "x"};
    QTest::newRow("one field is the whole line") << "a,b" << 1 << QStringList{"a,b"};
    QTest::newRow("empty line") << "" << 3 << QStringList{"", "", ""};
    QTest::newRow("no fields") << "a,b" << 0 << QStringList();
    QTest::newRow("Farsi texts") << "مول,جرم" << 2 << QStringList{"مول", "جرم"};
}

void TestDocumentFile::splitsFields()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QFETCH(QStringList, fields);
    QCOMPARE(ToList(SplitFields(line.toStdString(), count)), fields);
}

void TestDocumentFile::parsesWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("plus sign") << "+15" << true << 15;
    QTest::newRow("system colour") << "-16777208" << true << -16777208;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("leading zeros") << "007" << true << 7;
    // Not whole numbers
    QTest::newRow("one past largest") << "2147483648" << false << 0;
    QTest::newRow("one past smallest") << "-2147483649" << false << 0;
    QTest::newRow("far too long") << "99999999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("leading blank") << " 5" << false << 0;
    QTest::newRow("trailing blank") << "5 " << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("decimal point") << "1.0" << false << 0;
    QTest::newRow("Arabic-Indic digit") << "٥" << false << 0;
}

void TestDocumentFile::parsesWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<int> parsed = ParseWholeNumber(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestDocumentFile::parsesFontLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("color");

    QTest::newRow("regular") << "Tahoma,8,00,-16777208" << true << "Tahoma" << 8 << false << false
                             << -16777208;
    QTest::newRow("bold italic") << "B Nazanin,12,11,255" << true << "B Nazanin" << 12 << true << true << 255;
    QTest::newRow("italic only") << "Arial,10,01,0" << true << "Arial" << 10 << false << true << 0;
    // A style character other than "1", or none, clears the style.
    QTest::newRow("short style") << "Arial,10,1,0" << true << "Arial" << 10 << true << false << 0;
    QTest::newRow("empty style") << "Arial,10,,0" << true << "Arial" << 10 << false << false << 0;
    QTest::newRow("other characters") << "Arial,10,2y,0" << true << "Arial" << 10 << false << false << 0;
    QTest::newRow("three fields: colour from the rest")
        << "Arial,10,7" << true << "Arial" << 10 << false << false << 7;
    // Failures
    QTest::newRow("size not a number") << "Arial,big,00,0" << false << "" << 0 << false << false << 0;
    QTest::newRow("colour not a number") << "Arial,8,00,red" << false << "" << 0 << false << false << 0;
    QTest::newRow("unsigned colour") << "Arial,8,00,4278190088" << false << "" << 0 << false << false << 0;
    QTest::newRow("face name only") << "Arial" << false << "" << 0 << false << false << 0;
    QTest::newRow("comma in face name") << "Times, New,8,00,0" << false << "" << 0 << false << false << 0;
}

void TestDocumentFile::parsesFontLines()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    if (!valid) {
        QVERIFY_THROWS_EXCEPTION(DocumentReadError, ParseFontLine(line.toStdString()));
        return;
    }
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(int, color);
    const FontSpec expected{name.toStdString(), size, bold, italic, color};
    const FontSpec font = ParseFontLine(line.toStdString());
    QVERIFY(font == expected);
    // Anything that parses is written back in the one canonical form.
    QVERIFY(ParseFontLine(FormatFontLine(font)) == font);
}

void TestDocumentFile::readsLanguageLetter_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("farsi");

    QTest::newRow("E") << "E" << false;
    QTest::newRow("F") << "F" << true;
    QTest::newRow("lower-case e") << "e" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("E with blank") << "E " << true;
}

void TestDocumentFile::readsLanguageLetter()
{
    QFETCH(QString, letter);
    QFETCH(bool, farsi);
    std::vector<std::string> lines = ExampleLines;
    lines[1] = letter.toStdString();
    const Language lang = farsi ? Language::Farsi : Language::English;
    QCOMPARE(ReadDocumentLines(lines).Lang, lang);
    QCOMPARE(ReadDefaultsLines(lines).Lang, std::optional<Language>(lang));
}

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_document_file.moc"
