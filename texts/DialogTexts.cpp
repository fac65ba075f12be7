// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' texts and the message box's.

#include "texts/Texts.h"

namespace Texts {

// The options dialog.
const LocalText OptionsTitle{"Options", "تنظیمات"};
const LocalText FontsPage{"Fonts", "قلم ها"};
const LocalText GridPage{"Grid", "جدول"};
const LocalText ProgramFontLabel{"Program Font :", "قلم برنامه :"};
const LocalText GridFontLabel{"Grid Font :", "قلم جدول :"};
const LocalText ReactionFontLabel{"Reaction Font :", "قلم واکنش :"};
const LocalText NumbersFontLabel{"Numbers Font :", "قلم ضرایب :"};
const LocalText SubscriptsFontLabel{"Subscripts Font :", "قلم زیرنویس ها :"};
const LocalText SubscriptsPositionLabel{"Subscripts Position:", "موقعیت زیرنویس ها:"};
const LocalText NameLabel{"Name:", "نام:"};
const LocalText SizeLabel{"Size:", "اندازه:"};
const LocalText ColorLabel{"Color:", "رنگ:"};
const LocalText ItemsLabel{"Items :", "آیتم ها :"};
const LocalText FormulasLabel{"Formulas :", "فرمول ها :"};
const LocalText TypeLabel{"Type:", "نوع:"};
const LocalText WidthLabel{"Width:", "پهنا:"};
const LocalText DefaultButton{"Default", "پیش فرض"};
const LocalText HelpButton{"Help", "راهنمایی"};
const LocalText MoveUpHint{"Move Up|Moves current item one step up",
                           "حرکت به بالا|این آیتم را یک مرحله بالا می برد"};
const LocalText MoveDownHint{"Move Down|Moves current item one step down",
                             "حرکت به پایین|این آیتم را یک مرحله پایین می برد"};
const LocalText DeleteHint{"Delete|Deletes current item", "حذف|این آیتم را پاک می کند"};
const LocalText NewItemHint{"New|Creates a new item", "ایجاد|یک آیتم جدید می سازد"};
const LocalText OkHint{"Close this dialog and apply changes", "بستن این پنجره و افزودن تغییرات"};
const LocalText CancelHint{"Close this dialog without applying changes",
                           "بستن این پنجره بدون افزودن تغییرات"};
const LocalText DefaultHint{"Remember current settings for all new files",
                            "انتخاب این ها به عنوان تنظیمات پیش فرض فایل های جدید"};
const LocalText ListHint{"Click on an item to edit it", "برای ویرایش یک گزینه روی آن کلیک کنید"};
const LocalText MissingFaceHint{"This font is not installed; it is shown with %1",
                                "این قلم نصب نشده است و با %1 نمایش داده می شود"};
const LocalText FormulaHelp1{"Use # mark before functions' name.",
                             "پیش از نام توابع علامت # را به کار برید."};
const LocalText FormulaHelp2{"a=Current Substance , b=Another Substance", "a=ماده مورد نظر , b=ماده ای دیگر"};
const LocalText FormulaHelp3{"Supported mathematical operators: !, ^(power), *, /, +, -",
                             "عملیات ریاضی قابل قبول: !, ^(توان), *, /, +, -"};
const LocalText FormulaHelp4{"Example: ((#Mol(b) * 5) + 1) / (#Mol(a))",
                             "مثال: ((a)مول#) / (1 + (5 * (b)مول#))"};
const LocalText FormulaReadingLabel{"Read as: ", "خوانده می‌شود: "};

// Beside the worksheet's given amounts, and the status bar's word on the limiting reactant.
const LocalText LimitingReactantNote{"Limiting reactant: %1",
                                     "واکنش‌دهنده‌ی محدودکننده: %1"};
const LocalText ExcessNote{"%1 left over", "%1 اضافه"};
const LocalText YieldNote{"yield %1%", "بازده %1%"};
const LocalText ContradictsNote{"contradicts the others", "ناسازگار با بقیه"};

// The key-options dialog and the about box.
const LocalText KeyOptionsTitle{"Key Options", "تنظیمات کلیدها"};
const LocalText AutoCaseCaption{"Elements auto identification", "تشخیص اتوماتیک عناصر"};
const LocalText AboutTitle{"About...", "درباره این برنامه"};
const LocalText AboutName{"Stoikon", "Stoikon"};
const LocalText AboutVersion{"Version 1.0", "نسخه 1"};
const LocalText AboutNotice{"Copyright (C) 2026 Stoikon team\nFor chemistry students and teachers",
                            "حق نشر (C) 2026 گروه Stoikon\nبرای دانش آموزان و معلمان شیمی"};

// The message box: its titles by the kind of message, and its buttons (the options
// dialog's OK and Cancel too).
const LocalText WarningTitle{"Warning", "توجه"};
const LocalText ErrorTitle{"Error", "خطا"};
const LocalText InformationTitle{"Information", "اطلاعات"};
const LocalText ConfirmTitle{"Confirm", "تایید"};
const LocalText OkButton{"OK", "قبول"};
const LocalText CancelButton{"Cancel", "لغو"};
const LocalText YesButton{"&Yes", "&بلی"};
const LocalText NoButton{"&No", "&خیر"};
} // namespace Texts
