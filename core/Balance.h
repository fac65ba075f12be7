// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The Balance command's work on the text: read the coefficients given, tidy, check, parse,
// solve exactly, and compose the answer or the reason why there is none.

// Coefficients in front of the prepared formulas, then every "1" that is only an implicit
// count or coefficient removed: H2, O2, H2O1 with 2, 1, 2 give 2H2+O2>2H2O. The coefficients
// are decimal texts of any length.
std::string ComposeBalancedReaction(const std::vector<std::string_view>& prepared,
                                    const std::vector<std::string>& coefficients, int reactants);

// The solution a redox reaction of ions is completed in when it lacks only hydrogen and
// oxygen: H^+ and H2O (acidic) or OH^- and H2O (basic).
enum class Medium
{
    None,
    Acidic,
    Basic
};

// Why a reaction has no answer. Each names what it is about in the outcome's fields.
enum class RefusalReason
{
    None,
    Empty,               // nothing to balance
    NoArrow,             // no ">"
    SeveralArrows,       // more than one ">"
    UnreadableCharacter, // Names: the character (a blank or foreign byte from a document)
    MissingSubstance,    // a "+" or the arrow with no substance on one side
    UnreadableFormula,   // Names: the formula
    ElementOnOneSide,    // Names: elements only on the left; OtherNames: only on the right
    ChargeOnOneSide,     // Names: "left" or "right", where the only charges stand
    NoBalancedForm,      // readable, the elements on both sides, and yet no coefficients fit
    SubstanceLeftOut,    // Names: the substances whose coefficient would be 0; Reactions: what balances
    WrongSide,           // Names: the substances to move; Reactions: the reaction with them moved
    SeveralReactions     // ReactionCount of them; Reactions: the first 100, in smallest whole numbers
};

// The reason's name in machine-readable output: "no_arrow", "wrong_side", ...
const char* RefusalCode(RefusalReason reason);

struct BalanceOutcome
{
    enum class Status
    {
        Balanced,
        InvalidReaction,
        CannotBalance
    } status = Status::InvalidReaction;
    std::string TidiedText;            // the text after the clean-up (what the line keeps after a failure)
    std::string BalancedText;          // the reaction with its coefficients, when Balanced
    std::vector<std::string> Formulas; // the formulas as the user sees them, substance order
    // The coefficients, every one positive, when each fits 64 bits (empty otherwise: then
    // only CoefficientTexts holds them).
    std::vector<long long> Coefficients;
    int Reactants = 0;

    // The coefficients as decimal texts, of any length; filled whenever Balanced.
    std::vector<std::string> CoefficientTexts;
    // The coefficients written in the text picked this answer out of several.
    bool GivenCoefficientsChose = false;
    // The answer completes the reaction with the medium's ions and water (Formulas and
    // BalancedText then hold them).
    Medium CompletedIn = Medium::None;

    // Why there is no answer, with what the reason names (see RefusalReason).
    RefusalReason Reason = RefusalReason::None;
    std::vector<std::string> Names;
    std::vector<std::string> OtherNames;
    std::vector<std::string> Reactions;
    // How many independent reactions the text holds (SeveralReactions).
    int ReactionCount = 0;
    // Coefficients were given for a reaction of several forms, but did not settle one.
    bool GivenCoefficientsUnsettled = false;
    // A refused reaction that completing in the medium would balance.
    bool CompletesInAcid = false;
    bool CompletesInBase = false;
};

// Never throws. The answer is always the smallest positive whole numbers: a reaction with
// exactly one balanced form, every coefficient positive, ends Balanced; coefficients
// written in front of the substances choose among several forms when they settle one.
// Anything unreadable ends InvalidReaction, any other refusal CannotBalance, each with its
// reason. With a medium, a refused reaction that completing in it balances is answered
// completed. A text alreadyTidy, as the reaction line's clean-up (TidyReaction) leaves it
// (typing gives it so), is not cleaned up a second time.
BalanceOutcome BalanceReaction(std::string reactionText, bool autoCase, Medium medium = Medium::None,
                               bool alreadyTidy = false);

// The coefficient texts written in front of the substances of a reaction text before its
// clean-up, one per substance ("" where none): 2KMnO4+5H2O2>... gives 2, 5, ... Empty when
// the text gives none.
std::vector<std::string> GivenCoefficients(std::string_view text);

// The compact reaction text with a coefficient put in front of each substance, one text per
// substance ("" puts none); the substances are counted as the cut at "+" and ">" counts them.
std::string WithGivenCoefficients(std::string_view text, const std::vector<std::string>& coefficients);
