// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/InterfaceTexts.h"

namespace Texts {

const LocalText File1Caption{"&File", "پر&ونده"};
const LocalText Reaction1Caption{"&Reaction", "&واکنش"};
const LocalText Settings1Caption{"&Settings", "تنظیما&ت"};
const LocalText Help1Caption{"&Help", "راهن&مایی"};
const LocalText FileNewCaption{"&New", "ج&دید"};
const LocalText FileNewHint{"New|Creates a new file", "جدید|یک پرونده جدید ایجاد می کند"};
const LocalText FileOpenCaption{"&Open...", "گ&شودن"};
const LocalText FileOpenHint{"Open|Opens an existing file", "گشودن|یک پرونده را باز می کند"};
const LocalText FileSaveCaption{"&Save", "ذ&خیره"};
const LocalText FileSaveHint{"Save|Saves file", "ذخیره|پرونده را ذخیره می کند"};
const LocalText FileSaveAsCaption{"Save &As...", "ذخیره با &نام جدید"};
const LocalText FileSaveAsHint{"Save As|Saves file with a new name",
                               "ذخیره با نام جدید |پرونده را با نام جدید ذخیره می کند"};
const LocalText FilePrintCaption{"&Export as Bitmap", "&تبدیل به تصویر"};
const LocalText FilePrintHint{"Export as Bitmap|Exports file as a bitmap picture (BMP)",
                              "تبدیل به تصویر|پرونده را تبدیل به یک تصویر BMP می کند"};
const LocalText FileHTMLCaption{"Export as &HTML file", "ت&بدیل به صفحه ی وب"};
const LocalText FileHTMLHint{"Export as HTML file|Exports file as a web page",
                             "تبدیل به صفحه ی وب|پرونده را تبدیل به یک صفحه ی وب می کند"};
const LocalText FileExitCaption{"E&xit", "خ&روج"};
const LocalText FileExitHint{"Exit|Quits the application", "خروج|خروج از برنامه"};
const LocalText ReactionCopyCaption{"&Copy", "&کپی"};
const LocalText ReactionCopyHint{"Copy|Copies the reaction and puts it on the Clipboard",
                                 "کپی|واکنش را در Clipboard کپی می کند"};
const LocalText ReactionPasteCaption{"&Paste", "&فرا خوانی"};
const LocalText ReactionPasteHint{"Paste|Inserts the contents of the Clipboard as reaction",
                                  "فرا خوانی| واکنش کپی شده در Clipboard را فرا می خواند"};
const LocalText ReactionRecalculateCaption{"&Recalculate Grid", "&محاسبه مجدد جدول"};
const LocalText ReactionRecalculateHint{
    "Recalculate Grid|Clears calculated cells and calculates grid again",
    "محاسبه مجدد جدول|خانه های محاسبه شده را پاک می کند و جدول را دوباره محاسبه می کند"};
const LocalText SettingsOptionsCaption{"&Options", "تنظیما&ت"};
const LocalText SettingsOptionsHint{"Options|Changes Options", "تنظیمات|تغییر تنظیمات برنامه"};
const LocalText SettingsKeyCaption{"&Key Options", "تنظیمات کلید&ها"};
const LocalText SettingsKeyHint{"Key Options|Changes key Options", "تنظیمات کلیدها|تغییر تنظیمات کلیدها"};
const LocalText SettingsPreciseWeightsCaption{"&Precise Atomic Weights", "&جرم های اتمی دقیق"};
const LocalText SettingsPreciseWeightsHint{
    "Precise Atomic Weights|Calculates molar masses with IUPAC standard atomic weights",
    "جرم های اتمی دقیق|جرم مولی مواد را با جرم های اتمی استاندارد IUPAC محاسبه می کند"};
const LocalText HelpHelpCaption{"&Help", "&راهنمایی"};
const LocalText HelpHelpHint{"Help", "راهنمایی"};
const LocalText HelpOnlineCaption{"&Online Help", "را&هنمایی از طریق اینترنت"};
const LocalText HelpOnlineHint{"Online Help|Opens the user guide of Stoikon",
                               "راهنمایی از طریق اینترنت|راهنمای کاربر Stoikon را باز می کند"};
const LocalText HelpMailCaption{"&Comments and problems", "&نظرات و مشکلات"};
const LocalText HelpMailHint{"Comments and problems|If you have any comments or problems send me it",
                             "نظرات و مشکلات|اگر پیشنهاد یا مشکلی دارید آن را برای من بفرستید"};
const LocalText HelpWebsiteCaption{"&Visit Website", "&صفحه وب"};
const LocalText HelpWebsiteHint{"Visit Website|Opens my website URL", "صفحه وب|دیدار از صفحه وب من"};
const LocalText HelpSourceCaption{"&Source Code", "&کد برنامه"};
const LocalText HelpSourceHint{
    "Source Code|Shows where to get the source code of this free program (GNU GPL)",
    "کد برنامه|نشان می دهد کد این برنامه آزاد (GNU GPL) را از کجا می توان گرفت"};
const LocalText HelpAboutCaption{"&About...", "&درباره این برنامه"};
const LocalText HelpAboutHint{"About|Shows some information about this program",
                              "درباره این برنامه|به دست آوردن اطلاعاتی درباره این برنامه"};
const LocalText MsgCannotOpenAddress{"Can not open this address:", "نمی توانم این نشانی را باز کنم:"};
const LocalText Lbl1Caption{"Reaction:", "واکنش:"};
const LocalText Lbl2Caption{"Substances' properties:", "خواص مواد:"};
const LocalText WeightBtnCaption{"Balance", "موازنه"};
const LocalText CalGridCaption{"Calculate Grid", "محاسبه جدول"};
const LocalText CalGridHint{"Click to calculate grid", "برای محاسبه جدول کلیک کنید"};
const LocalText TextImgHint{"Click to type reaction", "برای نوشتن واکنش کلیک کنید"};
const LocalText OpenDialogTitle{"Open", "گشودن"};
const LocalText SaveDialogTitle{"Save", "ذخیره"};
const LocalText MsgSaveChanges{"Save changes?", "آیا تغییرات را ذخیره کنم؟"};
const LocalText MsgCannotBalance{"Can not balance this reaction\rIt may be has more than one answer or it is "
                                 "more than one separate reaction.",
                                 "نمی توانم این واکنش را موازنه کنم \r ممکن است این واکنش بیش از یک جواب "
                                 "داشته باشد یا بیش از یک واکنش مجزا باشد"};
const LocalText MsgInvalidReaction{"Invalid reaction", "واکنش غلط است"};
const LocalText MsgInvalidNumber{"Invalid number", "عدد وارد شده اشتباه است"};
const LocalText MsgCannotOpen{"Can not open this file", "نمی توانم این پرونده را باز کنم"};
const LocalText MsgCannotSave{"Can not save this file", "نمی توانم این پرونده را ذخیره کنم"};
const LocalText MsgAlreadyExists{" already exists.\rDo you want to replace it?",
                                 " از قبل وجود دارد.\rآیا می خواهید آن را جایگزین کنید؟"};
const LocalText MsgReactionHelp{
    "In most cases you have not to use Shift key for letters case.\rTo change or view key settings choose "
    "Key Options from Settings menu.\rTo type an ion, write ^ and its charge after the formula: Fe^3+. An "
    "electron is e^-.",
    " در اکثر موارد نیازی به نگه داشتن کلید Shift برای شکل حروف نیست.\r برای تغییر یا مشاهده تنظیمات کلیدها "
    "از منوی تنظیمات گزینه تنظیمات کلیدها را انتخاب کنید.\rبرای نوشتن یون، پس از فرمول ^ و بار آن را "
    "بنویسید: Fe^3+. الکترون را به صورت e^- بنویسید."};
const LocalText MsgGridHelp{
    "Click \"Calculate Grid\" button to calculate grid's empty cells.\rThis program calculates the cells by "
    "the formulas given to it.\rTo view, add or change formulas choose Options from Settings menu.",
    "برای محاسبه خانه های خالی جدول دکمه محاسبه جدول را کلیک کنید.\rاین برنامه خانه ها را با فرمول هایی "
    "که به آن داده شده است محاسبه می کند.\rبرای افزودن، دیدن یا تغییر فرمول ها از منوی تنظیمات گزینه "
    "تنظیمات را انتخاب نمایید."};
const LocalText MsgGridTooLarge{"The grid is too large to calculate completely",
                                "جدول برای محاسبه کامل بیش از حد بزرگ است"};
const LocalText HelpModePrompt{"Click on item you need information about",
                               "روی گزینه ای که به اطلاعاتی در مورد آن نیاز دارید کلیک کنید"};
const LocalText MsgSeparatorDropped{
    "A comma separates the cells in the file, so a cell or a name can not hold one",
    "ویرگول «,» خانه‌های پرونده را از هم جدا می‌کند؛ در خانه یا نام، «،» را به کار "
    "ببرید"};
const LocalText CalculatingTitle{"Calculating the grid", "محاسبه جدول"};
const LocalText CalculatingCancel{"Cancel", "لغو"};
const LocalText MsgCalculationCancelled{
    "Calculation cancelled; the grid is as it was",
    "محاسبه لغو شد؛ جدول همان‌گونه که بود ماند"};

const LocalText ReactionCheckCaption{"C&heck", "&بررسی"};
const LocalText ReactionCheckHint{
    "Check|Tells whether the coefficients written balance the reaction",
    "بررسی|نشان می‌دهد آیا ضریب‌های نوشته‌شده واکنش را "
    "موازنه "
    "می‌کنند"};
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
const LocalText ButtonAcidic{"&Acidic Solution", "محیط &اسیدی"};
const LocalText ButtonBasic{"&Basic Solution", "محیط &بازی"};
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

const char* const SettingsFarsiCaption = "&Farsi";
const char* const SettingsFarsiHint = "Farsi|Changes program's language to Farsi";
const char* const SettingsEnglishCaption = "&انگلیسی";
const char* const SettingsEnglishHint = "انگلیسی|تغییر زبان برنامه به انگلیسی";
const char* const ProblemFarsiCaption = "&Problem with Farsi language";
const char* const ProblemFarsiHint = "If you can not read Farsi texts click this item";
const char* const ProblemFarsiText =
    "1- A font with Persian letters must be installed, such as DejaVu (Debian package fonts-dejavu-core) "
    "or Noto (fonts-noto-core); start Stoikon again after installing it.\r2- To type Farsi, add the "
    "Persian keyboard layout in your desktop's keyboard settings.";

} // namespace Texts

