// SPDX-License-Identifier: GPL-3.0-or-later
// Export of the drawn reaction and the grid as a bitmap picture.

#include "render/BitmapExport.h"

#include "core/ChargeNotation.h"
#include "document/Document.h"
#include "document/Exports.h"
#include "document/FileAccess.h"
#include "document/ShownCells.h"
#include "grid/GridItems.h"
#include "render/DrawReaction.h"
#include "render/FontConvert.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {
// The largest picture the export draws: 16,384 pixels a side and about 8.4 million pixels
// in all (32 MB while it is drawn, about 130 MB for the whole export). A grid that needs
// more is cut off at the right and at the bottom, and so is a reaction wider than that.
constexpr long long MaxPictureSide = 16384;
constexpr long long MaxPicturePixels = 1LL << 23;

// A cell text far longer than its cell can show is cut to what could be seen (no glyph is
// narrower than a quarter of a pixel), so that a document's enormous cells do not take the
// export's time. In the Farsi table the right end of the text shows: the start of a right-
// to-left text, the end of a left-to-right one.
QString VisiblePart(const QString& text, int cellWidth, bool farsi)
{
    const int keep = 4 * cellWidth + 16;
    if (text.size() <= keep)
        return text;
    return farsi && !text.isRightToLeft() ? text.right(keep) : text.left(keep);
}

// A name ending in ".png" (in any case) asks for a PNG picture; any other, as ever, a bitmap.
bool IsPngName(const std::string& path)
{
    return QString::fromStdString(path).endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

long long SumOfSizes(const std::vector<int>& sizes)
{
    long long sum = 0;
    for (int size : sizes)
        sum += std::max(size, 0);
    return sum;
}

} // namespace

void PaintGridRow(QPainter& painter, const BitmapSource& source, size_t row, int left, int top, int right,
                  const QColor& textColor)
{
    const int rowHeight = std::max(source.RowHeights[row], 0);
    const bool farsi = source.Lang == Language::Farsi;
    const size_t cols = source.ColWidths.size();
    const QFontMetrics metrics(painter.font(), painter.device());
    for (size_t i = 0; i < cols && left < right; ++i) {
        // The Farsi table reads from right to left: column 0 stands at the right end.
        const size_t col = farsi ? cols - 1 - i : i;
        const int width = std::max(source.ColWidths[col], 0);
        const QRect cell(left, top, width, rowHeight);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(left, top, std::max(width - 1, 0), std::max(rowHeight - 1, 0)));

        // Text starts 2 pixels in (3 from the right in Farsi) and 3 down: a narrower or
        // lower cell shows none of it.
        const GridRow* cells = row < source.Cells.size() ? &source.Cells[row] : nullptr;
        if (!cells || col >= cells->size() || (*cells)[col].empty() || width <= (farsi ? 3 : 2) ||
            rowHeight <= 3) {
            left += width - 1;
            continue;
        }
        const QString text = VisiblePart(QString::fromStdString((*cells)[col]), width, farsi);
        const char kind =
            row < source.Kinds.size() && col < source.Kinds[row].size() ? source.Kinds[row][col] : 0;
        painter.setPen(textColor);
        if (!farsi && kind != 'n') {
            painter.setClipRect(cell);
            painter.drawText(left + 2, top + 3 + metrics.ascent(), text);
        } else {
            // Right-aligned (the Farsi table's cells and numbers), 3 pixels in from the right
            // border, in right-to-left order in Farsi; a text wider than its cell is cut at
            // the cell's left border.
            const int textWidth = metrics.horizontalAdvance(text);
            const QRect textRect(left + width - textWidth - 3, top, textWidth, rowHeight);
            painter.setClipRect(textRect.intersected(cell));
            // A formula with a charge keeps its sign at its end, as in the window's grid.
            painter.setLayoutDirection(!farsi || kind == 'f' || IsChargedFormulaText((*cells)[col])
                                           ? Qt::LeftToRight
                                           : Qt::RightToLeft);
            painter.drawText(QRect(textRect.left(), top + 3, textWidth, metrics.height()),
                             Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine, text);
            painter.setLayoutDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
        }
        painter.setClipping(false);
        left += width - 1;
    }
}

long long GridWidth(const BitmapSource& source)
{
    return SumOfSizes(source.ColWidths);
}

QImage RenderBitmap(const BitmapSource& source, const QPalette& desktop)
{
    const QPalette palette = PaletteOnGround(Qt::white, desktop);
    const int lineHeight = ReactionLineHeight(source.Fonts);
    const std::vector<int> charWidths = MeasureReaction(source.ReactionText, source.Fonts);
    const long long reactionWidth = std::accumulate(charWidths.begin(), charWidths.end(), 0LL);
    const long long fullWidth = std::max(reactionWidth + 10, 10 + GridWidth(source)) + 10;
    const long long fullHeight = 20 + SumOfSizes(source.RowHeights) + lineHeight + 10;
    const long long width = std::min(fullWidth, MaxPictureSide);
    const long long height = std::min({fullHeight, MaxPictureSide, MaxPicturePixels / width});

    QImage bitmap(int(width), int(height), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    // The whole reaction, unscrolled, as the line draws it.
    painter.translate(10, 10);
    DrawReaction(painter, source.ReactionText, source.Fonts, 0, lineHeight, palette);
    painter.resetTransform();

    painter.setFont(ToQFont(source.Fonts.GridFont));
    painter.setLayoutDirection(source.Lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    const QColor textColor = ToQColor(source.Fonts.GridFont.Color, palette);
    int top = lineHeight + 20;
    for (size_t row = 0; row < source.RowHeights.size() && top < height; ++row) {
        PaintGridRow(painter, source, row, 10, top, int(width), textColor);
        top += std::max(source.RowHeights[row], 0) - 1;
    }
    return bitmap;
}

void WriteBitmapFile(const QImage& picture, const std::string& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // 24 bits a pixel: a picture without transparency, readable by every viewer.
    QImageWriter writer(&buffer, IsPngName(path) ? "png" : "bmp");
    if (picture.isNull() || !writer.write(picture.convertToFormat(QImage::Format_RGB888)))
        throw FileError(path, "the picture is too large to draw");
    ReplaceFile(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}

BitmapSource BitmapSourceOf(const Document& document, const ExportView& view)
{
    BitmapSource source;
    source.ReactionText = document.reaction();
    source.Fonts = document.fonts();
    ShownGrid shown = ShowCells(document);
    // The students' sheet leaves the worked-out cells, and what the sheet says beside a
    // given amount, for the students to fill in.
    if (view.StudentsSheet) {
        for (const auto& [column, row] : document.workedOutCells())
            shown[size_t(row)][size_t(column)] = ShownCell();
        for (std::vector<ShownCell>& row : shown)
            for (ShownCell& cell : row)
                cell.Note.clear();
    }
    for (const std::vector<ShownCell>& row : shown) {
        source.Cells.emplace_back();
        source.Kinds.emplace_back();
        for (const ShownCell& cell : row) {
            source.Cells.back().push_back(cell.Note.empty() ? cell.Text
                                                            : cell.Text + "  (" + cell.Note + ")");
            source.Kinds.back().push_back(cell.Number ? 'n' : cell.Formula ? 'f' : 0);
        }
    }
    source.ColWidths = document.columnWidths();
    source.RowHeights = view.RowHeights;
    if (source.RowHeights.empty())
        source.RowHeights.assign(size_t(document.rowCount()), DefaultRowHeight);
    source.Lang = document.language();
    return source;
}
