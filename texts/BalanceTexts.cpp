// SPDX-License-Identifier: GPL-3.0-or-later
// What Balance and Check say of a reaction.

#include "texts/Texts.h"

namespace Texts {

// Balance's reasons, its offer to complete a reaction in solution, and Check. They are only
// shown, never stored, so they may hold subscripts and arrows; "%1" and "%2" stand for what
// a reason names.
const LocalText ReasonEmpty{"There is no reaction to balance.", "واکنشی برای موازنه نوشته نشده است."};
const LocalText ReasonNoArrow{"The reaction has no arrow (>) between its two sides.",
                              "واکنش پیکانی (>) میان دو طرف خود ندارد."};
const LocalText ReasonSeveralArrows{"The reaction has more than one arrow (>).",
                                    "واکنش بیش از یک پیکان (>) دارد."};
const LocalText ReasonUnreadableCharacter{
    "It holds a character that has no place in a formula: %1",
    "نویسه‌ای دارد که جایی در فرمول ندارد: %1"};
const LocalText ReasonMissingSubstance{
    "A \"+\" or the arrow has no substance on one side.",
    "یک «+» یا پیکان در یک طرف خود ماده‌ای ندارد."};
const LocalText ReasonUnreadableFormula{"%1 cannot be read as a formula.",
                                        "%1 را نمی‌توان فرمول خواند."};
const LocalText ReasonOnlyReactants{"%1 appears only among the reactants.",
                                    "%1 فقط در واکنش‌دهنده‌ها هست."};
const LocalText ReasonOnlyProducts{"%1 appears only among the products.",
                                   "%1 فقط در فراورده‌ها هست."};
const LocalText ReasonChargeOnlyReactants{
    "Only the reactants carry a charge, and it cannot balance.",
    "فقط واکنش‌دهنده‌ها بار دارند و بار موازنه نمی‌شود."};
const LocalText ReasonChargeOnlyProducts{
    "Only the products carry a charge, and it cannot balance.",
    "فقط فراورده‌ها بار دارند و بار موازنه نمی‌شود."};
const LocalText ReasonNoBalancedForm{
    "No coefficients give every element (and the charge) the same total on both sides.",
    "هیچ ضریبی مقدار هر عنصر (و بار) را در دو طرف برابر "
    "نمی‌کند."};
const LocalText ReasonLeftOut{"It balances only without %1: %2",
                              "فقط بدون %1 موازنه می‌شود: %2"};
const LocalText ReasonWrongSide{"%1 belongs on the other side: %2", "جای %1 در طرف دیگر است: %2"};
const LocalText ReasonSeveralReactions{
    "It is %1 independent reactions written as one:",
    "این %1 واکنش مستقل است که یکجا نوشته شده‌اند:"};
const LocalText ReasonMoreReactions{"and %1 more.", "و %1 واکنش دیگر."};
const LocalText ReasonGivenUnsettled{
    "The coefficients written do not settle which one is meant.",
    "ضریب‌های نوشته‌شده معلوم نمی‌کنند کدام منظور است."};
const LocalText OfferAcidic{
    "It balances in acidic solution, completed with H⁺ and H₂O.",
    "در محیط اسیدی، با افزودن H⁺ و H₂O، موازنه می‌شود."};
const LocalText OfferBasic{
    "It balances in basic solution, completed with OH⁻ and H₂O.",
    "در محیط بازی، با افزودن OH⁻ و H₂O، موازنه می‌شود."};
const LocalText OfferBoth{"It balances in acidic solution (completed with H⁺ and H₂O) or in basic solution "
                          "(with OH⁻ and H₂O).",
                          "در محیط اسیدی (با افزودن H⁺ و H₂O) یا بازی (با افزودن OH⁻ و H₂O) موازنه "
                          "می‌شود."};
const LocalText AcidicButton{"&Acidic Solution", "محیط &اسیدی"};
const LocalText BasicButton{"&Basic Solution", "محیط &بازی"};
const LocalText CheckBalanced{"The coefficients balance the reaction.",
                              "ضریب‌ها واکنش را موازنه می‌کنند."};
const LocalText CheckNotBalanced{"The coefficients do not balance the reaction.",
                                 "ضریب‌ها واکنش را موازنه نمی‌کنند."};
const LocalText CheckLowestTerms{"They are in lowest terms.",
                                 "ضریب‌ها ساده‌ترین عددهای ممکن‌اند."};
const LocalText CheckNotLowestTerms{
    "They are not in lowest terms: each can be divided by %1.",
    "ضریب‌ها ساده نشده‌اند: همه بر %1 بخش‌پذیرند."};
const LocalText CheckTallyHeading{"Reactants : products",
                                  "واکنش‌دهنده‌ها : فراورده‌ها"};
const LocalText ChargeName{"charge", "بار"};
const LocalText ReadAsPair{"%1 as %2", "%1 به صورت %2"};
const LocalText ReadAsNote{"Read %1", "%1 خوانده شد"};
const LocalText OthersBalanceNote{"Kept as typed; it balances when read as %1",
                                  "همان طور که تایپ شده ماند؛ با این خوانش موازنه می شود: %1"};
const LocalText ReadingsOr{" or ", " یا "};
const LocalText UnknownName{"No element or group is called %1", "هیچ عنصر یا گروهی به نام %1 نیست"};
} // namespace Texts