const std::vector<const LocalText*>& ShellTexts()
{
    static const std::vector<const LocalText*> all = {
        &Texts::File1Caption,
        &Texts::Reaction1Caption,
        &Texts::Settings1Caption,
        &Texts::Help1Caption,
        &Texts::FileNewCaption,
        &Texts::FileNewHint,
        &Texts::FileOpenCaption,
        &Texts::FileOpenHint,
        &Texts::FileSaveCaption,
        &Texts::FileSaveHint,
        &Texts::FileSaveAsCaption,
        &Texts::FileSaveAsHint,
        &Texts::FilePrintCaption,
        &Texts::FilePrintHint,
        &Texts::FileHTMLCaption,
        &Texts::FileHTMLHint,
        &Texts::FileExitCaption,
        &Texts::FileExitHint,
        &Texts::ReactionCopyCaption,
        &Texts::ReactionCopyHint,
        &Texts::ReactionPasteCaption,
        &Texts::ReactionPasteHint,
        &Texts::ReactionRecalculateCaption,
        &Texts::ReactionRecalculateHint,
        &Texts::SettingsOptionsCaption,
        &Texts::SettingsOptionsHint,
        &Texts::SettingsKeyCaption,
        &Texts::SettingsKeyHint,
        &Texts::SettingsPreciseWeightsCaption,
        &Texts::SettingsPreciseWeightsHint,
        &Texts::HelpHelpCaption,
        &Texts::HelpHelpHint,
        &Texts::HelpOnlineCaption,
        &Texts::HelpOnlineHint,
        &Texts::HelpMailCaption,
        &Texts::HelpMailHint,
        &Texts::HelpWebsiteCaption,
        &Texts::HelpWebsiteHint,
        &Texts::HelpSourceCaption,
        &Texts::HelpSourceHint,
        &Texts::HelpAboutCaption,
        &Texts::HelpAboutHint,
        &Texts::MsgCannotOpenAddress,
        &Texts::Lbl1Caption,
        &Texts::Lbl2Caption,
        &Texts::WeightBtnCaption,
        &Texts::CalGridCaption,
        &Texts::CalGridHint,
        &Texts::TextImgHint,
        &Texts::OpenDialogTitle,
        &Texts::SaveDialogTitle,
        &Texts::MsgSaveChanges,
        &Texts::MsgCannotBalance,
        &Texts::MsgInvalidReaction,
        &Texts::MsgInvalidNumber,
        &Texts::MsgCannotOpen,
        &Texts::MsgCannotSave,
        &Texts::MsgAlreadyExists,
        &Texts::MsgReactionHelp,
        &Texts::MsgGridHelp,
        &Texts::MsgGridTooLarge,
        &Texts::HelpModePrompt,
        &Texts::MsgSeparatorDropped,
        &Texts::CalculatingTitle,
        &Texts::CalculatingCancel,
        &Texts::MsgCalculationCancelled,
    };
    return all;
}

