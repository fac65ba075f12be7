// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Captions with a keyboard accelerator ("&" before a letter), drawn as one shaped string.
// Qt draws the underlined letter as a text run of its own, which breaks the joining of the
// Farsi letters around it (ج|دید for "ج&دید"). Here the caption is shaped whole, without
// its "&", and the underline is drawn afterwards under the accelerator's glyph as the shaped
// word has it, so the word reads joined and the accelerator still shows. The "&" stays in
// the caption itself, so Alt and the letter still work.

#include <QProxyStyle>
#include <QString>

class QPainter;
class QRect;

struct AcceleratedCaption
{
    QString Text;    // the caption as shown: "&" removed, "&&" as "&"
    int Letter = -1; // the accelerator's position in Text; -1 when there is none
};

AcceleratedCaption SplitAccelerator(const QString& caption);

// Draws caption in the painter's font, pen and layout direction as QPainter::drawText does
// with these flags, but always as one string; Qt::TextShowMnemonic underlines the
// accelerator, Qt::TextHideMnemonic leaves it plain.
void DrawShapedCaption(QPainter& painter, const QRect& rect, int flags, const QString& caption);

// The style for the buttons of a window: their captions are drawn by DrawShapedCaption.
// Set it on the buttons themselves; Qt does not pass a widget's style on to its children.
class ShapedCaptionStyle : public QProxyStyle
{
  public:
    ShapedCaptionStyle();
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;

    // One instance serves every button; it lives as long as the application.
    static ShapedCaptionStyle* Instance();
};
