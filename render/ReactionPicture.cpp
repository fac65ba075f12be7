// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/ReactionPicture.h"

#include "core/NotationWriters.h"
#include "document/FileAccess.h"
#include "render/DrawReaction.h"
#include "render/FontConvert.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <numeric>

namespace {
constexpr int Margin = 4;
// A reaction wider than this is cut at its right end: no slide shows more.
constexpr long long MaxWidth = 16384;

QSize PictureSize(const std::string& text, const FontSettings& fonts)
{
    const std::vector<int> widths = MeasureReaction(text, fonts);
    const long long width = std::accumulate(widths.begin(), widths.end(), 0LL);
    return QSize(int(std::min(width, MaxWidth)) + 2 * Margin, ReactionLineHeight(fonts) + 2 * Margin);
}
} // namespace

QImage ReactionImage(const std::string& text, const FontSettings& fonts, const QPalette& palette)
{
    const QSize size = PictureSize(text, fonts);
    QImage image(size * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(Margin, Margin);
    DrawReaction(painter, text, fonts, 0, ReactionLineHeight(fonts), PaletteOnGround(Qt::white, palette));
    return image;
}

void WriteReactionSvg(const std::string& text, const FontSettings& fonts, const std::string& path)
{
    const QSize size = PictureSize(text, fonts);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(ReactionAsUnicode(text)));
    svg.setDescription(QStringLiteral("Stoikon"));
    QPainter painter;
    if (!painter.begin(&svg))
        throw FileError(path, "the picture could not be drawn");
    painter.translate(Margin, Margin);
    DrawReaction(painter, text, fonts, 0, ReactionLineHeight(fonts),
                 PaletteOnGround(Qt::white, QGuiApplication::palette()), Qt::transparent);
    painter.end();
    ReplaceFile(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}
