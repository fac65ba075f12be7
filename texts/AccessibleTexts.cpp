// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers say of what the window draws: the words of a spoken reaction, and
// how a worked-out cell is told from a typed one.

#include "texts/Texts.h"

namespace Texts {

const LocalText SpokenPlus{"plus", "به‌اضافه"};
const LocalText SpokenYields{"yields", "می‌دهد"};
const LocalText SpokenPositive{"plus", "مثبت"};
const LocalText SpokenNegative{"minus", "منفی"};
const LocalText SpokenOpenBracket{"open bracket", "پرانتز باز"};
const LocalText SpokenCloseBracket{"close bracket", "پرانتز بسته"};
const LocalText SpokenElectron{"electron", "الکترون"};
const LocalText SpokenElectrons{"electrons", "الکترون"};
const LocalText WorkedOutCell{"worked out", "محاسبه شده"};

} // namespace Texts
