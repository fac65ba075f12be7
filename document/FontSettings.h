// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The five fonts of a document and the subscript lift, as stored in documents and
// edited in the options dialog. Plain data, no toolkit: the drawing code turns a
// FontSpec into a QFont when it paints.

#include <cstdint>
#include <string>

// A colour is kept as the 32-bit value it was read as: 0x00BBGGRR for an RGB colour,
// or a system colour with the top byte set and the palette index in the low byte
// (negative when read as a signed number).
using ColorValue = std::int32_t;

constexpr ColorValue ClWindowText = static_cast<ColorValue>(0xFF000008u); // -16777208
constexpr ColorValue ClBlue = 0x00FF0000;                                 // pure blue, RGB 0000FF

// A system colour by its platform index (window text is 8, button face 15, ...).
constexpr ColorValue SystemColor(int index)
{
    return static_cast<ColorValue>(0xFF000000u | unsigned(index));
}

inline bool IsSystemColor(ColorValue c)
{
    return (static_cast<std::uint32_t>(c) & 0xFF000000u) != 0;
}

struct FontSpec
{
    std::string Name;
    int Size = 8; // points
    bool Bold = false;
    bool Italic = false;
    ColorValue Color = ClWindowText;

    bool operator==(const FontSpec& o) const
    {
        return Name == o.Name && Size == o.Size && Bold == o.Bold && Italic == o.Italic && Color == o.Color;
    }
    bool operator!=(const FontSpec& o) const { return !(*this == o); }
};

// The sizes a font dialog offers, up to 72 points. A document's size beyond them (a
// hand-edited or damaged file) would make the window's text too large for its menus and
// buttons to be reached, so the document takes the nearest of them.
constexpr int SmallestFontSize = 1;
constexpr int LargestFontSize = 72;

struct FontSettings
{
    FontSpec ProgramFont{"Tahoma", 8, false, false, ClWindowText};
    FontSpec GridFont{"Arial", 8, false, false, ClWindowText};
    FontSpec ReactionFont{"Arial", 14, true, false, ClWindowText};
    FontSpec NumbersFont{"Arial", 14, true, false, ClBlue};
    FontSpec SubscriptsFont{"Arial", 10, true, false, ClWindowText};
    int SubscriptsPosition = 0;

    // The fonts in document order: program, grid, reaction, numbers, subscripts.
    FontSpec& At(int i)
    {
        FontSpec* all[] = {&ProgramFont, &GridFont, &ReactionFont, &NumbersFont, &SubscriptsFont};
        return *all[i];
    }
    const FontSpec& At(int i) const { return const_cast<FontSettings*>(this)->At(i); }
    static constexpr int Count = 5;

    bool operator==(const FontSettings& o) const
    {
        for (int i = 0; i < Count; ++i)
            if (At(i) != o.At(i))
                return false;
        return SubscriptsPosition == o.SubscriptsPosition;
    }
};
