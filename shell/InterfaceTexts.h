// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text of the main window in both interface languages, kept in one place.
// Farsi texts are written in Persian letters (yeh U+06CC and keheh U+06A9, never the
// Arabic yeh and kaf), and all of them fit the Windows-1256 code page that documents and
// web pages are written in (its yeh byte stores the Persian yeh). "\r" marks a line break
// in messages.

#include "core/Language.h"

#include <vector>

namespace Texts {
extern const LocalText File1Caption;
extern const LocalText Reaction1Caption;
extern const LocalText Settings1Caption;
extern const LocalText Help1Caption;
extern const LocalText FileNewCaption;
extern const LocalText FileNewHint;
extern const LocalText FileOpenCaption;
extern const LocalText FileOpenHint;
extern const LocalText FileSaveCaption;
extern const LocalText FileSaveHint;
extern const LocalText FileSaveAsCaption;
extern const LocalText FileSaveAsHint;
extern const LocalText FilePrintCaption;
extern const LocalText FilePrintHint;
extern const LocalText FileHTMLCaption;
extern const LocalText FileHTMLHint;
extern const LocalText FileExitCaption;
extern const LocalText FileExitHint;
extern const LocalText ReactionCopyCaption;
extern const LocalText ReactionCopyHint;
extern const LocalText ReactionPasteCaption;
extern const LocalText ReactionPasteHint;
extern const LocalText ReactionRecalculateCaption;
extern const LocalText ReactionRecalculateHint;
extern const LocalText SettingsOptionsCaption;
extern const LocalText SettingsOptionsHint;
extern const LocalText SettingsKeyCaption;
extern const LocalText SettingsKeyHint;
extern const LocalText SettingsPreciseWeightsCaption;
extern const LocalText SettingsPreciseWeightsHint;
extern const LocalText HelpHelpCaption;
extern const LocalText HelpHelpHint;
extern const LocalText HelpOnlineCaption;
extern const LocalText HelpOnlineHint;
extern const LocalText HelpMailCaption;
extern const LocalText HelpMailHint;
extern const LocalText HelpWebsiteCaption;
extern const LocalText HelpWebsiteHint;
extern const LocalText HelpSourceCaption;
extern const LocalText HelpSourceHint;
extern const LocalText HelpAboutCaption;
extern const LocalText HelpAboutHint;
extern const LocalText MsgCannotOpenAddress;
extern const LocalText Lbl1Caption;
extern const LocalText Lbl2Caption;
extern const LocalText WeightBtnCaption;
extern const LocalText CalGridCaption;
extern const LocalText CalGridHint;
extern const LocalText TextImgHint;
extern const LocalText OpenDialogTitle;
extern const LocalText SaveDialogTitle;
extern const LocalText MsgSaveChanges;
extern const LocalText MsgCannotBalance;
extern const LocalText MsgInvalidReaction;
extern const LocalText MsgInvalidNumber;
extern const LocalText MsgCannotOpen;
extern const LocalText MsgCannotSave;
extern const LocalText MsgAlreadyExists;
extern const LocalText MsgReactionHelp;
extern const LocalText MsgGridHelp;
extern const LocalText MsgGridTooLarge;
extern const LocalText HelpModePrompt;
// The status bar's and the calculation's own texts, never stored in a document.
extern const LocalText MsgSeparatorDropped;
extern const LocalText CalculatingTitle;
extern const LocalText CalculatingCancel;
extern const LocalText MsgCalculationCancelled;

// Balance's reasons, its offer to complete a reaction in solution, and Check. Written with
// the Persian letters (ی, ک); "%1" and "%2" stand for what a reason names.
extern const LocalText ReactionCheckCaption;
extern const LocalText ReactionCheckHint;
extern const LocalText ReasonEmpty;
extern const LocalText ReasonNoArrow;
extern const LocalText ReasonSeveralArrows;
extern const LocalText ReasonUnreadableCharacter;
extern const LocalText ReasonMissingSubstance;
extern const LocalText ReasonUnreadableFormula;
extern const LocalText ReasonOnlyReactants;
extern const LocalText ReasonOnlyProducts;
extern const LocalText ReasonChargeOnlyReactants;
extern const LocalText ReasonChargeOnlyProducts;
extern const LocalText ReasonNoBalancedForm;
extern const LocalText ReasonLeftOut;
extern const LocalText ReasonWrongSide;
extern const LocalText ReasonSeveralReactions;
extern const LocalText ReasonMoreReactions;
extern const LocalText ReasonGivenUnsettled;
extern const LocalText OfferAcidic;
extern const LocalText OfferBasic;
extern const LocalText OfferBoth;
extern const LocalText ButtonAcidic;
extern const LocalText ButtonBasic;
extern const LocalText CheckBalanced;
extern const LocalText CheckNotBalanced;
extern const LocalText CheckLowestTerms;
extern const LocalText CheckNotLowestTerms;
extern const LocalText CheckTallyHeading;
extern const LocalText ChargeName;
// How letters typed in lower case were read ("Read co2 as CO2"), and the name a paste is
// refused for.
extern const LocalText ReadAsPair;
extern const LocalText ReadAsNote;
extern const LocalText OthersBalanceNote;
extern const LocalText ReadingsOr;
extern const LocalText UnknownName;

// Texts that are the same in both languages.
extern const char* const SettingsFarsiCaption;
extern const char* const SettingsFarsiHint;
extern const char* const SettingsEnglishCaption;
extern const char* const SettingsEnglishHint;
extern const char* const ProblemFarsiCaption;
extern const char* const ProblemFarsiHint;
extern const char* const ProblemFarsiText;
} // namespace Texts

// Every LocalText of the main window, for checks over all of them.
const std::vector<const LocalText*>& ShellTexts();
// The texts of Balance's reasons, the completion offer, Check and the readings of lower case.
const std::vector<const LocalText*>& BalanceTexts();
