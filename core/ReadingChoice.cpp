// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReadingChoice.h"

#include "core/ChargeNotation.h"
#include "core/ElementTable.h"
#include "core/ReactionParser.h"
#include "core/ReactionText.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// The two-letter symbols of text whose letters are also two symbols, in order of first
// appearance: Co (C, O), No, Cs, Si, Hf, Sc.
std::vector<std::string> AmbiguousSymbols(const std::string& text)
{
    std::vector<std::string> symbols;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (!IsUpperLetter(text[i]) || !IsLowerLetter(text[i + 1]) ||
            (i + 2 < text.size() && IsLowerLetter(text[i + 2])))
            continue;
        const std::string symbol = text.substr(i, 2);
        const char second = char(text[i + 1] - 'a' + 'A');
        if (FindElement(symbol.substr(0, 1)) >= 0 && FindElement(std::string(1, second)) >= 0 &&
            std::find(symbols.begin(), symbols.end(), symbol) == symbols.end())
            symbols.push_back(symbol);
    }
    return symbols;
}

// text with every one of symbols written in capitals: Co2 as CO2.
std::string WithSplit(const std::string& text, const std::vector<std::string>& symbols)
{
    std::string read = text;
    for (std::size_t i = 0; i + 1 < read.size(); ++i)
        if (IsUpperLetter(read[i]) && IsLowerLetter(read[i + 1]) &&
            (i + 2 >= read.size() || !IsLowerLetter(read[i + 2])) &&
            std::find(symbols.begin(), symbols.end(), read.substr(i, 2)) != symbols.end())
            read[i + 1] = char(read[i + 1] - 'a' + 'A');
    return read;
}

// The texts of the substances of a compact reaction text, in their order.
std::vector<std::string> SubstanceTexts(const std::string& text)
{
    std::vector<std::string> substances(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsSeparatorAt(text, i))
            substances.emplace_back();
        else
            substances.back() += text[i];
    }
    return substances;
}

// The substances that read otherwise, as typed (in lower case, as typing them gave the
// two-letter symbol) and as read.
std::vector<ReadAs> Differences(const std::string& typed, const std::string& read)
{
    const std::vector<std::string> before = SubstanceTexts(typed), after = SubstanceTexts(read);
    std::vector<ReadAs> differences;
    for (std::size_t k = 0; k < before.size() && k < after.size(); ++k) {
        if (before[k] == after[k])
            continue;
        std::string lower = before[k];
        for (char& c : lower)
            c = IsUpperLetter(c) ? char(c - 'A' + 'a') : c;
        differences.push_back({lower, after[k]});
    }
    return differences;
}

// BalanceReadings of the texts first and then others, the first handed to the balance
// rather than copied (most lines have no other): when it does not balance, the text it
// tidied to stands for it (a text that tidies to nothing has no letters, and no symbols to
// read otherwise either).
ChosenReading ChooseReading(std::string&& first, const std::vector<std::string>& others, bool autoCase,
                            bool caseReadings, Medium medium, bool firstTidy = false)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    const auto timeLeft = [&] { return std::chrono::steady_clock::now() < deadline; };
    // The first text's outcome is made in its place: it usually balances.
    ChosenReading chosen{BalanceReaction(std::move(first), autoCase, medium, firstTidy), 0, {}, {}, {}};
    if (chosen.Outcome.status == BalanceOutcome::Status::Balanced)
        return chosen;
    for (std::size_t k = 0; k < others.size() && timeLeft(); ++k) {
        BalanceOutcome outcome = BalanceReaction(others[k], autoCase, medium);
        if (outcome.status == BalanceOutcome::Status::Balanced) {
            chosen.Outcome = std::move(outcome);
            chosen.Candidate = k + 1;
            return chosen;
        }
    }
    if (!caseReadings)
        return chosen;
    const std::string text = chosen.Outcome.TidiedText;
    const std::vector<std::string> symbols = AmbiguousSymbols(text);
    // Every choice of symbols while they are few (64 readings at most), otherwise one at a time.
    std::vector<std::vector<std::string>> splits;
    if (symbols.size() <= 6) {
        for (unsigned mask = 1; mask < (1u << symbols.size()); ++mask) {
            splits.emplace_back();
            for (std::size_t s = 0; s < symbols.size(); ++s)
                if (mask & (1u << s))
                    splits.back().push_back(symbols[s]);
        }
    } else {
        for (const std::string& symbol : symbols)
            splits.push_back({symbol});
    }
    std::vector<std::pair<std::vector<std::string>, BalanceOutcome>> balancing;
    for (const std::vector<std::string>& split : splits) {
        if (!timeLeft())
            break;
        BalanceOutcome outcome = BalanceReaction(WithSplit(text, split), autoCase, medium);
        if (outcome.status == BalanceOutcome::Status::Balanced)
            balancing.emplace_back(split, std::move(outcome));
    }
    // A symbol that stands alike on both sides balances either way (Cu read as CU); only the
    // readings that split no more than they need count.
    const auto within = [](const std::vector<std::string>& small, const std::vector<std::string>& large) {
        return small.size() < large.size() &&
               std::all_of(small.begin(), small.end(), [&](const std::string& symbol) {
                   return std::find(large.begin(), large.end(), symbol) != large.end();
               });
    };
    std::vector<bool> needed;
    for (const auto& reading : balancing)
        needed.push_back(std::none_of(balancing.begin(), balancing.end(),
                                      [&](const auto& other) { return within(other.first, reading.first); }));
    std::vector<std::pair<std::vector<std::string>, BalanceOutcome>> least;
    for (std::size_t k = 0; k < balancing.size(); ++k)
        if (needed[k])
            least.push_back(std::move(balancing[k]));
    balancing = std::move(least);
    if (balancing.size() == 1) {
        chosen.Split = balancing.front().first;
        chosen.Outcome = std::move(balancing.front().second);
        chosen.Read = Differences(text, chosen.Outcome.TidiedText);
    } else {
        for (const auto& [split, outcome] : balancing)
            chosen.Balancing.push_back(Differences(text, outcome.TidiedText));
    }
    return chosen;
}

} // namespace

