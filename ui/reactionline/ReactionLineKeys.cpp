// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line's keys and edits: the key box that holds the keyboard focus, the caret
// and selection keys, typing, deleting, and how each edit reaches the document and its undo
// history; and Cut, Copy and Paste, which edit as the keys do: Ctrl+X cuts, and a paste is
// typed character by character.

#include "ui/reactionline/KeyBox.h"
#include "ui/reactionline/ReactionLine.h"

#include "core/Balance.h"
#include "core/Notations.h"
#include "core/TextbookNotation.h"
#include "model/DocumentModel.h"
#include "render/ReactionPicture.h"
#include "texts/Texts.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

#include <algorithm>

QVariant KeyBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

void KeyBox::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        PressedKeys.insert(event->key());
    if (Line->keyDown(event->key(), event->modifiers()))
        return;
    // Delete produces no character of its own on the platform the line is modelled on.
    if (event->key() == Qt::Key_Delete)
        return;
    for (char32_t ch : event->text().toUcs4())
        Line->keyTyped(ch);
}

void KeyBox::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && PressedKeys.remove(event->key()))
        Line->keyUp();
}

void KeyBox::inputMethodEvent(QInputMethodEvent* event)
{
    for (char32_t ch : event->commitString().toUcs4())
        Line->keyTyped(ch);
    if (!event->commitString().isEmpty())
        Line->keyUp();
    event->accept();
}

void KeyBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Line->focusEntered();
}

void KeyBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    Line->focusLeft();
}

bool ReactionLine::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // The caret stays still while a key is held.
    BlinkTimer->stop();
    const std::string& text = Document->reactionText();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    const int count = int(text.size());
    switch (key) {
    case Qt::Key_Left:
        // Without Shift a selection ends at its left edge, as in every text box.
        if (hasSelection() && !shift)
            moveCaret(selectionStart(), false);
        else
            moveCaret(control ? FormulaStartBefore(text, CaretPos) : CaretPos - 1, shift);
        break;
    case Qt::Key_Right:
        if (hasSelection() && !shift)
            moveCaret(selectionEnd(), false);
        else
            moveCaret(control ? FormulaEndAfter(text, CaretPos) : CaretPos + 1, shift);
        break;
    case Qt::Key_Home:
        moveCaret(0, shift);
        break;
    case Qt::Key_End:
        moveCaret(count, shift);
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: {
        // Deleting is an edit: it removes the coefficients like typing does.
        const bool back = key == Qt::Key_Backspace;
        if (hasSelection())
            removeRange(selectionStart(), selectionEnd(), Texts::StepDelete, Run::None);
        else if (control && back)
            removeRange(FormulaStartBefore(text, CaretPos), CaretPos, Texts::StepDelete, Run::None);
        else if (control)
            // The formula and the separator after it, as editors take a word and its space.
            removeRange(CaretPos, FormulaEndAfter(text, CaretPos) + (FormulaEndAfter(text, CaretPos) < count),
                        Texts::StepDelete, Run::None);
        else
            removeRange(back ? std::max(CaretPos - 1, 0) : CaretPos,
                        back ? CaretPos : std::min(CaretPos + 1, count), Texts::StepDelete, Run::Deleting);
        break;
    }
    case Qt::Key_A:
    case Qt::Key_X:
        if (!control || shift)
            return false;
        if (key == Qt::Key_A)
            selectAll();
        else
            cut();
        break;
    default:
        return false;
    }
    blink();
    return true;
}

void ReactionLine::keyTyped(char32_t typed)
{
    const char32_t ch = MapKey(typed, Keys);
    if (ch == U'\r') {
        emit balanceRequested();
        return;
    }
    insertChar(ch);
}

void ReactionLine::insertChar(char32_t ch)
{
    // Anything outside the alphabet inserts nothing, yet still tidies the line: even a
    // dropped key removes the coefficients of a balanced reaction. A printable character
    // takes the selection's place.
    std::string text = Document->reactionText();
    const int caretBefore = CaretPos;
    const bool replaces = hasSelection() && ch >= 0x20 && ch != 0x7f;
    if (replaces) {
        text.erase(size_t(selectionStart()), size_t(selectionEnd() - selectionStart()));
        CaretPos = selectionStart();
        Anchor = -1;
        LastRun = Run::None;
    }
    const bool kept = ch < 0x80 && IsReactionChar(char(ch));
    if (kept) {
        CaretPos = std::clamp(CaretPos, 0, int(text.size()));
        text.insert(size_t(CaretPos), 1, char(ch));
        ++CaretPos;
    }
    ::TidyReaction(text, CaretPos, Keys.AutoCase);
    FirstVisible = std::min(FirstVisible, CaretPos);
    // A separator ends the formula typed: the next letter begins a step of its own.
    edit(text, caretBefore, Texts::StepTyping, Run::Typing, kept && (ch == '+' || ch == '>'));
    scrollToCaret(); // with the widths of the text as drawn
    draw();
    blink();
}

void ReactionLine::removeRange(int from, int to, const LocalText& name, Run run)
{
    std::string text = Document->reactionText();
    const int caretBefore = CaretPos;
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    text.erase(size_t(from), size_t(to - from));
    CaretPos = from;
    Anchor = -1;
    ::TidyReaction(text, CaretPos, Keys.AutoCase);
    FirstVisible = std::min(FirstVisible, CaretPos);
    edit(text, caretBefore, name, run);
    scrollToCaret();
    draw();
}

