// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Balance.h"

#include "core/BalanceSolver.h"
#include "core/ChargeNotation.h"
#include "core/Errors.h"
#include "core/ExactBalance.h"
#include "core/Fraction.h"
#include "core/ReactionParser.h"
#include "core/ReactionText.h"

namespace {

// The exact values as the fallback reads them: fractions of 32-bit whole numbers.
std::vector<long long> ExactCoefficients(const ExactSolution& exact)
{
    for (const Fraction& f : exact.Values)
        if (f.Numerator < INT32_MIN || f.Numerator > INT32_MAX || f.Denominator > INT32_MAX)
            throw ConversionError("exact value outside 32 bits");
    return ScaleToWholeNumbers(exact.Values);
}

// The text passes first; their answer is kept only when it balances every element.
std::vector<long long> SolveCoefficients(const CountTable& counts, const std::vector<std::string>& equations,
                                         int reactants, const ExactSolution& exact,
                                         std::chrono::milliseconds budget, bool& usedExact)
{
    try {
        std::vector<std::string> values;
        if (SolveBalance(counts, equations, values, budget)) {
            std::vector<Fraction> fractions;
            fractions.reserve(values.size());
            for (const std::string& value : values)
                fractions.push_back(ParseFraction(value));
            std::vector<long long> coefficients = ScaleToWholeNumbers(fractions);
            if (IsBalanced(counts, reactants, coefficients)) {
                usedExact = false;
                return coefficients;
            }
        }
    } catch (const StoikonError&) {
        // A text the passes cannot read or an overflow: the exact solution stands in.
    }
    usedExact = true;
    return ExactCoefficients(exact);
}

// The outcomes decided by the text's structure and by the exact solution are returned;
// errors of reading and solving arrive as exceptions.
using Status = BalanceOutcome::Status;

Status Balance(const std::string& text, std::chrono::milliseconds budget, BalanceOutcome& outcome)
{
    if (text.empty())
        return Status::InvalidReaction;
    for (char c : text)
        if (!IsReactionChar(c))
            return Status::InvalidReaction; // only from a document: typing drops them
    const size_t arrow = text.find('>');
    if (arrow == std::string::npos || text.find('>', arrow + 1) != std::string::npos)
        return Status::InvalidReaction;

    const std::string prepared = PrepareReaction(text);
    int reactants = 0;
    const std::vector<std::string_view> formulas = SplitFormulas(prepared, reactants);

    // Both sides must hold the same elements. Charge, listed last, may stand on one side
    // alone (Cu>Cu^2++e^-): it balances when it sums to the same on both.
    std::vector<unsigned char> sides;
    const std::vector<std::string> elements = CollectElements(prepared, prepared.find('>'), sides);
    const bool charged = !elements.empty() && elements.back() == ChargeSymbol;
    for (size_t e = 0; e + charged < sides.size(); ++e)
        if (sides[e] != 3)
            return Status::InvalidReaction;

    const CountTable counts = CountFormulas(formulas, elements);
    for (size_t k = 0; k < counts.Substances; ++k) {
        bool hasAtoms = false;
        for (size_t e = 0; e < counts.Elements; ++e)
            hasAtoms = hasAtoms || counts.At(k, e) != 0;
        if (!hasAtoms)
            return Status::InvalidReaction; // a substance without atoms (the electron has its charge)
    }
    const std::vector<std::string> equations = BuildEquations(elements, counts, reactants);

    // Knowing the number of balanced forms first keeps the passes from cycling toward the
    // time budget on reactions they cannot settle.
    const ExactSolution exact = SolveExactly(counts, reactants);
    if (exact.Dimension != 1)
        return Status::CannotBalance;
    // A form with a zero coefficient leaves a substance out: it balances some other
    // reaction, and the passes would only cycle on it until their budget runs out.
    for (const Fraction& value : exact.Values)
        if (value.Numerator == 0)
            return Status::CannotBalance;
    outcome.Coefficients =
        SolveCoefficients(counts, equations, reactants, exact, budget, outcome.UsedExactSolution);

    SubstanceLists shown = SplitSubstances(text);
    outcome.Formulas = std::move(shown.Reactants);
    outcome.Formulas.insert(outcome.Formulas.end(), std::make_move_iterator(shown.Products.begin()),
                            std::make_move_iterator(shown.Products.end()));
    outcome.Reactants = reactants;
    outcome.BalancedText = ComposeBalancedReaction(formulas, outcome.Coefficients, reactants);
    return Status::Balanced;
}

} // namespace

std::string ComposeBalancedReaction(const std::vector<std::string_view>& prepared,
                                    const std::vector<long long>& coefficients, int reactants)
{
    std::string text;
    size_t size = 0;
    for (const std::string_view formula : prepared)
        size += formula.size() + 12;
    text.reserve(size);
    for (size_t i = 0; i < prepared.size(); ++i) {
        if (int(i) == reactants)
            text += '>';
        else if (i > 0)
            text += '+';
        AppendWholeNumber(text, i < coefficients.size() ? coefficients[i] : 1);
        text += prepared[i];
    }
    // Remove every "1" that stands alone: not after "-" or a digit, not before a digit.
    // Each character is judged by the kept one before it and the next one, so the kept
    // text is written over the text itself; the first and the last character are handled
    // after the walk.
    size_t kept = 0;
    for (size_t p = 0; p < text.size(); ++p) {
        const bool inner = p > 0 && p + 1 < text.size();
        const char before = kept > 0 ? text[kept - 1] : '\0';
        if (inner && text[p] == '1' && before != '-' && !IsDigitChar(before) && !IsDigitChar(text[p + 1]))
            continue;
        text[kept++] = text[p];
    }
    text.resize(kept);
    if (!text.empty() && text[0] == '1' && (text.size() < 2 || !IsDigitChar(text[1])))
        text.erase(0, 1);
    // Unlike the walk, a "-" does not protect the last "1": a final count of -1 is written
    // as a bare "-", which reads back as -1.
    if (text.size() >= 2 && text.back() == '1' && !IsDigitChar(text[text.size() - 2]))
        text.pop_back();
    return text;
}

std::string ComposeBalancedReaction(const std::vector<std::string>& prepared,
                                    const std::vector<long long>& coefficients, int reactants)
{
    return ComposeBalancedReaction(std::vector<std::string_view>(prepared.begin(), prepared.end()),
                                   coefficients, reactants);
}

BalanceOutcome BalanceReaction(std::string reactionText, bool autoCase, std::chrono::milliseconds budget)
{
    BalanceOutcome outcome;
    outcome.TidiedText = std::move(reactionText);
    int caretPos = 0;
    TidyReaction(outcome.TidiedText, caretPos, autoCase);
    try {
        outcome.status = Balance(outcome.TidiedText, budget, outcome);
    } catch (const CannotBalanceError&) {
        outcome.status = BalanceOutcome::Status::CannotBalance;
    } catch (const std::exception&) {
        outcome.status = BalanceOutcome::Status::InvalidReaction;
    }
    if (outcome.status != BalanceOutcome::Status::Balanced) {
        outcome.BalancedText.clear();
        outcome.Formulas.clear();
        outcome.Coefficients.clear();
        outcome.Reactants = 0;
        outcome.UsedExactSolution = false;
    }
    return outcome;
}
