// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Balance.h"

#include "core/BalanceReading.h"
#include "core/ExactBalance.h"
#include "core/ReactionText.h"

#include <algorithm>
#include <charconv>

namespace {

using Status = BalanceOutcome::Status;

bool IsNegative(const std::string& coefficient)
{
    return coefficient[0] == '-';
}

bool IsZero(const std::string& coefficient)
{
    return coefficient.size() == 1 && coefficient[0] == '0';
}

std::string Magnitude(const std::string& coefficient)
{
    return IsNegative(coefficient) ? coefficient.substr(1) : coefficient;
}

// Where each substance of a signed form goes: a positive coefficient keeps its side, a
// negative one moves it to the other (a flipped form moves the others), 0 leaves it out.
// Each side keeps its substances in order, those that came across after them.
struct Arrangement
{
    std::vector<size_t> Order; // substance indices, left side first
    std::vector<std::string> Coefficients;
    int Reactants = 0;
};

Arrangement Arrange(const ReactionReading& reading, const std::vector<std::string>& form, bool flip)
{
    Arrangement a;
    for (const bool left : {true, false}) {
        for (const bool stays : {true, false})
            for (size_t k = 0; k < form.size(); ++k) {
                const bool wasLeft = int(k) < reading.Reactants;
                const bool moves = IsNegative(form[k]) != flip;
                if (!IsZero(form[k]) && (wasLeft != moves) == left && moves != stays) {
                    a.Order.push_back(k);
                    a.Coefficients.push_back(Magnitude(form[k]));
                }
            }
        if (left)
            a.Reactants = int(a.Order.size());
    }
    return a;
}

// The substances in the order given.
std::vector<std::string_view> InOrder(const std::vector<std::string_view>& substances,
                                      const std::vector<size_t>& order)
{
    std::vector<std::string_view> ordered;
    ordered.reserve(order.size());
    for (size_t k : order)
        ordered.push_back(substances[k]);
    return ordered;
}

std::string Compose(const ReactionReading& reading, const Arrangement& a)
{
    return ComposeBalancedReaction(InOrder(reading.PreparedFormulas(), a.Order), a.Coefficients, a.Reactants);
}

std::string ComposeSigned(const ReactionReading& reading, const std::vector<std::string>& form,
                          bool flip = false)
{
    return Compose(reading, Arrange(reading, form, flip));
}

// The answer: the substances in order (or, after a completion, as arranged), every
// coefficient positive.
void SetBalanced(BalanceOutcome& outcome, const ReactionReading& reading,
                 std::vector<std::string> coefficients, const std::vector<size_t>* order, int reactants)
{
    const size_t n = coefficients.size();
    std::vector<std::string_view> ordered; // only after a completion: most answers keep the order read
    if (order)
        ordered = InOrder(reading.Shown, *order);
    const std::vector<std::string_view>& written = order ? ordered : reading.Shown;
    outcome.Formulas.clear();
    outcome.Formulas.reserve(n);
    outcome.Coefficients.resize(n);
    bool fit = true;
    for (size_t i = 0; i < n; ++i) {
        outcome.Formulas.emplace_back(written[i]);
        const std::string& text = coefficients[i];
        if (text.size() == 1 && IsDigitChar(text[0])) { // most coefficients
            outcome.Coefficients[i] = text[0] - '0';
            continue;
        }
        const auto end = text.data() + text.size();
        fit = fit && std::from_chars(text.data(), end, outcome.Coefficients[i]).ptr == end;
    }
    if (!fit)
        outcome.Coefficients.clear(); // beyond 64 bits: the texts hold them
    outcome.Reactants = reactants;
    if (!ComposeAsWritten(written, coefficients, reactants, outcome.BalancedText)) {
        const std::vector<std::string_view>& prepared = reading.PreparedFormulas();
        outcome.BalancedText =
            ComposeBalancedReaction(order ? InOrder(prepared, *order) : prepared, coefficients, reactants);
    }
    outcome.CoefficientTexts = std::move(coefficients);
    outcome.status = Status::Balanced;
}

void SetBalanced(BalanceOutcome& outcome, const ReactionReading& reading, Arrangement a)
{
    SetBalanced(outcome, reading, std::move(a.Coefficients), &a.Order, a.Reactants);
}

// The equations that hold given coefficients in their ratio: the first given one against
// each other one. Empty when fewer than two are usable.
std::vector<std::vector<std::int64_t>> GivenRatios(const std::vector<std::string>& given, size_t substances)
{
    std::vector<std::vector<std::int64_t>> rows;
    if (given.size() != substances)
        return rows;
    size_t first = substances;
    std::int64_t firstValue = 0;
    for (size_t k = 0; k < substances; ++k) {
        std::int64_t value = 0;
        const std::string& text = given[k];
        const auto end = text.data() + text.size();
        if (text.empty() || std::from_chars(text.data(), end, value).ptr != end || value <= 0)
            continue;
        if (first == substances) {
            first = k;
            firstValue = value;
            continue;
        }
        std::vector<std::int64_t> row(substances, 0);
        row[k] = firstValue;
        row[first] = -value;
        rows.push_back(std::move(row));
    }
    return rows;
}

bool AllPositive(const std::vector<std::string>& form)
{
    for (const std::string& c : form)
        if (IsNegative(c) || IsZero(c))
            return false;
    return true;
}

bool KeepsSides(const std::vector<std::vector<std::string>>& forms)
{
    for (const std::vector<std::string>& form : forms)
        for (const std::string& c : form)
            if (IsNegative(c))
                return false;
    return true;
}

// The independent reactions as forms in which every substance keeps its side, when some
// choice of free substances gives them (C+O2>CO+CO2 is C+O2>CO2 and 2C+O2>2CO, never a
// form that turns CO into CO2); the choices are tried in turn, the last substances first,
// up to a bound (and not for many forms of many substances, where each try is long).
// Otherwise the first basis, its substances moved as its signs say.
std::vector<std::vector<std::string>> SideKeepingForms(const ReactionReading& reading,
                                                       const ExactSolution& exact)
{
    const size_t n = reading.Shown.size();
    const size_t d = size_t(exact.Dimension);
    if (exact.Forms.size() < d)
        return exact.Forms;      // too many to choose among
    std::vector<size_t> pick(d); // the free substances, counted from the last one
    for (size_t i = 0; i < d; ++i)
        pick[i] = i;
    const int bound = n * d > 2000 ? 0 : 200;
    ExactSolution tried; // its storage, and the order's, kept from try to try
    std::vector<size_t> order;
    order.reserve(n);
    for (int tries = 0; tries < bound && !KeepsSides(exact.Forms); ++tries) {
        order.clear();
        for (size_t k = 0; k < n; ++k)
            if (std::find(pick.begin(), pick.end(), n - 1 - k) == pick.end())
                order.push_back(k);
        for (size_t i = d; i-- > 0;)
            order.push_back(n - 1 - pick[i]);
        SolveExactly(reading.Counts, reading.Reactants, tried, {}, order);
        if (KeepsSides(tried.Forms))
            return std::move(tried.Forms);
        size_t i = d;
        while (i > 0 && pick[i - 1] == n - d + i - 1)
            --i;
        if (i == 0)
            break;
        ++pick[i - 1];
        for (size_t j = i; j < d; ++j)
            pick[j] = pick[j - 1] + 1;
    }
    return exact.Forms;
}

// The one form decides: all positive is the answer; a zero leaves a substance out; mixed
// signs put substances on the wrong side (those of the fewer sign move).
Status Decide(const ReactionReading& reading, std::vector<std::string>& form, BalanceOutcome& outcome)
{
    if (AllPositive(form)) {
        SetBalanced(outcome, reading, std::move(form), nullptr, reading.Reactants);
        return Status::Balanced;
    }
    size_t negative = 0, zero = 0;
    for (const std::string& c : form) {
        negative += IsNegative(c);
        zero += IsZero(c);
    }
    const bool flip = 2 * negative > form.size() - zero;
    for (size_t k = 0; k < form.size(); ++k)
        if (zero ? IsZero(form[k]) : IsNegative(form[k]) != flip)
            outcome.Names.emplace_back(reading.Shown[k]);
    outcome.Reason = zero ? RefusalReason::SubstanceLeftOut : RefusalReason::WrongSide;
    outcome.Reactions.push_back(ComposeSigned(reading, form, flip));
    return Status::CannotBalance;
}

Status Balance(const std::string& text, const std::vector<std::string>& given, BalanceOutcome& outcome)
{
    thread_local ReactionReading reading;
    thread_local ExactSolution exact;
    struct ReleaseLarge
    {
        ~ReleaseLarge()
        {
            if (reading.Prepared.capacity() > (1 << 16) || reading.Counts.Counts.capacity() > (1 << 16))
                reading = ReactionReading(); // kept for the next reaction unless very large
            exact.Forms.clear();             // the list kept, not the forms
        }
    } releaseLarge;
    ReactionRefused refused{};
    if (!ReadReaction(text, true, reading, refused)) {
        outcome.Reason = refused.Reason;
        outcome.Names = std::move(refused.Names);
        outcome.OtherNames = std::move(refused.OtherNames);
        return refused.Status;
    }
    SolveExactly(reading.Counts, reading.Reactants, exact);
    if (exact.Dimension == 1)
        return Decide(reading, exact.Forms.front(), outcome);
    if (exact.Dimension == 0) {
        // Charge on one side only can still balance (Cu>Cu^2++2e^-), so it is named only
        // when nothing balances.
        const unsigned char chargeSides = reading.Charged() ? reading.Sides.back() : 3;
        outcome.Reason = chargeSides == 3 ? RefusalReason::NoBalancedForm : RefusalReason::ChargeOnOneSide;
        if (chargeSides != 3)
            outcome.Names.push_back(chargeSides == 1 ? "left" : "right");
        return Status::CannotBalance;
    }
    const std::vector<std::vector<std::int64_t>> ratios = GivenRatios(given, reading.Shown.size());
    if (!ratios.empty()) {
        ExactSolution chosen = SolveExactly(reading.Counts, reading.Reactants, ratios, {}, 1);
        if (chosen.Dimension == 1 && AllPositive(chosen.Forms.front())) {
            outcome.GivenCoefficientsChose = true;
            return Decide(reading, chosen.Forms.front(), outcome);
        }
        outcome.GivenCoefficientsUnsettled = true;
    }
    outcome.Reason = RefusalReason::SeveralReactions;
    outcome.ReactionCount = exact.Dimension;
    for (const std::vector<std::string>& form : SideKeepingForms(reading, exact))
        outcome.Reactions.push_back(ComposeSigned(reading, form));
    return Status::CannotBalance;
}

// The reaction of ions completed with the medium's ion and water, appended to the products
// unless the text holds them already; their coefficients may take either sign (and 0 drops
// one), while every substance of the text must stay on its side. True when that balances in
// exactly one way.
bool Complete(const std::string& text, Medium medium, BalanceOutcome* outcome)
{
    const std::string ion = medium == Medium::Acidic ? "H^+" : "OH^-";
    std::string completed = text;
    {
        int reactants = 0;
        const std::vector<std::string_view> shown = SplitFormulas(text, reactants);
        for (const std::string_view added : {std::string_view(ion), std::string_view("H2O")})
            if (std::find(shown.begin(), shown.end(), added) == shown.end())
                completed.append("+").append(added);
    }
    ReactionReading reading;
    ReactionRefused refused{};
    if (!ReadReaction(completed, false, reading, refused))
        return false;
    const ExactSolution exact = SolveExactly(reading.Counts, reading.Reactants, {}, {}, 1);
    if (exact.Dimension != 1)
        return false;
    std::vector<std::string> form = exact.Forms.front();
    bool flip = false;
    bool first = true;
    for (size_t k = 0; k < form.size(); ++k) {
        if (reading.Shown[k] == ion || reading.Shown[k] == "H2O")
            continue;
        if (IsZero(form[k]) || (!first && IsNegative(form[k]) != flip))
            return false;
        flip = IsNegative(form[k]);
        first = false;
    }
    if (outcome) {
        BalanceOutcome completedOutcome;
        completedOutcome.TidiedText = std::move(outcome->TidiedText);
        SetBalanced(completedOutcome, reading, Arrange(reading, form, flip));
        completedOutcome.CompletedIn = medium;
        *outcome = std::move(completedOutcome);
    }
    return true;
}

} // namespace

