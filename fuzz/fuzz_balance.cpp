// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a reaction line (raw, as from a document, and typed through the key
// mapping) and as a formula to weigh. Balance must never throw; MolarMass may throw only
// the core's own errors. Typing, which tidies only the new last character, must end in the
// same line as the editor's way of tidying the whole line after every character. Every
// answer is recounted here, apart from the parser: each element and the charge must come
// out the same on both sides, every coefficient positive; so must every reaction a refusal
// offers (the one with substances moved or left out, each independent reaction).
// fuzz/balance.dict holds the pieces of charges, so the fuzzer reaches them early.
#include "core/Balance.h"
#include "core/ChargeNotation.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionParser.h"
#include "core/ReactionText.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using BigInt = boost::multiprecision::cpp_int;
using Tally = std::map<std::string, BigInt>; // lower-case symbol (or "^") to its total

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Decimal digits as a number (cpp_int's own reading takes a leading 0 for octal).
BigInt Decimal(const std::string& digits)
{
    BigInt n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

// A count as the reaction text writes it: digits, "-" and digits, or a bare "-" (-1); none is 1.
BigInt Count(const std::string& text, size_t& i)
{
    const bool negative = i < text.size() && text[i] == '-';
    i += negative;
    const size_t start = i;
    while (i < text.size() && IsDigitChar(text[i]))
        ++i;
    const BigInt n = i == start ? BigInt(1) : Decimal(text.substr(start, i - start));
    return negative ? BigInt(-n) : n;
}

// Adds times the atoms of the formula from text[i] up to the end of its group (or of the
// formula), and then its charge; i ends past them.
void AddFormula(const std::string& text, size_t& i, const BigInt& times, Tally& tally)
{
    if ((text[i] == 'e' || text[i] == 'E') && text.find('^', i) == i + 1 + (text[i + 1] == '1'))
        i = text.find('^', i); // the electron: its charge only
    while (i < text.size() && text[i] != ')' && text[i] != '^' && !IsSeparatorAt(text, i)) {
        if (text[i] == '(') {
            Tally inner;
            AddFormula(text, ++i, 1, inner);
            if (i >= text.size() || text[i] != ')')
                std::abort(); // Balance answered with a formula it cannot have read
            const BigInt n = Count(text, ++i);
            for (const auto& [symbol, count] : inner)
                tally[symbol] += count * n * times;
            continue;
        }
        if (!IsLetter(text[i]))
            std::abort();
        std::string symbol(1, char(text[i++] | 0x20));
        while (i < text.size() && text[i] >= 'a' && text[i] <= 'z')
            symbol += text[i++];
        tally[symbol] += Count(text, i) * times;
    }
    if (i < text.size() && text[i] == '^') {
        size_t start = ++i;
        while (i < text.size() && IsDigitChar(text[i]))
            ++i;
        const BigInt n = i == start ? BigInt(1) : Decimal(text.substr(start, i - start));
        tally["^"] += (text[i++] == '-' ? -n : n) * times;
    }
}

// A reaction text with coefficients: each element and the charge as much on the left as on
// the right, every coefficient positive.
void CheckBalanced(const std::string& reaction)
{
    Tally sides[2];
    int side = 0;
    // Each substance: its coefficient (digits, never 0 or a sign), then its formula.
    for (size_t i = 0; i <= reaction.size(); ++i) {
        const size_t start = i;
        while (i < reaction.size() && IsDigitChar(reaction[i]))
            ++i;
        const BigInt coefficient = i == start ? BigInt(1) : Decimal(reaction.substr(start, i - start));
        if (coefficient <= 0 || i == reaction.size() || reaction[i] == '-')
            std::abort();
        AddFormula(reaction, i, coefficient, sides[side]);
        if (i < reaction.size() && reaction[i] == '>')
            side = 1;
    }
    for (int s = 0; s < 2; ++s)
        for (const auto& [symbol, count] : sides[s])
            if (count != 0 && sides[1 - s][symbol] != count)
                std::abort();
}

void CheckAnswers(const BalanceOutcome& outcome)
{
    if (outcome.status == BalanceOutcome::Status::Balanced) {
        if (outcome.CoefficientTexts.size() != outcome.Formulas.size())
            std::abort();
        CheckBalanced(outcome.BalancedText);
    }
    for (const std::string& reaction : outcome.Reactions)
        CheckBalanced(reaction);
}

// The editor's way, quadratic in the length: the whole line tidied after every character.
std::string TypedOneByOne(const std::string& typed, const KeyOptions& keys)
{
    std::string text;
    int caretPos = 0;
    for (char32_t ch : DecodeUtf8(typed)) {
        const char32_t mapped = MapKey(ch, keys);
        if (mapped < 0x80 && IsReactionChar(char(mapped))) {
            text.insert(size_t(caretPos), 1, char(mapped));
            ++caretPos;
        }
        TidyReaction(text, caretPos, keys.AutoCase);
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    for (const Medium medium : {Medium::None, Medium::Acidic}) {
        CheckAnswers(BalanceReaction(text, true, medium));
        CheckAnswers(BalanceReaction(text, false, medium));
    }
    KeyOptions keys;
    for (bool autoCase : {true, false}) {
        keys.AutoCase = autoCase;
        const std::string typed = TypeReaction(text, keys);
        if (size <= 4096 && typed != TypedOneByOne(text, keys))
            std::abort();
        CheckAnswers(BalanceReaction(typed, autoCase, Medium::Basic));
    }
    try {
        MolarMass(text);
    } catch (const StoikonError&) {
    }
    return 0;
}
