// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ColorBox.h"

#include "render/FontConvert.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

const std::vector<ColorEntry>& ColorBoxEntries()
{
    // Values are 0x00BBGGRR: red in the lowest byte.
    static const std::vector<ColorEntry> entries = {
        {0x000000, "Black"},
        {0x000080, "Maroon"},
        {0x008000, "Green"},
        {0x008080, "Olive"},
        {0x800000, "Navy"},
        {0x800080, "Purple"},
        {0x808000, "Teal"},
        {0x808080, "Gray"},
        {0xC0C0C0, "Silver"},
        {0x0000FF, "Red"},
        {0x00FF00, "Lime"},
        {0x00FFFF, "Yellow"},
        {0xFF0000, "Blue"},
        {0xFF00FF, "Fuchsia"},
        {0xFFFF00, "Aqua"},
        {0xFFFFFF, "White"},
        {0xC0DCC0, "Money Green"},
        {0xF0CAA6, "Sky Blue"},
        {0xF0FBFF, "Cream"},
        {0xA4A0A0, "Medium Gray"},
        {SystemColor(0), "Scroll Bar"},
        {SystemColor(1), "Background"},
        {SystemColor(2), "Active Caption"},
        {SystemColor(3), "Inactive Caption"},
        {SystemColor(4), "Menu"},
        {SystemColor(5), "Window"},
        {SystemColor(6), "Window Frame"},
        {SystemColor(7), "Menu Text"},
        {SystemColor(8), "Window Text"},
        {SystemColor(9), "Caption Text"},
        {SystemColor(10), "Active Border"},
        {SystemColor(11), "Inactive Border"},
        {SystemColor(12), "Application Workspace"},
        {SystemColor(13), "Highlight"},
        {SystemColor(14), "Highlight Text"},
        {SystemColor(15), "Button Face"},
        {SystemColor(16), "Button Shadow"},
        {SystemColor(17), "Gray Text"},
        {SystemColor(18), "Button Text"},
        {SystemColor(19), "Inactive Caption Text"},
        {SystemColor(20), "Button Highlight"},
        {SystemColor(21), "3D Dark Shadow"},
        {SystemColor(22), "3D Light"},
        {SystemColor(23), "Info Text"},
        {SystemColor(24), "Info Background"},
        {SystemColor(26), "Hot Light"},
        {SystemColor(27), "Gradient Active Caption"},
        {SystemColor(28), "Gradient Inactive Caption"},
        {SystemColor(29), "Menu Highlight"},
        {SystemColor(30), "Menu Bar"},
    };
    return entries;
}

ColorBox::ColorBox(QWidget* parent) : QComboBox(parent)
{
    for (const ColorEntry& entry : ColorBoxEntries())
        addItem(QString::fromLatin1(entry.Name), QVariant::fromValue<qint32>(entry.Value));
    PaintSwatches();
    setCurrentIndex(-1);
}

void ColorBox::SetColorValue(ColorValue value)
{
    setCurrentIndex(findData(QVariant::fromValue<qint32>(value)));
}

std::optional<ColorValue> ColorBox::SelectedColor() const
{
    if (currentIndex() < 0)
        return std::nullopt;
    return currentData().value<qint32>();
}

void ColorBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        PaintSwatches();
}

void ColorBox::PaintSwatches()
{
    const QSize size = iconSize();
    for (int i = 0; i < count(); ++i) {
        QPixmap swatch(size);
        swatch.fill(Qt::transparent);
        QPainter painter(&swatch);
        painter.setPen(palette().color(QPalette::Text)); // an outline that shows on any ground
        painter.setBrush(ToQColor(itemData(i).value<qint32>(), palette()));
        painter.drawRect(0, 1, size.width() - 1, size.height() - 3);
        painter.end();
        setItemIcon(i, QIcon(swatch));
    }
}
