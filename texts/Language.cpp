// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/Language.h"

#include "texts/Texts.h"

const std::vector<LanguageRow>& Languages()
{
    // clang-format off
    static const std::vector<LanguageRow> rows = {
        {Language::English, "English", "E", "New.KVX", false,
         "switchToEnglish", "F10", "language-english", Texts::SwitchToEnglishCaption, Texts::SwitchToEnglishHint},
        {Language::Farsi, "Farsi", "F", "NewF.KVX", true,
         "switchToFarsi", "F9", "language-farsi", Texts::SwitchToFarsiCaption, Texts::SwitchToFarsiHint},
    };
    // clang-format on
    return rows;
}

const LanguageRow& LanguageRowOf(Language lang)
{
    return Languages()[lang == Language::Farsi ? 1 : 0];
}

Language LanguageOfDocumentTag(std::string_view tag)
{
    return tag == LanguageRowOf(Language::English).DocumentTag ? Language::English : Language::Farsi;
}
