// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's texts in both languages and its re-caption on a language switch.

#include "dialogs/OpsU.h"

#include "dialogs/Hints.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {
const LocalText Caption{"Options", "تنظیمات"};
const LocalText FontsPage{"Fonts", "قلم ها"};
const LocalText GridPage{"Grid", "جدول"};
const LocalText Label1Text{"Program Font :", "قلم برنامه :"};
const LocalText Label6Text{"Grid Font :", "قلم جدول :"};
const LocalText Label10Text{"Reaction Font :", "قلم واکنش :"};
const LocalText Label14Text{"Numbers Font :", "قلم ضرایب :"};
const LocalText Label18Text{"Subscripts Font :", "قلم زیرنویس ها :"};
const LocalText Label21Text{"Subscripts Position:", "موقعیت زیرنویس ها:"};
const LocalText NameText{"Name:", "نام:"};
const LocalText SizeText{"Size:", "اندازه:"};
const LocalText ColorText{"Color:", "رنگ:"};
const LocalText Label23Text{"Items :", "آیتم ها :"};
const LocalText Label27Text{"Formulas :", "فرمول ها :"};
const LocalText Label25Text{"Type:", "نوع:"};
const LocalText Label26Text{"Width:", "پهنا:"};
const LocalText DefText{"Default", "پیش فرض"};
const LocalText OKText{"OK", "قبول"};
const LocalText CancelText{"Cancel", "لغو"};
const LocalText HelpText{"Help", "راهنمایی"};
const LocalText UpHint{"Move Up|Moves current item one step up",
                       "حرکت به بالا|این آیتم را یک مرحله بالا می برد"};
const LocalText DownHint{"Move Down|Moves current item one step down",
                         "حرکت به پایین|این آیتم را یک مرحله پایین می برد"};
const LocalText DeleteHint{"Delete|Deletes current item", "حذف|این آیتم را پاک می کند"};
const LocalText NewHint{"New|Creates a new item", "ایجاد|یک آیتم جدید می سازد"};
const LocalText OKHint{"Close this dialog and apply changes", "بستن این پنجره و افزودن تغییرات"};
const LocalText CancelHint{"Close this dialog without applying changes",
                           "بستن این پنجره بدون افزودن تغییرات"};
const LocalText DefHint{"Remember current settings for all new files",
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

const LocalText* const FontTitles[] = {&Label1Text, &Label6Text, &Label10Text, &Label14Text, &Label18Text};
const LocalText* const FormulaHelpLines[] = {&FormulaHelp1, &FormulaHelp2, &FormulaHelp3, &FormulaHelp4};

// Buttons and lists show the short part of a hint as the tool tip and the long part in a
// status bar, as the main window's controls do.
void SetHint(QWidget* widget, const LocalText& hint, Language lang)
{
    const QString text = hint.In(lang);
    widget->setToolTip(ShortHint(text));
    widget->setStatusTip(LongHint(text));
}

QString FormulaHelpText(Language lang)
{
    QStringList lines;
    for (const LocalText* line : FormulaHelpLines)
        lines << line->In(lang);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

const std::vector<const LocalText*>& OptionsTexts()
{
    static const std::vector<const LocalText*> all = {
        &Caption,      &FontsPage,    &GridPage,       &Label1Text,  &Label6Text,   &Label10Text,
        &Label14Text,  &Label18Text,  &Label21Text,    &NameText,    &SizeText,     &ColorText,
        &Label23Text,  &Label27Text,  &Label25Text,    &Label26Text, &DefText,      &OKText,
        &CancelText,   &HelpText,     &UpHint,         &DownHint,    &DeleteHint,   &NewHint,
        &OKHint,       &CancelHint,   &DefHint,        &ListHint,    &FormulaHelp1, &FormulaHelp2,
        &FormulaHelp3, &FormulaHelp4, &MissingFaceHint};
    return all;
}

QString MissingFaceText(Language lang, const QString& substitute)
{
    return QString::fromUtf8(MissingFaceHint.In(lang)).arg(substitute);
}

void TOpsForm::Recaption(Language lang)
{
    // A dialog is a window of its own and does not follow the main window's direction.
    setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowTitle(Caption.In(lang));
    PageControl->setTabText(0, FontsPage.In(lang));
    PageControl->setTabText(1, GridPage.In(lang));
    for (int i = 0; i < 5; ++i) {
        FontRows[i].Title->setText(FontTitles[i]->In(lang));
        FontRows[i].NameLabel->setText(NameText.In(lang));
        FontRows[i].SizeLabel->setText(SizeText.In(lang));
        FontRows[i].ColorLabel->setText(ColorText.In(lang));
    }
    Label21->setText(Label21Text.In(lang));
    Label23->setText(Label23Text.In(lang));
    Label24->setText(NameText.In(lang));
    Label25->setText(Label25Text.In(lang));
    Label26->setText(Label26Text.In(lang));
    Label27->setText(Label27Text.In(lang));
    Def->setText(DefText.In(lang));
    OK->setText(OKText.In(lang));
    Cancel->setText(CancelText.In(lang));
    HelpBtn->setText(HelpText.In(lang));

    SetHint(GIUp, UpHint, lang);
    SetHint(GIDown, DownHint, lang);
    SetHint(GIDelete, DeleteHint, lang);
    SetHint(GFDelete, DeleteHint, lang);
    SetHint(GINew, NewHint, lang);
    SetHint(GFNew, NewHint, lang);
    SetHint(OK, OKHint, lang);
    SetHint(Cancel, CancelHint, lang);
    SetHint(Def, DefHint, lang);
    SetHint(HelpBtn, HelpText, lang);
    SetHint(GIList, ListHint, lang);
    SetHint(GFList, ListHint, lang);

    Label29->setText(FormulaHelpText(lang));
    Label29->setAlignment(lang == Language::Farsi ? Qt::AlignRight | Qt::AlignAbsolute
                                                  : Qt::AlignLeft | Qt::AlignAbsolute);
    PlaceAll();
}
