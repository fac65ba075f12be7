// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BalanceCheck.h"

#include "core/BalanceReading.h"
#include "core/ReactionText.h"

#include <boost/multiprecision/cpp_int.hpp>

namespace {

using BigInt = boost::multiprecision::cpp_int;

// A written coefficient as a number; cpp_int's own reading would take "010" for octal.
BigInt Decimal(const std::string& digits)
{
    BigInt n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

} // namespace

ReactionCheck CheckReaction(std::string reactionText, bool autoCase)
{
    ReactionCheck check;
    std::vector<std::string> given = GivenCoefficients(reactionText);
    int caretPos = 0;
    TidyReaction(reactionText, caretPos, autoCase);
    check.Text = reactionText;
    try {
        ReactionReading reading;
        ReadReaction(reactionText, false, reading);
        const size_t substances = reading.Shown.size();
        if (given.size() != substances)
            given.assign(substances, std::string());
        check.Text = WithGivenCoefficients(reactionText, given);
        std::vector<BigInt> coefficients;
        BigInt common = 0;
        for (const std::string& text : given) {
            coefficients.push_back(text.empty() ? BigInt(1) : Decimal(text));
            common = boost::multiprecision::gcd(common, coefficients.back());
        }
        bool balanced = true;
        check.Elements = reading.Elements;
        for (size_t e = 0; e < reading.Elements.size(); ++e) {
            BigInt sides[2] = {0, 0};
            for (size_t k = 0; k < substances; ++k)
                sides[int(k) >= reading.Reactants] += coefficients[k] * reading.Counts.At(k, e);
            check.Left.push_back(sides[0].str());
            check.Right.push_back(sides[1].str());
            balanced = balanced && sides[0] == sides[1];
        }
        check.status = balanced ? BalanceOutcome::Status::Balanced : BalanceOutcome::Status::CannotBalance;
        check.CommonDivisor = common.str();
    } catch (const ReactionRefused& refused) {
        check.Reason = refused.Reason;
        check.Names = refused.Names;
    }
    return check;
}
