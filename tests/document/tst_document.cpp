// SPDX-License-Identifier: GPL-3.0-or-later
// Document lines and the HTML page: the example file, round trips, the splitting rule,
// bad files, the lenient defaults reading and the exported page.

#include "document/DocumentFile.h"
#include "document/HtmlPage.h"
#include "tests/common/ExampleDocument.h"

#include <QtTest>

namespace {

const std::vector<std::string>& ExampleLines = ExampleDocumentLines();

QByteArray Text(const std::vector<std::string>& lines)
{
    return QByteArray::fromStdString(JoinDocumentLines(lines));
}

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

std::vector<std::string> Lines(const QByteArray& text)
{
    return SplitDocumentLines(text.toStdString());
}

QStringList ToList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list;
}

const FontSpec RedRegular{"Arial", 8, false, false, 255};

} // namespace

class DocumentTest : public QObject
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
    void refusesBadFiles_data();
    void refusesBadFiles();
    void formulasMayReachTheLastLine();
    void readsDefaultsUpToFirstBadLine_data();
    void readsDefaultsUpToFirstBadLine();
    void readsAllDefaultsOfAGoodFile();
    void captionsFromPaths_data();
    void captionsFromPaths();

    void buildsExamplePage();
    void mapsPointsToHtmlSizes_data();
    void mapsPointsToHtmlSizes();
    void marksCoefficientsAndSubscripts_data();
    void marksCoefficientsAndSubscripts();
    void writesFontTags_data();
    void writesFontTags();
    void writesTableCellsEscaped();
    void aFarsiPageKeepsTheChargeAtTheEndOfAFormula();
};

void DocumentTest::exampleReadsAndWritesBackByteForByte()
{
    const DocumentData doc = ReadDocumentLines(ExampleLines);
    QCOMPARE(doc.ReactionText, std::string("2H2+O2>2H2O"));
    QVERIFY(!doc.Farsi);
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

void DocumentTest::richDocumentRoundTrips()
{
    DocumentData doc;
    doc.ReactionText = "2C2H6+7O2>4CO2+6H2O";
    doc.Farsi = true;
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

void DocumentTest::writerKeepsColumnCountInEveryRow()
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

void DocumentTest::splitsLines_data()
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

void DocumentTest::splitsLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QCOMPARE(ToList(Lines(text)), lines);
}

void DocumentTest::splitsFields_data()
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

void DocumentTest::splitsFields()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QFETCH(QStringList, fields);
    QCOMPARE(ToList(SplitFields(line.toStdString(), count)), fields);
}

void DocumentTest::parsesWholeNumbers_data()
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

void DocumentTest::parsesWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<int> parsed = ParseWholeNumber(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void DocumentTest::parsesFontLines_data()
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

void DocumentTest::parsesFontLines()
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

void DocumentTest::readsLanguageLetter_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("farsi");

    QTest::newRow("E") << "E" << false;
    QTest::newRow("F") << "F" << true;
    QTest::newRow("lower-case e") << "e" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("E with blank") << "E " << true;
}

void DocumentTest::readsLanguageLetter()
{
    QFETCH(QString, letter);
    QFETCH(bool, farsi);
    std::vector<std::string> lines = ExampleLines;
    lines[1] = letter.toStdString();
    QCOMPARE(ReadDocumentLines(lines).Farsi, farsi);
    QCOMPARE(ReadDefaultsLines(lines).Farsi, std::optional<bool>(farsi));
}

