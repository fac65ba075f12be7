// SPDX-License-Identifier: GPL-3.0-or-later
// Export of the drawn reaction and the grid as a bitmap picture.

#include "editor/BitmapExport.h"

#include "document/DocumentIO.h"
#include "document/DocumentModel.h"
#include "editor/DrawReaction.h"
#include "editor/FontConvert.h"
#include "grid/GridModel.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {
// Beyond this many pixels a side the picture cannot be painted; such sizes come only
// from damaged documents, and the export then fails with the usual message.
constexpr long long MaxPictureSide = 32767;

long long SumOfSizes(const std::vector<int>& sizes)
{
    long long sum = 0;
    for (int size : sizes)
        sum += std::max(size, 0);
    return sum;
}

// One row of the table: every cell a rectangle with a black one-pixel border sharing its
// border lines with its neighbours, and its text.
void PaintGridRow(QPainter& painter, const BitmapSource& source, size_t row, int top, const QColor& textColor)
{
    const int rowHeight = std::max(source.RowHeights[row], 0);
    const bool farsi = source.Lang == Language::Farsi;
    const size_t cols = source.ColWidths.size();
    const QFontMetrics metrics(painter.font(), painter.device());
    int left = 10;
    for (size_t i = 0; i < cols; ++i) {
        // The Farsi table reads from right to left: column 0 stands at the right end.
        const size_t col = farsi ? cols - 1 - i : i;
        const int width = std::max(source.ColWidths[col], 0);
        const QRect cell(left, top, width, rowHeight);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(left, top, std::max(width - 1, 0), std::max(rowHeight - 1, 0)));

        const GridRow* cells = row < source.Cells.size() ? &source.Cells[row] : nullptr;
        const QString text = cells && col < cells->size() ? QString::fromStdString((*cells)[col]) : QString();
        painter.setPen(textColor);
        if (!farsi) {
            painter.setClipRect(cell);
            painter.drawText(left + 2, top + 3 + metrics.ascent(), text);
        } else {
            // Right-aligned, 3 pixels in from the right border, in right-to-left order; a
            // text wider than its cell is cut at the cell's left border.
            const int textWidth = metrics.horizontalAdvance(text);
            const QRect textRect(left + width - textWidth - 3, top, textWidth, rowHeight);
            painter.setClipRect(textRect.intersected(cell));
            painter.drawText(QRect(textRect.left(), top + 3, textWidth, metrics.height()),
                             Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine, text);
        }
        painter.setClipping(false);
        left += width - 1;
    }
}
} // namespace

QImage RenderBitmap(const BitmapSource& source, const QPalette& palette)
{
    const int lineHeight = ReactionLineHeight(source.Fonts);
    const std::vector<int> charWidths = MeasureReaction(source.ReactionText, source.Fonts);
    const long long reactionWidth = std::accumulate(charWidths.begin(), charWidths.end(), 0LL);
    const long long width = std::max(reactionWidth + 10, 10 + SumOfSizes(source.ColWidths)) + 10;
    const long long height = 20 + SumOfSizes(source.RowHeights) + lineHeight + 10;
    if (width > MaxPictureSide || height > MaxPictureSide)
        return QImage();

    QImage picture(int(width), int(height), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    // The whole reaction, unscrolled, as the line draws it.
    painter.translate(10, 10);
    DrawReaction(painter, source.ReactionText, source.Fonts, 0, lineHeight, palette);
    painter.resetTransform();

    painter.setFont(ToQFont(source.Fonts.GridFont));
    painter.setLayoutDirection(source.Lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    const QColor textColor = ToQColor(source.Fonts.GridFont.Color, palette);
    int top = lineHeight + 20;
    for (size_t row = 0; row < source.RowHeights.size(); ++row) {
        PaintGridRow(painter, source, row, top, textColor);
        top += std::max(source.RowHeights[row], 0) - 1;
    }
    return picture;
}

bool WriteBitmapFile(const QImage& picture, const QString& fileName, std::string* reason)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // 24 bits a pixel: a picture without transparency, readable by every bitmap viewer.
    QImageWriter writer(&buffer, "bmp");
    if (picture.isNull() || !writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
        if (reason)
            *reason = QFile::encodeName(fileName).toStdString() + ": the picture is too large to draw";
        return false;
    }
    return WriteFileBytes(fileName, std::string_view(bytes.constData(), size_t(bytes.size())), reason);
}

BitmapSource BitmapSourceOf(const DocumentModel& document, const std::vector<int>& rowHeights)
{
    BitmapSource source;
    source.ReactionText = document.reactionText();
    source.Fonts = document.fonts();
    source.Cells = document.grid()->cells();
    source.ColWidths = document.grid()->columnWidths();
    source.RowHeights = rowHeights;
    source.Lang = document.language();
    return source;
}