ChosenReading BalanceReadings(const std::vector<std::string>& texts, bool autoCase, bool caseReadings,
                              Medium medium)
{
    if (texts.empty())
        return ChosenReading();
    return ChooseReading(std::string(texts.front()), std::vector<std::string>(texts.begin() + 1, texts.end()),
                         autoCase, caseReadings, medium);
}

ChosenReading BalanceReading(const NotationReading& reading, std::string text, bool autoCase, Medium medium,
                             bool textTidy)
{
    std::vector<std::string> others; // most readings have none, and no list is made
    for (const ReadingCandidate& other : reading.Others)
        others.push_back(WithGivenCoefficients(other.Text, reading.Coefficients));
    return ChooseReading(std::move(text), others, reading.Textbook ? false : autoCase,
                         reading.Textbook || autoCase, medium, textTidy && !reading.Textbook);
}

WrittenReaction ChosenWritten(const NotationReading& reading, const ChosenReading& chosen)
{
    WrittenReaction written =
        chosen.Candidate == 0 ? reading.Written : reading.Others[chosen.Candidate - 1].Written;
    if (!chosen.Split.empty()) // most readings split no symbol
        SplitSymbols(written, chosen.Split);
    return written;
}

std::string TextToBalance(const std::string& line, NotationReading& reading, const KeyMap& typing,
                          bool autoCase)
{
    if (reading.Textbook)
        return WithGivenCoefficients(reading.Text, reading.Coefficients);
    if (!reading.KeysMayWriteCoefficients)
        return std::move(reading.Text); // the usual line: no coefficient written, seen as it was read
    const size_t begin = line.find_first_not_of(" \t");
    const size_t end = line.find_last_not_of(" \t");
    const std::string_view typed = std::string_view(line).substr(begin, end + 1 - begin);
    std::string keys;
    if (std::all_of(typed.begin(), typed.end(),
                    [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        // ASCII, the usual line: each byte is its character. Most lines write no coefficient
        // (a digit typed first or after a separator), which is seen without keeping the keys.
        bool coefficient = false;
        char before = '+';
        for (const char b : typed)
            if (const char c = typing.Typed(static_cast<unsigned char>(b))) {
                coefficient = coefficient || (IsDigitChar(c) && (before == '+' || before == '>'));
                before = c;
            }
        if (!coefficient)
            return std::move(reading.Text); // not read again: handed over, not copied
        for (const char b : typed)
            if (const char c = typing.Typed(static_cast<unsigned char>(b)))
                keys += c;
    } else {
        for (char32_t ch : DecodeUtf8(typed))
            if (const char c = typing.Typed(ch))
                keys += c;
    }
    if (GivenCoefficients(keys).empty())
        return std::move(reading.Text);
    std::string tidied = keys;
    int caret = 0;
    TidyReaction(tidied, caret, autoCase);
    return tidied == reading.Text ? keys : reading.Text;
}
