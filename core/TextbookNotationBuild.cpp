// SPDX-License-Identifier: GPL-3.0-or-later
// The textbook-notation reader's second half: the scanned pieces built into substances,
// each kept as it was written (WrittenReaction), and the readings of what stays ambiguous.
#include "core/TextbookNotationReader.h"

#include "core/ElementTable.h"

#include <algorithm>

namespace Notation {

namespace {

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

// Prefixes of propyl and butyl: n-Pr, iPr, sec-Bu, t-Bu.
bool IsGroupPrefix(const std::string& text)
{
    for (const char* prefix : {"n", "i", "s", "t", "sec", "tert", "iso"})
        if (text == prefix)
            return true;
    return false;
}

bool IsGroupName(const std::string& name)
{
    WrittenReaction groups;
    groups.ElementsAsGroups = {name};
    return !GroupFormula(name, groups).empty();
}

// Letters written all in lower case take the letter case of typing: co2 is Co2, and Balance
// tries CO2 when that does not balance.
std::vector<std::string> CaseLikeTyping(const std::string& letters)
{
    std::vector<std::string> symbols;
    for (char c : letters) {
        if (!symbols.empty() && symbols.back().size() == 1 && KeepsLowerCase(symbols.back()[0], c))
            symbols.back() += c;
        else
            symbols.emplace_back(1, IsLower(c) ? char(c - 'a' + 'A') : c);
    }
    return symbols;
}

// The evidence that Pr, Ac or Ts at tokens[k] is a group: carbon or another group in the
// substance, or the OH or NH after it (PrOH, AcOH, AcNH2).
bool OrganicAround(const std::vector<WrittenToken>& tokens, std::size_t k)
{
    for (std::size_t j = 0; j < tokens.size(); ++j)
        if (j != k && tokens[j].Kind == WrittenKind::Symbol &&
            (tokens[j].Text == "C" || (IsGroupName(tokens[j].Text) && FindElement(tokens[j].Text) < 0)))
            return true;
    const auto symbolAt = [&](std::size_t j, const char* text) {
        return j < tokens.size() && tokens[j].Kind == WrittenKind::Symbol && tokens[j].Text == text;
    };
    return (symbolAt(k + 1, "O") || symbolAt(k + 1, "N")) && symbolAt(k + 2, "H");
}

// A count right before a bare sign (Mn2+, NH4+, SO42-) may be the charge's or the formula's.
// tokens becomes the likelier reading; the others are returned in the order to try them.
std::vector<std::vector<WrittenToken>> ChargeReadings(std::vector<WrittenToken>& tokens)
{
    std::size_t c = 0;
    while (c < tokens.size() && tokens[c].Kind != WrittenKind::Charge)
        ++c;
    if (c < 2 || c >= tokens.size() || tokens[c].Style != ChargeStyle::Bare || tokens[c].Text.size() != 1 ||
        tokens[c - 1].Kind != WrittenKind::Count || tokens[c - 1].Text[0] == '-')
        return {};
    const std::string digits = tokens[c - 1].Text, sign = tokens[c].Text;
    std::vector<WrittenToken> asCount = tokens, asCharge = tokens, split = tokens;
    asCharge[c].Text = digits + sign;
    asCharge.erase(asCharge.begin() + std::ptrdiff_t(c - 1));
    split[c - 1].Text = digits.substr(0, digits.size() - 1);
    split[c].Text = digits.substr(digits.size() - 1) + sign;
    std::vector<std::vector<WrittenToken>> order;
    const bool afterBracket = tokens[c - 2].Kind == WrittenKind::Close;
    const bool lone = c == 2 && tokens[0].Kind == WrittenKind::Symbol;
    if (afterBracket)
        order = {asCharge, asCount};
    else if (lone)
        order = {asCharge, asCount};
    else
        order = {asCount, asCharge};
    // Two digits or more: the last is the charge's (SO42- is SO4^2-, O22- is O2^2-).
    if (digits.size() > 1 && !afterBracket)
        order.insert(order.begin(), split);
    tokens = order.front();
    order.erase(order.begin());
    return order;
}

} // namespace

// The symbols of one run of letters. A run all in lower case takes the case of typing; in
// a formula written with capitals, each capital and the lower-case letters after it are one
// symbol or group, and a name that is neither is refused with its name.
void Reader::AddLetters(const LetterRun& run, bool caseWritten, std::vector<WrittenToken>& tokens)
{
    const std::string& letters = run.Letters;
    std::size_t k = 0;
    if (!caseWritten || IsLower(letters[0])) {
        std::size_t lower = 0;
        while (lower < letters.size() && (!caseWritten || IsLower(letters[lower])))
            ++lower;
        const std::string chunk = letters.substr(0, lower);
        if (caseWritten && IsGroupPrefix(chunk)) {
            tokens.push_back({WrittenKind::Symbol, chunk}); // joined to its group below
        } else {
            for (std::string& symbol : CaseLikeTyping(chunk))
                tokens.push_back({WrittenKind::Symbol, std::move(symbol)});
        }
        k = lower;
    }
    while (k < letters.size()) {
        std::size_t next = k + 1;
        while (next < letters.size() && IsLower(letters[next]))
            ++next;
        const std::string name = letters.substr(k, next - k);
        if (name.size() == 1 || FindElement(name) >= 0 || IsGroupName(name))
            tokens.push_back({WrittenKind::Symbol, name});
        else
            Flag(run.Indices[k], name);
        k = next;
    }
}

WrittenSubstance Reader::BuildSubstance(const std::vector<const Piece*>& items)
{
    WrittenSubstance substance;
    std::vector<WrittenToken>& tokens = substance.Tokens;
    tokens.reserve(items.size() + 1); // about a token a piece, and the electron's
    std::size_t k = 0;
    while (k < items.size() &&
           (items[k]->Kind == PieceKind::Blank || items[k]->Kind == PieceKind::Coefficient ||
            items[k]->Kind == PieceKind::Digit)) {
        if (items[k]->Kind == PieceKind::Blank && k > 0)
            reading.Written.SpacedCoefficients = true;
        else if (items[k]->Kind != PieceKind::Blank)
            substance.Given += items[k]->Text;
        ++k;
    }
    std::size_t first = 0;
    while (first < k && items[first]->Kind == PieceKind::Blank)
        ++first;
    substance.CoefficientBegin = first < items.size() ? origin[items[first]->Index] : 0;
    substance.FormulaBegin = k < items.size() ? origin[items[k]->Index] : substance.CoefficientBegin;
    bool caseWritten = false;
    for (const Piece* piece : items)
        caseWritten = caseWritten || (piece->Kind == PieceKind::Letter && IsUpper(piece->Text[0]));
    LetterRun run;
    bool partHasFormula = false;
    std::size_t blank = 0, dot = 0; // 1 + index of a blank or dot waiting
    auto flush = [&] {
        if (!run.Letters.empty())
            AddLetters(run, caseWritten, tokens);
        run.Letters.clear(); // the run's room serves the next
        run.Indices.clear();
    };
    for (; k < items.size(); ++k) {
        const Piece& piece = *items[k];
        if (piece.Kind != PieceKind::Letter)
            flush();
        const bool formula = piece.Kind == PieceKind::Letter || piece.Kind == PieceKind::Open ||
                             piece.Kind == PieceKind::Close ||
                             (piece.Kind == PieceKind::Digit && partHasFormula);
        // "H2 O2" is not one formula: a blank between formula characters.
        if (formula && blank && partHasFormula)
            Flag(blank - 1);
        if (piece.Kind != PieceKind::Blank)
            blank = 0;
        switch (piece.Kind) {
        case PieceKind::Blank:
            blank = partHasFormula ? piece.Index + 1 : 0;
            break;
        case PieceKind::Letter:
            run.Letters += piece.Text;
            run.Indices.push_back(piece.Index);
            break;
        case PieceKind::Digit: {
            const WrittenKind kind = partHasFormula ? WrittenKind::Count : WrittenKind::Multiplier;
            if (!partHasFormula && !dot)
                break; // a coefficient after all
            // A "-" starts a negative count; digits add to the count before them.
            if (!tokens.empty() && tokens.back().Kind == kind && piece.Text != "-")
                tokens.back().Text += piece.Text;
            else
                tokens.push_back({kind, piece.Text});
            break;
        }
        case PieceKind::Open:
        case PieceKind::Close:
            tokens.push_back(
                {piece.Kind == PieceKind::Open ? WrittenKind::Open : WrittenKind::Close, piece.Text});
            break;
        case PieceKind::Charge:
            // One charge to a substance: a second one right after it (e^-^{-}, Fe^3+^+)
            // does not read, and is left out rather than replace the first.
            if (!tokens.empty() && tokens.back().Kind == WrittenKind::Charge) {
                Flag(piece.Index);
                break;
            }
            tokens.push_back({WrittenKind::Charge, piece.Text, piece.Style});
            break;
        case PieceKind::Dot:
            // A dot needs a formula before it too: "0.5 O2" is no hydrate.
            if (!partHasFormula || dot)
                Flag(piece.Index);
            tokens.push_back({WrittenKind::Dot, piece.Text});
            dot = piece.Index + 1;
            break;
        case PieceKind::Bond:
            tokens.push_back({WrittenKind::Bond, piece.Text});
            break;
        case PieceKind::State:
            tokens.push_back({WrittenKind::State, piece.Text});
            break;
        default:
            Flag(piece.Index);
            break;
        }
        if (formula && piece.Kind != PieceKind::Digit)
            partHasFormula = true;
        if (piece.Kind == PieceKind::Dot)
            partHasFormula = false;
        else if (formula && dot)
            dot = 0;
    }
    flush();
    if (dot)
        Flag(dot - 1); // a dot with nothing after it
    JoinPrefixes(tokens);
    // The electron: e with or without its charge, or a lone charge, {-}.
    if (!tokens.empty() && tokens.front().Kind == WrittenKind::Charge)
        tokens.insert(tokens.begin(), {WrittenKind::Symbol, "e"});
    const auto symbols = std::count_if(tokens.begin(), tokens.end(), [](const WrittenToken& token) {
        return token.Kind == WrittenKind::Symbol;
    });
    if (symbols == 1 && tokens.front().Kind == WrittenKind::Symbol && tokens.front().Text == "E" &&
        !caseWritten)
        tokens.front().Text = "e";
    // A state or a dot alone is no substance.
    if (symbols == 0)
        tokens.clear();
    return substance;
}

// n-Bu, tert-Bu: a prefix, its hyphen and its group are one symbol. A prefix without a
// group is letters typed in lower case.
void Reader::JoinPrefixes(std::vector<WrittenToken>& tokens)
{
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        if (tokens[k].Kind != WrittenKind::Symbol || !IsLower(tokens[k].Text[0]) || tokens[k].Text == "e")
            continue;
        const bool hyphen =
            k + 1 < tokens.size() && tokens[k + 1].Kind == WrittenKind::Bond && tokens[k + 1].Text == "-";
        const std::size_t group = k + (hyphen ? 2 : 1);
        if (group < tokens.size() && tokens[group].Kind == WrittenKind::Symbol &&
            (tokens[group].Text == "Pr" || tokens[group].Text == "Bu")) {
            tokens[k].Text += (hyphen ? "-" : "") + tokens[group].Text;
            tokens.erase(tokens.begin() + std::ptrdiff_t(k + 1), tokens.begin() + std::ptrdiff_t(group + 1));
            continue;
        }
        std::vector<WrittenToken> cased;
        for (std::string& symbol : CaseLikeTyping(tokens[k].Text))
            cased.push_back({WrittenKind::Symbol, std::move(symbol)});
        tokens.erase(tokens.begin() + std::ptrdiff_t(k));
        tokens.insert(tokens.begin() + std::ptrdiff_t(k), cased.begin(), cased.end());
    }
}

