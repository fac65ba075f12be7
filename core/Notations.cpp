// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Notations.h"

#include "core/NotationWriters.h"

namespace {
std::string AsItStands(const std::string& reaction)
{
    return reaction;
}

template <WrittenFormat Format>
std::string AsWritten(const WrittenReaction& written, const std::vector<std::string>& coefficients)
{
    return ReactionAsWritten(written, coefficients, Format);
}
} // namespace

const std::vector<ReactionNotation>& ReactionNotations()
{
    static const std::vector<ReactionNotation> rows = {
        // 2H2+O2>2H2O
        {"plain", "text/plain", AsItStands, nullptr, nullptr, true},
        // 2H₂ + O₂ → 2H₂O
        {"unicode", nullptr, ReactionAsUnicode, AsWritten<WrittenFormat::Unicode>, nullptr},
        // \ce{2H2 + O2 -> 2H2O}
        {"latex", nullptr, ReactionAsLatex, AsWritten<WrittenFormat::Latex>, nullptr},
        // 2H<sub>2</sub> + O<sub>2</sub> &rarr; 2H<sub>2</sub>O
        {"html", "text/html", ReactionAsHtml, AsWritten<WrittenFormat::Html>, nullptr},
        // {"input":...,"status":"balanced",...}
        {"json", nullptr, nullptr, nullptr, BalanceAsJson},
    };
    return rows;
}

const ReactionNotation* FindNotation(const std::string& name)
{
    for (const ReactionNotation& notation : ReactionNotations())
        if (name == notation.Name)
            return &notation;
    return nullptr;
}

std::string NotationNames()
{
    const std::vector<ReactionNotation>& rows = ReactionNotations();
    std::string names;
    for (std::size_t i = 0; i < rows.size(); ++i)
        names += (i == 0 ? "" : i + 1 == rows.size() ? " or " : ", ") + std::string(rows[i].Name);
    return names;
}
