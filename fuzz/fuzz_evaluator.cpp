// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text through the formula evaluator: it must answer or fail, never crash
// or hang. Whatever number it reads must also come back readable from the number
// format, since results are read again by enclosing expressions.

#include "grid/FormulaEvaluator.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> result = EvaluateExpression(text);
    if (result && result->empty())
        std::abort();

    const std::optional<long double> value = ParseRealNumber(text);
    if (value) {
        if (!std::isfinite(*value))
            std::abort();
        if (!ParseRealNumber(FormatGeneral(*value)))
            std::abort();
    }
    return 0;
}
