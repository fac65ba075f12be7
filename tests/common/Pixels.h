// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pixels of a drawn picture: ink, black, and the box around the pixels of a kind.

#include <QImage>
#include <QRect>

using PixelTest = bool (*)(QRgb);
inline bool IsInk(QRgb c)
{
    return qGray(c) < 160;
}

inline bool IsBlack(QRgb c)
{
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

// The smallest rectangle around the pixels of area that pass the test (null if none).
inline QRect InkBox(const QImage& image, const QRect& area, PixelTest test)
{
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}
