// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reaction line (TextImg): a picture on which the reaction is drawn, with its own
// blinking caret, not a text box. A hidden key box (TextBtn) holds the keyboard focus and
// hands its keys here; each typed character is mapped through the key sets, inserted and
// tidied (TidyReaction), and the line is drawn again (DrawReaction). The line owns all of
// that: the caret, the scrolling, the blinking, Copy and Paste, the key mapping and the key
// options. It tells its owner what happened through its signals.

#include "core/ReactionText.h"
#include "document/FontSettings.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

class QTimer;
class TKeyCatcher;

// The key codes the caret and deletion keys are known by (Windows virtual keys).
namespace VirtualKeys {
constexpr int Back = 0x08;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Right = 0x27;
constexpr int Delete = 0x2E;
} // namespace VirtualKeys

class ReactionLine : public QWidget
{
    Q_OBJECT

  public:
    explicit ReactionLine(QWidget* parent = nullptr);

    const std::string& text() const { return ReactionText; }
    // A text from outside the line (a document, Balance): the caret stays within it.
    void setText(const std::string& text);
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

    int caretPos() const { return CaretPos; }
    int firstVisible() const { return FirstVisible; }
    const std::vector<int>& charWidths() const { return CharWidths; }
    int caretX() const { return CaretX; }
    bool caretShown() const { return CaretShown; }
    const QImage& picture() const { return Picture; }

    // The line's handlers, run by its key box, its mouse events and its timer.
    void hfKeyDown(int virtualKey);
    void hfKeyPress(char32_t ch);
    void hfKeyUp();
    void hfEnter();
    void hfExit();
    void TextImgMouseDown(int x);
    void TextImgClick();
    void BlinkTimTimer();
    void TidyReaction();
    void ScrollToCaret();
    long long WidthBefore(int n) const; // a document's line may be wider than an int holds
    // Draws the text with its fonts on the picture, at the line's height for ReactionFont;
    // the caret is hidden until the next blink step.
    void DrawReaction();

  signals:
    void textEdited();       // the text changed by typing, deleting, pasting or tidying
    void edited();           // a key was released in the line: the document has changed
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
    void InsertChar(char32_t ch);

    std::string ReactionText;
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
    TKeyCatcher* TextBtn;
    QTimer* BlinkTim;
};
