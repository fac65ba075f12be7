// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WrittenReaction.h"

#include <algorithm>

namespace {

// Organic shorthand, spelt out as chemists read it.
struct Group
{
    const char* Name;
    const char* Formula;
    bool Prefixed; // takes n-, i-, s-, t-, sec-, tert-, iso-
};

const Group Groups[] = {
    {"Me", "CH3", false},  {"Et", "C2H5", false},  {"Pr", "C3H7", true},     {"Bu", "C4H9", true},
    {"Ph", "C6H5", false}, {"Ac", "CH3CO", false}, {"Bn", "C6H5CH2", false}, {"Ts", "CH3C6H4SO2", false},
};

// Element symbols that are also groups: Pr, Ac, Ts.
bool IsElementToo(const std::string& name)
{
    return name == "Pr" || name == "Ac" || name == "Ts";
}

// "3+" of "+3", "3+" and "-" as they stand; "1-" as "-".
std::string CompactCharge(const std::string& written)
{
    std::string digits;
    char sign = '+';
    for (char c : written)
        if (c == '+' || c == '-')
            sign = c;
        else
            digits += c;
    if (digits == "1")
        digits.clear();
    return "^" + digits + sign;
}

bool IsWholeGroup(const std::string& formula, bool allowCount)
{
    if (formula.empty() || formula[0] != '(')
        return false;
    int depth = 0;
    std::size_t k = 0;
    for (; k < formula.size(); ++k) {
        depth += formula[k] == '(' ? 1 : formula[k] == ')' ? -1 : 0;
        if (depth == 0)
            break;
    }
    if (k + 1 == formula.size())
        return true;
    if (!allowCount || k >= formula.size())
        return false;
    for (++k; k < formula.size(); ++k)
        if (formula[k] < '0' || formula[k] > '9')
            return false;
    return true;
}

// One substance in compact form. A hydrate part becomes a group whose count is the part's
// count: ·5H2O is (H2O)5, and ·2(H2O)3 is ((H2O)3)2, six waters. The charge, wherever it
// was written, ends the substance.
std::string CompactSubstance(const WrittenSubstance& substance, const WrittenReaction& reaction)
{
    std::string text, part, multiplier, charge;
    bool hydrate = false;
    auto closePart = [&] {
        if (!hydrate)
            text = part;
        else if (multiplier.empty() ? IsWholeGroup(part, true) : IsWholeGroup(part, false))
            text += part + multiplier;
        else if (!part.empty())
            text += "(" + part + ")" + multiplier;
        part.clear();
        multiplier.clear();
    };
    const std::vector<WrittenToken>& tokens = substance.Tokens;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const WrittenToken& token = tokens[k];
        switch (token.Kind) {
        case WrittenKind::Symbol: {
            const std::string group = GroupFormula(token.Text, reaction);
            const bool counted = k + 1 < tokens.size() && tokens[k + 1].Kind == WrittenKind::Count;
            part += group.empty() ? token.Text : counted ? "(" + group + ")" : group;
            break;
        }
        case WrittenKind::Count:
            part += token.Text;
            break;
        case WrittenKind::Multiplier:
            multiplier += token.Text;
            break;
        case WrittenKind::Open:
            part += '(';
            break;
        case WrittenKind::Close:
            part += ')';
            break;
        case WrittenKind::Dot:
            closePart();
            hydrate = true;
            break;
        case WrittenKind::Charge:
            charge = CompactCharge(token.Text);
            break;
        default: // bonds and states weigh nothing
            break;
        }
    }
    closePart();
    if (text == "e" && charge.empty())
        charge = "^-"; // the electron, written without its charge
    return text + charge;
}

} // namespace

std::string GroupFormula(const std::string& symbol, const WrittenReaction& written)
{
    // A prefix in lower case, with or without its hyphen: n-Bu, iPr, tert-Bu.
    std::size_t start = 0;
    while (start < symbol.size() && symbol[start] >= 'a' && symbol[start] <= 'z')
        ++start;
    const bool prefixed = start > 0;
    if (prefixed && start < symbol.size() && symbol[start] == '-')
        ++start;
    if (symbol.size() - start != 2)
        return ""; // every group's name has two letters: most symbols are judged here
    const std::string name = symbol.substr(start);
    const char first = name[0], second = name[1];
    if (IsElementToo(name) && !prefixed &&
        std::find(written.ElementsAsGroups.begin(), written.ElementsAsGroups.end(), name) ==
            written.ElementsAsGroups.end())
        return "";
    for (const Group& group : Groups)
        if (first == group.Name[0] && second == group.Name[1] &&
            (!prefixed || group.Prefixed)) // two letters each
            return group.Formula;
    return "";
}

std::string CompactText(const WrittenReaction& written)
{
    std::string text;
    for (std::size_t k = 0; k < written.Substances.size(); ++k) {
        if (k < written.Joins.size())
            text += written.Joins[k];
        text += CompactSubstance(written.Substances[k], written);
    }
    if (written.Joins.size() > written.Substances.size())
        text += written.Joins.back();
    return text;
}

void SplitSymbols(WrittenReaction& written, const std::vector<std::string>& symbols)
{
    for (WrittenSubstance& substance : written.Substances) {
        std::vector<WrittenToken> tokens;
        for (const WrittenToken& token : substance.Tokens) {
            if (token.Kind == WrittenKind::Symbol && token.Text.size() == 2 &&
                std::find(symbols.begin(), symbols.end(), token.Text) != symbols.end()) {
                tokens.push_back({WrittenKind::Symbol, token.Text.substr(0, 1)});
                tokens.push_back({WrittenKind::Symbol, std::string(1, char(token.Text[1] - 'a' + 'A'))});
            } else {
                tokens.push_back(token);
            }
        }
        substance.Tokens = std::move(tokens);
    }
}

bool WrittenReaction::IsWhole() const
{
    if (Substances.empty() || Joins.size() != Substances.size() + 1 || !Joins.front().empty() ||
        !Joins.back().empty() || Reactants == 0 || Reactants >= Substances.size())
        return false;
    for (std::size_t k = 1; k < Substances.size(); ++k)
        if (Joins[k] != (k == Reactants ? ">" : "+"))
            return false;
    return true;
}
