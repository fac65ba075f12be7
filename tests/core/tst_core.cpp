// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_core.h"

#include <QTest>

QTEST_GUILESS_MAIN(TestCore)
