// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line's text rules: keys mapped, the text tidied, a line typed.

#include "core/ReactionText.h"

#include <QTest>

#include <algorithm>
#include <iterator>
#include <random>

class TestReactionText : public QObject
{
    Q_OBJECT

  private slots:
    void mapKey_data();
    void mapKey();
    void mapKeyTakesWholeCharacters();
    void tidyReaction_data();
    void tidyReaction();
    void typeReaction_data();
    void typeReaction();
    void typing_matchesTheLineTidiedKeyByKey();
};

void TestReactionText::mapKey_data()
{
    QTest::addColumn<QString>("kp");
    QTest::addColumn<QString>("kf");
    QTest::addColumn<char>("typed");
    QTest::addColumn<char>("mapped");

    // Default key sets
    QTest::newRow("= types +") << "+="
                               << " >." << '=' << '+';
    QTest::newRow("blank types the arrow") << "+="
                                           << " >." << ' ' << '>';
    QTest::newRow(". types the arrow") << "+="
                                       << " >." << '.' << '>';
    QTest::newRow("[ types (") << "+="
                               << " >." << '[' << '(';
    QTest::newRow("] types )") << "+="
                               << " >." << ']' << ')';
    QTest::newRow("letters pass") << "+="
                                  << " >." << 'h' << 'h';
    // The sets apply in order, each to the result of the one before
    QTest::newRow("+ in KF: = reaches the arrow") << "+="
                                                  << " >.+" << '=' << '>';
    QTest::newRow("+ in KF: + types the arrow") << "+="
                                                << " >.+" << '+' << '>';
    QTest::newRow("letter in KP") << "+=q"
                                  << " >." << 'q' << '+';
    QTest::newRow("empty KF: blank stays") << "+="
                                           << "" << ' ' << ' ';
}

void TestReactionText::mapKey()
{
    QFETCH(QString, kp);
    QFETCH(QString, kf);
    QFETCH(char, typed);
    QFETCH(char, mapped);
    KeyOptions keys;
    keys.PlusKeys = kp.toStdString();
    keys.ArrowKeys = kf.toStdString();
    QCOMPARE(MapKey(char32_t(typed), keys), char32_t(mapped));
}

void TestReactionText::mapKeyTakesWholeCharacters()
{
    // A Farsi keyboard types its own letters; a key set may list them.
    KeyOptions keys;
    keys.PlusKeys = "+=\u0632";   // zain
    keys.ArrowKeys = " >.\u0628"; // beh
    QCOMPARE(MapKey(U'\u0628', keys), U'>');
    QCOMPARE(MapKey(U'\u0632', keys), U'+');
    QCOMPARE(MapKey(U'\u0633', keys), U'\u0633');
    // No single byte of a listed letter stands for the letter.
    QCOMPARE(MapKey(char32_t(0xD8), keys), char32_t(0xD8));
    QCOMPARE(TypeReaction("h2\u0632o2\u0628h2o", keys), std::string("H2+O2>H2O"));
    QCOMPARE(DecodeUtf8("a\u0628\xff"), (std::u32string{U'a', U'\u0628', U'\xff'}));
    QCOMPARE(DecodeUtf8("\xd8"), std::u32string{U'\xd8'}); // a sequence cut short
}

