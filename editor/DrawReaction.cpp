// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the reaction line: the fonts of each character, the widths the caret and the
// mouse work with, and the layout of the window's top band that follows the line height.

#include "document/DocumentModel.h"
#include "editor/BitmapExport.h"
#include "editor/FontConvert.h"
#include "editor/ReactionWidgets.h"
#include "shell/MainU.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {
// The arrow ">" is drawn as this glyph in ReactionFont (the platform's font fallback
// supplies it where the face lacks one).
const QChar ArrowGlyph(0x2192);

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Measures, and paints when painter is given, one character after the other. Metrics are
// taken on the device painted on (or one like it), so every width is what is drawn.
std::vector<int> LayoutReaction(QPainter* painter, const QPaintDevice* device, const std::string& text,
                                const FontSettings& fonts, int x, int lineHeight, const QPalette& palette)
{
    struct Style
    {
        QFont Font;
        QFontMetrics Metrics;
        QColor Color;
    };
    auto styleOf = [&](const FontSpec& stored) {
        const QFont font = ToQFont(stored);
        return Style{font, QFontMetrics(font, device), ToQColor(stored.Color, palette)};
    };
    const Style reaction = styleOf(fonts.ReactionFont);
    const Style numbers = styleOf(fonts.NumbersFont);
    const Style subscripts = styleOf(fonts.SubscriptsFont);
    // The bottom of a subscript lies SubscriptsPosition pixels above the bottom of the line.
    const int subscriptTop = lineHeight - fonts.SubscriptsPosition - subscripts.Metrics.height();

    std::vector<int> widths;
    widths.reserve(text.size());
    // A digit run at the start or right after "+" or ">" is a coefficient.
    bool coefficient = !text.empty() && IsDigit(text[0]);
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const Style* style = &reaction;
        int top = 1;
        QString glyph(QChar(static_cast<unsigned char>(ch)));
        if (coefficient) {
            style = &numbers;
        } else if (IsDigit(ch) || ch == '-') {
            style = &subscripts;
            top = subscriptTop;
        } else if (ch == '>') {
            glyph = ArrowGlyph;
            top = 2;
        }
        const int width = style->Metrics.horizontalAdvance(glyph);
        if (painter) {
            painter->fillRect(x, top, width, style->Metrics.height(), Qt::white);
            painter->setFont(style->Font);
            painter->setPen(style->Color);
            painter->drawText(x, top + style->Metrics.ascent(), glyph);
        }
        x += width;
        widths.push_back(width);

        const bool nextIsDigit = i + 1 < text.size() && IsDigit(text[i + 1]);
        if (coefficient && !nextIsDigit)
            coefficient = false;
        if ((ch == '+' || ch == '>') && nextIsDigit)
            coefficient = true;
    }
    return widths;
}

// Stands in for the picture when only measuring: every reaction picture is a QImage, and
// all QImages share one resolution.
QImage MeasuringDevice()
{
    return QImage(1, 1, QImage::Format_RGB32);
}
} // namespace

int ReactionLineHeight(const FontSettings& fonts)
{
    const QImage device = MeasuringDevice();
    return QFontMetrics(ToQFont(fonts.ReactionFont), &device).height() + 3;
}

std::vector<int> PaintReaction(QPainter& painter, const std::string& text, const FontSettings& fonts, int x,
                               int lineHeight, const QPalette& palette)
{
    painter.save();
    // The reaction reads left to right in both interface languages.
    painter.setLayoutDirection(Qt::LeftToRight);
    std::vector<int> widths = LayoutReaction(&painter, painter.device(), text, fonts, x, lineHeight, palette);
    painter.restore();
    return widths;
}

std::vector<int> MeasureReaction(const std::string& text, const FontSettings& fonts)
{
    const QImage device = MeasuringDevice();
    return LayoutReaction(nullptr, &device, text, fonts, 0, ReactionLineHeight(fonts), QPalette());
}

void TSTMainForm::DrawReaction(QImage* canvas)
{
    // Whoever replaced the text may have left the caret beyond its end.
    CaretPos = std::clamp(CaretPos, 0, int(ReactionText.size()));
    FirstVisible = std::clamp(FirstVisible, 0, CaretPos);

    // The line's height follows ReactionFont; the labels follow their own fonts, and the
    // panels and the grid are placed around them.
    const int lineHeight = ReactionLineHeight(Doc->fonts());
    TextImg->resize(TextImg->width(), lineHeight);
    for (QLabel* label : {Lbl1, Lbl2})
        label->resize(label->width(), label->fontMetrics().height());
    LayoutMainWindow();

    const bool onScreen = !canvas;
    if (onScreen) {
        TextImg->Picture = QImage(TextImg->size(), QImage::Format_RGB32);
        canvas = &TextImg->Picture;
    }
    QPainter painter(canvas);
    painter.fillRect(0, 0, TextImg->width(), lineHeight, Qt::white);
    const int x = -WidthBefore(FirstVisible);
    CharWidths = PaintReaction(painter, ReactionText, Doc->fonts(), x, lineHeight, palette());
    painter.end();

    if (onScreen) {
        // The drawing covered the caret; the next blink step paints it again.
        CaretShown = false;
        TextImg->update();
    }
}
