// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reaction line: a picture on which the document's reaction is drawn, with its own
// blinking caret and selection, not a text box. A hidden key box holds the keyboard focus
// and hands its keys here; each typed character is mapped through the key sets, inserted (in
// place of the selection) and tidied (TidyReaction), and the reaction goes to the document,
// which the line then draws again (DrawReaction). The text is the document's alone: the line
// keeps the caret, the selection, the scrolling and the blinking, tells the undo history how
// its edits join (letters typed up to a formula's end are one step), and does Cut, Copy and
// Paste with the key options it types with. An empty line shows a hint in the interface's
// language; a frame around the line shows when it has the keyboard.
//
// Keys: the arrows, Home and End move the caret, with Shift they select, with Ctrl the arrows
// go by formula; Ctrl+A selects all; Backspace and Delete take the selection or a character,
// with Ctrl a formula; Ctrl+X cuts; Enter balances. The mouse places the caret, selects by
// dragging, and a double-click selects a formula.

#include "core/ReactionText.h"
#include "document/FontSettings.h"
#include "texts/Language.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class DocumentModel;
class KeyBox;
class LineFrame;
struct LocalText;
class QTimer;

class ReactionLine : public QWidget
{
    Q_OBJECT

  public:
    ReactionLine(DocumentModel* document, QWidget* parent);

    // ---- What it shows, for the window and for assistive technology ----
    const std::string& text() const;          // the document's reaction
    Language language() const;                // the interface's language, that of its spoken text
    int caretPos() const { return CaretPos; } // characters before the caret
    bool hasSelection() const { return Anchor >= 0 && Anchor != CaretPos; }
    int selectionStart() const; // the caret's place when nothing is selected
    int selectionEnd() const;
    QString selectedText() const;

    void setCaretPos(int pos); // kept within the text and in view; the selection goes
    // Selects from anchor to caret (the caret's end moves with Shift+arrows).
    void setSelection(int anchor, int caret);
    void selectAll();
    // After Balance: the caret at the end, the reaction shown from its start as far as fits.
    void showWhole();
    // The fonts of the next drawing.
    void setFonts(const FontSettings& fonts) { Fonts = fonts; }
    const KeyOptions& keyOptions() const { return Keys; }
    void setKeyOptions(const KeyOptions& keys) { Keys = keys; }
    // In help mode a click asks for the line's help instead of giving it the focus, and the
    // caret does not blink.
    void setHelpMode(bool on);
    void focusEditor();
    // Keys pressed so far no longer count as editing when released (a command ran).
    void forgetPressedKeys();

    // The selection, or the whole text when none, to the clipboard: the text, its HTML form
    // and a picture of it as drawn. Cut then takes it out of the line.
    void copyToClipboard();
    void cut();
    // The clipboard's text typed into an emptied line, one character at a time: the reading
    // of textbook notation as it stands, any other text key by key. With a part of the line
    // selected, the text is typed in its place instead. One step to undo.
    void paste();
    bool isPasting() const { return PasteInProgress; }

    int firstVisible() const { return FirstVisible; }
    const std::vector<int>& charWidths() const { return CharWidths; }
    int caretX() const { return CaretX; }
    bool caretShown() const { return CaretShown; }
    const QImage& picture() const { return Picture; }

    // The line's handlers, run by its key box, its mouse events and its timer. keyDown takes
    // the keys that edit or move and tells whether it did; the others type their text.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier); // a Qt key code
    void keyTyped(char32_t ch);
    void keyUp();
    void focusEntered();
    void focusLeft();
    void pressAt(int x, bool extend = false);
    void click();
    void blink();
    void tidy();
    void scrollToCaret();
    long long widthBefore(int n) const; // a document's line may be wider than an int holds
    int positionAt(int x) const;        // the boundary a click at x stands for
    // Draws the text with its fonts on the picture, at the line's height for ReactionFont;
    // the caret is hidden until the next blink step.
    void draw();

  signals:
    void balanceRequested(); // Enter
    void helpRequested();    // a click in help mode
    // Paste found a name in the clipboard that no element or group has, and took nothing.
    void pasteRefused(const QString& name);
    // The text, the caret or the selection changed.
    void editStateChanged();
    // The line was drawn again: its text, caret, selection or language may have changed.
    void drawn();

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // How the undo history joins the line's edits: letters typed one after the other up to a
    // formula's end, or characters deleted one after the other, are one run.
    enum class Run
    {
        None,
        Typing,
        Deleting
    };
    // A character that reached the line (mapped already): inserted at the caret in place of
    // the selection when it is one of the alphabet, then the line is tidied.
    void insertChar(char32_t ch);
    // Takes characters [from, to) out of the line, tidies it, and leaves the caret at from.
    void removeRange(int from, int to, const LocalText& name, Run run);
    // The document's reaction changed: the caret stays within it; a change that did not come
    // from the line drops the selection.
    void followDocument();
    // An edit of the line's text: the document takes it (and the line is drawn again), as one
    // step of the undo history or a part of the run the step before it began.
    void edit(const std::string& text, int caretBefore, const LocalText& name, Run run, bool endsRun = false);
    void moveCaret(int pos, bool extend);
    void paintExtras(); // the selection's ground and the placeholder
    void tellEditState();

    DocumentModel* Document;
    int CaretPos = 0;            // characters before the caret
    int Anchor = -1;             // the selection's other end, -1 for none
    int FirstVisible = 0;        // the first character at the left edge
    std::vector<int> CharWidths; // drawn width of every character
    int CaretX = 0;
    bool CaretShown = false;
    QImage Picture;
    QImage Plain; // the picture without its caret, from which hiding the caret restores it
    FontSettings Fonts;
    KeyOptions Keys;
    bool HelpMode = false;
    bool PasteInProgress = false;
    bool Pressed = false; // a mouse button went down on the line
    bool Editing = false; // the line's own edit is reaching the document
    Run LastRun = Run::None;
    int RunNumber = 0;
    bool RunEnded = false;
    // What editStateChanged last told.
    std::string ToldText;
    int ToldCaret = -1;
    int ToldAnchor = -1;
    KeyBox* KeyReceiver;
    LineFrame* Frame = nullptr;
    QTimer* BlinkTimer;
};