void TestReactionText::tidyReaction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("autoCase");
    QTest::addColumn<QString>("tidied");
    QTest::addColumn<int>("caretAfter");

    // Letter case from the element list: a known two-letter symbol keeps its second letter
    QTest::newRow("nacl") << "nacl" << 4 << true << "NaCl" << 4;
    QTest::newRow("h2o") << "h2o" << 3 << true << "H2O" << 3;
    QTest::newRow("ch4") << "ch4" << 3 << true << "CH4" << 3;
    QTest::newRow("co is cobalt") << "co" << 2 << true << "Co" << 2;
    QTest::newRow("CO stays") << "CO" << 2 << true << "CO" << 2;
    QTest::newRow("unknown pair split") << "Xy" << 2 << true << "XY" << 2;
    QTest::newRow("a symbol named since") << "og" << 2 << true << "Og" << 2;
    QTest::newRow("one named since that is two symbols too") << "nh3" << 3 << true << "NH3" << 3;
    QTest::newRow("auto case off") << "nacl" << 4 << false << "nacl" << 4;
    // Coefficients go, the caret follows
    QTest::newRow("balanced text") << "2H2+O2>2H2O" << 11 << true << "H2+O2>H2O" << 9;
    QTest::newRow("whole digit run") << "12H2>O2" << 7 << true << "H2>O2" << 5;
    QTest::newRow("caret before the deletion stays") << "H2+3O2" << 2 << true << "H2+O2" << 2;
    QTest::newRow("digits tidied with auto case off") << "2h2+3o2" << 0 << false << "h2+o2" << 0;
    // Of two adjacent separators the second goes
    QTest::newRow("++") << "H2++O2" << 4 << true << "H2+O2" << 3;
    QTest::newRow("+>") << "H2+>O2" << 6 << true << "H2+O2" << 5;
    QTest::newRow(">>+") << "H2>>+O2" << 7 << true << "H2>O2" << 5;
    QTest::newRow("separator then coefficient then separator") << "H2+2+O2" << 7 << true << "H2+O2" << 5;
    // Structure is left for Balance to judge
    QTest::newRow("leading and trailing separators") << "+H2>" << 4 << true << "+H2>" << 4;
    // A charge's sign is no separator: the "+" after it is kept, and so is what follows
    QTest::newRow("sign, then separator") << "H^++Fe^2+" << 9 << true << "H^++Fe^2+" << 9;
    QTest::newRow("sign, separator, then a third +") << "H^+++O" << 6 << true << "H^++O" << 5;
    QTest::newRow("sign, then arrow") << "Fe^3+>Fe" << 8 << true << "Fe^3+>Fe" << 8;
    QTest::newRow("a digit after a sign is no coefficient") << "H^+2" << 4 << true << "H^+2" << 4;
    QTest::newRow("balanced ionic text")
        << "MnO4^-+8H^++5Fe^2+>Mn^2++5Fe^3++4H2O" << 36 << true << "MnO4^-+H^++Fe^2+>Mn^2++Fe^3++H2O" << 32;
    // The electron: a lone e before "^" stays lower case, other letters take their case
    QTest::newRow("electron") << "e^-" << 3 << true << "e^-" << 3;
    QTest::newRow("electron with its coefficient")
        << "Fe^3++2e^->Fe^2+" << 0 << true << "Fe^3++e^->Fe^2+" << 0;
    QTest::newRow("E in a formula is a letter") << "ne^+" << 4 << true << "Ne^+" << 4;
    QTest::newRow("auto case off keeps E") << "E^-" << 3 << false << "E^-" << 3;
}

void TestReactionText::tidyReaction()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(bool, autoCase);
    QFETCH(QString, tidied);
    QFETCH(int, caretAfter);
    std::string s = text.toStdString();
    TidyReaction(s, caret, autoCase);
    QCOMPARE(QString::fromStdString(s), tidied);
    QCOMPARE(caret, caretAfter);
}

void TestReactionText::typeReaction_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kf");
    QTest::addColumn<bool>("autoCase");
    QTest::addColumn<QString>("text");

    QTest::newRow("unshifted keys") << "h2=o2 h2o"
                                    << " >." << true << "H2+O2>H2O";
    QTest::newRow("pasted balanced text loses its coefficients") << "2H2+O2>2H2O"
                                                                 << " >." << true << "H2+O2>H2O";
    QTest::newRow("brackets") << "ca[oh]2"
                              << " >." << true << "Ca(OH)2";
    QTest::newRow("two-letter symbol wins") << "hno3"
                                            << " >." << true << "HNo3";
    QTest::newRow("shifted letters kept") << "HNO3"
                                          << " >." << true << "HNO3";
    QTest::newRow("characters outside the alphabet dropped") << "H2!O\t*"
                                                             << " >." << true << "H2O";
    QTest::newRow("line ending dropped") << "H2>H2\r\n"
                                         << " >." << true << "H2>H2";
    QTest::newRow("empty KF drops the blank") << "h2 o"
                                              << "" << true << "H2O";
    QTest::newRow("auto case off") << "nacl"
                                   << " >." << false << "nacl";
    QTest::newRow("separator after separator") << "H2++>O2"
                                               << " >." << true << "H2+O2";
    QTest::newRow("ions") << "mno4^-=h^+"
                          << " >." << true << "MnO4^-+H^+";
    QTest::newRow("electron typed: E became e at the ^") << "fe^3+=e^- fe^2+"
                                                         << " >." << true << "Fe^3++e^->Fe^2+";
    QTest::newRow("balanced ionic text pasted") << "Cu>Cu^2++2e^-"
                                                << " >." << true << "Cu>Cu^2++e^-";
}

