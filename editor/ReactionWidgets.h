// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two widgets of the reaction line: the picture the reaction is drawn on, and the
// hidden edit box that holds the keyboard focus and hands its key events to the editor.

#include <QImage>
#include <QLineEdit>
#include <QSet>
#include <QWidget>

class TSTMainForm;

// The key codes the editor's caret and deletion keys are known by (Windows virtual keys).
namespace VirtualKeys {
constexpr int Back = 0x08;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Right = 0x27;
constexpr int Delete = 0x2E;
} // namespace VirtualKeys

// TextImg: an image surface; DrawReaction paints into Picture and the caret blink paints
// its one-pixel line over it.
class TReactionImage : public QWidget
{
    Q_OBJECT

  public:
    explicit TReactionImage(TSTMainForm* form, QWidget* parent);
    QImage Picture;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TSTMainForm* Form;
    bool Pressed = false;
};

// TextBtn: never shows its own text; key-down, character, key-up and focus events go to
// hfKeyDown, hfKeyPress, hfKeyUp, hfEnter and hfExit. Always left to right.
class TKeyCatcher : public QLineEdit
{
    Q_OBJECT

  public:
    explicit TKeyCatcher(TSTMainForm* form, QWidget* parent);

    // The Windows virtual-key code the editor's caret keys are defined by (0 for others).
    static int VirtualKey(int qtKey);

    // Keys whose press reached the editor. Only their releases count as editing, so the
    // release of Enter in a closed file dialog, or of Ctrl after Ctrl+S, does not mark a
    // just-saved document as changed. A command run from a key forgets them.
    void ForgetPressedKeys() { PressedKeys.clear(); }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    TSTMainForm* Form;
    QSet<int> PressedKeys;
};
