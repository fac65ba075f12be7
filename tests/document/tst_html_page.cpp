// SPDX-License-Identifier: GPL-3.0-or-later
// The exported HTML page.

#include "document/HtmlPage.h"
#include "tests/document/DocumentLines.h"

#include <QtTest>

class TestHtmlPage : public QObject
{
    Q_OBJECT

  private slots:
    void buildsExamplePage();
    void mapsPointsToHtmlSizes_data();
    void mapsPointsToHtmlSizes();
    void marksCoefficientsAndSubscripts_data();
    void marksCoefficientsAndSubscripts();
    void writesFontTags_data();
    void writesFontTags();
    void writesTableCellsEscaped();
    void aFarsiPageKeepsTheChargeAtTheEndOfAFormula();
    void showsCellsAsTheWindowDoes();
};

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

void TestHtmlPage::buildsExamplePage()
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

void TestHtmlPage::mapsPointsToHtmlSizes_data()
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

void TestHtmlPage::mapsPointsToHtmlSizes()
{
    QFETCH(int, points);
    QFETCH(int, size);
    QCOMPARE(HtmlFontSize(points), size);
}

void TestHtmlPage::marksCoefficientsAndSubscripts_data()
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

void TestHtmlPage::marksCoefficientsAndSubscripts()
{
    QFETCH(QString, reaction);
    QFETCH(QString, pattern);
    const FontSettings fonts;
    const std::vector<std::string> page = BuildHtmlPage("t", reaction.toStdString(), fonts, {});
    QCOMPARE(QString::fromStdString(page[7]), QString::fromStdString(Expand(pattern.toStdString(), fonts)));
    QCOMPARE(page.size(), std::size_t(12));
}

void TestHtmlPage::writesFontTags_data()
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

void TestHtmlPage::writesFontTags()
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

void TestHtmlPage::writesTableCellsEscaped()
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

void TestHtmlPage::aFarsiPageKeepsTheChargeAtTheEndOfAFormula()
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

void TestHtmlPage::showsCellsAsTheWindowDoes()
{
    // A formula with its counts lowered and its charge raised, a number right-aligned with
    // its note beside it.
    FontSettings fonts;
    fonts.GridFont = {"F", 8, false, false, 0};
    const ShownGrid cells = {
        {{"MnO\u2084\u207B", "", false, true, "MnO4^-"}, {"20", "3.96 left over", true, false, "20"}}};
    const std::vector<std::string> page = BuildShownHtmlPage("t", "", fonts, cells, Language::English);
    const std::string font = "<font face=\"F\" color=\"#000000\" size=\"1\">";
    QCOMPARE(page[10], "<tr><td>" + font + "MnO<sub>4</sub><sup>-</sup></font></td><td align=\"right\">" +
                           font + "20</font> (3.96 left over)</td></tr>");
}

QTEST_GUILESS_MAIN(TestHtmlPage)
#include "tst_html_page.moc"
