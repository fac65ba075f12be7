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
#include <array>

namespace {
// The arrow ">" is drawn as this glyph in ReactionFont (the platform's font fallback
// supplies it where the face lacks one).
const QChar ArrowGlyph(0x2192);

// Beyond this distance from the origin nothing drawn is seen on any canvas (a picture is
// at most 32767 pixels a side), and Qt's painting is still exact.
constexpr long long OffCanvas = 1 << 20;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Measures, and paints when painter is given, one character after the other. Metrics are
// taken on the device painted on (or one like it), so every width is what is drawn. The
// line may be as long as a document's line: positions are 64-bit, and only characters
// near the canvas are painted.
std::vector<int> LayoutReaction(QPainter* painter, const QPaintDevice* device, const std::string& text,
                                const FontSettings& fonts, long long x, int lineHeight,
                                const QPalette& palette)
{
    struct Style
    {
        QFont Font;
        QFontMetrics Metrics;
        QColor Color;
        std::array<int, 256> Widths; // of each character drawn in this style, once measured
    };
    auto styleOf = [&](const FontSpec& stored) {
        const QFont font = ToQFont(stored);
        Style style{font, QFontMetrics(font, device), ToQColor(stored.Color, palette), {}};
        style.Widths.fill(-1);
        return style;
    };
    Style reaction = styleOf(fonts.ReactionFont);
    Style numbers = styleOf(fonts.NumbersFont);
    Style subscripts = styleOf(fonts.SubscriptsFont);
    // The bottom of a subscript lies SubscriptsPosition pixels above the bottom of the line.
    // A document may hold any 32-bit position: worked out in 64 bits, and kept within a
    // range that no canvas reaches, so that far-off subscripts are simply not seen.
    const long long lift = static_cast<long long>(fonts.SubscriptsPosition) + subscripts.Metrics.height();
    const int subscriptTop = static_cast<int>(std::clamp(lineHeight - lift, -OffCanvas, OffCanvas));

    std::vector<int> widths;
    widths.reserve(text.size());
    // A digit run at the start or right after "+" or ">" is a coefficient.
    bool coefficient = !text.empty() && IsDigit(text[0]);
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        Style* style = &reaction;
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
        int& width = style->Widths[static_cast<unsigned char>(ch)];
        if (width < 0)
            width = style->Metrics.horizontalAdvance(glyph);
        if (painter && x + width > -OffCanvas && x < OffCanvas) {
            const int left = static_cast<int>(x);
            painter->fillRect(left, top, width, style->Metrics.height(), Qt::white);
            painter->setFont(style->Font);
            painter->setPen(style->Color);
            painter->drawText(left, top + style->Metrics.ascent(), glyph);
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

std::vector<int> PaintReaction(QPainter& painter, const std::string& text, const FontSettings& fonts,
                               long long x, int lineHeight, const QPalette& palette)
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
    const long long x = -WidthBefore(FirstVisible);
    CharWidths = PaintReaction(painter, ReactionText, Doc->fonts(), x, lineHeight, palette());
    painter.end();

    if (onScreen) {
        // The drawing covered the caret; the next blink step paints it again.
        CaretShown = false;
        TextImg->update();
    }
}