void Reader::Build()
{
    WrittenReaction& written = reading.Written;
    // The pieces are cut at the separators; each substance's list is filled in turn in one
    // list, which keeps its room from one to the next.
    std::vector<const Piece*> separators;
    std::vector<std::size_t> cuts{0}; // where each substance's pieces begin
    for (std::size_t p = 0; p < pieces.size(); ++p)
        if (pieces[p].Kind == PieceKind::Plus || pieces[p].Kind == PieceKind::Arrow) {
            separators.push_back(&pieces[p]);
            cuts.push_back(p + 1);
        }
    cuts.push_back(pieces.size() + 1);
    const std::size_t parts = cuts.size() - 1;
    std::vector<bool> empty;
    std::vector<std::vector<std::vector<WrittenToken>>> others;
    others.reserve(parts);
    reading.Coefficients.reserve(parts);
    written.Substances.reserve(parts);
    written.Joins.reserve(parts + 1);
    std::vector<const Piece*> substanceItems;
    substanceItems.reserve(pieces.size());
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        substanceItems.clear();
        for (std::size_t p = cuts[k]; p + 1 < cuts[k + 1]; ++p)
            substanceItems.push_back(&pieces[p]);
        WrittenSubstance substance = BuildSubstance(substanceItems);
        empty.push_back(substance.Tokens.empty());
        if (substance.Tokens.empty())
            continue;
        others.push_back(ChargeReadings(substance.Tokens));
        // Whole coefficients may choose among several balanced forms.
        const bool whole = std::all_of(substance.Given.begin(), substance.Given.end(),
                                       [](char c) { return c >= '0' && c <= '9'; });
        reading.Coefficients.push_back(whole ? substance.Given : "");
        written.Substances.push_back(std::move(substance));
    }
    // A "+" with no substance on one side is unusable: "+ H2" must not quietly become H2.
    // Arrows are all kept, so that Balance rejects an empty side or a second arrow.
    bool any = !empty[0];
    written.Joins.assign(any ? 1 : 0, "");
    int arrows = 0;
    bool sawArrow = false;
    for (std::size_t k = 0; k < separators.size(); ++k) {
        if (separators[k]->Kind == PieceKind::Arrow) {
            ++arrows;
            if (!sawArrow) {
                written.Arrow = separators[k]->Arrow;
                written.Reactants =
                    std::size_t(std::count(empty.begin(), empty.begin() + std::ptrdiff_t(k + 1), false));
            }
            sawArrow = true;
        } else if (empty[k] || empty[k + 1]) {
            Flag(separators[k]->Index);
        }
        if (!empty[k + 1]) {
            written.Joins.push_back(arrows ? std::string(std::size_t(arrows), '>') : any ? "+" : "");
            any = true;
            arrows = 0;
        }
    }
    written.Joins.push_back(std::string(std::size_t(arrows), '>'));
    if (!sawArrow)
        written.Reactants = written.Substances.size();
    Readings(others);
}

