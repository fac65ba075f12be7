// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reaction line as screen readers know it: an editable one-line text whose text is the
// reaction as spoken ("2 H 2 plus O 2 yields 2 H 2 O", SpokenReaction), in the interface's
// language, with the caret where it stands between two characters. The line is painted by
// hand, so without this a screen reader finds an empty, nameless object.
//
// The object screen readers see is the line's key box, which holds the keyboard focus, so
// that focus, text and caret belong to one object; its place on screen is the line's. The
// interface reads the line through its public accessors only (text, language, caret,
// selection, widths).

#include <QAccessibleWidget>

#include <utility>
#include <vector>

class ReactionLine;

class ReactionLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
  public:
    ReactionLineAccessible(QWidget* keyBox, ReactionLine* line);
    ~ReactionLineAccessible() override;

    // Made known to Qt once, by the window before it makes its line; from then on a line
    // whose key box a screen reader asks for gets an interface, which follows the line.
    static void InstallFactory();

    QAccessible::Role role() const override { return QAccessible::EditableText; }
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface: offsets count the spoken text's characters; the caret stands
    // at the first letter of the word of the character after it.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override; // the line has one selection at most
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    // By character, the word of the drawn character at the offset; otherwise as Qt finds it.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    // Tells screen readers what changed since they last heard the line: its text (after an
    // edit, Balance, a language switch) and its caret. Done whenever the line is drawn, once a
    // screen reader asked for the line.
    static void Follow(QWidget* keyBox);
    // The spoken text, and where each character's words begin in it; one more entry, the
    // text's length, ends the list.
    QString spoken(std::vector<int>* starts = nullptr) const;
    // The character whose words hold the offset (the text's length past the end).
    int characterAt(int offset) const;
    // Where the line's position pos stands in the spoken text, and back.
    int spokenOffset(int pos) const;
    int linePosition(int offset) const;

    ReactionLine* Line;
    const QObject* KeyBox;
    QString Heard; // the text screen readers were last told
    int HeardCaret = 0;
    std::pair<int, int> HeardSelection{0, 0};
    QMetaObject::Connection Following; // to the line's drawing
};
