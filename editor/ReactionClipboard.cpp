// SPDX-License-Identifier: GPL-3.0-or-later
// The reaction line's Copy and Paste.

#include "editor/ReactionLine.h"

#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/TextbookNotation.h"

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
    // The text as it stands, and the formula with subscripts and an arrow for programs that
    // paste formatted text.
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(ReactionText));
    mime->setHtml(QString::fromStdString(ReactionAsHtml(ReactionText)));
    QApplication::clipboard()->setMimeData(mime);
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

    PasteInProgress = true;
    ReactionText.clear();
    CaretPos = 0;
    FirstVisible = 0;
    DrawReaction();
    emit textEdited();
    // Each character is typed as if from the keyboard, then the window gets to run its
    // events, so the line fills visibly and stays responsive.
    QPointer<ReactionLine> self(this);
    // The coefficients the book gave stand in front of their substances once the reading is
    // in, as a balanced reaction's do (the next key takes them away): Check checks them, and
    // Balance lets them choose among several balanced forms.
    auto giveCoefficients = [&] {
        if (reading.Textbook && !reading.Coefficients.empty()) {
            ReactionText = WithGivenCoefficients(ReactionText, reading.Coefficients);
            CaretPos = int(ReactionText.size());
            ScrollToCaret();
            DrawReaction();
            emit textEdited();
        }
    };
    for (uint ch : typed) {
        if (ch == U'\r')
            giveCoefficients();
        if (reading.Textbook && ch != U'\r')
            InsertChar(char32_t(ch));
        else
            hfKeyPress(char32_t(ch));
        hfKeyUp();
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