// The reading most likely meant, in Text, and the others in reading.Others, fewest changes
// from it first: the charges of Mn2+ and the like, and Pr, Ac and Ts as groups or elements.
void Reader::Readings(const std::vector<std::vector<std::vector<WrittenToken>>>& others)
{
    WrittenReaction& written = reading.Written;
    struct Choice
    {
        std::size_t Substance; // npos for a group
        std::string Group;
        std::size_t Options;
    };
    std::vector<Choice> choices;
    for (std::size_t k = 0; k < others.size(); ++k)
        if (!others[k].empty())
            choices.push_back({k, "", 1 + others[k].size()});
    for (const char* name : {"Pr", "Ac", "Ts"}) {
        bool present = false, organic = false;
        for (const WrittenSubstance& substance : written.Substances)
            for (std::size_t t = 0; t < substance.Tokens.size(); ++t)
                if (substance.Tokens[t].Kind == WrittenKind::Symbol && substance.Tokens[t].Text == name) {
                    present = true;
                    organic = organic || OrganicAround(substance.Tokens, t);
                }
        if (organic)
            written.ElementsAsGroups.push_back(name);
        if (present)
            choices.push_back({std::string::npos, name, 2});
    }
    reading.Text = CompactText(written);
    // Every combination while they are few, otherwise one change at a time.
    std::size_t combinations = 1;
    for (const Choice& choice : choices)
        combinations = std::min<std::size_t>(combinations * choice.Options, 1000);
    std::vector<std::vector<std::size_t>> picks;
    if (combinations <= 64) {
        std::vector<std::size_t> pick(choices.size(), 0);
        for (std::size_t n = 1; n < combinations; ++n) {
            for (std::size_t c = 0; c < choices.size() && ++pick[c] == choices[c].Options; ++c)
                pick[c] = 0;
            picks.push_back(pick);
        }
    } else {
        for (std::size_t c = 0; c < choices.size() && picks.size() < 32; ++c)
            for (std::size_t option = 1; option < choices[c].Options; ++option) {
                picks.emplace_back(choices.size(), 0);
                picks.back()[c] = option;
            }
    }
    const auto changes = [](const std::vector<std::size_t>& pick) {
        return std::count_if(pick.begin(), pick.end(), [](std::size_t option) { return option != 0; });
    };
    std::stable_sort(picks.begin(), picks.end(),
                     [&](const auto& a, const auto& b) { return changes(a) < changes(b); });
    // A few dozen readings are plenty; a reaction of thousands of ions tries no more.
    if (picks.size() > 32)
        picks.resize(32);
    for (const std::vector<std::size_t>& pick : picks) {
        ReadingCandidate candidate{"", written};
        for (std::size_t c = 0; c < choices.size(); ++c) {
            if (pick[c] == 0)
                continue;
            std::vector<std::string>& groups = candidate.Written.ElementsAsGroups;
            if (choices[c].Substance != std::string::npos)
                candidate.Written.Substances[choices[c].Substance].Tokens =
                    others[choices[c].Substance][pick[c] - 1];
            else if (std::find(groups.begin(), groups.end(), choices[c].Group) != groups.end())
                groups.erase(std::find(groups.begin(), groups.end(), choices[c].Group));
            else
                groups.push_back(choices[c].Group);
        }
        candidate.Text = CompactText(candidate.Written);
        reading.Others.push_back(std::move(candidate));
    }
}

} // namespace Notation
