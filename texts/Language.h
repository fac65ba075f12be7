// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two interface languages, each a row of one table, and a text written in both.
//   const LanguageRow& row = LanguageRowOf(Language::Farsi);
//   row.DocumentTag  // "F", the second line of a Farsi document
//   Texts::SaveChanges.In(Language::Farsi)

#include <string_view>
#include <vector>

enum class Language
{
    English,
    Farsi
};

// What the program knows of a language.
struct LanguageRow
{
    Language Id;
    const char* Name;         // "English", as the command line names it
    const char* DocumentTag;  // the second line of a document in this language
    const char* DefaultsFile; // where new documents in this language take their defaults
    bool RightToLeft;
    // The command that switches the interface to this language: it is shown in the other
    // language's interface, so its caption and hint are in this language.
    const char* SwitchId;
    const char* SwitchKey;
    const char* SwitchIcon;
    const char* SwitchCaption;
    const char* SwitchHint;
};

// Every language, English first.
const std::vector<LanguageRow>& Languages();
const LanguageRow& LanguageRowOf(Language lang);

// The language of a document's second line: exactly "E" is English, anything else Farsi,
// as documents have always been read.
Language LanguageOfDocumentTag(std::string_view tag);

// A text in both languages, UTF-8.
struct LocalText
{
    const char* English;
    const char* Farsi;

    const char* In(Language lang) const { return lang == Language::Farsi ? Farsi : English; }
};
