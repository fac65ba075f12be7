// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows-1256, the single-byte code page documents and web pages are stored in: ASCII,
// the Arabic letters with the Farsi ones the code page has, and some Latin symbols. Texts
// inside the program are UTF-8.

#include <string>

// Whether a character survives a save. The Farsi yeh U+06CC counts: Farsi keyboards type
// it, and it is stored as the Arabic yeh U+064A it is shown as.
bool CodePageHolds(char32_t ch);

// The text without the characters the code page cannot hold, so that what is typed or
// pasted is what a save keeps.
std::string KeepCodePageText(const std::string& utf8);

// UTF-8 text as code page bytes. The Farsi yeh becomes the Arabic yeh; any other character
// outside the code page becomes "?".
std::string EncodeCodePage(const std::string& utf8);

// Code page bytes as UTF-8 text. Every byte is one character, so any bytes decode, and
// decoding then encoding gives the same bytes back.
std::string DecodeCodePage(const std::string& bytes);
