// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line on a started main window: typing with real key events, the caret,
// the mouse and the clipboard; the drawing; the key options; the bitmap export.

#include "editor/BitmapExport.h"
#include "editor/DrawReaction.h"
#include "editor/FontConvert.h"
#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "tests/common/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <limits>
#include <numeric>

namespace {
// Types as a keyboard would: ASCII as key clicks, anything else (a Farsi layout's
// letters) as a key event that carries only its text.
void Type(const WindowFixture& w, const QString& text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(w.KeyBox(), ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w.KeyBox(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// A text as Balance or Open leaves it, with the caret at caretPos.
void SetText(const WindowFixture& w, const QString& text, int caretPos = 0)
{
    w.Doc()->setReactionText(text.toStdString());
    w.Line()->setCaretPos(caretPos);
    w.Line()->DrawReaction();
}

QString Text(const WindowFixture& w)
{
    return QString::fromStdString(w.Doc()->reactionText());
}

// Through the key-options dialog, whose every edit is in force at once.
void SetKeySets(const WindowFixture& w, const QStringList& sets, bool autoCase)
{
    auto* dialog = w.Find<TKOForm>("KOForm");
    if (!sets.isEmpty()) {
        dialog->KP->setText(sets[0]);
        dialog->KOP->setText(sets[1]);
        dialog->KCP->setText(sets[2]);
        dialog->KF->setText(sets[3]);
    }
    dialog->ChB->setChecked(autoCase);
}

using PixelTest = bool (*)(QRgb);
bool IsInk(QRgb c)
{
    return qGray(c) < 160;
}
bool IsBlue(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 90 && qGreen(c) < 90;
}
bool IsBlack(QRgb c)
{
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

// The smallest rectangle around the pixels of area that pass the test (null if none).
QRect InkBox(const QImage& image, const QRect& area, PixelTest test)
{
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where character i of the line was drawn on the line's picture.
QRect CharCell(const WindowFixture& w, int i)
{
    const ReactionLine* line = w.Line();
    const int left = line->WidthBefore(i) - line->WidthBefore(line->firstVisible());
    return QRect(left, 0, line->charWidths()[size_t(i)], line->picture().height());
}

int AdvanceIn(const FontSpec& stored, QChar ch)
{
    const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(ToQFont(stored), &device).horizontalAdvance(ch);
}

bool LineKeepsCaretInView(const WindowFixture& w)
{
    const ReactionLine* line = w.Line();
    const int offset = line->WidthBefore(line->caretPos()) - line->WidthBefore(line->firstVisible());
    return offset >= 0 && offset < line->width();
}

enum class Drawn
{
    Coefficient,
    Subscript,
    Letter,
    Arrow,
    Superscript,
    Hidden
};
} // namespace

Q_DECLARE_METATYPE(Drawn)

class TestEditor : public QObject
{
    Q_OBJECT

  private slots:
    // ---- Typing ----
    void typing_maps_keys_and_tidies_the_line_data()
    {
        QTest::addColumn<QStringList>("keySets"); // KP, KOP, KCP, KF; empty = defaults
        QTest::addColumn<bool>("autoCase");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");

        auto row = [](const char* name, const char* typed, const char* expected, bool autoCase = true,
                      const QStringList& keySets = {}) {
            QTest::newRow(name) << keySets << autoCase << QString::fromUtf8(typed)
                                << QString::fromUtf8(expected);
        };
        // default key sets
        row("blank types the arrow, = types plus", "h2=o2 h2o", "H2+O2>H2O");
        row("dot types the arrow", "h2o.h2", "H2O>H2");
        row("brackets type parentheses", "ca[oh]2", "Ca(OH)2");
        row("a two-letter symbol wins", "co", "Co");
        row("Shift keeps carbon monoxide", "CO", "CO");
        row("sodium chloride", "nacl", "NaCl");
        row("methane", "ch4", "CH4");
        // tidying
        row("a digit at the start vanishes", "2h2", "H2");
        row("a digit after plus vanishes", "h2=3o2", "H2+O2");
        row("a digit after the arrow vanishes", "h2 2h2o", "H2>H2O");
        row("a second plus is dropped", "h2==o2", "H2+O2");
        row("an arrow after plus is dropped", "h2= o2", "H2+O2");
        row("characters outside the alphabet", "h2@o!", "H2O");
        row("a Farsi letter is dropped", "hب2", "H2");
        // ions and the electron
        row("ions", "mno4^-=h^+", "MnO4^-+H^+");
        row("a charge's sign, then the separator", "h^++fe^2+", "H^++Fe^2+");
        row("the electron keeps its lower case", "fe^3+=e^- fe^2+", "Fe^3++e^->Fe^2+");
        // auto identification off
        row("letters keep their case", "nacl", "nacl", false);
        row("digits and separators are still tidied", "2h2==o2", "h2+o2", false);
        // changed key sets
        row("a letter in a set types its symbol", "cao", "(AO", true, {"+=", "([c", ")]", " >."});
        row("empty KF drops the blank", "h2 o2", "H2O2", true, {"+=", "([", ")]", ""});
        row("empty KF still lets > type the arrow", "h2>o2", "H2>O2", true, {"+=", "([", ")]", ""});
        row("plus in KF makes = and + type the arrow", "h2=o2+h2o", "H2>O2>H2O", true,
            {"+=", "([", ")]", " >.+"});
        row("empty KP leaves + typing itself", "h2=o2+h2o", "H2O2+H2O", true, {"", "([", ")]", " >."});
        row("a Farsi letter in KF types the arrow", "h2یo2", "H2>O2", true,
            {"+=", "([", ")]", QString::fromUtf8(" >.ی")});
    }

    void typing_maps_keys_and_tidies_the_line()
    {
        QFETCH(QStringList, keySets);
        QFETCH(bool, autoCase);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        TestSettings settings;
        WindowFixture w;
        SetKeySets(w, keySets, autoCase);
        Type(w, typed);
        QCOMPARE(Text(w), expected);
        QCOMPARE(w.Line()->caretPos(), expected.size());
        QCOMPARE(int(w.Line()->charWidths().size()), expected.size());
    }

    void an_input_method_commit_is_typed()
    {
        TestSettings settings;
        WindowFixture w;
        QInputMethodEvent event;
        event.setCommitString(QStringLiteral("h2=o2"));
        QApplication::sendEvent(w.KeyBox(), &event);
        QCOMPARE(Text(w), QStringLiteral("H2+O2"));
    }

    void a_second_separator_leaves_text_and_caret_as_they_were()
    {
        TestSettings settings;
        WindowFixture w;
        Type(w, "h2=o2");
        QTest::keyClick(w.KeyBox(), Qt::Key_Left);
        QTest::keyClick(w.KeyBox(), Qt::Key_Left);
        for (char separator : {'=', '+', ' ', '>'}) {
            QTest::keyClick(w.KeyBox(), separator);
            QCOMPARE(Text(w), QStringLiteral("H2+O2"));
            QCOMPARE(w.Line()->caretPos(), 3);
        }
    }

    // ---- Caret and deletion keys ----
    void caret_and_deletion_keys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCaret");

        auto row = [](const char* name, const char* text, int caret, Qt::Key key, const char* expected,
                      int expectedCaret) {
            QTest::newRow(name) << QString(text) << caret << int(key) << QString(expected) << expectedCaret;
        };
        const char* balanced = "2H2+O2>2H2O";
        // at the ends nothing changes
        row("Delete at the end", "H2O", 3, Qt::Key_Delete, "H2O", 3);
        row("Backspace at the start", "H2O", 0, Qt::Key_Backspace, "H2O", 0);
        row("Right at the end", "H2O", 3, Qt::Key_Right, "H2O", 3);
        row("Left at the start", "H2O", 0, Qt::Key_Left, "H2O", 0);
        // moving and deleting
        row("Home", "H2O", 2, Qt::Key_Home, "H2O", 0);
        row("End", "H2O", 1, Qt::Key_End, "H2O", 3);
        row("Backspace", "H2O", 2, Qt::Key_Backspace, "HO", 1);
        row("Delete", "H2O", 1, Qt::Key_Delete, "HO", 1);
        row("Delete tidies a count that became a coefficient", "H2+O2", 3, Qt::Key_Delete, "H2+", 3);
        // through a charge: the hidden "^" is one more caret position
        row("Backspace the charge's sign", "Fe^3+", 5, Qt::Key_Backspace, "Fe^3", 4);
        row("Backspace the charge's count", "Fe^3", 4, Qt::Key_Backspace, "Fe^", 3);
        row("Backspace the ^", "Fe^", 3, Qt::Key_Backspace, "Fe", 2);
        row("Delete the hidden ^", "Fe^3+", 2, Qt::Key_Delete, "Fe3+", 2);
        row("Right onto the ^", "Fe^3+", 2, Qt::Key_Right, "Fe^3+", 3);
        row("Left off the charge", "Fe^3+", 3, Qt::Key_Left, "Fe^3+", 2);
        row("Home in an ion", "Fe^3+", 4, Qt::Key_Home, "Fe^3+", 0);
        row("End in an ion", "Fe^3+", 0, Qt::Key_End, "Fe^3+", 5);
        // a balanced text keeps its coefficients through caret keys
        row("balanced: Left", balanced, 3, Qt::Key_Left, balanced, 2);
        row("balanced: Right", balanced, 3, Qt::Key_Right, balanced, 4);
        row("balanced: Home", balanced, 3, Qt::Key_Home, balanced, 0);
        row("balanced: End", balanced, 3, Qt::Key_End, balanced, 11);
        // ... and loses all of them to any typed character or deletion
        row("balanced: Escape", balanced, 3, Qt::Key_Escape, "H2+O2>H2O", 2);
        row("balanced: Delete at the end", balanced, 11, Qt::Key_Delete, "H2+O2>H2O", 9);
        row("balanced: Backspace at the start", balanced, 0, Qt::Key_Backspace, "H2+O2>H2O", 0);
        row("balanced: a dropped character", balanced, 11, Qt::Key_Exclam, "H2+O2>H2O", 9);
    }

    void caret_and_deletion_keys()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(QString, expected);
        QFETCH(int, expectedCaret);
        TestSettings settings;
        WindowFixture w;
        SetText(w, text, caret);
        QTest::keyClick(w.KeyBox(), Qt::Key(key));
        QCOMPARE(Text(w), expected);
        QCOMPARE(w.Line()->caretPos(), expectedCaret);
    }

    void every_key_released_marks_the_document_modified_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("caret key") << int(Qt::Key_Left);
        QTest::newRow("Home") << int(Qt::Key_Home);
        QTest::newRow("Shift") << int(Qt::Key_Shift);
        QTest::newRow("Control") << int(Qt::Key_Control);
        QTest::newRow("letter") << int(Qt::Key_A);
    }

    void every_key_released_marks_the_document_modified()
    {
        QFETCH(int, key);
        TestSettings settings;
        WindowFixture w;
        w.Doc()->setModified(false);
        QTest::keyClick(w.KeyBox(), Qt::Key(key));
        QVERIFY(w.Doc()->isModified());
    }

    void a_long_reaction_scrolls_to_keep_the_caret_in_view()
    {
        TestSettings settings;
        WindowFixture w;
        for (int i = 0; i < 30; ++i) {
            Type(w, "ch4=");
            QVERIFY(LineKeepsCaretInView(w));
        }
        QVERIFY(w.Line()->firstVisible() > 0);
        QTest::keyClick(w.KeyBox(), Qt::Key_Home);
        QCOMPARE(w.Line()->firstVisible(), 0);
        QTest::keyClick(w.KeyBox(), Qt::Key_End);
        QVERIFY(w.Line()->firstVisible() > 0);
        QVERIFY(LineKeepsCaretInView(w));
    }

    // ---- Mouse ----
    void a_click_places_the_caret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boundary"); // -1: right of the text
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        QTest::newRow("on the first boundary") << "2H2+O" << 0 << 0 << 0;
        QTest::newRow("inside the first character") << "2H2+O" << 0 << 1 << 1;
        QTest::newRow("on a boundary") << "2H2+O" << 2 << 0 << 2;
        QTest::newRow("just after a boundary") << "2H2+O" << 2 << 1 << 3;
        QTest::newRow("right of the text") << "2H2+O" << -1 << 0 << 5;
        // the "^" takes no room: a click at the charge's left edge goes before it
        QTest::newRow("at a charge's left edge") << "Fe^2+" << 3 << 0 << 2;
        QTest::newRow("inside a charge's count") << "Fe^2+" << 3 << 1 << 4;
        QTest::newRow("right of a charge") << "Fe^2+" << -1 << 0 << 5;
    }

    void a_click_places_the_caret()
    {
        QFETCH(QString, text);
        QFETCH(int, boundary);
        QFETCH(int, offset);
        QFETCH(int, expected);
        TestSettings settings;
        WindowFixture w;
        SetText(w, text, 0);
        const int x = boundary < 0 ? w.Line()->width() - 2 : w.Line()->WidthBefore(boundary) + offset;
        QTest::mouseClick(w.Line(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(w.Line()->caretPos(), expected);
        QCOMPARE(Text(w), text); // a click keeps the coefficients
    }

    // ---- Clipboard ----
    void copy_and_paste_back_give_the_text_without_coefficients()
    {
        TestSettings settings;
        WindowFixture w;
        SetText(w, "2H2+O2>2H2O");
        w.Action("ReactionCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2H2+O2>2H2O"));
        w.Doc()->setModified(false);
        w.Action("ReactionPaste")->trigger();
        QCOMPARE(Text(w), QStringLiteral("H2+O2>H2O"));
        QCOMPARE(w.Line()->caretPos(), 9);
        QVERIFY(w.Doc()->isModified());
    }

    // The steps a person takes, on the offscreen clipboard and, run under X, on the real one.
    void textbook_notation_pasted_and_copied_as_a_person_would()
    {
        TestSettings settings;
        MessageRecorder messages;
        WindowFixture w;
        w->activateWindow(); // the window's shortcuts need it active, on X as anywhere
        QVERIFY(QTest::qWaitForWindowActive(w.Window));
        QApplication::clipboard()->setText(QStringLiteral("2H₂ + O₂ → 2H₂O"));
        QTest::keyClick(w.KeyBox(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(Text(w), QStringLiteral("H2+O2>H2O"));
        QTest::keyClick(w.KeyBox(), Qt::Key_Return);
        QCOMPARE(Text(w), QStringLiteral("2H2+O2>2H2O"));
        QTest::keyClick(w.KeyBox(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->text(), QStringLiteral("2H2+O2>2H2O"));
        QCOMPARE(copied->html(), QStringLiteral("2H<sub>2</sub> + O<sub>2</sub> &rarr; 2H<sub>2</sub>O"));
        QVERIFY(messages.Shown.empty());
    }

    void pasted_textbook_notation_goes_in_as_read_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("keyF"); // the keys that type the arrow
        QTest::addColumn<QString>("text");
        QTest::newRow("first line only") << "\nCuSO₄·5H₂O → CuSO₄ + H₂O\nH2O"
                                         << " >."
                                         << "CuSO4(H2O)5>CuSO4+H2O";
        QTest::newRow("a carriage return after it balances") << "CuSO₄·5H₂O → CuSO₄ + H₂O\r\nH2O"
                                                             << " >."
                                                             << "CuSO4(H2O)5>CuSO4+5H2O";
        QTest::newRow("not through the key sets") << "Zn(s) + HCl(aq) → ZnCl₂(aq) + H₂(g)"
                                                  << " >.+"
                                                  << "Zn+HCl>ZnCl2+H2";
        QTest::newRow("superscript charges; the electron's e stays lower case") << "Fe³⁺ + e⁻ → Fe²⁺"
                                                                                << " >."
                                                                                << "Fe^3++e^->Fe^2+";
        QTest::newRow("ions typed key by key") << "fe^3+=e^- fe^2+"
                                               << " >."
                                               << "Fe^3++e^->Fe^2+";
        QTest::newRow("typed notation still typed") << "zn=hcl zncl2=h2"
                                                    << " >.+"
                                                    << "Zn>HCl>ZnCl2>H2";
    }

    void pasted_textbook_notation_goes_in_as_read()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, keyF);
        QFETCH(QString, text);
        TestSettings settings;
        MessageRecorder messages;
        WindowFixture w;
        SetKeySets(w, {"=", "([", ")]", keyF}, true);
        QApplication::clipboard()->setText(clipboard);
        w->ReactionPasteExecute();
        QCOMPARE(Text(w), text);
        QVERIFY(messages.Shown.empty());
    }

    void a_carriage_return_in_pasted_text_runs_balance_at_that_point()
    {
        TestSettings settings;
        WindowFixture w;
        // In help mode the Balance command answers with a help message instead of
        // balancing, which shows when and where it ran.
        w->HelpHelpExecute();
        QStringList textAtBalance;
        SetMessageBoxHook([&](const MessageRequest&) {
            textAtBalance << Text(w);
            return int(mrOk);
        });
        QApplication::clipboard()->setText(QStringLiteral("h2=o2\r\nh2o"));
        w->ReactionPasteExecute();
        SetMessageBoxHook(nullptr);
        QCOMPARE(textAtBalance, QStringList{QStringLiteral("H2+O2")});
        QCOMPARE(Text(w), QStringLiteral("H2+O2H2O")); // the line feed is dropped
    }

    void a_carriage_return_balances_the_reaction_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::newRow("Enter typed") << false;
        QTest::newRow("carriage return pasted") << true;
    }

    void a_carriage_return_balances_the_reaction()
    {
        QFETCH(bool, pasted);
        TestSettings settings;
        MessageRecorder messages;
        WindowFixture w;
        if (pasted) {
            QApplication::clipboard()->setText(QStringLiteral("h2=o2 h2o\r"));
            w->ReactionPasteExecute();
        } else {
            Type(w, "h2=o2 h2o");
            QTest::keyClick(w.KeyBox(), Qt::Key_Return);
        }
        QCOMPARE(Text(w), QStringLiteral("2H2+O2>2H2O"));
        QVERIFY(messages.Shown.empty());
    }

    void paste_without_text_on_the_clipboard_changes_nothing()
    {
        TestSettings settings;
        WindowFixture w;
        SetText(w, "H2O", 3);
        QApplication::clipboard()->clear();
        w->ReactionPasteExecute();
        QCOMPARE(Text(w), QStringLiteral("H2O"));
        QCOMPARE(w.Line()->caretPos(), 3);
    }

    void a_second_paste_during_a_paste_is_ignored()
    {
        TestSettings settings;
        WindowFixture w;
        QApplication::clipboard()->setText(QStringLiteral("h2o2"));
        QTimer::singleShot(15, w.Window, [&] {
            QApplication::clipboard()->setText(QStringLiteral("nacl"));
            w->ReactionPasteExecute();
        });
        w->ReactionPasteExecute();
        QCOMPARE(Text(w), QStringLiteral("H2O2"));
        QVERIFY(!w.Line()->isPasting());
    }

    void closing_the_window_stops_a_paste()
    {
        TestSettings settings;
        MessageRecorder messages;
        messages.DefaultAnswer = mrNo; // do not save
        WindowFixture w;
        QApplication::clipboard()->setText(QString("h2o2").repeated(10));
        QTimer::singleShot(30, w.Window, [&] { w->close(); });
        w->ReactionPasteExecute();
        QVERIFY(!w->isVisible());
        QVERIFY(w.Doc()->reactionText().size() < 40);
        QVERIFY(!w.Line()->isPasting());
    }

    // ---- Caret ----
    void the_caret_is_a_black_line_that_blinks()
    {
        TestSettings settings;
        WindowFixture w;
        Type(w, "h2");
        const QImage& picture = w.Line()->picture();
        const int height = picture.height();
        QVERIFY(w.Line()->caretShown());
        QCOMPARE(w.Line()->caretX(), w.Line()->WidthBefore(2));
        for (int y = 1; y < height - 2; ++y)
            QVERIFY2(IsBlack(picture.pixel(w.Line()->caretX(), y)), qPrintable(QString::number(y)));
        QVERIFY(!IsInk(picture.pixel(w.Line()->caretX(), 0)));
        QVERIFY(!IsInk(picture.pixel(w.Line()->caretX(), height - 2)));

        w.Line()->BlinkTimTimer();
        QVERIFY(!w.Line()->caretShown());
        QVERIFY(InkBox(picture, QRect(w.Line()->caretX(), 0, 1, height), IsInk).isNull());
        QVERIFY(w.Find<QTimer>("BlinkTim")->interval() > 0);

        // Losing the focus erases a shown caret; help mode keeps the blink off.
        w.Line()->BlinkTimTimer();
        w.Line()->hfExit();
        QVERIFY(!w.Line()->caretShown());
        QVERIFY(!w.Find<QTimer>("BlinkTim")->isActive());
        w.Line()->setHelpMode(true);
        w.Line()->hfEnter();
        QVERIFY(!w.Find<QTimer>("BlinkTim")->isActive());
        w.Line()->setHelpMode(false);
        w.Line()->hfEnter();
        QVERIFY(w.Find<QTimer>("BlinkTim")->isActive());
    }

    // ---- Drawing ----
    void an_empty_reaction_is_a_white_line()
    {
        TestSettings settings;
        WindowFixture w;
        SetText(w, "");
        const QImage& picture = w.Line()->picture();
        QCOMPARE(picture.height(), ReactionLineHeight(w.Doc()->fonts()));
        QCOMPARE(w.Line()->height(), picture.height());
        QVERIFY(InkBox(picture, picture.rect(), IsInk).isNull());
        QVERIFY(w.Line()->charWidths().empty());
    }

    void each_character_is_drawn_in_its_font_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<Drawn>("drawn");
        QTest::newRow("leading coefficient") << "2H2+O2>2H2O" << 0 << Drawn::Coefficient;
        QTest::newRow("letter") << "2H2+O2>2H2O" << 1 << Drawn::Letter;
        QTest::newRow("count after a symbol") << "2H2+O2>2H2O" << 2 << Drawn::Subscript;
        QTest::newRow("arrow") << "2H2+O2>2H2O" << 6 << Drawn::Arrow;
        QTest::newRow("coefficient after the arrow") << "2H2+O2>2H2O" << 7 << Drawn::Coefficient;
        QTest::newRow("count in a product") << "2H2+O2>2H2O" << 9 << Drawn::Subscript;
        QTest::newRow("two-digit coefficient, first digit") << "H2+12O" << 3 << Drawn::Coefficient;
        QTest::newRow("two-digit coefficient, second digit") << "H2+12O" << 4 << Drawn::Coefficient;
        QTest::newRow("count after a parenthesis") << "Ca(OH)2" << 6 << Drawn::Subscript;
        QTest::newRow("minus sign") << "H-2" << 1 << Drawn::Subscript;
        QTest::newRow("count after a minus sign") << "H-2" << 2 << Drawn::Subscript;
        QTest::newRow("a charge's ^ is not drawn") << "Fe^3+" << 2 << Drawn::Hidden;
        QTest::newRow("a charge's count") << "Fe^3+" << 3 << Drawn::Superscript;
        QTest::newRow("a charge's sign") << "Fe^3+" << 4 << Drawn::Superscript;
        QTest::newRow("a negative charge after a count") << "MnO4^-" << 5 << Drawn::Superscript;
        QTest::newRow("a ^ with no charge after it shows") << "Fe^" << 2 << Drawn::Superscript;
    }

