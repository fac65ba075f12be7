// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a reaction line (raw, as from a document, and typed through the key
// mapping) and as a formula to weigh. Balance must never throw; MolarMass may throw only
// the core's own errors. Typing, which tidies only the new last character, must end in the
// same line as the editor's way of tidying the whole line after every character. A balanced
// reaction keeps charge: counted here from the formulas as written, apart from the parser.
// fuzz/balance.dict holds the pieces of charges, so the fuzzer reaches them early.
#include "core/Balance.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionText.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
// The charge a formula ends with: "^", a count (1 when none), "+" or "-"; 0 when it has none.
// Balance has read the formula, so the count fits 32 bits.
long long WrittenCharge(const std::string& formula)
{
    const size_t mark = formula.rfind('^');
    if (mark == std::string::npos)
        return 0;
    long long count = 0;
    size_t i = mark + 1;
    for (; i < formula.size() && formula[i] >= '0' && formula[i] <= '9'; ++i)
        count = count * 10 + (formula[i] - '0');
    if (i + 1 != formula.size() || (formula[i] != '+' && formula[i] != '-'))
        std::abort(); // a charge Balance should have turned down
    return (formula[i] == '-' ? -1 : 1) * (i == mark + 1 ? 1 : count);
}

void CheckChargeKept(const BalanceOutcome& outcome)
{
    if (outcome.status != BalanceOutcome::Status::Balanced)
        return;
    __int128 total = 0;
    for (size_t k = 0; k < outcome.Formulas.size(); ++k)
        total += __int128(WrittenCharge(outcome.Formulas[k])) * outcome.Coefficients.at(k) *
                 (int(k) < outcome.Reactants ? 1 : -1);
    if (total != 0)
        std::abort();
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
    // Some readable reactions keep the text passes cycling until their time budget is
    // spent; a short budget takes the same path to the exact solution, sooner.
    const std::chrono::milliseconds budget(20);
    std::string text(reinterpret_cast<const char*>(data), size);
    CheckChargeKept(BalanceReaction(text, true, budget));
    CheckChargeKept(BalanceReaction(text, false, budget));
    KeyOptions keys;
    for (bool autoCase : {true, false}) {
        keys.AutoCase = autoCase;
        const std::string typed = TypeReaction(text, keys);
        if (size <= 4096 && typed != TypedOneByOne(text, keys))
            std::abort();
        CheckChargeKept(BalanceReaction(typed, autoCase, budget));
    }
    try {
        MolarMass(text);
    } catch (const StoikonError&) {
    }
    return 0;
}