void TestReactionText::typeReaction()
{
    QFETCH(QString, typed);
    QFETCH(QString, kf);
    QFETCH(bool, autoCase);
    QFETCH(QString, text);
    KeyOptions keys;
    keys.ArrowKeys = kf.toStdString();
    keys.AutoCase = autoCase;
    QCOMPARE(QString::fromStdString(TypeReaction(typed.toStdString(), keys)), text);
}

void TestReactionText::typing_matchesTheLineTidiedKeyByKey()
{
    // Typing tidies only the character it adds; the editor inserts each key at the caret and
    // tidies the whole line after it. Random keys (charges, Farsi letters in a key set,
    // broken UTF-8, blanks, CRs) must give the same line, also when the bytes arrive in
    // pieces.
    const char* keys[] = {"h", "c", "o", "n",      "a",    "l",    "e",      "C",  "O", "H", "2",
                          "3", "1", "0", "-",      "(",    ")",    "^",      "+",  ">", "=", " ",
                          ".", "[", "]", "\u0632", "\xd8", "\xb2", "\u00e9", "\r", "x"};
    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        KeyOptions options;
        options.AutoCase = round % 3 != 0;
        if (round % 4 == 0)
            options.PlusKeys += "\u0632";
        std::string typed;
        for (int n = int(random() % 40); n > 0; --n)
            typed += keys[random() % std::size(keys)];

        std::string line;
        int caret = 0;
        for (char32_t key : DecodeUtf8(typed)) {
            const char32_t c = MapKey(key, options);
            if (c < 0x80 && IsReactionChar(char(c)))
                line.insert(size_t(caret++), 1, char(c));
            TidyReaction(line, caret, options.AutoCase);
        }
        QCOMPARE(TypeReaction(typed, options), line);
        ReactionTyper typer(options);
        for (size_t at = 0, size = 0; at < typed.size(); at += size) {
            size = 1 + random() % 3;
            typer.Type(std::string_view(typed).substr(at, size));
        }
        QCOMPARE(typer.Finish(), line);
        // The balance does not tidy a typed text again: tidying it changes nothing.
        std::string again = line;
        TidyReaction(again, caret, options.AutoCase);
        QCOMPARE(again, line);
        if (std::any_of(typed.begin(), typed.end(),
                        [](char b) { return static_cast<unsigned char>(b) >= 0x80; }))
            continue;
        // An ASCII line typed in one walk: the same text, the first key that types nothing,
        // and never "no coefficient" where the keys write one.
        ReactionTyper ascii(options);
        AsciiTyping shown;
        ascii.TypeAscii(typed, shown);
        QCOMPARE(ascii.Finish(), line);
        const KeyMap map(options);
        std::size_t untyped = 0;
        bool coefficient = false;
        char before = '+';
        for (std::size_t i = 0; i < typed.size(); ++i)
            if (const char c = map.Typed(static_cast<unsigned char>(typed[i]))) {
                coefficient = coefficient || (c >= '0' && c <= '9' && (before == '+' || before == '>'));
                before = c;
            } else if (untyped == 0) {
                untyped = i + 1;
            }
        QCOMPARE(shown.FirstUntyped, untyped);
        QVERIFY(shown.MayWriteCoefficient || !coefficient);
    }
}

QTEST_GUILESS_MAIN(TestReactionText)
#include "tst_reaction_text.moc"
