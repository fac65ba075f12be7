// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FontConvert.h"

#include <algorithm>

QFont ToQFont(const FontSpec& stored)
{
    QFont font(QString::fromStdString(stored.Name));
    // Documents may carry any number; keep the drawing code within sizes Qt handles.
    font.setPointSize(std::clamp(stored.Size, 1, 400));
    font.setBold(stored.Bold);
    font.setItalic(stored.Italic);
    return font;
}

QPalette::ColorRole SystemColorRole(int index)
{
    switch (index) {
    case 4: // menu
    case 5: // window
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9:  // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 13: // highlight
    case 29: // menu highlight
        return QPalette::Highlight;
    case 15: // button face
    case 30: // menu bar
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Mid;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3-D dark shadow
        return QPalette::Shadow;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    case 26: // hot light
        return QPalette::Link;
    default:
        return QPalette::Window;
    }
}

QPalette PaletteOnGround(const QColor& ground, const QPalette& desktop)
{
    const bool lightGround = ground.lightness() >= 128;
    const bool lightDesktop =
        desktop.color(QPalette::WindowText).lightness() <= desktop.color(QPalette::Window).lightness();
    if (lightGround == lightDesktop)
        return desktop;
    // Built from its button colour, as Qt builds a palette; the rest as desktops have them.
    QPalette standard(lightGround ? QColor(0xEF, 0xEF, 0xEF) : QColor(0x35, 0x35, 0x35));
    standard.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
    standard.setColor(QPalette::HighlightedText, Qt::white);
    standard.setColor(QPalette::ToolTipBase,
                      lightGround ? QColor(0xFF, 0xFF, 0xDC) : QColor(0x35, 0x35, 0x35));
    standard.setColor(QPalette::ToolTipText, lightGround ? Qt::black : Qt::white);
    standard.setColor(QPalette::Link, lightGround ? QColor(0x00, 0x00, 0xFF) : QColor(0x4C, 0xA8, 0xFF));
    standard.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    standard.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return standard;
}

QColor ToQColor(ColorValue value, const QPalette& palette)
{
    if (IsSystemColor(value)) {
        const int index = static_cast<std::uint32_t>(value) & 0xFF;
        if (index == 17)
            return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, SystemColorRole(index));
    }
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}
