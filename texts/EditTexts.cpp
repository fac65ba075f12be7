// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of editing and of handouts: the Edit menu and the steps it names, the reaction
// line's placeholder, printing and the exports that make handouts and pictures.

#include "texts/Texts.h"

namespace Texts {

const LocalText EditMenu{"&Edit", "&ویرایش"};
const LocalText UndoCaption{"&Undo", "&واگرد"};
const LocalText UndoStepCaption{"&Undo %1", "&واگرد %1"};
const LocalText UndoHint{"Undo|Takes back the last change",
                         "واگرد|آخرین تغییر را برمی‌گرداند"};
const LocalText RedoCaption{"&Redo", "&ازنو"};
const LocalText RedoStepCaption{"&Redo %1", "&ازنو %1"};
const LocalText RedoHint{
    "Redo|Makes the change taken back again",
    "ازنو|تغییری را که برگردانده شد دوباره انجام می‌دهد"};
const LocalText StepTyping{"Typing", "تایپ"};
const LocalText StepDelete{"Delete", "حذف"};
const LocalText StepCut{"Cut", "برش"};
const LocalText StepPaste{"Paste", "فرا خوانی"};
const LocalText StepBalance{"Balance", "موازنه"};
const LocalText StepCalculate{"Calculate Grid", "محاسبه جدول"};
const LocalText StepRecalculate{"Recalculate Grid", "محاسبه مجدد جدول"};
const LocalText StepCellEdit{"Cell Edit", "ویرایش خانه"};
const LocalText StepOptions{"Options", "تنظیمات"};
const LocalText StepLanguage{"Language Switch", "تغییر زبان"};
const LocalText ReactionPlaceholder{"Type a reaction, e.g. h2=o2 h2o", "واکنش را بنویسید، مثلاً h2=o2 h2o"};

const LocalText PrintCaption{"&Print...", "&چاپ"};
const LocalText PrintHint{
    "Print|Prints the reaction and the grid as a handout",
    "چاپ|واکنش و جدول را برای برگه‌ی کلاس چاپ می‌کند"};
const LocalText ExportPdfCaption{"Export as P&DF", "تبدیل به &پی‌دی‌اف"};
const LocalText ExportPdfHint{"Export as PDF|Exports the reaction and the grid as a PDF handout",
                              "تبدیل به PDF|واکنش و جدول را به صورت برگه‌ی PDF ذخیره "
                              "می‌کند"};
const LocalText ExportSvgCaption{"Export Reaction as S&VG", "تبدیل &واکنش به اس‌وی‌جی"};
const LocalText ExportSvgHint{
    "Export Reaction as SVG|Exports the drawn reaction as an SVG picture for slides and worksheets",
    "تبدیل واکنش به SVG|واکنش را به صورت تصویر SVG برای اسلاید و برگه‌ی کار ذخیره "
    "می‌کند"};
const LocalText StudentsSheetCaption{"&Leave Worked-Out Cells Empty",
                                     "خانه‌های &محاسبه‌شده خالی بماند"};
const LocalText StudentsSheetHint{
    "Leave Worked-Out Cells Empty|Prints and exports the students' sheet: the cells Calculate Grid "
    "filled stay empty",
    "خانه‌های محاسبه‌شده خالی بماند|برگه‌ی دانش‌آموز چاپ می‌شود: خانه‌هایی که محاسبه پر کرده "
    "است "
    "خالی می‌مانند"};
const LocalText HandoutPage{"Page %1 of %2", "صفحه‌ی %1 از %2"};
} // namespace Texts

const std::vector<const LocalText*>& EditTexts()
{
    static const std::vector<const LocalText*> texts = {
        &Texts::EditMenu,
        &Texts::UndoCaption,
        &Texts::UndoStepCaption,
        &Texts::UndoHint,
        &Texts::RedoCaption,
        &Texts::RedoStepCaption,
        &Texts::RedoHint,
        &Texts::StepTyping,
        &Texts::StepDelete,
        &Texts::StepCut,
        &Texts::StepPaste,
        &Texts::StepBalance,
        &Texts::StepCalculate,
        &Texts::StepRecalculate,
        &Texts::StepCellEdit,
        &Texts::StepOptions,
        &Texts::StepLanguage,
        &Texts::ReactionPlaceholder,
        &Texts::PrintCaption,
        &Texts::PrintHint,
        &Texts::ExportPdfCaption,
        &Texts::ExportPdfHint,
        &Texts::ExportSvgCaption,
        &Texts::ExportSvgHint,
        &Texts::StudentsSheetCaption,
        &Texts::StudentsSheetHint,
        &Texts::HandoutPage,
    };
    return texts;
}