const char* RefusalCode(RefusalReason reason)
{
    static const char* const codes[] = {"",
                                        "empty",
                                        "no_arrow",
                                        "several_arrows",
                                        "unreadable_character",
                                        "missing_substance",
                                        "unreadable_formula",
                                        "element_on_one_side",
                                        "charge_on_one_side",
                                        "no_balanced_form",
                                        "substance_left_out",
                                        "wrong_side",
                                        "several_reactions"};
    return codes[int(reason)];
}

BalanceOutcome BalanceReaction(std::string reactionText, bool autoCase, Medium medium, bool alreadyTidy)
{
    BalanceOutcome outcome;
    const std::vector<std::string> given = GivenCoefficients(reactionText);
    outcome.TidiedText = std::move(reactionText);
    int caretPos = 0;
    if (!alreadyTidy)
        TidyReaction(outcome.TidiedText, caretPos, autoCase);
    try {
        outcome.status = Balance(outcome.TidiedText, given, outcome);
    } catch (const ReactionRefused& refused) {
        outcome.status = refused.Status;
        outcome.Reason = refused.Reason;
        outcome.Names = refused.Names;
        outcome.OtherNames = refused.OtherNames;
    } catch (const std::exception&) {
        outcome.status = Status::InvalidReaction; // out of memory on an enormous reaction
    }
    if (outcome.status == Status::Balanced)
        return outcome;
    // A reaction of ions that reads but does not balance may balance in solution.
    const RefusalReason r = outcome.Reason;
    const bool ions = outcome.TidiedText.find('^') != std::string::npos;
    if (ions && (r == RefusalReason::ElementOnOneSide || r >= RefusalReason::ChargeOnOneSide)) {
        if (medium != Medium::None && Complete(outcome.TidiedText, medium, &outcome))
            return outcome;
        outcome.CompletesInAcid = Complete(outcome.TidiedText, Medium::Acidic, nullptr);
        outcome.CompletesInBase = Complete(outcome.TidiedText, Medium::Basic, nullptr);
    }
    return outcome;
}
