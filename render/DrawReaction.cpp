// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawReaction.h"

#include "core/ReactionText.h"
#include "render/FontConvert.h"

#include <QFontMetrics>
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

// Measures, and paints when painter is given, one character after the other. Metrics are
// taken on the device painted on (or one like it), so every width is what is drawn. The
// line may be as long as a document's line: positions are 64-bit, and only characters
// near the canvas are painted.
std::vector<int> LayoutReaction(QPainter* painter, const QPaintDevice* device, const std::string& text,
                                const FontSettings& fonts, long long x, int lineHeight,
                                const QPalette& palette, const QColor& ground = Qt::white)
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
    const int superscriptTop = SuperscriptTop();

    const std::vector<ReactionPart> parts = ClassifyReaction(text);
    std::vector<int> widths;
    widths.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        Style* style = &reaction;
        int top = 1;
        QString glyph(QChar(static_cast<unsigned char>(ch)));
        switch (parts[i]) {
        case ReactionPart::Coefficient:
            style = &numbers;
            break;
        case ReactionPart::Count:
        case ReactionPart::Minus:
            style = &subscripts;
            top = subscriptTop;
            break;
        case ReactionPart::Arrow:
            glyph = ArrowGlyph;
            top = 2;
            break;
        case ReactionPart::Charge:
        case ReactionPart::LoneMark:
            style = &subscripts;
            top = superscriptTop;
            break;
        case ReactionPart::ChargeMark:
            // The charge that follows shows by being raised; the mark itself takes no room,
            // so the caret before it and the caret after it stand at the same x.
            widths.push_back(0);
            continue;
        case ReactionPart::Symbol:
            break;
        }
        int& width = style->Widths[static_cast<unsigned char>(ch)];
        if (width < 0)
            width = style->Metrics.horizontalAdvance(glyph);
        if (painter && x + width > -OffCanvas && x < OffCanvas) {
            const int left = static_cast<int>(x);
            if (ground.alpha() > 0)
                painter->fillRect(left, top, width, style->Metrics.height(), ground);
            painter->setFont(style->Font);
            painter->setPen(style->Color);
            painter->drawText(left, top + style->Metrics.ascent(), glyph);
        }
        x += width;
        widths.push_back(width);
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

int SuperscriptTop()
{
    // The top of a charge's cell is the top of the letters' cells: the charge stands as high
    // as the letters' ascent and ends above their middle.
    return 1;
}

int SuperscriptHeight(const FontSettings& fonts)
{
    const QImage device = MeasuringDevice();
    return QFontMetrics(ToQFont(fonts.SubscriptsFont), &device).height();
}

int ReactionLineHeight(const FontSettings& fonts)
{
    const QImage device = MeasuringDevice();
    return QFontMetrics(ToQFont(fonts.ReactionFont), &device).height() + 3;
}

std::vector<int> DrawReaction(QPainter& painter, const std::string& text, const FontSettings& fonts,
                              long long x, int lineHeight, const QPalette& palette, const QColor& ground)
{
    painter.save();
    // The reaction reads left to right in both interface languages.
    painter.setLayoutDirection(Qt::LeftToRight);
    std::vector<int> widths =
        LayoutReaction(&painter, painter.device(), text, fonts, x, lineHeight, palette, ground);
    painter.restore();
    return widths;
}

std::vector<int> MeasureReaction(const std::string& text, const FontSettings& fonts)
{
    const QImage device = MeasuringDevice();
    return LayoutReaction(nullptr, &device, text, fonts, 0, ReactionLineHeight(fonts), QPalette());
}