void DocumentTest::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason"); // what the command line prints after the path

    QTest::newRow("empty file") << QByteArray() << "line 1 is missing";
    QTest::newRow("only a reaction line") << QByteArray("2H2+O2>2H2O\r\n") << "line 2 is missing";
    static const char garbage[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe,,,\n-\n\xc3";
    QTest::newRow("binary garbage") << QByteArray(garbage, sizeof garbage - 1) << "row count";
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

void DocumentTest::refusesBadFiles()
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

void DocumentTest::formulasMayReachTheLastLine()
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

namespace {
// How far the defaults reading got, counting language, column count, widths, header
// names, each font, formulas, type codes and position: 12 for a complete file.
int DefaultsStage(const DefaultsData& d)
{
    return int(d.Farsi.has_value()) + int(d.ColumnCount.has_value()) + int(d.Widths.has_value()) +
           int(d.HeaderNames.has_value()) + int(d.Fonts.size()) + int(d.Formulas.has_value()) +
           int(d.TypesList.has_value()) + int(d.SubscriptsPosition.has_value());
}
} // namespace

void DocumentTest::readsDefaultsUpToFirstBadLine_data()
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

void DocumentTest::readsDefaultsUpToFirstBadLine()
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

void DocumentTest::readsAllDefaultsOfAGoodFile()
{
    std::vector<std::string> lines = ExampleLines;
    lines[0] = ""; // defaults files carry no reaction
    lines[1] = "F";
    lines[13] = FormatFontLine(RedRegular);
    lines.insert(lines.end() - 1, "1"); // a surplus type code
    const DefaultsData d = ReadDefaultsLines(lines);
    QCOMPARE(d.Farsi, std::optional<bool>(true));
    QCOMPARE(ToList(*d.HeaderNames), (QStringList{"Formula", "Number", "Mass"}));
    QCOMPARE(d.Fonts.size(), std::size_t(5));
    QVERIFY(d.Fonts[0] == FontSettings().ProgramFont);
    QVERIFY(d.Fonts[4] == RedRegular);
    QCOMPARE(ToList(*d.Formulas), ToList(ReadDocumentLines(lines).Formulas));
    QCOMPARE(ToList(*d.TypesList), (QStringList{"5", "3", "2", "1"}));
    QCOMPARE(d.SubscriptsPosition, std::optional<int>(0));
}

void DocumentTest::captionsFromPaths_data()
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

void DocumentTest::captionsFromPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QCOMPARE(QString::fromStdString(DocumentCaption(path.toStdString())), caption);
}

// ---------------------------------------------------------------- HTML page

namespace {
const std::string ArrowElement = "<font face=\"Wingdings\">&rarr;</font>";

// Short forms for the expected reaction markup: {d} a digit in the numbers font,
// [d] one in the subscripts font, "=>" the arrow element.
std::string Expand(const std::string& pattern, const FontSettings& fonts)
{
    auto element = [](const FontSpec& f, const std::string& text) {
        return "<font face=\"" + f.Name + "\" color=\"#" + (f.Color == ClBlue ? "0000FF" : "080000") +
               "\" size=\"" + std::to_string(HtmlFontSize(f.Size)) + "\"><b>" + text + "</b></font>";
    };
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "^[") == 0) { // ^[3+]: a raised charge in the subscripts font
            const std::size_t close = pattern.find(']', i + 3);
            out += "<sup>" + element(fonts.SubscriptsFont, pattern.substr(i + 2, close - i - 2)) + "</sup>";
            i = close;
        } else if (pattern[i] == '{' || pattern[i] == '[') {
            out += element(pattern[i] == '{' ? fonts.NumbersFont : fonts.SubscriptsFont,
                           std::string(1, pattern[i + 1]));
            i += 2;
        } else if (pattern.compare(i, 2, "=>") == 0) {
            out += ArrowElement;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
} // namespace

