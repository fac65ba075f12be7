// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line's Cut, Copy and Paste.

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
#include <QMimeData>
#include <QPointer>
#include <QTimer>

namespace {
// The pause between two pasted characters, so the line visibly fills.
constexpr int PasteStepMs = 10;
} // namespace

void ReactionLine::copy()
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
    copy();
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
