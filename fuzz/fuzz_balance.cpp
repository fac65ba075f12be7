// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a reaction line (raw, as from a document, and typed through the key
// mapping) and as a formula to weigh. Balance must never throw; MolarMass may throw only
// the core's own errors.
#include "core/Balance.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionText.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Some readable reactions keep the text passes cycling until their time budget is
    // spent; a short budget takes the same path to the exact solution, sooner.
    const std::chrono::milliseconds budget(20);
    std::string text(reinterpret_cast<const char*>(data), size);
    BalanceReaction(text, true, budget);
    BalanceReaction(text, false, budget);
    // Typing runs the clean-up after every character; keep long inputs to the raw paths.
    if (size <= 512)
        BalanceReaction(TypeReaction(text, KeyOptions()), true, budget);
    try {
        MolarMass(text);
    } catch (const StoikonError&) {
    }
    return 0;
}
