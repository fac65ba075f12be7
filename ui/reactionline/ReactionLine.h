// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reaction line: a picture on which the document's reaction is drawn, with its own
// blinking caret, not a text box. A hidden key box holds the keyboard focus and hands its
// keys here; each typed character is mapped through the key sets, inserted and tidied
// (TidyReaction), and the reaction goes to the document, which the line then draws again
// (DrawReaction). The text is the document's alone: the line keeps the caret, the scrolling
// and the blinking, and does Copy and Paste with the key options it types with.

#include "core/ReactionText.h"
#include "document/FontSettings.h"
#include "texts/Language.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

class DocumentModel;
class QTimer;
class KeyBox;

class ReactionLine : public QWidget
{
    Q_OBJECT

  public:
    ReactionLine(DocumentModel* document, QWidget* parent);

    void setCaretPos(int pos); // kept within the text and in view
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

    void copy(); // the text to the clipboard, and its HTML form
    // The clipboard's text typed into an emptied line, one character at a time: the
    // reading of textbook notation as it stands, any other text key by key.
    void paste();
    bool isPasting() const { return PasteInProgress; }

    const std::string& text() const; // the document's reaction
    Language language() const;       // the interface's language, that of its spoken text
    int caretPos() const { return CaretPos; }
    int firstVisible() const { return FirstVisible; }
    const std::vector<int>& charWidths() const { return CharWidths; }
    int caretX() const { return CaretX; }
    bool caretShown() const { return CaretShown; }
    const QImage& picture() const { return Picture; }

    // The line's handlers, run by its key box, its mouse events and its timer.
    void keyDown(int key); // a Qt key code
    void keyTyped(char32_t ch);
    void keyUp();
    void focusEntered();
    void focusLeft();
    void pressAt(int x);
    void click();
    void blink();
    void tidy();
    void scrollToCaret();
    long long widthBefore(int n) const; // a document's line may be wider than an int holds
    // Draws the text with its fonts on the picture, at the line's height for ReactionFont;
    // the caret is hidden until the next blink step.
    void draw();

  signals:
    void balanceRequested(); // Enter
    void helpRequested();    // a click in help mode
    // Paste found a name in the clipboard that no element or group has, and took nothing.
    void pasteRefused(const QString& name);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A character that reached the line (mapped already): inserted at the caret when it is
    // one of the alphabet, then the line is tidied.
    void insertChar(char32_t ch);
    // The document's reaction changed: the caret stays within it.
    void followDocument();
    // An edit of the line's text: the document takes it (and the line is drawn again).
    void edit(const std::string& text);

    DocumentModel* Document;
    int CaretPos = 0;            // characters before the caret
    int FirstVisible = 0;        // the first character at the left edge
    std::vector<int> CharWidths; // drawn width of every character
    int CaretX = 0;
    bool CaretShown = false;
    QImage Picture;
    FontSettings Fonts;
    KeyOptions Keys;
    bool HelpMode = false;
    bool PasteInProgress = false;
    bool Pressed = false; // a mouse button went down on the line
    KeyBox* KeyReceiver;
    QTimer* BlinkTimer;
};
