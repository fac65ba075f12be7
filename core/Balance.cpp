// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Balance.h"

#include "core/BalanceSolver.h"
#include "core/Errors.h"
#include "core/ExactBalance.h"
#include "core/Fraction.h"
#include "core/ReactionParser.h"
#include "core/ReactionText.h"

namespace {

std::vector<long long> ToCoefficients(const std::vector<std::string>& scaled)
{
    std::vector<long long> coefficients;
    for (const std::string& text : scaled)
        coefficients.push_back(ParseInt32(text));
    return coefficients;
}

// The text passes first; their answer is kept only when it balances every element.
std::vector<long long> SolveCoefficients(const std::vector<std::string>& countVectors,
                                         const std::vector<std::string>& equations, int reactants,
                                         const ExactSolution& exact, std::chrono::milliseconds budget,
                                         bool& usedExact)
{
    try {
        std::vector<std::string> values;
        if (SolveBalance(countVectors, equations, values, budget)) {
            std::vector<long long> coefficients = ToCoefficients(ScaleToWholeNumbers(values));
            if (IsBalanced(countVectors, reactants, coefficients)) {
                usedExact = false;
                return coefficients;
            }
        }
    } catch (const StoikonError&) {
        // A text the passes cannot read or an overflow: the exact solution stands in.
    }
    usedExact = true;
    return ToCoefficients(ScaleToWholeNumbers(exact.Values));
}

void Balance(const std::string& text, std::chrono::milliseconds budget, BalanceOutcome& outcome)
{
    if (text.empty())
        throw InvalidReactionError("empty reaction");
    for (char c : text)
        if (!IsReactionChar(c))
            throw InvalidReactionError("character outside the reaction alphabet");
    size_t arrow = text.find('>');
    if (arrow == std::string::npos)
        throw InvalidReactionError("no arrow");
    if (text.find('>', arrow + 1) != std::string::npos)
        throw InvalidReactionError("more than one arrow");

    std::string prepared = PrepareReaction(text);
    SubstanceLists substances = SplitSubstances(prepared);
    std::vector<std::string> formulas = substances.Reactants;
    formulas.insert(formulas.end(), substances.Products.begin(), substances.Products.end());
    int reactants = int(substances.Reactants.size());

    size_t preparedArrow = prepared.find('>');
    std::vector<std::string> elements = CollectElements(prepared);
    std::vector<std::string> productElements = CollectElements(prepared.substr(preparedArrow + 1));
    std::vector<std::string> reactantElements = CollectElements(prepared.substr(0, preparedArrow));
    if (productElements.size() != reactantElements.size())
        throw InvalidReactionError("the two sides hold different elements");
    for (const std::string& element : reactantElements)
        if (IndexOfSymbol(productElements, element) < 0)
            throw InvalidReactionError("the two sides hold different elements");

    std::vector<std::string> countVectors = CountElements(formulas, elements);
    for (const std::string& vector : countVectors) {
        bool hasAtoms = false;
        for (long long n : ParseCountVector(vector))
            hasAtoms = hasAtoms || n != 0;
        if (!hasAtoms)
            throw InvalidReactionError("a substance without atoms");
    }
    std::vector<std::string> equations = BuildEquations(elements, countVectors, reactants);

    // Knowing the number of balanced forms first keeps the passes from cycling toward the
    // time budget on reactions they cannot settle.
    ExactSolution exact = SolveExactly(countVectors, reactants);
    if (exact.Dimension != 1)
        throw CannotBalanceError("not exactly one balanced form");
    // A form with a zero coefficient leaves a substance out: it balances some other
    // reaction, and the passes would only cycle on it until their budget runs out.
    for (const std::string& value : exact.Values)
        if (ParseFraction(value).Numerator == 0)
            throw CannotBalanceError("the only balanced form leaves a substance out");
    outcome.Coefficients =
        SolveCoefficients(countVectors, equations, reactants, exact, budget, outcome.UsedExactSolution);

    SubstanceLists shown = SplitSubstances(text);
    outcome.Formulas = shown.Reactants;
    outcome.Formulas.insert(outcome.Formulas.end(), shown.Products.begin(), shown.Products.end());
    outcome.Reactants = reactants;
    outcome.BalancedText = ComposeBalancedReaction(formulas, outcome.Coefficients, reactants);
}

} // namespace

std::string ComposeBalancedReaction(const std::vector<std::string>& prepared,
                                    const std::vector<long long>& coefficients, int reactants)
{
    std::string text;
    for (size_t i = 0; i < prepared.size(); ++i) {
        if (int(i) == reactants)
            text += '>';
        else if (i > 0)
            text += '+';
        text += std::to_string(i < coefficients.size() ? coefficients[i] : 1) + prepared[i];
    }
    // Remove every "1" that stands alone: not after "-" or a digit, not before a digit.
    // The first and the last character are handled after the walk.
    for (size_t p = 1; p + 1 < text.size();) {
        if (text[p] == '1' && text[p - 1] != '-' && !IsDigitChar(text[p - 1]) && !IsDigitChar(text[p + 1]))
            text.erase(p, 1);
        else
            ++p;
    }
    if (!text.empty() && text[0] == '1' && (text.size() < 2 || !IsDigitChar(text[1])))
        text.erase(0, 1);
    // Unlike the walk, a "-" does not protect the last "1": a final count of -1 is written
    // as a bare "-", which reads back as -1.
    if (text.size() >= 2 && text.back() == '1' && !IsDigitChar(text[text.size() - 2]))
        text.pop_back();
    return text;
}

BalanceOutcome BalanceReaction(const std::string& reactionText, bool autoCase,
                               std::chrono::milliseconds budget)
{
    BalanceOutcome outcome;
    outcome.TidiedText = reactionText;
    int caretPos = 0;
    TidyReaction(outcome.TidiedText, caretPos, autoCase);
    try {
        Balance(outcome.TidiedText, budget, outcome);
        outcome.status = BalanceOutcome::Status::Balanced;
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
