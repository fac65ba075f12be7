// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reaction line's key box: it holds the keyboard focus for the line and shows nothing;
// key-down, character, key-up and focus events go to the line's handlers. Always left to
// right. Unlike an edit box it claims no shortcut, so the window's Copy, Paste, Undo, Save ...
// keys stay theirs.

#include <QSet>
#include <QWidget>

class ReactionLine;

class KeyBox : public QWidget
{
  public:
    explicit KeyBox(ReactionLine* line);

    // Keys whose press reached the line. Only their releases count as editing, so the
    // release of Enter in a closed file dialog, or of Ctrl after Ctrl+S, does not restart
    // the line's blinking as if it had been typed into.
    QSet<int> PressedKeys;

  protected:
    // Typed text, also from an input method, goes to the line.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    ReactionLine* Line;
};
