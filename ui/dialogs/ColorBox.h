// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour drop-down of the options dialog: the sixteen standard colours, four
// extended ones and the desktop's system colours, each with a swatch and a name. Its
// values are the 32-bit colours documents store, so a font's colour goes through the
// dialog unchanged.

#include "document/FontSettings.h"

#include <QComboBox>

#include <optional>
#include <vector>

struct ColorEntry
{
    ColorValue Value;
    const char* Name;
};

// Every colour the box offers, in the order it lists them.
const std::vector<ColorEntry>& ColorBoxEntries();

class ColorBox : public QComboBox
{
    Q_OBJECT

  public:
    explicit ColorBox(QWidget* parent = nullptr);

    // Selects the entry of that colour, or nothing when the box does not list it.
    void SetColorValue(ColorValue value);
    // The selected colour; none without a selection.
    std::optional<ColorValue> SelectedColor() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void PaintSwatches(); // system colours follow the palette
};