const std::vector<const LocalText*>& BalanceTexts()
{
    static const std::vector<const LocalText*> all = {
        &Texts::ReactionCheckCaption,
        &Texts::ReactionCheckHint,
        &Texts::ReasonEmpty,
        &Texts::ReasonNoArrow,
        &Texts::ReasonSeveralArrows,
        &Texts::ReasonUnreadableCharacter,
        &Texts::ReasonMissingSubstance,
        &Texts::ReasonUnreadableFormula,
        &Texts::ReasonOnlyReactants,
        &Texts::ReasonOnlyProducts,
        &Texts::ReasonChargeOnlyReactants,
        &Texts::ReasonChargeOnlyProducts,
        &Texts::ReasonNoBalancedForm,
        &Texts::ReasonLeftOut,
        &Texts::ReasonWrongSide,
        &Texts::ReasonSeveralReactions,
        &Texts::ReasonMoreReactions,
        &Texts::ReasonGivenUnsettled,
        &Texts::OfferAcidic,
        &Texts::OfferBasic,
        &Texts::OfferBoth,
        &Texts::ButtonAcidic,
        &Texts::ButtonBasic,
        &Texts::CheckBalanced,
        &Texts::CheckNotBalanced,
        &Texts::CheckLowestTerms,
        &Texts::CheckNotLowestTerms,
        &Texts::CheckTallyHeading,
        &Texts::ChargeName,
        &Texts::ReadAsPair,
        &Texts::ReadAsNote,
        &Texts::OthersBalanceNote,
        &Texts::ReadingsOr,
        &Texts::UnknownName,
    };
    return all;
}
