// SPDX-License-Identifier: GPL-3.0-or-later
// Reaction line editing: keys, caret, mouse, clipboard.
//
// The line is a picture, not a text box: the hidden TextBtn holds the focus and hands its
// keys here, the text lives in ReactionText, and every change ends in a redraw and a
// caret painted by the blink step.

#include "core/ReactionText.h"
#include "document/DocumentModel.h"
#include "editor/KOU.h"
#include "editor/ReactionWidgets.h"
#include "shell/MainU.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {
// The time between two blink steps. Qt gives the whole on-and-off cycle, and some
// platforms give 0 or less for "no blinking"; the caret then blinks at the usual rate.
int BlinkInterval()
{
    const int cycle = QApplication::cursorFlashTime();
    return cycle > 0 ? std::max(cycle / 2, 100) : 530;
}

// The pause between two pasted characters, so the line visibly fills.
constexpr int PasteStepMs = 10;
} // namespace

void TSTMainForm::hfKeyDown(int virtualKey)
{
    // The caret stays still while a key is held.
    BlinkTim->stop();
    std::string text = ReactionText;
    const int count = int(CharWidths.size());
    const bool deletion = virtualKey == VirtualKeys::Delete || virtualKey == VirtualKeys::Back;
    switch (virtualKey) {
    case VirtualKeys::Right:
        if (CaretPos < count)
            ++CaretPos;
        break;
    case VirtualKeys::Left:
        if (CaretPos > 0)
            --CaretPos;
        break;
    case VirtualKeys::Delete:
        if (CaretPos < int(text.size()))
            text.erase(size_t(CaretPos), 1);
        break;
    case VirtualKeys::Back:
        if (CaretPos > 0 && CaretPos <= int(text.size())) {
            text.erase(size_t(CaretPos - 1), 1);
            --CaretPos;
        }
        break;
    case VirtualKeys::Home:
        CaretPos = 0;
        break;
    case VirtualKeys::End:
        CaretPos = count;
        break;
    default:
        break;
    }
    ScrollToCaret();
    ReactionText = text;
    // Deleting is an edit: it removes the coefficients like typing does.
    if (deletion)
        TidyReaction();
    else
        DrawReaction();
    BlinkTimTimer();
}

void TSTMainForm::hfKeyPress(char32_t typed)
{
    const char32_t ch = MapKey(typed, CurrentKeys());
    if (ch == U'\r') {
        WeightBtnClick();
        return;
    }
    // Anything outside the alphabet inserts nothing, yet still tidies the line: even a
    // dropped key removes the coefficients of a balanced reaction.
    if (ch < 0x80 && IsReactionChar(char(ch))) {
        CaretPos = std::clamp(CaretPos, 0, int(ReactionText.size()));
        ReactionText.insert(size_t(CaretPos), 1, char(ch));
        ++CaretPos;
    }
    TidyReaction();
    ScrollToCaret();
    TidyReaction(); // redraws with the new scroll position
    BlinkTimTimer();
}

void TSTMainForm::hfKeyUp()
{
    Doc->setModified(true);
    BlinkTim->start();
}

void TSTMainForm::hfEnter()
{
    // In help mode the line shows the help cursor and no caret.
    if (!HelpMode)
        BlinkTim->start();
}

void TSTMainForm::hfExit()
{
    BlinkTim->stop();
    if (CaretShown)
        BlinkTimTimer(); // erases the caret
}

void TSTMainForm::TextImgMouseDown(int x)
{
    // The caret goes to the first boundary at or right of the click: a click inside a
    // character puts it after that character, a click right of the text at the end.
    const long long target = x + WidthBefore(FirstVisible);
    const int count = int(CharWidths.size());
    int n = 0;
    long long before = 0;
    while (n < count && before < target)
        before += CharWidths[size_t(n++)];
    CaretPos = n;
    ScrollToCaret();
    DrawReaction();
    BlinkTimTimer();
}