void DocumentTest::buildsExamplePage()
{
    const DocumentData doc = ReadDocumentLines(ExampleLines);
    const std::vector<std::string> page =
        BuildHtmlPage(DocumentCaption(""), doc.ReactionText, doc.Fonts, doc.Cells);
    const std::vector<std::string> expected = {
        "<html>",
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">",
        "<title>Stoikon - Untitled</title>",
        "</head>",
        "<body>",
        "<font face=\"Arial\" color=\"#080000\" size=\"4\"><b>",
        "<font face=\"Arial\" color=\"#0000FF\" size=\"4\"><b>2</b></font>H"
        "<font face=\"Arial\" color=\"#080000\" size=\"2\"><b>2</b></font>+O"
        "<font face=\"Arial\" color=\"#080000\" size=\"2\"><b>2</b></font>"
        "<font face=\"Wingdings\">&rarr;</font>"
        "<font face=\"Arial\" color=\"#0000FF\" size=\"4\"><b>2</b></font>H"
        "<font face=\"Arial\" color=\"#080000\" size=\"2\"><b>2</b></font>O",
        "</b></font><br>",
        "<table border=\"1\">",
        "<tr><td><font face=\"Arial\" color=\"#080000\" size=\"1\">Formula</font></td>"
        "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">Number</font></td>"
        "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">Mass</font></td></tr>",
        "<tr><td><font face=\"Arial\" color=\"#080000\" size=\"1\">H2</font></td>"
        "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">2</font></td>"
        "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">4</font></td></tr>",
        "<tr><td><font face=\"Arial\" color=\"#080000\" size=\"1\">O2</font></td>"
        "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">1</font></td><td>&nbsp;</td></tr>",
        "<tr><td><font face=\"Arial\" color=\"#080000\" size=\"1\">H2O</font></td>"
        "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">2</font></td><td>&nbsp;</td></tr>",
        "</table></body>",
        "</html>",
    };
    QCOMPARE(ToList(page), ToList(expected));
}

void DocumentTest::mapsPointsToHtmlSizes_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("size");

    QTest::newRow("0") << 0 << 1;
    QTest::newRow("8") << 8 << 1;
    QTest::newRow("9") << 9 << 2;
    QTest::newRow("10") << 10 << 2;
    QTest::newRow("11") << 11 << 3;
    QTest::newRow("12") << 12 << 3;
    QTest::newRow("13") << 13 << 4;
    QTest::newRow("14") << 14 << 4;
    QTest::newRow("15") << 15 << 5;
    QTest::newRow("18") << 18 << 5;
    QTest::newRow("19") << 19 << 6;
    QTest::newRow("24") << 24 << 6;
    QTest::newRow("25") << 25 << 7;
    QTest::newRow("72") << 72 << 7;
}

void DocumentTest::mapsPointsToHtmlSizes()
{
    QFETCH(int, points);
    QFETCH(int, size);
    QCOMPARE(HtmlFontSize(points), size);
}

void DocumentTest::marksCoefficientsAndSubscripts_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("balanced") << "2H2+O2>2H2O"
                              << "{2}H[2]+O[2]=>{2}H[2]O";
    QTest::newRow("no leading coefficient") << "H2+O2>H2O"
                                            << "H[2]+O[2]=>H[2]O";
    QTest::newRow("two-digit coefficient") << "12C+O2>C"
                                           << "{1}{2}C+O[2]=>C";
    QTest::newRow("count after a parenthesis") << "Fe2(SO4)3>X"
                                               << "Fe[2](SO[4])[3]=>X";
    QTest::newRow("negative count") << "H-1>H"
                                    << "H-[1]=>H";
    QTest::newRow("coefficient alone") << "2"
                                       << "{2}";
    QTest::newRow("coefficient right after the arrow") << ">10"
                                                       << "=>{1}{0}";
    QTest::newRow("ions: charges raised, without their ^") << "MnO4^-+8H^++5Fe^2+>Mn^2+"
                                                           << "MnO[4]^[-]+{8}H^[+]+{5}Fe^[2+]=>Mn^[2+]";
    QTest::newRow("a ^ with no charge after it is written raised") << "Fe^"
                                                                   << "Fe^[^]";
    QTest::newRow("markup in the text") << "A<b&\""
                                        << "A&lt;b&amp;&quot;";
    QTest::newRow("empty") << ""
                           << "";
}

void DocumentTest::marksCoefficientsAndSubscripts()
{
    QFETCH(QString, reaction);
    QFETCH(QString, pattern);
    const FontSettings fonts;
    const std::vector<std::string> page = BuildHtmlPage("t", reaction.toStdString(), fonts, {});
    QCOMPARE(QString::fromStdString(page[7]), QString::fromStdString(Expand(pattern.toStdString(), fonts)));
    QCOMPARE(page.size(), std::size_t(12));
}

