// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two interface languages and a text written in both. Documents, drawings and exports
// name a language too, so this header depends on nothing.

enum class Language
{
    English,
    Farsi
};

// Farsi texts keep to the letters of the Windows-1256 code page (Arabic yeh and kaf), so
// that they survive in documents and web pages.
struct LocalText
{
    const char* English;
    const char* Farsi;

    // The text in lang, as UTF-8.
    const char* In(Language lang) const { return lang == Language::Farsi ? Farsi : English; }
};
