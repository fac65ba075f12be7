// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/InterfaceTexts.h"

namespace Texts {

const LocalText File1Caption{"&File", "پر&ونده"};
const LocalText Reaction1Caption{"&Reaction", "&واکنش"};
const LocalText Settings1Caption{"&Settings", "تنظيما&ت"};
const LocalText Help1Caption{"&Help", "راهن&مايي"};
const LocalText FileNewCaption{"&New", "ج&ديد"};
const LocalText FileNewHint{"New|Creates a new file", "جديد|يك پرونده جديد ايجاد مي كند"};
const LocalText FileOpenCaption{"&Open...", "گ&شودن"};
const LocalText FileOpenHint{"Open|Opens an existing file", "گشودن|يك پرونده را باز مي كند"};
const LocalText FileSaveCaption{"&Save", "ذ&خيره"};
const LocalText FileSaveHint{"Save|Saves file", "ذخيره|پرونده را ذخيره مي كند"};
const LocalText FileSaveAsCaption{"Save &As...", "ذخيره با &نام جديد"};
const LocalText FileSaveAsHint{"Save As|Saves file with a new name",
                               "ذخيره با نام جديد |پرونده را با نام جديد ذخيره مي كند"};
const LocalText FilePrintCaption{"&Export as Bitmap", "&تبديل به تصوير"};
const LocalText FilePrintHint{"Export as Bitmap|Exports file as a windows Bitmap image",
                              "تبديل به تصوير|پرونده را تبديل به يك نقشه بيتي ويندوز مي كند"};
const LocalText FileHTMLCaption{"Export as &HTML file", "ت&بديل به صفحه ي وب"};
const LocalText FileHTMLHint{"Export as HTML file|Exports file as a web page",
                             "تبديل به صفحه ي وب|پرونده را تبديل به يك صفحه ي وب مي كند"};
const LocalText FileExitCaption{"E&xit", "خ&روج"};
const LocalText FileExitHint{"Exit|Quits the application", "خروج|خروج از برنامه"};
const LocalText ReactionCopyCaption{"&Copy", "&کپي"};
const LocalText ReactionCopyHint{"Copy|Copies the reaction and puts it on the Clipboard",
                                 "کپي|واکنش را در Clipboard کپي مي کند"};
const LocalText ReactionPasteCaption{"&Paste", "&فرا خواني"};
const LocalText ReactionPasteHint{"Paste|Inserts the contents of the Clipboard as reaction",
                                  "فرا خواني| واکنش کپي شده در Clipboard را فرا مي خواند"};
const LocalText ReactionRecalculateCaption{"&Recalculate Grid", "&محاسبه مجدد جدول"};
const LocalText ReactionRecalculateHint{
    "Recalculate Grid|Clears calculated cells and calculates grid again",
    "محاسبه مجدد جدول|خانه هاي محاسبه شده را پاك مي كند و جدول را دوباره محاسبه مي كند"};
const LocalText SettingsOptionsCaption{"&Options", "تنظيما&ت"};
const LocalText SettingsOptionsHint{"Options|Changes Options", "تنظيمات|تغيير تنظيمات برنامه"};
const LocalText SettingsKeyCaption{"&Key Options", "تنظيمات كليد&ها"};
const LocalText SettingsKeyHint{"Key Options|Changes key Options", "تنظيمات كليدها|تغيير تنظيمات كليدها"};
const LocalText SettingsPreciseWeightsCaption{"&Precise Atomic Weights", "&جرم هاي اتمي دقيق"};
const LocalText SettingsPreciseWeightsHint{
    "Precise Atomic Weights|Calculates molar masses with IUPAC standard atomic weights",
    "جرم هاي اتمي دقيق|جرم مولي مواد را با جرم هاي اتمي استاندارد IUPAC محاسبه مي كند"};
const LocalText HelpHelpCaption{"&Help", "&راهنمايي"};
const LocalText HelpHelpHint{"Help", "راهنمايي"};
const LocalText HelpOnlineCaption{"&Online Help", "را&هنمايي از طريق اينترنت"};
const LocalText HelpOnlineHint{"Online Help", "راهنمايي از طريق اينترنت"};
const LocalText HelpMailCaption{"&Comments and problems", "&نظرات و مشکلات"};
const LocalText HelpMailHint{"Comments and problems|If you have any comments or problems send me it",
                             "نظرات و مشکلات|اگر پيشنهاد يا مشکلي داريد آن را براي من بفرستيد"};
const LocalText HelpWebsiteCaption{"&Visit Website", "&صفحه وب"};
const LocalText HelpWebsiteHint{"Visit Website|Opens my website URL", "صفحه وب|ديدار از صفحه وب من"};
const LocalText HelpSourceCaption{"&Source Code", "&کد برنامه"};
const LocalText HelpSourceHint{"Source Code|Buy this program's source code from web",
                               "کد برنامه|خريد کد برنامه از طريق اينترنت"};
const LocalText HelpAboutCaption{"&About...", "&درباره اين برنامه"};
const LocalText HelpAboutHint{"About|Shows some informations about this program",
                              "درباره اين برنامه|به دست آوردن اطلاعاتي درباره اين برنامه"};
const LocalText Lbl1Caption{"Reaction:", "واكنش:"};
const LocalText Lbl2Caption{"Substances' properties:", "خواص مواد:"};
const LocalText WeightBtnCaption{"Balance", "موازنه"};
const LocalText CalGridCaption{"Calculate Grid", "محاسبه جدول"};
const LocalText CalGridHint{"Click to calculate grid", "براي محاسبه جدول كليك كنيد"};
const LocalText TextImgHint{"Click to type reaction", "براي نوشتن واکنش کليک کنيد"};
const LocalText OpenDialogTitle{"Open", "گشودن"};
const LocalText SaveDialogTitle{"Save", "ذخيره"};
const LocalText MsgSaveChanges{"Save changes?", "آيا تغييرات را ذخيره كنم؟"};
const LocalText MsgCannotBalance{"Can not balance this reaction\rIt may be has more than one answer or it is "
                                 "more than one separate reaction.",
                                 "نمي توانم اين واکنش را موازنه کنم \r ممکن است اين واکنش بيش از يک جواب "
                                 "داشته باشد يا بيش از يک واکنش مجزا باشد"};
const LocalText MsgInvalidReaction{"Invalid reaction", "واکنش غلط است"};
const LocalText MsgInvalidNumber{"Invalid number", "عدد وارد شده اشتباه است"};
const LocalText MsgCannotOpen{"Can not open this file", "نمي توانم اين پرونده را باز كنم"};
const LocalText MsgCannotSave{"Can not save this file", "نمي توانم اين پرونده را ذخيره كنم"};
const LocalText MsgAlreadyExists{" already exists.\rDo you want to replace it?",
                                 " از قبل وجود دارد.\rآيا مي خواهيد آن را جايگزين كنيد؟"};
const LocalText MsgReactionHelp{
    "In most cases you have not to use Shift key for letters case.\rTo change or view key settings choose "
    "Key Options from Settings menu.\rTo type an ion, write ^ and its charge after the formula: Fe^3+. An "
    "electron is e^-.",
    " در اكثر موارد نيازي به نگه داشتن كليد Shift براي شكل حروف نيست.\r براي تغيير يا مشاهده تنظيمات كليدها "
    "از منوي تنظيمات گزينه تنظيمات كليدها را انتخاب كنيد.\rبراي نوشتن يون، پس از فرمول ^ و بار آن را "
    "بنويسيد: Fe^3+. الكترون را به صورت e^- بنويسيد."};
const LocalText MsgGridHelp{
    "Click \"Calculate Grid\" button to caculate grid's empty cells.\rThis program can calculate cells by "
    "formulas were given to.\rTo view, add or change formulas choose Options from Settings menu.",
    "براي محاسبه خانه هاي خالي جدول دكمه محاسبه جدول را كليك كنيد.\rاين برنامه اين ها را با توجه به فرمول "
    "هايي كه به آن داده مي شود محاسبه مي كند.\rبراي افزودن، ديدن يا تغيير فرمول ها از منوي تنظيمات گزينه "
    "تنظيمات را انتخاب نماييد."};
const LocalText MsgGridTooLarge{"The grid is too large to calculate completely",
                                "جدول براي محاسبه كامل بيش از حد بزرگ است"};
const LocalText HelpModePrompt{"Click on item you need information about",
                               "روي گزينه اي که به اطلاعاتي در مورد آن نياز داريد کليک کنيد"};

const LocalText ReactionCheckCaption{"C&heck", "&بررسی"};
const LocalText ReactionCheckHint{"Check|Tells whether the coefficients written balance the reaction",
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

const char* const SettingsFarsiCaption = "&Farsi";
const char* const SettingsFarsiHint = "Farsi|Changes program's language to Farsi";
const char* const SettingsEnglishCaption = "&انگليسي";
const char* const SettingsEnglishHint = "انگليسي|تغيير زبان برنامه به انگليسي";
const char* const ProblemFarsiCaption = "&Problem with Farsi language";
const char* const ProblemFarsiHint = "If you can not read Farsi texts click this item";
const char* const ProblemFarsiText =
    "1- Farsi language must be installed on your computer.\r2- Farsi language must be non-Unicode programs' "
    "language.\rGo to Control Panel > Regional and Language Options and fix it.";

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
    };
    return all;
}
