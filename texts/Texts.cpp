// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts: its menus and commands, its own captions and its messages.

#include "texts/Texts.h"

namespace Texts {

// The menus and their commands: a caption, and a hint ("short|long": the tool tip and the
// status bar's text).
const LocalText FileMenu{"&File", "پر&ونده"};
const LocalText ReactionMenu{"&Reaction", "&واکنش"};
const LocalText SettingsMenu{"&Settings", "تنظیما&ت"};
const LocalText HelpMenu{"&Help", "راهن&مایی"};
const LocalText NewDocumentCaption{"&New", "ج&دید"};
const LocalText NewDocumentHint{"New|Creates a new file", "جدید|یک پرونده جدید ایجاد می کند"};
const LocalText OpenDocumentCaption{"&Open...", "گ&شودن"};
const LocalText OpenDocumentHint{"Open|Opens an existing file", "گشودن|یک پرونده را باز می کند"};
const LocalText SaveDocumentCaption{"&Save", "ذ&خیره"};
const LocalText SaveDocumentHint{"Save|Saves file", "ذخیره|پرونده را ذخیره می کند"};
const LocalText SaveDocumentAsCaption{"Save &As...", "ذخیره با &نام جدید"};
const LocalText SaveDocumentAsHint{"Save As|Saves file with a new name",
                                   "ذخیره با نام جدید |پرونده را با نام جدید ذخیره می کند"};
const LocalText ExportBitmapCaption{"&Export as Bitmap", "&تبدیل به تصویر"};
const LocalText ExportBitmapHint{"Export as Bitmap|Exports file as a picture (PNG or BMP)",
                                 "تبدیل به تصویر|پرونده را تبدیل به یک تصویر PNG یا BMP می کند"};
const LocalText ExportHtmlCaption{"Export as &HTML file", "ت&بدیل به صفحه ی وب"};
const LocalText ExportHtmlHint{"Export as HTML file|Exports file as a web page",
                               "تبدیل به صفحه ی وب|پرونده را تبدیل به یک صفحه ی وب می کند"};
const LocalText QuitCaption{"E&xit", "خ&روج"};
const LocalText QuitHint{"Exit|Quits the application", "خروج|خروج از برنامه"};
const LocalText CopyReactionCaption{"&Copy", "&کپی"};
const LocalText CopyReactionHint{"Copy|Copies the reaction and puts it on the Clipboard",
                                 "کپی|واکنش را در Clipboard کپی می کند"};
const LocalText PasteReactionCaption{"&Paste", "&فرا خوانی"};
const LocalText PasteReactionHint{"Paste|Inserts the contents of the Clipboard as reaction",
                                  "فرا خوانی| واکنش کپی شده در Clipboard را فرا می خواند"};
const LocalText RecalculateGridCaption{"&Recalculate Grid", "&محاسبه مجدد جدول"};
const LocalText RecalculateGridHint{
    "Recalculate Grid|Clears calculated cells and calculates grid again",
    "محاسبه مجدد جدول|خانه های محاسبه شده را پاک می کند و جدول را دوباره محاسبه می کند"};
const LocalText CheckCoefficientsCaption{"C&heck", "&بررسی"};
const LocalText CheckCoefficientsHint{
    "Check|Tells whether the coefficients written balance the reaction",
    "بررسی|نشان می‌دهد آیا ضریب‌های نوشته‌شده واکنش را "
    "موازنه "
    "می‌کنند"};
const LocalText OptionsCaption{"&Options", "تنظیما&ت"};
const LocalText OptionsHint{"Options|Changes Options", "تنظیمات|تغییر تنظیمات برنامه"};
const LocalText KeyOptionsCaption{"&Key Options", "تنظیمات کلید&ها"};
const LocalText KeyOptionsHint{"Key Options|Changes key Options", "تنظیمات کلیدها|تغییر تنظیمات کلیدها"};
const LocalText PreciseWeightsCaption{"&Precise Atomic Weights", "&جرم های اتمی دقیق"};
const LocalText PreciseWeightsHint{
    "Precise Atomic Weights|Calculates molar masses with IUPAC standard atomic weights",
    "جرم های اتمی دقیق|جرم مولی مواد را با جرم های اتمی استاندارد IUPAC محاسبه می کند"};
const LocalText HelpCaption{"&Help", "&راهنمایی"};
const LocalText HelpHint{"Help", "راهنمایی"};
const LocalText OnlineHelpCaption{"&Online Help", "را&هنمایی از طریق اینترنت"};
const LocalText OnlineHelpHint{"Online Help|Opens the user guide of Stoikon",
                               "راهنمایی از طریق اینترنت|راهنمای کاربر Stoikon را باز می کند"};
const LocalText CommentsCaption{"&Comments and problems", "&نظرات و مشکلات"};
const LocalText CommentsHint{"Comments and problems|If you have any comments or problems send me it",
                             "نظرات و مشکلات|اگر پیشنهاد یا مشکلی دارید آن را برای من بفرستید"};
const LocalText WebsiteCaption{"&Visit Website", "&صفحه وب"};
const LocalText WebsiteHint{"Visit Website|Opens my website URL", "صفحه وب|دیدار از صفحه وب من"};
const LocalText SourceCodeCaption{"&Source Code", "&کد برنامه"};
const LocalText SourceCodeHint{
    "Source Code|Shows where to get the source code of this free program (GNU GPL)",
    "کد برنامه|نشان می دهد کد این برنامه آزاد (GNU GPL) را از کجا می توان گرفت"};
const LocalText AboutCaption{"&About...", "&درباره این برنامه"};
const LocalText AboutHint{"About|Shows some information about this program",
                          "درباره این برنامه|به دست آوردن اطلاعاتی درباره این برنامه"};

// The commands that are the same in both languages: each language's own command is offered
// in the other language's interface, in its own words.
const char* const SwitchToFarsiCaption = "&Farsi";
const char* const SwitchToFarsiHint = "Farsi|Changes program's language to Farsi";
const char* const SwitchToEnglishCaption = "&انگلیسی";
const char* const SwitchToEnglishHint = "انگلیسی|تغییر زبان برنامه به انگلیسی";
const char* const FarsiProblemsCaption = "&Problem with Farsi language";
const char* const FarsiProblemsHint = "If you can not read Farsi texts click this item";
const char* const FarsiProblemsText =
    "1- A font with Persian letters must be installed, such as DejaVu (Debian package fonts-dejavu-core) "
    "or Noto (fonts-noto-core); start Stoikon again after installing it.\r2- To type Farsi, add the "
    "Persian keyboard layout in your desktop's keyboard settings.";

// The main window.
const LocalText ReactionLabel{"Reaction:", "واکنش:"};
const LocalText GridLabel{"Substances' properties:", "خواص مواد:"};
const LocalText BalanceButton{"Balance", "موازنه"};
const LocalText CalculateButton{"Calculate Grid", "محاسبه جدول"};
const LocalText CalculateButtonHint{"Click to calculate grid", "برای محاسبه جدول کلیک کنید"};
const LocalText ReactionLineHint{"Click to type reaction", "برای نوشتن واکنش کلیک کنید"};
const LocalText OpenDialogTitle{"Open", "گشودن"};
const LocalText SaveDialogTitle{"Save", "ذخیره"};
const LocalText HelpModePrompt{"Click on item you need information about",
                               "روی گزینه ای که به اطلاعاتی در مورد آن نیاز دارید کلیک کنید"};
const LocalText CalculatingTitle{"Calculating the grid", "محاسبه جدول"};

// Messages; "\r" breaks their lines.
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
const LocalText MsgCannotOpenAddress{"Can not open this address:", "نمی توانم این نشانی را باز کنم:"};
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
const LocalText MsgCalculationCancelled{
    "Calculation cancelled; the grid is as it was",
    "محاسبه لغو شد؛ جدول همان‌گونه که بود ماند"};
const LocalText MsgSeparatorDropped{
    "A comma separates the cells in the file, so a cell or a name can not hold one",
    "ویرگول «,» خانه‌های پرونده را از هم جدا می‌کند؛ در خانه یا نام، "
    "«،» "
    "را "
    "به "
    "کار "
    "ببرید"};
} // namespace Texts