void TSTMainForm::TextImgClick()
{
    if (HelpMode)
        EndHelpMode(false);
    else
        TextBtn->setFocus(Qt::MouseFocusReason);
}

void TSTMainForm::BlinkTimTimer()
{
    BlinkTim->setInterval(BlinkInterval()); // the first tick came after 500 ms
    CaretShown = !CaretShown;
    // Within the line once scrolled; kept in range before that too.
    CaretX = int(std::clamp(WidthBefore(CaretPos) - WidthBefore(FirstVisible), -(1LL << 20), 1LL << 20));
    QImage& picture = TextImg->Picture;
    if (picture.isNull())
        return;
    // One pixel wide, from y = 1 to the line's height - 2 (excluded); hiding paints it white.
    QPainter painter(&picture);
    painter.setPen(CaretShown ? Qt::black : Qt::white);
    painter.drawLine(CaretX, 1, CaretX, picture.height() - 3);
    painter.end();
    TextImg->update();
}

void TSTMainForm::TidyReaction()
{
    ::TidyReaction(ReactionText, CaretPos, CurrentKeys().ChB);
    Doc->setReactionText(ReactionText);
    // A removed coefficient before the caret may have moved the caret left of the scroll.
    FirstVisible = std::min(FirstVisible, CaretPos);
    DrawReaction();
}

void TSTMainForm::ScrollToCaret()
{
    // Keeps the caret within the line: 0 <= WidthBefore(CaretPos) - WidthBefore(FirstVisible) < W.
    // FirstVisible never passes the caret, so a line narrower than a character ends the loop.
    // The span is updated one character at a time, so a long line scrolls in linear time.
    const int lineWidth = TextImg->width();
    const int count = int(CharWidths.size());
    long long span = WidthBefore(CaretPos) - WidthBefore(FirstVisible);
    while (FirstVisible < CaretPos && span >= lineWidth) {
        if (FirstVisible < count)
            span -= CharWidths[size_t(FirstVisible)];
        ++FirstVisible;
    }
    while (FirstVisible > 0 && span < 0) {
        --FirstVisible;
        if (FirstVisible < count)
            span += CharWidths[size_t(FirstVisible)];
    }
}

long long TSTMainForm::WidthBefore(int n) const
{
    n = std::clamp(n, 0, int(CharWidths.size()));
    long long width = 0;
    for (int i = 0; i < n; ++i)
        width += CharWidths[size_t(i)];
    return width;
}

void TSTMainForm::ReactionCopyExecute()
{
    QApplication::clipboard()->setText(QString::fromStdString(ReactionText));
}

void TSTMainForm::ReactionPasteExecute()
{
    // A second Paste while one is typing would interleave the two texts.
    if (PasteInProgress)
        return;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasText())
        return;
    const QList<uint> typed = mime->text().toUcs4();

    PasteInProgress = true;
    ReactionText.clear();
    Doc->setReactionText(ReactionText);
    CaretPos = 0;
    FirstVisible = 0;
    DrawReaction();
    // Each character is typed as if from the keyboard, then the window gets to run its
    // events, so the line fills visibly and stays responsive.
    QPointer<TSTMainForm> self(this);
    for (uint ch : typed) {
        hfKeyPress(char32_t(ch));
        hfKeyUp();
        QEventLoop pause;
        QTimer::singleShot(PasteStepMs, &pause, &QEventLoop::quit);
        pause.exec();
        if (!self)
            return; // the window is gone
        if (!isVisible())
            break; // the window was closed meanwhile: stop typing into it
    }
    PasteInProgress = false;
}

void TSTMainForm::SettingsKeyExecute()
{
    if (!KOForm)
        return;
    KOForm->PrepareToOpen(ProgramQFont());
    KOForm->exec();
}

KeyOptions TSTMainForm::CurrentKeys() const
{
    return KOForm ? KOForm->Keys() : KeyOptions();
}