    void each_character_is_drawn_in_its_font()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(Drawn, drawn);
        TestSettings settings;
        WindowFixture w;
        w.EditFonts(
            [&](FontSettings& f) { f.NumbersFont.Size = 16; }); // measurably different from ReactionFont
        w.EditFonts([&](FontSettings& f) { f.SubscriptsPosition = 0; });
        SetText(w, text);
        const QImage& picture = w.Line()->picture();
        const int height = picture.height();
        const QRect cell = CharCell(w, index);
        const QChar ch = text[index];
        if (drawn == Drawn::Hidden) {
            // No room, so nothing of it shows between the formula and its raised charge.
            QCOMPARE(w.Line()->charWidths()[size_t(index)], 0);
            return;
        }
        const QRect ink = InkBox(picture, cell, IsInk);
        QVERIFY(!ink.isNull());
        const bool blue = !InkBox(picture, cell, IsBlue).isNull();
        switch (drawn) {
        case Drawn::Coefficient:
            QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().NumbersFont, ch));
            QVERIFY(blue);
            break;
        case Drawn::Subscript: {
            QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().SubscriptsFont, ch));
            QVERIFY(!blue);
            const QImage device(1, 1, QImage::Format_RGB32);
            const int subscriptHeight =
                QFontMetrics(ToQFont(w.Doc()->fonts().SubscriptsFont), &device).height();
            QVERIFY(ink.top() >= height - subscriptHeight);
            QVERIFY(ink.bottom() < height);
            break;
        }
        case Drawn::Superscript: {
            QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().SubscriptsFont, ch));
            QVERIFY(!blue);
            // Raised: in the subscripts font's cell at the top of the line, its middle above
            // the middle of the letters.
            QVERIFY(ink.top() >= SuperscriptTop());
            QVERIFY(ink.bottom() < SuperscriptTop() + SuperscriptHeight(w.Doc()->fonts()));
            QVERIFY(ink.center().y() < InkBox(picture, CharCell(w, 0), IsInk).center().y());
            break;
        }
        case Drawn::Hidden:
            break;
        case Drawn::Letter:
            QCOMPARE(w.Line()->charWidths()[size_t(index)], AdvanceIn(w.Doc()->fonts().ReactionFont, ch));
            QVERIFY(!blue);
            QVERIFY(ink.top() >= 1);
            break;
        case Drawn::Arrow:
            QCOMPARE(w.Line()->charWidths()[size_t(index)],
                     AdvanceIn(w.Doc()->fonts().ReactionFont, QChar(0x2192)));
            QVERIFY(!blue);
            QVERIFY2(ink.width() > ink.height(), "a right-pointing arrow is wider than high");
            break;
        }
    }

    void subscripts_position_lifts_the_counts()
    {
        TestSettings settings;
        WindowFixture w;
        int bottomAtZero = 0;
        for (int position : {0, 3, 7}) {
            w.EditFonts([&](FontSettings& f) { f.SubscriptsPosition = position; });
            SetText(w, "H2");
            const int bottom = InkBox(w.Line()->picture(), CharCell(w, 1), IsInk).bottom();
            if (position == 0)
                bottomAtZero = bottom;
            QCOMPARE(bottom, bottomAtZero - position);
        }
        // Any 32-bit position a document may hold (run under the sanitizers, this caught an
        // overflow): the count is out of sight, the letter stays.
        for (int position : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
            w.EditFonts([&](FontSettings& f) { f.SubscriptsPosition = position; });
            SetText(w, "H2");
            QVERIFY(InkBox(w.Line()->picture(), CharCell(w, 1), IsInk).isNull());
            QVERIFY(!InkBox(w.Line()->picture(), CharCell(w, 0), IsInk).isNull());
        }
    }

    void the_caret_rises_into_a_charge()
    {
        // The "^" takes no room, so the caret before it and after it stand at the same x;
        // after it, and among the charge's digits, the caret spans the raised charge only.
        TestSettings settings;
        WindowFixture w;
        Type(w, "fe^3+");
        const QImage& picture = w.Line()->picture();
        const int height = picture.height();
        auto caretReaches = [&](int y) { return IsBlack(picture.pixel(w.Line()->caretX(), y)); };
        QTest::keyClick(w.KeyBox(), Qt::Key_Home);
        QTest::keyClick(w.KeyBox(), Qt::Key_Right);
        QTest::keyClick(w.KeyBox(), Qt::Key_Right);
        const int beforeMark = w.Line()->caretX();
        QVERIFY(caretReaches(1) && caretReaches(height - 3));
        for (int pos : {3, 4}) {
            QTest::keyClick(w.KeyBox(), Qt::Key_Right);
            QCOMPARE(w.Line()->caretPos(), pos);
            if (pos == 3)
                QCOMPARE(w.Line()->caretX(), beforeMark);
            QVERIFY(caretReaches(SuperscriptTop() + 1));
            QVERIFY(!caretReaches(height - 3));
        }
        QCOMPARE(w.Line()->caretX(), beforeMark + w.Line()->charWidths()[3]);
        QTest::keyClick(w.KeyBox(), Qt::Key_Right); // past the sign the charge is closed
        QVERIFY(caretReaches(height - 3));
    }

    void the_caret_after_an_arrow_stands_at_its_right_edge()
    {
        TestSettings settings;
        WindowFixture w;
        Type(w, "h2 ");
        QCOMPARE(Text(w), QStringLiteral("H2>"));
        const QRect arrow = InkBox(w.Line()->picture(), CharCell(w, 2), IsInk);
        QCOMPARE(w.Line()->caretX(), CharCell(w, 2).right() + 1);
        // The caret closes the arrow's cell: past its ink, by no more than the glyph's bearing.
        QVERIFY(arrow.right() < w.Line()->caretX());
        QVERIFY(w.Line()->caretX() - arrow.right() <= CharCell(w, 2).width() / 3);
    }

    void the_reaction_font_sets_the_panel_height_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("small font: the panel keeps 68 pixels") << 6;
        QTest::newRow("built-in font") << 14;
        QTest::newRow("large font") << 28;
        QTest::newRow("very large font") << 48;
    }

    void the_reaction_font_sets_the_panel_height()
    {
        QFETCH(int, size);
        TestSettings settings;
        WindowFixture w;
        w.EditFonts([&](FontSettings& f) { f.ReactionFont.Size = size; });
        SetText(w, "H2O");
        const int lineHeight = ReactionLineHeight(w.Doc()->fonts());
        QCOMPARE(w.Line()->height(), lineHeight);
        QCOMPARE(w.Line()->y(), w.Find<QLabel>("Lbl1")->height() + 11);
        QCOMPARE(w.Find<QWidget>("TextPanel")->height(), std::max(68, w.Line()->y() + lineHeight + 11));
        QVERIFY(w.View()->y() + w.View()->height() <= w.Find<QWidget>("CalGrid")->y() - 8);
    }

    void font_colours_are_drawn_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("RGB value, red in the lowest byte") << 0x0000FF << QColor(255, 0, 0);
        QTest::newRow("window-text system colour follows the palette")
            << int(ClWindowText) << QColor(0, 128, 0);
    }

    void font_colours_are_drawn()
    {
        QFETCH(int, value);
        QFETCH(QColor, expected);
        TestSettings settings;
        WindowFixture w;
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
        w->setPalette(palette);
        w.EditFonts([&](FontSettings& f) { f.ReactionFont.Color = value; });
        SetText(w, "H");
        const QImage& picture = w.Line()->picture();
        bool found = false;
        for (int y = 0; y < picture.height() && !found; ++y)
            for (int x = 0; x < w.Line()->charWidths()[0] && !found; ++x)
                found = picture.pixelColor(x, y) == expected;
        QVERIFY(found);
    }

    // ---- Key options ----
    void key_options_are_read_from_the_settings_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QStringList>("expectedSets"); // KP, KOP, KCP, KF
        QTest::addColumn<bool>("expectedAutoCase");
        const QStringList defaults{"+=", "([", ")]", " >."};
        QTest::newRow("first run keeps the defaults") << QVariantMap() << defaults << true;
        QTest::newRow("every value")
            << QVariantMap{{"KP", "a"}, {"KOP", "b"}, {"KCP", "c"}, {"ChB", 0}, {"KF", "d"}}
            << QStringList{"a", "b", "c", "d"} << false;
        QTest::newRow("missing ChB stays on and KF is still read")
            << QVariantMap{{"KP", "a"}, {"KOP", "b"}, {"KCP", "c"}, {"KF", "d"}}
            << QStringList{"a", "b", "c", "d"} << true;
        QTest::newRow("unreadable ChB stays on and KF is still read")
            << QVariantMap{{"KP", "a"}, {"KOP", "b"}, {"KCP", "c"}, {"ChB", "yes"}, {"KF", "d"}}
            << QStringList{"a", "b", "c", "d"} << true;
        QTest::newRow("missing texts of an existing key read as empty")
            << QVariantMap{{"Width", 700}} << QStringList{"", "", "", ""} << true;
    }

    void key_options_are_read_from_the_settings()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QStringList, expectedSets);
        QFETCH(bool, expectedAutoCase);
        TestSettings settings;
        {
            QSettings registry("Velk", "ST1");
            for (auto it = stored.begin(); it != stored.end(); ++it)
                registry.setValue(it.key(), it.value());
        }
        const KeyOptions keys = ReadKeyOptions();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QString::fromStdString(std::vector{keys.KP, keys.KOP, keys.KCP, keys.KF}[i]),
                     expectedSets[i]);
        QCOMPARE(keys.ChB, expectedAutoCase);
    }

    void key_options_changed_in_one_run_hold_at_the_next_start()
    {
        TestSettings settings;
        {
            WindowFixture first;
            SetKeySets(first, {"+=k", "(", ")", ">"}, false);
        }
        QCOMPARE(QSettings("Velk", "ST1").value("ChB").toInt(), 0);
        WindowFixture second;
        QCOMPARE(second.Line()->keyOptions().KP, std::string("+=k"));
        QCOMPARE(second.Line()->keyOptions().KF, std::string(">"));
        QVERIFY(!second.Line()->keyOptions().ChB);
        Type(second, "nacl k [h2o");
        QCOMPARE(Text(second), QStringLiteral("nacl+h2o"));
    }

    void the_key_options_dialog_opens_in_the_program_font_centred()
    {
        TestSettings settings;
        WindowFixture w;
        w.EditFonts([&](FontSettings& f) {
            f.ProgramFont = FontSpec{"DejaVu Sans", 11, true, false, ClWindowText};
        });
        QFont shownFont;
        QPoint shownCentre;
        QTimer::singleShot(0, w.Window, [&] {
            shownFont = w.Find<TKOForm>("KOForm")->font();
            shownCentre = w.Find<TKOForm>("KOForm")->geometry().center();
            w.Find<TKOForm>("KOForm")->reject();
        });
        w.Action("SettingsKey")->trigger();
        QCOMPARE(shownFont, w->ProgramQFont());
        const QPoint screenCentre = w->screen()->availableGeometry().center();
        QVERIFY((shownCentre - screenCentre).manhattanLength() <= 6); // the frame may shift it a little
        // 175 x 145, wider where the font needs more room for the check box's caption.
        const TKOForm* keys = w.Find<TKOForm>("KOForm");
        QCOMPARE(keys->height(), 145);
        QVERIFY(keys->width() > 175); // 11 points, bold
        QVERIFY(keys->ChB->width() >= keys->ChB->sizeHint().width() &&
                keys->ChB->geometry().right() < keys->width());
        QCOMPARE(keys->KP->geometry().right(), keys->width() - 7);
        QCOMPARE(w.Find<TKOForm>("KOForm")->minimumSize(), w.Find<TKOForm>("KOForm")->maximumSize());
        bool arrowShown = false;
        for (QLabel* label : w.Find<TKOForm>("KOForm")->findChildren<QLabel*>())
            arrowShown = arrowShown || !label->pixmap().isNull();
        QVERIFY(arrowShown);
    }

    void the_key_options_dialog_follows_the_language()
    {
        TestSettings settings;
        WindowFixture w;
        w->ApplyLanguage(Language::Farsi);
        QCOMPARE(w.Find<TKOForm>("KOForm")->windowTitle(), QString::fromUtf8("تنظيمات كليدها"));
        QCOMPARE(w.Find<TKOForm>("KOForm")->ChB->text(), QString::fromUtf8("تشخيص اتوماتيک عناصر"));
        w->ApplyLanguage(Language::English);
        QCOMPARE(w.Find<TKOForm>("KOForm")->windowTitle(), QStringLiteral("Key Options"));
    }

    // ---- Bitmap export ----
    void the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid_data()
    {
        QTest::addColumn<QString>("reaction");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("heights");
        QTest::addColumn<bool>("gridWider");
        QTest::newRow("grid wider") << "H2O" << QList<int>{100, 100, 100} << QList<int>{21, 21} << true;
        QTest::newRow("reaction wider")
            << QString("CH4+").repeated(40) << QList<int>{100} << QList<int>{21, 18} << false;
        QTest::newRow("header row only") << "H2+O2>H2O" << QList<int>{150, 60} << QList<int>{21} << true;
        QTest::newRow("grid cut off at 16,384 pixels")
            << "H2O" << QList<int>(200, 100) << QList<int>{21, 21} << true;
    }

    void the_bitmap_is_as_wide_as_the_wider_of_reaction_and_grid()
    {
        QFETCH(QString, reaction);
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, heights);
        QFETCH(bool, gridWider);
        BitmapSource source;
        source.ReactionText = reaction.toStdString();
        source.ColWidths.assign(widths.begin(), widths.end());
        source.RowHeights.assign(heights.begin(), heights.end());
        source.Cells.assign(size_t(heights.size()), GridRow(size_t(widths.size()), "x"));
        const std::vector<int> chars = MeasureReaction(source.ReactionText, source.Fonts);
        const int reactionWidth = std::accumulate(chars.begin(), chars.end(), 0);
        const int gridWidth = std::accumulate(widths.begin(), widths.end(), 0);
        QCOMPARE(gridWidth > reactionWidth, gridWider);

        const QImage picture = RenderBitmap(source);
        QCOMPARE(picture.width(), std::min(gridWider ? 10 + gridWidth + 10 : reactionWidth + 20, 16384));
        const int lineHeight = ReactionLineHeight(source.Fonts);
        QCOMPARE(picture.height(), 20 + std::accumulate(heights.begin(), heights.end(), 0) + lineHeight + 10);
        // The whole reaction is drawn: its last character shows at its place.
        const int last = 10 + reactionWidth - chars.back();
        QVERIFY(!InkBox(picture, QRect(last, 10, chars.back(), lineHeight), IsInk).isNull());
    }

    void bitmap_columns_follow_the_interface_direction_data()
    {
        QTest::addColumn<bool>("farsi");
        QTest::newRow("English: column 0 at the left") << false;
        QTest::newRow("Farsi: column 0 at the right") << true;
    }

    void bitmap_columns_follow_the_interface_direction()
    {
        QFETCH(bool, farsi);
        BitmapSource source;
        source.Lang = farsi ? Language::Farsi : Language::English;
        source.ColWidths = {80, 120};
        source.RowHeights = {21};
        source.Cells = {{"Mass (g)", ""}};
        const QImage picture = RenderBitmap(source);
        const int top = ReactionLineHeight(source.Fonts) + 20;
        // Cells share their border lines: the second cell starts on the first one's right border.
        const int firstWidth = farsi ? 120 : 80;
        const int col0Left = farsi ? 10 + firstWidth - 1 : 10;
        const int col1Left = farsi ? 10 : 10 + firstWidth - 1;
        for (int x : {10, 10 + firstWidth - 1, 10 + 80 + 120 - 2})
            QVERIFY2(IsBlack(picture.pixel(x, top + 10)), qPrintable(QString("border at %1").arg(x)));
        const QRect col0Inside(col0Left + 1, top + 1, 78, 19);
        const QRect col1Inside(col1Left + 1, top + 1, 118, 19);
        const QRect text = InkBox(picture, col0Inside, IsInk);
        QVERIFY(!text.isNull());
        QVERIFY(InkBox(picture, col1Inside, IsInk).isNull());
        if (farsi) // right-aligned, 3 pixels in from the border
            QVERIFY(text.right() >= col0Left + 80 - 3 - 4 && text.right() < col0Left + 80 - 3);
        else
            QVERIFY(text.left() >= col0Left + 2 && text.left() <= col0Left + 4);
    }

    void bitmap_cells_keep_their_text_inside_data()
    {
        QTest::addColumn<bool>("farsi");
        QTest::newRow("English") << false;
        QTest::newRow("Farsi") << true;
    }

    void bitmap_cells_keep_their_text_inside()
    {
        // A fifteen-digit number in a narrow column stops at its cell's border: nothing of it
        // shows in the empty neighbour, nor on the border they share.
        QFETCH(bool, farsi);
        BitmapSource source;
        source.Lang = farsi ? Language::Farsi : Language::English;
        source.ColWidths = {50, 100};
        source.RowHeights = {21};
        source.Cells = {{"0.623052959501558", ""}};
        const QImage picture = RenderBitmap(source);
        const int top = ReactionLineHeight(source.Fonts) + 20;
        const int border = farsi ? 10 + 100 - 1 : 10 + 50 - 1;
        const QRect neighbour(farsi ? 11 : border + 1, top + 1, 98, 19);
        QVERIFY(!InkBox(picture, QRect(farsi ? border + 1 : 11, top + 1, 48, 19), IsInk).isNull());
        QVERIFY(InkBox(picture, neighbour, IsInk).isNull());
        for (int y = top; y < top + 21; ++y)
            QVERIFY2(IsBlack(picture.pixel(border, y)), qPrintable(QString("border at y %1").arg(y)));
    }

    void a_charged_formula_reads_left_to_right_in_the_farsi_bitmap()
    {
        // Laid out right to left, Fe^3+ would show as +Fe^3. The cell's ink starts with the
        // stem of the F, as high as the whole text, not with the short bar of the +.
        BitmapSource source;
        source.Lang = Language::Farsi;
        source.ColWidths = {100};
        source.RowHeights = {21};
        source.Cells = {{"Fe^3+"}};
        const QImage picture = RenderBitmap(source);
        const int top = ReactionLineHeight(source.Fonts) + 20;
        const QRect ink = InkBox(picture, QRect(11, top + 1, 97, 19), IsInk);
        const QRect firstColumn = InkBox(picture, QRect(ink.left(), ink.top(), 1, ink.height()), IsInk);
        QVERIFY(ink.right() >= 10 + 100 - 8); // right-aligned
        QVERIFY2(firstColumn.height() >= ink.height() * 3 / 4, "the text starts with F");
    }

    void the_export_command_asks_and_writes_a_24_bit_bitmap_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("names");  // the answers of the file dialog, "" cancels
        QTest::addColumn<QList<int>>("answers"); // the answers to the overwrite question
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("a name without extension gets .bmp")
            << QStringList() << QStringList{"pic"} << QList<int>() << "pic.bmp" << 1;
        QTest::newRow("another extension is kept")
            << QStringList() << QStringList{"pic.img"} << QList<int>() << "pic.img" << 1;
        QTest::newRow("cancel writes nothing") << QStringList() << QStringList{""} << QList<int>() << "" << 1;
        QTest::newRow("No asks for another name")
            << QStringList{"old.bmp"} << QStringList{"old", "new"} << QList<int>{mrNo} << "new.bmp" << 2;
        QTest::newRow("Yes overwrites")
            << QStringList{"old.bmp"} << QStringList{"old.bmp"} << QList<int>{mrYes} << "old.bmp" << 1;
    }

    void the_export_command_asks_and_writes_a_24_bit_bitmap()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, answers);
        QFETCH(QString, written);
        QFETCH(int, dialogs);
        TestSettings settings;
        MessageRecorder messages;
        messages.Answers.assign(answers.begin(), answers.end());
        WindowFixture w;
        QTemporaryDir dir;
        for (const QString& name : existing) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        for (const QString& name : names)
            w.FileAnswers.push_back(name.isEmpty() ? QString() : dir.filePath(name));
        SetText(w, "2H2+O2>2H2O");

        w->FilePrintExecute();
        QCOMPARE(int(w.FileDialogsAsked.size()), dialogs);
        QCOMPARE(int(messages.Shown.size()), answers.size());
        if (!answers.isEmpty()) {
            QCOMPARE(messages.Shown[0].Kind, MsgKind::Warning);
            QCOMPARE(messages.Shown[0].Text,
                     dir.filePath("old.bmp") + " already exists.\rDo you want to replace it?");
        }
        for (const QString& name : existing)
            if (name != written)
                QCOMPARE(QFile(dir.filePath(name)).size(), qint64(3)); // untouched
        if (written.isEmpty()) {
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), existing);
            return;
        }
        QFile file(dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(30);
        QVERIFY(header.startsWith("BM"));
        QCOMPARE(int(uchar(header[28])), 24); // bits per pixel
        int gridHeight = 0;
        for (int row = 0; row < w.Doc()->grid()->gridRowCount(); ++row)
            gridHeight += w.View()->RowHeight(row);
        const QImage picture(dir.filePath(written), "BMP");
        QCOMPARE(picture.height(), 20 + gridHeight + ReactionLineHeight(w.Doc()->fonts()) + 10);
    }

    void a_failed_export_says_it_could_not_save()
    {
        TestSettings settings;
        MessageRecorder messages;
        WindowFixture w;
        w.FileAnswers.push_back(QStringLiteral("/nonexistent-folder/picture.bmp"));
        w->FilePrintExecute();
        QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Can not save this file")});
    }

    void the_export_leaves_the_scrolled_line_as_it_was()
    {
        TestSettings settings;
        MessageRecorder messages;
        WindowFixture w;
        for (int i = 0; i < 50; ++i) // wider than the grid's twelve columns
            Type(w, "ch4=");
        const int firstVisible = w.Line()->firstVisible();
        QVERIFY(firstVisible > 0);
        QTemporaryDir dir;
        w.FileAnswers.push_back(dir.filePath("long.bmp"));
        w->FilePrintExecute();
        QCOMPARE(w.Line()->firstVisible(), firstVisible);
        const int reactionWidth = w.Line()->WidthBefore(int(w.Line()->charWidths().size()));
        QCOMPARE(QImage(dir.filePath("long.bmp")).width(), reactionWidth + 20);
        QVERIFY(messages.Shown.empty());
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
