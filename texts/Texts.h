// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text of the program, one table with a column per language: the window, its
// commands and messages, the dialogs, the message box, and what Balance and Check say. The
// command line says the English column. Farsi texts are written in Persian letters (yeh
// U+06CC and keheh U+06A9, never the Arabic yeh and kaf), and all but the reasons of Balance
// fit the Windows-1256 code page that documents and web pages are written in (its yeh byte
// stores the Persian yeh).
//   Texts::MsgSaveChanges.In(Language::Farsi)

#include "texts/Language.h"

#include <vector>

namespace Texts {

// The menus and their commands: a caption, and a hint ("short|long": the tool tip and the
// status bar's text).
extern const LocalText FileMenu;
extern const LocalText ReactionMenu;
extern const LocalText SettingsMenu;
extern const LocalText HelpMenu;
extern const LocalText NewDocumentCaption;
extern const LocalText NewDocumentHint;
extern const LocalText OpenDocumentCaption;
extern const LocalText OpenDocumentHint;
extern const LocalText SaveDocumentCaption;
extern const LocalText SaveDocumentHint;
extern const LocalText SaveDocumentAsCaption;
extern const LocalText SaveDocumentAsHint;
extern const LocalText ExportBitmapCaption;
extern const LocalText ExportBitmapHint;
extern const LocalText ExportHtmlCaption;
extern const LocalText ExportHtmlHint;
extern const LocalText QuitCaption;
extern const LocalText QuitHint;
extern const LocalText CopyReactionCaption;
extern const LocalText CopyReactionHint;
extern const LocalText PasteReactionCaption;
extern const LocalText PasteReactionHint;
extern const LocalText RecalculateGridCaption;
extern const LocalText RecalculateGridHint;
extern const LocalText CheckCoefficientsCaption;
extern const LocalText CheckCoefficientsHint;
extern const LocalText OptionsCaption;
extern const LocalText OptionsHint;
extern const LocalText KeyOptionsCaption;
extern const LocalText KeyOptionsHint;
extern const LocalText PreciseWeightsCaption;
extern const LocalText PreciseWeightsHint;
extern const LocalText HelpCaption;
extern const LocalText HelpHint;
extern const LocalText OnlineHelpCaption;
extern const LocalText OnlineHelpHint;
extern const LocalText CommentsCaption;
extern const LocalText CommentsHint;
extern const LocalText WebsiteCaption;
extern const LocalText WebsiteHint;
extern const LocalText SourceCodeCaption;
extern const LocalText SourceCodeHint;
extern const LocalText AboutCaption;
extern const LocalText AboutHint;

// The commands that are the same in both languages: each language's own command is offered
// in the other language's interface, in its own words.
extern const char* const SwitchToFarsiCaption;
extern const char* const SwitchToFarsiHint;
extern const char* const SwitchToEnglishCaption;
extern const char* const SwitchToEnglishHint;
extern const char* const FarsiProblemsCaption;
extern const char* const FarsiProblemsHint;
extern const char* const FarsiProblemsText;

// The main window.
extern const LocalText ReactionLabel;
extern const LocalText GridLabel;
extern const LocalText BalanceButton;
extern const LocalText CalculateButton;
extern const LocalText CalculateButtonHint;
extern const LocalText ReactionLineHint;
extern const LocalText OpenDialogTitle;
extern const LocalText SaveDialogTitle;
extern const LocalText HelpModePrompt;
extern const LocalText CalculatingTitle;

// Messages; "\r" breaks their lines.
extern const LocalText MsgSaveChanges;
extern const LocalText MsgCannotBalance;
extern const LocalText MsgInvalidReaction;
extern const LocalText MsgInvalidNumber;
extern const LocalText MsgCannotOpen;
extern const LocalText MsgCannotSave;
extern const LocalText MsgAlreadyExists;
extern const LocalText MsgCannotOpenAddress;
extern const LocalText MsgReactionHelp;
extern const LocalText MsgGridHelp;
extern const LocalText MsgGridTooLarge;
extern const LocalText MsgCalculationCancelled;
extern const LocalText MsgSeparatorDropped;

// The options dialog.
extern const LocalText OptionsTitle;
extern const LocalText FontsPage;
extern const LocalText GridPage;
extern const LocalText ProgramFontLabel;
extern const LocalText GridFontLabel;
extern const LocalText ReactionFontLabel;
extern const LocalText NumbersFontLabel;
extern const LocalText SubscriptsFontLabel;
extern const LocalText SubscriptsPositionLabel;
extern const LocalText NameLabel;
extern const LocalText SizeLabel;
extern const LocalText ColorLabel;
extern const LocalText ItemsLabel;
extern const LocalText FormulasLabel;
extern const LocalText TypeLabel;
extern const LocalText WidthLabel;
extern const LocalText DefaultButton;
extern const LocalText HelpButton;
extern const LocalText MoveUpHint;
extern const LocalText MoveDownHint;
extern const LocalText DeleteHint;
extern const LocalText NewItemHint;
extern const LocalText OkHint;
extern const LocalText CancelHint;
extern const LocalText DefaultHint;
extern const LocalText ListHint;
extern const LocalText MissingFaceHint;
extern const LocalText FormulaHelp1;
extern const LocalText FormulaHelp2;
extern const LocalText FormulaHelp3;
extern const LocalText FormulaHelp4;

// The key-options dialog and the about box.
extern const LocalText KeyOptionsTitle;
extern const LocalText AutoCaseCaption;
extern const LocalText AboutTitle;
extern const LocalText AboutName;
extern const LocalText AboutVersion;
extern const LocalText AboutNotice;

// The message box: its titles by the kind of message, and its buttons (the options
// dialog's OK and Cancel too).
extern const LocalText WarningTitle;
extern const LocalText ErrorTitle;
extern const LocalText InformationTitle;
extern const LocalText ConfirmTitle;
extern const LocalText OkButton;
extern const LocalText CancelButton;
extern const LocalText YesButton;
extern const LocalText NoButton;

// Balance's reasons, its offer to complete a reaction in solution, and Check. They are only
// shown, never stored, so they may hold subscripts and arrows; "%1" and "%2" stand for what
// a reason names.
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
extern const LocalText AcidicButton;
extern const LocalText BasicButton;
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

// What screen readers say of the reaction line and the grid (only spoken): a reaction's
// separators, arrow, charge signs, brackets and electrons (the charge is ChargeName), and
// the description of a worked-out cell.
extern const LocalText SpokenPlus;
extern const LocalText SpokenYields;
extern const LocalText SpokenPositive;
extern const LocalText SpokenNegative;
extern const LocalText SpokenOpenBracket;
extern const LocalText SpokenCloseBracket;
extern const LocalText SpokenElectron;
extern const LocalText SpokenElectrons;
extern const LocalText WorkedOutCell;

// Editing and handouts (EditTexts.cpp): the Edit menu and the steps its items name ("%1" in
// UndoStepCaption), the reaction line's placeholder, Print, the PDF and SVG exports, the
// students' sheet and the handout's page numbers.
extern const LocalText EditMenu;
extern const LocalText UndoCaption;
extern const LocalText UndoStepCaption;
extern const LocalText UndoHint;
extern const LocalText RedoCaption;
extern const LocalText RedoStepCaption;
extern const LocalText RedoHint;
extern const LocalText StepTyping;
extern const LocalText StepDelete;
extern const LocalText StepCut;
extern const LocalText StepPaste;
extern const LocalText StepBalance;
extern const LocalText StepCalculate;
extern const LocalText StepRecalculate;
extern const LocalText StepCellEdit;
extern const LocalText StepOptions;
extern const LocalText StepLanguage;
extern const LocalText ReactionPlaceholder;
extern const LocalText PrintCaption;
extern const LocalText PrintHint;
extern const LocalText ExportPdfCaption;
extern const LocalText ExportPdfHint;
extern const LocalText ExportSvgCaption;
extern const LocalText ExportSvgHint;
extern const LocalText StudentsSheetCaption;
extern const LocalText StudentsSheetHint;
extern const LocalText HandoutPage;
} // namespace Texts

// Every text in both languages, for checks over all of them; and those only shown, never
// stored in a document or a page.
const std::vector<const LocalText*>& AllTexts();
const std::vector<const LocalText*>& ShownOnlyTexts();
const std::vector<const LocalText*>& EditTexts(); // those of EditTexts.cpp
