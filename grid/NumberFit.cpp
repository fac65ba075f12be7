// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/NumberFit.h"

#include "grid/FormulaEvaluator.h"

std::string FitNumberText(const std::string& text, const std::function<bool(const std::string&)>& fits)
{
    if (fits(text))
        return text;
    const std::optional<long double> value = ParseRealNumber(text);
    if (!value)
        return text;
    // The most digits that fit; fewer digits never make a text longer.
    for (int digits = 15; digits >= 1; --digits) {
        std::string rounded = FormatGeneral(*value, digits);
        if (fits(rounded))
            return rounded;
    }
    return text;
}