void ReactionLine::edit(const std::string& text, int caretBefore, const LocalText& name, Run run,
                        bool endsRun)
{
    // A run goes on while the edits are of one kind and the one before did not end it; the
    // history also asks that each edit start where the one before left the caret.
    if (run == Run::None || run != LastRun || RunEnded)
        ++RunNumber;
    LastRun = run;
    RunEnded = endsRun;
    if (text == Document->reactionText()) {
        draw();
        return;
    }
    Editing = true;
    Document->setReaction(text, {&name, run == Run::None ? 0 : RunNumber, caretBefore, CaretPos});
    Editing = false;
}

void ReactionLine::tidy()
{
    std::string text = Document->reactionText();
    const int caretBefore = CaretPos;
    ::TidyReaction(text, CaretPos, Keys.AutoCase);
    // A removed coefficient before the caret may have moved the caret left of the scroll.
    FirstVisible = std::min(FirstVisible, CaretPos);
    edit(text, caretBefore, Texts::StepTyping, Run::None);
}

void ReactionLine::keyUp()
{
    BlinkTimer->start();
}

namespace {
// The pause between two pasted characters, so the line visibly fills.
constexpr int PasteStepMs = 10;
} // namespace

void ReactionLine::copyToClipboard()
{
    // The selection or the whole text as it stands, the formula with subscripts and an arrow
    // for programs that paste formatted text (every notation that names its MIME type), and
    // the picture of it as the line draws it.
    const std::string text = hasSelection() ? selectedText().toStdString() : Document->reactionText();
    auto* mime = new QMimeData;
    for (const ReactionNotation& notation : ReactionNotations()) {
        if (!notation.MimeType)
            continue;
        const QString written = QString::fromStdString(notation.Write(text));
        if (QLatin1String(notation.MimeType) == QLatin1String("text/html"))
            mime->setHtml(written);
        else if (QLatin1String(notation.MimeType) == QLatin1String("text/plain"))
            mime->setText(written);
        else
            mime->setData(QLatin1String(notation.MimeType), written.toUtf8());
    }
    if (!text.empty())
        mime->setImageData(ReactionImage(text, Fonts, palette()));
    QApplication::clipboard()->setMimeData(mime);
}

void ReactionLine::cut()
{
    copyToClipboard();
    if (hasSelection())
        removeRange(selectionStart(), selectionEnd(), Texts::StepCut, Run::None);
    else
        removeRange(0, int(Document->reactionText().size()), Texts::StepCut, Run::None);
}

void ReactionLine::paste()
{
    // A second Paste while one is typing would interleave the two texts.
    if (PasteInProgress)
        return;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasText())
        return;
    // A reaction copied from a book or a web page (2H₂ + O₂ → 2H₂O) is read as a whole and
    // its reading goes in as it stands (a carriage return after it still balances); any
    // other text is typed key by key.
    const QString clipboard = mime->text();
    const PastedReading reading = ReadPastedText(clipboard.toStdString(), Keys);
    if (!reading.BadName.empty()) {
        // PhCH3 must not become PHCH3: a name no element or group has refuses the paste.
        emit pasteRefused(QString::fromStdString(reading.BadName));
        return;
    }
    const QList<uint> typed =
        reading.Textbook ? QString::fromStdString(reading.Text + (reading.Balance ? "\r" : "")).toUcs4()
                         : clipboard.toUcs4();

    // The typing is one step to undo; it goes in place of the selection, or of the whole line.
    const StepScope step(*Document, Texts::StepPaste);
    PasteInProgress = true;
    const bool wholeLine =
        !hasSelection() || (selectionStart() == 0 && selectionEnd() >= int(Document->reactionText().size()));
    if (wholeLine) {
        const int caretBefore = CaretPos;
        Anchor = -1;
        CaretPos = 0;
        FirstVisible = 0;
        edit(std::string(), caretBefore, Texts::StepPaste, Run::None);
    } else {
        removeRange(selectionStart(), selectionEnd(), Texts::StepPaste, Run::None);
    }
    // Each character is typed as if from the keyboard, then the window gets to run its
    // events, so the line fills visibly and stays responsive.
    QPointer<ReactionLine> self(this);
    // The coefficients the book gave stand in front of their substances once the reading is
    // in, as a balanced reaction's do (the next key takes them away): Check checks them, and
    // Balance lets them choose among several balanced forms.
    auto giveCoefficients = [&] {
        if (wholeLine && reading.Textbook && !reading.Coefficients.empty()) {
            const std::string given = WithGivenCoefficients(Document->reactionText(), reading.Coefficients);
            const int caretBefore = CaretPos;
            CaretPos = int(given.size());
            edit(given, caretBefore, Texts::StepPaste, Run::None);
            scrollToCaret();
            draw();
        }
    };
    for (uint ch : typed) {
        if (ch == U'\r')
            giveCoefficients();
        if (reading.Textbook && ch != U'\r')
            insertChar(char32_t(ch));
        else
            keyTyped(char32_t(ch));
        keyUp();
        QEventLoop pause;
        QTimer::singleShot(PasteStepMs, &pause, &QEventLoop::quit);
        pause.exec();
        if (!self)
            return; // the line is gone
        if (!isVisible())
            break; // its window was closed meanwhile: stop typing into it
    }
    if (!reading.Balance && self && isVisible())
        giveCoefficients();
    PasteInProgress = false;
}
