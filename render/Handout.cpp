// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Handout.h"

#include "core/NotationWriters.h"
#include "document/FileAccess.h"
#include "render/DrawReaction.h"
#include "render/FontConvert.h"
#include "texts/Texts.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {
constexpr int GapBelowReaction = 16;
constexpr int FooterHeight = 24; // the page number's band, kept free on every page

// The data rows a page shows under the header row, [First, End).
struct PageRows
{
    size_t First;
    size_t End;
};

// Rows share their border lines: each takes its height less one pixel.
int RowStep(const BitmapSource& source, size_t row)
{
    return std::max(source.RowHeights[row], 1) - 1;
}

// The rows of each page: as many as fit under the header row, at least one a page.
std::vector<PageRows> SplitRows(const BitmapSource& source, double firstRoom, double room)
{
    const size_t rows = source.RowHeights.size();
    const double header = rows > 0 ? RowStep(source, 0) + 1 : 0;
    std::vector<PageRows> pages;
    PageRows page{1, 1};
    double left = firstRoom - header;
    for (size_t row = 1; row < rows; ++row) {
        if (page.End > page.First && RowStep(source, row) > left) {
            pages.push_back(page);
            page = {row, row};
            left = room - header;
        }
        left -= RowStep(source, row);
        page.End = row + 1;
    }
    pages.push_back(page);
    return pages;
}

double FitScale(double available, long long needed)
{
    return needed > available ? available / double(needed) : 1.0;
}
} // namespace

Paper LocalePaper()
{
    // The paper size is the locale's LC_PAPER; Qt reads only the measuring units, which
    // agree with it.
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return QLocale(QString::fromLatin1(value).section(QLatin1Char('.'), 0, 0)).measurementSystem() ==
                           QLocale::ImperialUSSystem
                       ? Paper::Letter
                       : Paper::A4;
    }
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

void SetHandoutPage(QPagedPaintDevice& device, Paper paper)
{
    device.setPageLayout(QPageLayout(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
}

int PaintHandout(QPagedPaintDevice& device, const BitmapSource& source, const QPalette& desktop)
{
    const QPalette palette = PaletteOnGround(Qt::white, desktop);
    const bool farsi = source.Lang == Language::Farsi;
    const int width = device.width();
    const int height = device.height();
    const int lineHeight = ReactionLineHeight(source.Fonts);
    const std::vector<int> charWidths = MeasureReaction(source.ReactionText, source.Fonts);
    const long long reactionWidth = std::accumulate(charWidths.begin(), charWidths.end(), 0LL);
    // The reaction and the table each as large as they are on screen, or as fit the width.
    const double reactionScale = FitScale(width, reactionWidth);
    const double tableScale = FitScale(width, GridWidth(source));
    const double tableTop = (source.ReactionText.empty() ? 0 : lineHeight * reactionScale + GapBelowReaction);
    const std::vector<PageRows> pages = SplitRows(source, (height - FooterHeight - tableTop) / tableScale,
                                                  (height - FooterHeight) / tableScale);

    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    const QFont gridFont = ToQFont(source.Fonts.GridFont);
    const QColor textColor = ToQColor(source.Fonts.GridFont.Color, palette);
    const int tableWidth = int(width / tableScale);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        painter.setTransform(QTransform::fromScale(reactionScale, reactionScale));
        // The reaction reads left to right on both pages; a Farsi page sets it at the right.
        if (p == 0 && !source.ReactionText.empty())
            DrawReaction(painter, source.ReactionText, source.Fonts,
                         farsi ? std::max(0LL, (long long)(width / reactionScale) - reactionWidth) : 0,
                         lineHeight, palette, Qt::transparent);

        painter.setTransform(QTransform::fromScale(tableScale, tableScale));
        painter.setFont(gridFont);
        painter.setLayoutDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
        const int left = farsi ? int(std::max(0LL, tableWidth - GridWidth(source))) : 0;
        int top = int(p == 0 ? tableTop / tableScale : 0);
        const auto paintRow = [&](size_t row) {
            PaintGridRow(painter, source, row, left, top, tableWidth, textColor);
            top += RowStep(source, row);
        };
        if (!source.RowHeights.empty())
            paintRow(0);
        for (size_t row = pages[p].First; row < pages[p].End; ++row)
            paintRow(row);

        if (pages.size() > 1) {
            painter.resetTransform();
            painter.setPen(textColor);
            const QString number =
                QString::fromUtf8(Texts::HandoutPage.In(source.Lang)).arg(p + 1).arg(pages.size());
            painter.drawText(QRect(0, height - FooterHeight, width, FooterHeight), Qt::AlignCenter, number);
        }
    }
    return int(pages.size());
}

void WriteHandoutPdf(const BitmapSource& source, const std::string& path, Paper paper)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(HandoutResolution);
        writer.setCreator(QStringLiteral("Stoikon"));
        writer.setTitle(QString::fromStdString(ReactionAsUnicode(source.ReactionText)));
        SetHandoutPage(writer, paper);
        if (PaintHandout(writer, source, QGuiApplication::palette()) == 0)
            throw FileError(path, "the handout could not be drawn");
    }
    ReplaceFile(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}