void DocumentTest::writesFontTags_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("color");
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("closing");

    QTest::newRow("regular") << false << false << 0 << false
                             << "<font face=\"F\" color=\"#000000\" size=\"3\">"
                             << "</font><br>";
    QTest::newRow("bold") << true << false << 0 << false
                          << "<font face=\"F\" color=\"#000000\" size=\"3\"><b>"
                          << "</b></font><br>";
    QTest::newRow("italic") << false << true << 0 << false
                            << "<font face=\"F\" color=\"#000000\" size=\"3\"><i>"
                            << "</i></font><br>";
    QTest::newRow("bold italic") << true << true << 0 << false
                                 << "<font face=\"F\" color=\"#000000\" size=\"3\"><b><i>"
                                 << "</i></b></font><br>";
    // Colours: low byte first, upper-case hex, the top byte of a system colour ignored.
    QTest::newRow("pure red") << false << false << 255 << false
                              << "<font face=\"F\" color=\"#FF0000\" size=\"3\">"
                              << "</font><br>";
    QTest::newRow("byte order") << false << false << 0x00ABCDEF << false
                                << "<font face=\"F\" color=\"#EFCDAB\" size=\"3\">"
                                << "</font><br>";
    QTest::newRow("system colour") << false << false << -16777201 << false
                                   << "<font face=\"F\" color=\"#0F0000\" size=\"3\">"
                                   << "</font><br>";
    QTest::newRow("all bits") << false << false << -1 << false
                              << "<font face=\"F\" color=\"#FFFFFF\" size=\"3\">"
                              << "</font><br>";
    // A Farsi page reads right to left; its reaction stays left to right
    QTest::newRow("Farsi") << true << false << 0 << true
                           << "<font dir=\"ltr\" face=\"F\" color=\"#000000\" size=\"3\"><b>"
                           << "</b></font><br>";
}

void DocumentTest::writesFontTags()
{
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(int, color);
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QFETCH(bool, farsi);
    FontSettings fonts;
    fonts.ReactionFont = {"F", 12, bold, italic, color};
    const std::vector<std::string> page =
        BuildHtmlPage("t", "", fonts, {}, farsi ? Language::Farsi : Language::English);
    QCOMPARE(QString::fromStdString(page[6]), opening);
    QCOMPARE(QString::fromStdString(page[8]), closing);
    QCOMPARE(page[0], std::string(farsi ? "<html dir=\"rtl\">" : "<html>"));
}

void DocumentTest::writesTableCellsEscaped()
{
    FontSettings fonts;
    fonts.GridFont = {"Times \"x\"", 13, false, true, 255};
    const GridCells cells = {{"a<b", "", "x&\"y\""}, {"مول", " "}};
    const std::vector<std::string> page = BuildHtmlPage("Stoikon - <i>", "", fonts, cells);
    const std::string open = "<td><font face=\"Times &quot;x&quot;\" color=\"#FF0000\" size=\"4\"><i>";
    const std::string close = "</i></font></td>";
    QCOMPARE(page[3], std::string("<title>Stoikon - &lt;i&gt;</title>"));
    QCOMPARE(page[10], "<tr>" + open + "a&lt;b" + close + "<td>&nbsp;</td>" + open + "x&amp;&quot;y&quot;" +
                           close + "</tr>");
    QCOMPARE(page[11], "<tr>" + open + "مول" + close + open + " " + close + "</tr>");
    QCOMPARE(page[12], std::string("</table></body>"));
}

void DocumentTest::aFarsiPageKeepsTheChargeAtTheEndOfAFormula()
{
    // In a right-to-left page Fe^3+ would read +Fe^3; a cell without a charge is as before.
    FontSettings fonts;
    fonts.GridFont = {"F", 8, false, false, 0};
    const GridCells cells = {{"Fe^3+", "H2O", "مول"}};
    const std::vector<std::string> page = BuildHtmlPage("t", "", fonts, cells, Language::Farsi);
    const std::string attributes = "face=\"F\" color=\"#000000\" size=\"1\">";
    QCOMPARE(page[10], "<tr><td><font dir=\"ltr\" " + attributes + "Fe^3+</font></td><td><font " +
                           attributes + "H2O</font></td><td><font " + attributes + "مول</font></td></tr>");
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
