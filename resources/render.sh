#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds every PNG under resources/ from its SVG source. The PNGs are
# committed, so the build itself never needs rsvg-convert; run this after
# editing an SVG and commit the result.
set -eu
cd "$(dirname "$0")"

render() { # source, output, width, height
    rsvg-convert --width "$3" --height "$4" --format png --output "$2" "$1"
}

# Command icons: 24 px, and 48 px for Qt's @2x lookup on high-DPI screens.
for svg in icons/*.svg; do
    name=${svg%.svg}
    render "$svg" "$name.png" 24 24
    render "$svg" "$name@2x.png" 48 48
done

# Program icon: window icon, about box and the hicolor theme sizes.
for size in 16 24 32 48 64 128 256; do
    render stoikon.svg "appicon/stoikon-$size.png" "$size" "$size"
done

# Small pictures of the dialogs and the about box.
render arrow.svg arrow.png 16 14
render arrow.svg arrow@2x.png 32 28
render weblink.svg weblink.png 33 33
render weblink.svg weblink@2x.png 66 66
for svg in glyphs/*.svg; do
    name=${svg%.svg}
    render "$svg" "$name.png" 16 16
    render "$svg" "$name@2x.png" 32 32
done
