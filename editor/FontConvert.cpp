// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FontConvert.h"

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
