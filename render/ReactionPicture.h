// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reaction drawn on its own, as the reaction line draws it, with a small margin: a picture
// for the clipboard, and an SVG picture for slides and worksheets.

#include "document/FontSettings.h"

#include <QImage>
#include <QPalette>

#include <string>

// The picture at twice the screen's size, so that it stays sharp where it is pasted, on white.
QImage ReactionImage(const std::string& text, const FontSettings& fonts, const QPalette& palette);

// The SVG picture: the characters as text in the document's fonts on no ground, so that it
// stands on a slide of any colour. An existing file is replaced only once the new one is
// completely written. Throws FileError.
void WriteReactionSvg(const std::string& text, const FontSettings& fonts, const std::string& path);