const std::vector<const LocalText*>& AllTexts()
{
    // The texts that may be stored in a document or a page, then those only shown.
    static const std::vector<const LocalText*> all = [] {
        std::vector<const LocalText*> texts = {
            &Texts::FileMenu,
            &Texts::ReactionMenu,
            &Texts::SettingsMenu,
            &Texts::HelpMenu,
            &Texts::NewDocumentCaption,
            &Texts::NewDocumentHint,
            &Texts::OpenDocumentCaption,
            &Texts::OpenDocumentHint,
            &Texts::SaveDocumentCaption,
            &Texts::SaveDocumentHint,
            &Texts::SaveDocumentAsCaption,
            &Texts::SaveDocumentAsHint,
            &Texts::ExportBitmapCaption,
            &Texts::ExportBitmapHint,
            &Texts::ExportHtmlCaption,
            &Texts::ExportHtmlHint,
            &Texts::QuitCaption,
            &Texts::QuitHint,
            &Texts::CopyReactionCaption,
            &Texts::CopyReactionHint,
            &Texts::PasteReactionCaption,
            &Texts::PasteReactionHint,
            &Texts::RecalculateGridCaption,
            &Texts::RecalculateGridHint,
            &Texts::CheckCoefficientsCaption,
            &Texts::CheckCoefficientsHint,
            &Texts::OptionsCaption,
            &Texts::OptionsHint,
            &Texts::KeyOptionsCaption,
            &Texts::KeyOptionsHint,
            &Texts::PreciseWeightsCaption,
            &Texts::PreciseWeightsHint,
            &Texts::HelpCaption,
            &Texts::HelpHint,
            &Texts::OnlineHelpCaption,
            &Texts::OnlineHelpHint,
            &Texts::CommentsCaption,
            &Texts::CommentsHint,
            &Texts::WebsiteCaption,
            &Texts::WebsiteHint,
            &Texts::SourceCodeCaption,
            &Texts::SourceCodeHint,
            &Texts::AboutCaption,
            &Texts::AboutHint,
            &Texts::ReactionLabel,
            &Texts::GridLabel,
            &Texts::BalanceButton,
            &Texts::CalculateButton,
            &Texts::CalculateButtonHint,
            &Texts::ReactionLineHint,
            &Texts::OpenDialogTitle,
            &Texts::SaveDialogTitle,
            &Texts::HelpModePrompt,
            &Texts::CalculatingTitle,
            &Texts::MsgSaveChanges,
            &Texts::MsgCannotBalance,
            &Texts::MsgInvalidReaction,
            &Texts::MsgInvalidNumber,
            &Texts::MsgCannotOpen,
            &Texts::MsgCannotSave,
            &Texts::MsgAlreadyExists,
            &Texts::MsgCannotOpenAddress,
            &Texts::MsgReactionHelp,
            &Texts::MsgGridHelp,
            &Texts::MsgGridTooLarge,
            &Texts::MsgCalculationCancelled,
            &Texts::MsgSeparatorDropped,
            &Texts::OptionsTitle,
            &Texts::FontsPage,
            &Texts::GridPage,
            &Texts::ProgramFontLabel,
            &Texts::GridFontLabel,
            &Texts::ReactionFontLabel,
            &Texts::NumbersFontLabel,
            &Texts::SubscriptsFontLabel,
            &Texts::SubscriptsPositionLabel,
            &Texts::NameLabel,
            &Texts::SizeLabel,
            &Texts::ColorLabel,
            &Texts::ItemsLabel,
            &Texts::FormulasLabel,
            &Texts::TypeLabel,
            &Texts::WidthLabel,
            &Texts::DefaultButton,
            &Texts::HelpButton,
            &Texts::MoveUpHint,
            &Texts::MoveDownHint,
            &Texts::DeleteHint,
            &Texts::NewItemHint,
            &Texts::OkHint,
            &Texts::CancelHint,
            &Texts::DefaultHint,
            &Texts::ListHint,
            &Texts::MissingFaceHint,
            &Texts::FormulaHelp1,
            &Texts::FormulaHelp2,
            &Texts::FormulaHelp3,
            &Texts::FormulaHelp4,
            &Texts::KeyOptionsTitle,
            &Texts::AutoCaseCaption,
            &Texts::AboutTitle,
            &Texts::AboutName,
            &Texts::AboutVersion,
            &Texts::AboutNotice,
            &Texts::WarningTitle,
            &Texts::ErrorTitle,
            &Texts::InformationTitle,
            &Texts::ConfirmTitle,
            &Texts::OkButton,
            &Texts::CancelButton,
            &Texts::YesButton,
            &Texts::NoButton,
        };
        texts.insert(texts.end(), EditTexts().begin(), EditTexts().end());
        texts.insert(texts.end(), ShownOnlyTexts().begin(), ShownOnlyTexts().end());
        return texts;
    }();
    return all;
}

const std::vector<const LocalText*>& ShownOnlyTexts()
{
    static const std::vector<const LocalText*> shown = {
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
        &Texts::AcidicButton,
        &Texts::BasicButton,
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
        &Texts::SpokenPlus,
        &Texts::SpokenYields,
        &Texts::SpokenPositive,
        &Texts::SpokenNegative,
        &Texts::SpokenOpenBracket,
        &Texts::SpokenCloseBracket,
        &Texts::SpokenElectron,
        &Texts::SpokenElectrons,
        &Texts::WorkedOutCell,
    };
    return shown;
}
