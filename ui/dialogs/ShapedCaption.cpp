// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ShapedCaption.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

AcceleratedCaption SplitAccelerator(const QString& caption)
{
    AcceleratedCaption split;
    split.Text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i; // "&&" is a plain "&"; "&x" marks x
            if (caption[i] != QLatin1Char('&') && split.Letter < 0)
                split.Letter = int(split.Text.size());
        } else if (caption[i] == QLatin1Char('&')) {
            continue; // a trailing "&" marks nothing
        }
        split.Text += caption[i];
    }
    return split;
}

void DrawShapedCaption(QPainter& painter, const QRect& rect, int flags, const QString& caption)
{
    const AcceleratedCaption split = SplitAccelerator(caption);
    const bool underline = (flags & Qt::TextShowMnemonic) && split.Letter >= 0;
    flags &= ~(Qt::TextShowMnemonic | Qt::TextHideMnemonic);
    painter.drawText(rect, flags, split.Text);
    if (!underline)
        return;

    // Where the accelerator's glyph stands in the shaped string: the text laid out the way
    // drawText lays it out, measured from its left edge.
    const QRectF drawn = painter.boundingRect(QRectF(rect), flags, split.Text);
    QTextLayout layout(split.Text, painter.font(), painter.device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection((flags & Qt::TextForceRightToLeft)   ? Qt::RightToLeft
                            : (flags & Qt::TextForceLeftToRight) ? Qt::LeftToRight
                                                                 : painter.layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    // A letter that joins the next one has a grapheme of its own; a ligature is split evenly.
    const int next = layout.nextCursorPosition(split.Letter);
    const qreal a = line.cursorToX(split.Letter);
    const qreal b = line.cursorToX(next);
    const qreal width = std::abs(b - a);
    if (width <= 0)
        return;
    // Under the letter's ink: Farsi letters have dots and tails below the baseline, which an
    // underline at the font's own depth would run into (the dot of "ب" would read as "ی").
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal depth = std::max<qreal>(1, std::round(metrics.underlinePos()));
    for (const QGlyphRun& run : layout.glyphRuns(split.Letter, next - split.Letter)) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const qreal below =
                positions[i].y() - line.ascent() + run.rawFont().boundingRect(glyphs[i]).bottom();
            depth = std::max(depth, std::ceil(below) + 1);
        }
    }
    const qreal thickness = std::max<qreal>(1, std::round(metrics.lineWidth()));
    painter.fillRect(
        QRectF(drawn.left() + std::min(a, b), drawn.top() + metrics.ascent() + depth, width, thickness),
        painter.pen().color());
}

ShapedCaptionStyle::ShapedCaptionStyle() : QProxyStyle(QApplication::style()->name()) {}

ShapedCaptionStyle* ShapedCaptionStyle::Instance()
{
    static ShapedCaptionStyle* style = [] {
        auto* made = new ShapedCaptionStyle;
        made->setParent(qApp); // goes with the application, after every window
        return made;
    }();
    return style;
}

void ShapedCaptionStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                      const QPalette& palette, bool enabled, const QString& text,
                                      QPalette::ColorRole textRole) const
{
    if (!text.contains(QLatin1Char('&'))) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    painter->save();
    if (textRole != QPalette::NoRole)
        painter->setPen(palette.color(enabled ? QPalette::Active : QPalette::Disabled, textRole));
    else if (!enabled)
        painter->setPen(palette.color(QPalette::Disabled, QPalette::Text));
    DrawShapedCaption(*painter, rect, flags, text);
    painter->restore();
}
